#include "app/core/dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace zlx::app {

namespace {

QString program_title() {
    return QApplication::applicationDisplayName();
}

void show_box(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
              const QString& detail = {}) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    box.exec();
}

}  // namespace

void QtDialogs::information(QWidget* parent, const QString& text) {
    show_box(parent, QMessageBox::NoIcon, program_title(), text);
}

void QtDialogs::warning(QWidget* parent, const QString& title, const QString& text) {
    show_box(parent, QMessageBox::Warning, title, text);
}

void QtDialogs::error(QWidget* parent, const QString& text, const QString& detail) {
    show_box(parent, QMessageBox::Critical, QStringLiteral("Błąd"), text, detail);
}

bool QtDialogs::question(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Tak"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nie"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::set_clipboard(const QString& text) {
    QApplication::clipboard()->setText(text);
}

QString QtDialogs::open_file(QWidget* parent, const QString& title, const QString& start,
                             const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, start, filter);
}

QString QtDialogs::choose_folder(QWidget* parent, const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, title, start);
}

}  // namespace zlx::app
