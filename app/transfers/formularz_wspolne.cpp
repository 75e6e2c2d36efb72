#include "app/transfers/formularz_wspolne.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStandardPaths>

#include "app/core/dialogs.h"
#include "app/core/pole_ograniczone.h"
#include "app/core/screen_factory.h"
#include "app/transfers/daty_qt.h"
#include "app/transfers/frmOpisZnacznikow_form.h"
#include "app/transfers/obrazki_przelewow.h"
#include "registers/slowniki.h"
#include "registers/znaczniki.h"
#include "transfers/format_kwoty.h"
#include "transfers/lista_sql.h"

namespace zlx::app {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Desktop calculators in the order they are looked for.
constexpr const char* kKalkulatory[] = {"gnome-calculator", "kcalc",     "qalculate-qt", "qalculate-gtk",
                                        "galculator",       "mate-calc", "xcalc"};

}  // namespace

QLineEdit* pole_edycji(const char* nazwa, const char* podpowiedz) {
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromUtf8(nazwa));
    if (*podpowiedz) e->setToolTip(QString::fromUtf8(podpowiedz));
    return e;
}

QLineEdit* pole_uwag() {
    QLineEdit* e = pole_edycji("uwagi_tekst");
    ogranicz_wpisywanie(*e, 250);
    return e;
}

QPushButton* przycisk_formularza(const char* tekst, const char* podpowiedz) {
    auto* b = new QPushButton(QString::fromUtf8(tekst));
    if (*podpowiedz) b->setToolTip(QString::fromUtf8(podpowiedz));
    return b;
}

KontrolkiPrzelewu::KontrolkiPrzelewu(QWidget* owner) {
    data_edt = nowy_wybor_daty(owner);
    data_edt->setObjectName(QStringLiteral("data_edt"));
    data_edt->setToolTip(QStringLiteral("Data jaka pojawi się na przelewie"));
    przelew_rbtn = new QRadioButton(QStringLiteral("Przelew"));
    przelew_rbtn->setToolTip(QStringLiteral("Wybierz dla przelewu"));
    przelew_rbtn->setChecked(true);
    wplata_rbtn = new QRadioButton(QStringLiteral("Wpłata"));
    wplata_rbtn->setToolTip(QStringLiteral("Wybierz dla wpłaty"));
    waluta_cmb = new QComboBox;
    waluta_cmb->setObjectName(QStringLiteral("waluta_cmb"));
    waluta_cmb->setToolTip(QStringLiteral("Wybierz walutę"));
    drukujdate_chbox = new QCheckBox(QStringLiteral("Drukuj datę"));
    drukujdate_chbox->setToolTip(QStringLiteral("Zaznacz, aby na przelewie wydrukować datę"));
    drukuj_kwote_cmb = new QCheckBox(QStringLiteral("Drukuj kwotę"));
    drukuj_kwote_cmb->setToolTip(QStringLiteral("Zaznacz aby wydrukować kwotę  "));
    drukuj_kwote_cmb->setChecked(true);
    zatwierdz_check = new QCheckBox(QStringLiteral("Zatwierdź"));
    zatwierdz_check->setToolTip(QStringLiteral("Zaznacz aby zatwierdzić przelew"));
    zapisz_jako_nowe_check = new QCheckBox(QStringLiteral("Zapisz jako nowy"));
    zapisz_jako_nowe_check->setToolTip(QStringLiteral("Zapisz w kartotece jako nowy przelew"));
    znacznik_cmb = new QComboBox;
    znacznik_cmb->setObjectName(QStringLiteral("znacznik_cmb"));
    znacznik_cmb->setToolTip(QStringLiteral("Rozwiń aby wybrać znacznik"));
    const auto znaczniki = pozycje_znacznikow();
    for (int i = 0; i < static_cast<int>(znaczniki.size()); ++i)
        znacznik_cmb->addItem(ikona_znacznika(i), q(znaczniki[static_cast<std::size_t>(i)]));
    znaczniki_btn = przycisk_formularza("z", "Pokaż listę znaczników");
    znaczniki_btn->setMaximumWidth(28);

    kwota_edt = pole_edycji("kwota_edt", "Wpisz kwotę");
    kwota_edt->setAlignment(Qt::AlignRight);
    kwota_edt->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^-?[0-9 ]*([,.][0-9]{0,4})?$")), kwota_edt));
    kwota_edt->setText(q(kwota_do_edycji(Currency())));
    QLineEdit* kwota = kwota_edt;
    QObject::connect(kwota_edt, &QLineEdit::editingFinished, kwota_edt, [kwota] {
        kwota->setText(q(kwota_do_edycji(Currency::parse(kwota->text().toStdString()).value_or(Currency()))));
    });
    uwagi_tekst = pole_uwag();
}

