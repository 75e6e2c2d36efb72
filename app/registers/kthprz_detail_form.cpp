#include "app/registers/kthprz_detail_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <tuple>

#include "app/core/dialogs.h"
#include "app/core/pole_ograniczone.h"
#include "app/core/screen.h"
#include "core/text.h"
#include "registers/kth_karta.h"

namespace zlx::app {

namespace {

const QString kMaskaKodu = QStringLiteral("99-999;_");

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string s(const QLineEdit* e) {
    return e->text().toStdString();
}

}  // namespace

QLineEdit* Tkthprz_detail_frm::edit(const char* nazwa, int max) {
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(nazwa));
    if (max > 0) ogranicz_wpisywanie(*e, max);
    return e;
}

Tkthprz_detail_frm::Tkthprz_detail_frm(const Services& services, QWidget* owner)
    : QDialog(owner),
      services_(services),
      otworz_adres_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      strony_(new QTabWidget),
      skrot_edt_(edit("skrot_edt", 100)),
      nazwa_edt_(edit("nazwa_edt", 150)),
      kodpoczt_edt_(edit("kodpoczt_edt")),
      miasto_edt_(edit("miasto_edt")),
      adres_edt_(edit("adres_edt", 100)),
      nip_edt_(edit("nip_edt", 19)),
      regon_edt_(edit("regon_edt")),
      platnik_vat_chk_(new QCheckBox(QStringLiteral("Płatnik VAT"))),
      rabat_edt_(edit("rabat_edt")),
      bank1_edt_(edit("bank1_edt")),
      konto1_edt_(edit("konto1_edt")),
      domyslne1_rb_(new QRadioButton(QStringLiteral("Domyślne"))),
      bank2_edt_(edit("bank2_edt")),
      konto2_edt_(edit("konto2_edt")),
      domyslne2_rb_(new QRadioButton(QStringLiteral("Domyślne"))),
      telefon1_edt_(edit("telefon1_edt")),
      telefon2_edt_(edit("telefon2_edt")),
      fax_edt_(edit("fax_edt")),
      email_edt_(edit("email_edt")),
      www_edt_(edit("www_edt")),
      osoba1_edt_(edit("osoba1_edt")),
      telosoba1_edt_(edit("telosoba1_edt")),
      emailosoba1_edt_(edit("emailosoba1_edt")),
      osoba2_edt_(edit("osoba2_edt")),
      telosoba2_edt_(edit("telosoba2_edt")),
      emailosoba2_edt_(edit("emailosoba2_edt")),
      notatki_mem_(new QPlainTextEdit) {
    setWindowTitle(QStringLiteral("Kontrahent -  karta"));
    strony_->setObjectName(QStringLiteral("strony"));
    kodpoczt_edt_->setInputMask(kMaskaKodu);
    connect(kodpoczt_edt_, &QLineEdit::textEdited, this, &Tkthprz_detail_frm::kodpoczt_edtEdited);
    kodpoczt_edt_->setMaximumWidth(80);
    platnik_vat_chk_->setObjectName(QStringLiteral("platnik_vat_chk"));
    domyslne1_rb_->setObjectName(QStringLiteral("domyslne1_rb"));
    domyslne2_rb_->setObjectName(QStringLiteral("domyslne2_rb"));
    notatki_mem_->setObjectName(QStringLiteral("notatki_mem"));

    // Podstawowe; the VAT box and the discount stay hidden but keep their values.
    auto* podstawowe = new QWidget;
    auto* pf = new QFormLayout(podstawowe);
    pf->addRow(QStringLiteral("Skrót"), skrot_edt_);
    pf->addRow(QStringLiteral("Nazwa"), nazwa_edt_);
    pf->addRow(QStringLiteral("Kod Poczt."), kodpoczt_edt_);
    pf->addRow(QStringLiteral("Miasto"), miasto_edt_);
    pf->addRow(QStringLiteral("Adres"), adres_edt_);
    pf->addRow(QStringLiteral("Nip"), nip_edt_);
    pf->addRow(QStringLiteral("Regon"), regon_edt_);
    auto* mapa = new QPushButton(QStringLiteral("Pokaż na mapie"));
    auto* mapa_wiersz = new QHBoxLayout;
    mapa_wiersz->addWidget(mapa);
    mapa_wiersz->addStretch();
    pf->addRow(QString(), mapa_wiersz);
    auto* rabat_lbl = new QLabel(QStringLiteral("Rabat %"));
    pf->addRow(QString(), platnik_vat_chk_);
    pf->addRow(rabat_lbl, rabat_edt_);
    platnik_vat_chk_->hide();
    rabat_lbl->hide();
    rabat_edt_->hide();
    rabat_edt_->setText(QStringLiteral("0"));
    strony_->addTab(podstawowe, QStringLiteral("Podstawowe"));

    auto* bank = new QWidget;
    auto* konta = new QGroupBox(QStringLiteral("Konta"));
    auto* kg = new QGridLayout(konta);
    auto* domyslne = new QButtonGroup(this);
    domyslne->addButton(domyslne1_rb_);
    domyslne->addButton(domyslne2_rb_);
    domyslne1_rb_->setChecked(true);
    int r = 0;
    for (auto [b, k, d] : {std::tuple{bank1_edt_, konto1_edt_, domyslne1_rb_},
                           std::tuple{bank2_edt_, konto2_edt_, domyslne2_rb_}}) {
        kg->addWidget(new QLabel(QStringLiteral("W Banku")), r, 0);
        kg->addWidget(b, r, 1);
        kg->addWidget(d, r, 2);
        kg->addWidget(new QLabel(QStringLiteral("Konto")), r + 1, 0);
        kg->addWidget(k, r + 1, 1, 1, 2);
        r += 3;  // a gap between the two accounts
    }
    kg->setRowMinimumHeight(2, 10);
    auto* bl = new QVBoxLayout(bank);
    bl->addWidget(konta);
    bl->addStretch();
    strony_->addTab(bank, QStringLiteral("Bank"));

    auto* kontakt = new QWidget;
    auto* kl = new QVBoxLayout(kontakt);
    auto* kf = new QFormLayout;
    kf->addRow(QStringLiteral("Telefon 1"), telefon1_edt_);
    kf->addRow(QStringLiteral("Telefon 2"), telefon2_edt_);
    kf->addRow(QStringLiteral("Fax"), fax_edt_);
    kf->addRow(QStringLiteral("Email"), email_edt_);
    kf->addRow(QStringLiteral("WWW"), www_edt_);
    kl->addLayout(kf);
    auto* osoby = new QGroupBox(QStringLiteral("Kontakt - osoby"));
    auto* og = new QGridLayout(osoby);
    r = 0;
    for (auto [n, t, e] : {std::tuple{osoba1_edt_, telosoba1_edt_, emailosoba1_edt_},
                           std::tuple{osoba2_edt_, telosoba2_edt_, emailosoba2_edt_}}) {
        og->addWidget(new QLabel(QStringLiteral(" Nazwisko")), r, 0);
        og->addWidget(n, r, 1, 1, 3);
        og->addWidget(new QLabel(QStringLiteral("Tel.Kom.")), r + 1, 0);
        og->addWidget(t, r + 1, 1);
        og->addWidget(new QLabel(QStringLiteral("Email")), r + 1, 2);
        og->addWidget(e, r + 1, 3);
        r += 2;
    }
    kl->addWidget(osoby);
    kl->addStretch();
    strony_->addTab(kontakt, QStringLiteral("Kontakt"));

    strony_->addTab(notatki_mem_, QStringLiteral("Notatki"));

    auto* zapisz = new QPushButton(QStringLiteral("Zapisz [CTRL+ENTER]"));
    auto* wyjdz = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(zapisz);
    przyciski->addWidget(wyjdz);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(strony_);
    layout->addLayout(przyciski);
    resize(520, 400);

    connect(zapisz, &QPushButton::clicked, this, &Tkthprz_detail_frm::zapisz_btnClick);
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);
    connect(mapa, &QPushButton::clicked, this, &Tkthprz_detail_frm::mapa_btnClick);
    on_ctrl_enter(*this, [this] { zapisz_btnClick(); });
    no_default_buttons(*this);
}

