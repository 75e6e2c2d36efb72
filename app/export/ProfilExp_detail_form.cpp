#include "app/export/ProfilExp_detail_form.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/core/dialogs.h"
#include "app/core/screen.h"
#include "export/kodowanie.h"
#include "export/lista_profili.h"
#include "export/profilexp_store.h"

namespace zlx::app {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
std::string ss(const QString& s) {
    return s.toStdString();
}

QLineEdit* line_edit(const char* name) {
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QRadioButton* radio(const QString& caption, const char* name) {
    auto* r = new QRadioButton(caption);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

// Returns the item index, or the old code when the list shows none (a code no item stands for).
std::int32_t kod_listy(const QComboBox& list, std::int32_t old) {
    return list.currentIndex() < 0 ? old : list.currentIndex();
}

}  // namespace

QDate do_qdate(TDateTime date) {
    const CivilDate d = date.civil();
    return QDate(d.year, d.month, d.day);
}

TDateTime z_qdate(const QDate& date) {
    return TDateTime::from_ymd(date.year(), date.month(), date.day());
}

TProfilExp_detail_frm::TProfilExp_detail_frm(const Services& services, QWidget* owner)
    : QDialog(owner),
      services_(services),
      profil_(nowy_profilexp()),
      nazwa_edt_(line_edit("nazwa_edt")),
      opis_edt_(line_edit("opis_edt")),
      katalog_edt_(line_edit("katalog_edt")),
      stala_rb_(radio(QStringLiteral("Stała"), "stala_rb")),
      generowana_rb_(radio(QStringLiteral("Generowana"), "generowana_rb")),
      nazwa_stala_edt_(line_edit("nazwa_stala_edt")),
      rozszerzenie_edt_(line_edit("rozszerzenie_edt")),
      kodowanie_cb_(new QComboBox),
      bank_cb_(new QComboBox),
      maks_sed_(new QSpinBox),
      ustaw_date_rb_(radio(QStringLiteral("Ustaw datę"), "ustaw_date_rb")),
      data_wystawienia_rb_(radio(QStringLiteral("Data wystawienia przelewu"), "data_wystawienia_rb")),
      data_dtp_(new QDateEdit) {
    setWindowTitle(QStringLiteral("Profil eksportu"));
    kodowanie_cb_->setObjectName(QStringLiteral("kodowanie_cb"));
    for (const char* item : kNazwyKodowan)
        kodowanie_cb_->addItem(QString::fromUtf8(item));
    bank_cb_->setObjectName(QStringLiteral("bank_cb"));
    for (const char* item : kNazwyFormatow)
        bank_cb_->addItem(QString::fromUtf8(item));
    maks_sed_->setObjectName(QStringLiteral("maks_sed"));
    maks_sed_->setRange(0, 999999);
    data_dtp_->setObjectName(QStringLiteral("data_dtp"));
    data_dtp_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    data_dtp_->setCalendarPopup(true);

    auto* katalog_btn = new QPushButton(QStringLiteral("..."));
    katalog_btn->setObjectName(QStringLiteral("katalog_btn"));
    katalog_btn->setMaximumWidth(40);
    connect(katalog_btn, &QPushButton::clicked, this, &TProfilExp_detail_frm::katalog_btnClick);

    auto* dane = new QGridLayout;
    int row = 0;
    auto add = [&](const QString& caption, QWidget* control) {
        auto* label = new QLabel(caption);
        label->setBuddy(control);
        dane->addWidget(label, row, 0);
        dane->addWidget(control, row++, 1, 1, 2);
    };
    add(QStringLiteral("Nazwa"), nazwa_edt_);
    add(QStringLiteral("Opis"), opis_edt_);
    auto* katalog_label = new QLabel(QStringLiteral("Katalog wyjściowy"));
    katalog_label->setBuddy(katalog_edt_);
    dane->addWidget(katalog_label, row, 0);
    dane->addWidget(katalog_edt_, row, 1);
    dane->addWidget(katalog_btn, row++, 2);

    auto* plik = new QGroupBox(QStringLiteral("Nazwa pliku wyjściowego"));
    auto* plik_l = new QGridLayout(plik);
    plik_l->addWidget(stala_rb_, 0, 0);
    plik_l->addWidget(generowana_rb_, 0, 1);
    auto* stala_label = new QLabel(QStringLiteral("Nazwa stała"));
    stala_label->setBuddy(nazwa_stala_edt_);
    plik_l->addWidget(stala_label, 1, 0);
    plik_l->addWidget(nazwa_stala_edt_, 1, 1, 1, 3);
    plik_l->addWidget(new QLabel(QStringLiteral("Nazwa pliku")), 2, 0);
    plik_l->addWidget(new QLabel(QStringLiteral("YYYYMMDD_SS.")), 2, 1);
    auto* rozszerzenie_label = new QLabel(QStringLiteral("Rozszerzenie"));
    rozszerzenie_label->setBuddy(rozszerzenie_edt_);
    plik_l->addWidget(rozszerzenie_label, 2, 2);
    plik_l->addWidget(rozszerzenie_edt_, 2, 3);

    auto* format = new QGridLayout;
    format->addWidget(new QLabel(QStringLiteral("Kodowanie polskich liter")), 0, 0);
    format->addWidget(kodowanie_cb_, 0, 1);
    format->addWidget(new QLabel(QStringLiteral("Jaki Bank ?")), 1, 0);
    format->addWidget(bank_cb_, 1, 1);
    format->addWidget(new QLabel(QStringLiteral("Maks.ilość przelewów w pliku")), 2, 0);
    format->addWidget(maks_sed_, 2, 1);
    format->addWidget(new QLabel(QStringLiteral("\"0\" powoduje brak limitu")), 2, 2);

    auto* daty = new QGroupBox(QStringLiteral("Data przelewów"));
    auto* daty_l = new QHBoxLayout(daty);
    daty_l->addWidget(ustaw_date_rb_);
    daty_l->addWidget(data_wystawienia_rb_);
    daty_l->addWidget(data_dtp_);

    auto* zapisz = new QPushButton(QStringLiteral("Zapisz [CTRL+ENTER]"));
    zapisz->setObjectName(QStringLiteral("zapisz_btn"));
    connect(zapisz, &QPushButton::clicked, this, &TProfilExp_detail_frm::zapisz_btnClick);
    auto* wyjdz = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    wyjdz->setObjectName(QStringLiteral("wyjdz_btn"));
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(zapisz);
    buttons->addWidget(wyjdz);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dane);
    layout->addWidget(plik);
    layout->addLayout(format);
    layout->addWidget(daty);
    layout->addLayout(buttons);

    no_default_buttons(*this);
    on_ctrl_enter(*this, [this] { zapisz_btnClick(); });
    dsp_data();
}

void TProfilExp_detail_frm::set_profil(const TProfilExp& profil) {
    profil_ = profil;
    dsp_data();
}

void TProfilExp_detail_frm::dsp_data() {
    const TProfilExp& p = profil_;
    nazwa_edt_->setText(qs(p.prof_nazwa));
    opis_edt_->setText(qs(p.prof_opis));
    katalog_edt_->setText(qs(p.prof_katalog_out));
    stala_rb_->setChecked(p.prof_rodzaj_nazwy_pliku == 0);
    generowana_rb_->setChecked(p.prof_rodzaj_nazwy_pliku == 1);
    nazwa_stala_edt_->setText(qs(p.prof_nazwa_stala));
    rozszerzenie_edt_->setText(qs(p.prof_nazwa_gen_rozsz));
    kodowanie_cb_->setCurrentIndex(p.prof_rodzaj_kodowania < kodowanie_cb_->count() ? p.prof_rodzaj_kodowania
                                                                                    : -1);
    bank_cb_->setCurrentIndex(p.prof_rodzaj_formatu < bank_cb_->count() ? p.prof_rodzaj_formatu : -1);
    maks_sed_->setValue(maks_w_pliku(p));
    maks_pokazany_ = maks_sed_->value();
    ustaw_date_rb_->setChecked(p.prof_rodzaj_daty == 0);
    data_wystawienia_rb_->setChecked(p.prof_rodzaj_daty == 1);
    data_dtp_->setDate(do_qdate(p.prof_data_do_wczytania));
    nazwa_edt_->setFocus();
}

void TProfilExp_detail_frm::save_data() {
    TProfilExp& p = profil_;
    p.prof_nazwa = ss(nazwa_edt_->text());
    p.prof_opis = ss(opis_edt_->text());
    p.prof_katalog_out = ss(katalog_edt_->text());
    if (stala_rb_->isChecked()) p.prof_rodzaj_nazwy_pliku = 0;
    if (generowana_rb_->isChecked()) p.prof_rodzaj_nazwy_pliku = 1;
    p.prof_nazwa_stala = ss(nazwa_stala_edt_->text());
    p.prof_nazwa_gen_rozsz = ss(rozszerzenie_edt_->text());
    p.prof_rodzaj_kodowania = kod_listy(*kodowanie_cb_, p.prof_rodzaj_kodowania);
    p.prof_rodzaj_formatu = kod_listy(*bank_cb_, p.prof_rodzaj_formatu);
    // A stored limit the spin box cannot show as it is (out of its range, not plain digits) stays
    // unless the user changes the number.
    if (maks_sed_->value() != maks_pokazany_) p.prof_maks_w_pliku = std::to_string(maks_sed_->value());
    if (ustaw_date_rb_->isChecked()) p.prof_rodzaj_daty = 0;
    if (data_wystawienia_rb_->isChecked()) p.prof_rodzaj_daty = 1;
    p.prof_data_do_wczytania = z_qdate(data_dtp_->date());
}

void TProfilExp_detail_frm::katalog_btnClick() {
    const QString folder =
        services_.dialogs.choose_folder(this, QStringLiteral("Wybierz katalog"), katalog_edt_->text());
    // A cancelled chooser keeps the folder the user had.
    if (!folder.isEmpty()) katalog_edt_->setText(qs(katalog_wyjsciowy(ss(folder))));
}

void TProfilExp_detail_frm::zapisz_btnClick() {
    TProfilExp sprawdzany = profil_;
    sprawdzany.prof_nazwa = ss(nazwa_edt_->text());
    const std::vector<std::string> bledy = kontrola_profilu(sprawdzany);
    if (!bledy.empty()) {
        QStringList lines;
        for (const std::string& b : bledy)
            lines << qs(b);
        services_.dialogs.warning(this, QString::fromUtf8(kTytulBledowProfilu),
                                  lines.join(QLatin1Char('\n')));
        return;
    }
    save_data();
    // A refused statement has been shown by the data layer; the card stays open with the user's data.
    if (!save_profilexp(services_.ds, profil_)) return;
    accept();
}

}  // namespace zlx::app