QHBoxLayout* KontrolkiPrzelewu::gorny_pasek() const {
    auto* gora = new QHBoxLayout;
    gora->addWidget(data_edt);
    gora->addWidget(przelew_rbtn);
    gora->addWidget(wplata_rbtn);
    gora->addWidget(waluta_cmb);
    gora->addSpacing(8);
    gora->addWidget(drukujdate_chbox);
    gora->addWidget(drukuj_kwote_cmb);
    gora->addWidget(zatwierdz_check);
    gora->addWidget(zapisz_jako_nowe_check);
    gora->addStretch();
    gora->addWidget(znacznik_cmb);
    gora->addWidget(znaczniki_btn);
    return gora;
}

void KontrolkiPrzelewu::wypelnij_waluty(TGlAdoDs_mod& ds) const {
    std::vector<TWaluta> waluty;
    get_waluty_list(ds, waluty);
    waluta_cmb->clear();
    for (const auto& w : symbole_walut(waluty))
        waluta_cmb->addItem(q(w));
    waluta_cmb->setCurrentIndex(pozycja_domyslnej_waluty(waluty));
}

void KontrolkiPrzelewu::czytaj(PolaFormularza& f) const {
    f.data = data_z_qdate(data_edt->date());
    f.wplata = wplata_rbtn->isChecked();
    f.waluta = waluta_cmb->currentText().toStdString();
    f.drukuj_date = drukujdate_chbox->isChecked();
    f.drukuj_kwote = drukuj_kwote_cmb->isChecked();
    f.zatwierdz = zatwierdz_check->isChecked();
    f.zapisz_jako_nowy = zapisz_jako_nowe_check->isChecked();
    f.znacznik = znacznik_cmb->currentIndex();
    f.kwota = Currency::parse(kwota_edt->text().toStdString()).value_or(Currency());
    f.uwagi = uwagi_tekst->text().toStdString();
}

void KontrolkiPrzelewu::pokaz(const PolaFormularza& f) const {
    data_edt->setDate(na_qdate(f.data));
    (f.wplata ? wplata_rbtn : przelew_rbtn)->setChecked(true);
    const int w = waluta_cmb->findText(q(f.waluta));
    if (w >= 0) {
        waluta_cmb->setCurrentIndex(w);
    } else if (!f.waluta.empty()) {
        // A currency the dictionary no longer has still shows as stored.
        waluta_cmb->addItem(q(f.waluta));
        waluta_cmb->setCurrentIndex(waluta_cmb->count() - 1);
    }
    zatwierdz_check->setChecked(f.zatwierdz);
    znacznik_cmb->setCurrentIndex(f.znacznik >= 0 && f.znacznik < znacznik_cmb->count() ? f.znacznik : 0);
    kwota_edt->setText(q(kwota_do_edycji(f.kwota)));
    uwagi_tekst->setText(q(f.uwagi));
}

void uruchom_kalkulator(const Services& services, QWidget* owner) {
    for (const char* nazwa : kKalkulatory) {
        const QString program = QStandardPaths::findExecutable(QString::fromUtf8(nazwa));
        if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
    }
    services.dialogs.information(owner, QStringLiteral("Nie znaleziono programu kalkulatora"));
}

void pokaz_opisy_znacznikow(const Services& services, QWidget* owner) {
    TfrmOpisZnacznikow screen(services, owner);
    screen.set_kategoria(kZnacznikiPrzelewow);
    services.screens.show_modal(screen);
}

}  // namespace zlx::app