void Tkthprz_detail_frm::set_kth(const TPrzKth& kth) {
    kth_ = kth;
    if (kth_.ID1 != 0) dsp_data();
}

void Tkthprz_detail_frm::dsp_data() {
    skrot_edt_->setText(q(kth_.skrot));
    nazwa_edt_->setText(q(kth_.nazwa));
    pokaz_kod();
    miasto_edt_->setText(q(kth_.Miejscowosc));
    adres_edt_->setText(q(kth_.ulica));
    nip_edt_->setText(q(kth_.nip));
    regon_edt_->setText(q(kth_.Regon));
    rabat_edt_->setText(q(rabat_na_tekst(kth_.rabat)));
    platnik_vat_chk_->setChecked(kth_.PlatnikVAT == 1);
    telefon1_edt_->setText(q(kth_.Telefon1));
    telefon2_edt_->setText(q(kth_.Telefon2));
    fax_edt_->setText(q(kth_.Telefax));
    email_edt_->setText(q(kth_.email));
    www_edt_->setText(q(kth_.www));
    osoba1_edt_->setText(q(kth_.imienazwiskoosoba1));
    telosoba1_edt_->setText(q(kth_.telefonosoba1));
    emailosoba1_edt_->setText(q(kth_.emailosoba1));
    osoba2_edt_->setText(q(kth_.imienazwiskoosoba2));
    telosoba2_edt_->setText(q(kth_.telefonosoba2));
    emailosoba2_edt_->setText(q(kth_.emailosoba2));
    notatki_mem_->setPlainText(q(kth_.notatki));
    bank1_edt_->setText(q(kth_.W_banku1));
    konto1_edt_->setText(q(kth_.Rachunek1));
    bank2_edt_->setText(q(kth_.W_banku2));
    konto2_edt_->setText(q(kth_.Rachunek2));
    if (kth_.domyslnekonto == 0) domyslne1_rb_->setChecked(true);
    if (kth_.domyslnekonto == 1) domyslne2_rb_->setChecked(true);
}

void Tkthprz_detail_frm::pokaz_kod() {
    kod_edytowany_ = false;
    const QString kod = q(kth_.kod);
    kodpoczt_edt_->setInputMask(kMaskaKodu);
    kodpoczt_edt_->setText(kod);
    // The mask would rewrite a stored postcode it does not fit ("D-10115", "00950"): shown as stored.
    if (!kod.isEmpty() && kodpoczt_edt_->text() != kod) {
        kodpoczt_edt_->setInputMask(QString());
        kodpoczt_edt_->setText(kod);
    }
}

void Tkthprz_detail_frm::kodpoczt_edtEdited(const QString& tekst) {
    kod_edytowany_ = true;
    if (!kodpoczt_edt_->inputMask().isEmpty()) return;
    // The user edits a postcode shown as stored: from here on the mask applies, the cursor after
    // what was typed.
    kodpoczt_edt_->setInputMask(kMaskaKodu);
    kodpoczt_edt_->setText(tekst);
    const QString widac = kodpoczt_edt_->displayText();
    qsizetype koniec = widac.size();
    while (koniec > 0 && (widac[koniec - 1] == u'_' || widac[koniec - 1] == u'-'))
        --koniec;
    kodpoczt_edt_->setCursorPosition(static_cast<int>(koniec));
}

void Tkthprz_detail_frm::save_data() {
    kth_.skrot = s(skrot_edt_);
    kth_.nazwa = s(nazwa_edt_);
    if (kod_edytowany_) kth_.kod = kod_z_maski(s(kodpoczt_edt_));
    kth_.Miejscowosc = s(miasto_edt_);
    kth_.ulica = s(adres_edt_);
    kth_.nip = s(nip_edt_);
    kth_.Regon = s(regon_edt_);
    kth_.rabat = rabat_z_tekstu(s(rabat_edt_));
    kth_.PlatnikVAT = platnik_vat_chk_->isChecked() ? 1 : 0;
    kth_.Telefon1 = s(telefon1_edt_);
    kth_.Telefon2 = s(telefon2_edt_);
    kth_.Telefax = s(fax_edt_);
    kth_.email = s(email_edt_);
    kth_.www = s(www_edt_);
    kth_.imienazwiskoosoba1 = s(osoba1_edt_);
    kth_.telefonosoba1 = s(telosoba1_edt_);
    kth_.emailosoba1 = s(emailosoba1_edt_);
    kth_.imienazwiskoosoba2 = s(osoba2_edt_);
    kth_.telefonosoba2 = s(telosoba2_edt_);
    kth_.emailosoba2 = s(emailosoba2_edt_);
    kth_.notatki = notatki_mem_->toPlainText().toStdString();
    kth_.W_banku1 = trim(s(bank1_edt_));
    kth_.Rachunek1 = trim(s(konto1_edt_));
    kth_.W_banku2 = trim(s(bank2_edt_));
    kth_.Rachunek2 = trim(s(konto2_edt_));
    kth_.domyslnekonto = domyslne2_rb_->isChecked() ? 1 : 0;
}

bool Tkthprz_detail_frm::kontrola() {
    const std::string bledy = bledy_karty_kth(s(skrot_edt_));
    if (bledy.empty()) return true;
    services_.dialogs.warning(this, QString::fromUtf8(kTytulBleduKarty), q(bledy));
    return false;
}

void Tkthprz_detail_frm::zapisz_btnClick() {
    if (!kontrola()) return;
    save_data();
    accept();
}

void Tkthprz_detail_frm::mapa_btnClick() {
    const std::string adres = adres_mapy(s(adres_edt_), kod_z_maski(s(kodpoczt_edt_)), s(miasto_edt_));
    const QUrl url(q(adres), QUrl::StrictMode);
    // With no web browser set up nothing would happen at all: say so, with the address to copy.
    if (!otworz_adres_(url))
        services_.dialogs.information(
            this, QStringLiteral("Nie można otworzyć mapy: nie znaleziono przeglądarki internetowej.\n") +
                      url.toString());
}

}  // namespace zlx::app
