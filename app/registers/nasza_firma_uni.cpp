#include "app/registers/nasza_firma_uni.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <tuple>

#include "app/core/pole_ograniczone.h"
#include "app/core/screen.h"
#include "registers/firma_my_store.h"

namespace zlx::app {

namespace {

constexpr int kMaxUwagi = 400;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string s(const QLineEdit* e) {
    return e->text().toStdString();
}

// A hidden row of a form: the label and the edit keep their values but are not shown.
void ukryty_wiersz(QFormLayout& form, const char* etykieta, QWidget* pole) {
    auto* lbl = new QLabel(QString::fromUtf8(etykieta));
    form.addRow(lbl, pole);
    lbl->hide();
    pole->hide();
}

}  // namespace

QLineEdit* Tnasza_firma_frm::edit(const char* nazwa, int max) {
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(nazwa));
    if (max > 0) ogranicz_wpisywanie(*e, max);
    return e;
}

Tnasza_firma_frm::Tnasza_firma_frm(const Services& services, QWidget* owner)
    : QDialog(owner),
      services_(services),
      ds_(services.ds),
      nazwa_(edit("firma_nazwa_edt", 250)),
      skrot_(edit("firma_skrot_edt", 250)),
      miejscowosc_(edit("firma_miejscowosc_edt", 50)),
      kodp_(edit("firma_kodp_edt", 6)),
      adres_(edit("firma_adres_edt", 50)),
      regon_(edit("firma_regon_edt", 15)),
      pesel_(edit("firma_pesel_edt", 0)),
      nip_(edit("firma_nip_edt", 13)),
      platnik_vat_(new QCheckBox(QStringLiteral("Płatnik Vat"))),
      nazwabank1_(edit("firma_nazwabank1_edt", 50)),
      konto1_(edit("firma_konto1_edt", 50)),
      lk1_(edit("firma_lk1_edt", 2)),
      bank1_(edit("firma_bank1_edt", 8)),
      domyslne1_(new QRadioButton(QStringLiteral("Domyślne konto"))),
      nazwabank2_(edit("firma_nazwabanku2_edt", 50)),
      konto2_(edit("firma_konto2_edt", 50)),
      lk2_(edit("firma_lk2_edt", 2)),
      bank2_(edit("firma_bank2_edt", 8)),
      domyslne2_(new QRadioButton(QStringLiteral("Domyślne konto"))),
      www_(edit("firma_www_edt", 50)),
      email_(edit("firma_email_edt", 50)),
      uwagi_(new QPlainTextEdit) {
    setWindowTitle(QStringLiteral("Nasza Firma"));
    platnik_vat_->setObjectName(QStringLiteral("firma_platnikvat_chk"));
    domyslne1_->setObjectName(QStringLiteral("domyslne1_rb"));
    domyslne2_->setObjectName(QStringLiteral("domyslne2_rb"));
    uwagi_->setObjectName(QStringLiteral("firma_uwagi_mem"));

    auto* strony = new QTabWidget;
    auto* podstawowe = new QWidget;
    auto* pl = new QVBoxLayout(podstawowe);
    auto* pf = new QFormLayout;
    pf->addRow(QStringLiteral("Nazwa"), nazwa_);
    pf->addRow(QStringLiteral("Skrót"), skrot_);
    pl->addLayout(pf);
    auto* adresowe = new QGroupBox(QStringLiteral("Dane Adresowe"));
    auto* af = new QFormLayout(adresowe);
    af->addRow(QStringLiteral("Miejscowość"), miejscowosc_);
    af->addRow(QStringLiteral("Kod Pocztowy"), kodp_);
    af->addRow(QStringLiteral("Adres"), adres_);
    pl->addWidget(adresowe);
    auto* identyfikacyjne = new QGroupBox(QStringLiteral("Dane Identyfikacyjne"));
    auto* idf = new QFormLayout(identyfikacyjne);
    idf->addRow(QStringLiteral("Regon"), regon_);
    idf->addRow(QStringLiteral("Pesel"), pesel_);
    idf->addRow(QStringLiteral("Nip"), nip_);
    idf->addRow(QString(), platnik_vat_);
    platnik_vat_->hide();
    pl->addWidget(identyfikacyjne);
    pl->addStretch();
    strony->addTab(podstawowe, QStringLiteral("Podstawowe"));

    auto* konta = new QWidget;
    auto* kl = new QVBoxLayout(konta);
    auto* domyslne = new QButtonGroup(this);
    for (auto [tytul, bank, konto, lk, nr, radio] :
         {std::tuple{"Konto 1", nazwabank1_, konto1_, lk1_, bank1_, domyslne1_},
          std::tuple{"Konto 2", nazwabank2_, konto2_, lk2_, bank2_, domyslne2_}}) {
        auto* box = new QGroupBox(QString::fromUtf8(tytul));
        auto* f = new QFormLayout(box);
        f->addRow(QStringLiteral("W Banku"), bank);
        f->addRow(QStringLiteral("Konto"), konto);
        ukryty_wiersz(*f, "L.K.", lk);
        ukryty_wiersz(*f, "Bank", nr);
        f->addRow(QString(), radio);
        domyslne->addButton(radio);
        kl->addWidget(box);
    }
    kl->addStretch();
    strony->addTab(konta, QStringLiteral("Konta"));

    auto* inne = new QWidget;
    auto* il = new QFormLayout(inne);
    il->addRow(QStringLiteral("WWW"), www_);
    il->addRow(QStringLiteral("Email"), email_);
    il->addRow(QStringLiteral("Uwagi"), uwagi_);
    ogranicz_wpisywanie(*uwagi_, kMaxUwagi);
    strony->addTab(inne, QStringLiteral("Ustawienia, Uwagi, Inne"));

    auto* zapisz = new QPushButton(QStringLiteral("Zapisz [F10]"));
    auto* anuluj = new QPushButton(QStringLiteral("Anuluj [ESC]"));
    connect(zapisz, &QPushButton::clicked, this, &Tnasza_firma_frm::zapisz_btnClick);
    connect(anuluj, &QPushButton::clicked, this, &QDialog::reject);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(zapisz);
    przyciski->addWidget(anuluj);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(strony);
    layout->addLayout(przyciski);
    resize(480, 420);
    on_key(*this, QKeySequence(Qt::Key_F10), [this] { zapisz_btnClick(); });
    no_default_buttons(*this);
    dsp_data();
}

void Tnasza_firma_frm::set_sel_item(const TPrzKth& firma) {
    firma_ = firma;
    dsp_data();
}

void Tnasza_firma_frm::dsp_data() {
    nazwa_->setText(q(firma_.nazwa));
    skrot_->setText(q(firma_.skrot));
    miejscowosc_->setText(q(firma_.Miejscowosc));
    kodp_->setText(q(firma_.kod));
    adres_->setText(q(firma_.ulica));
    regon_->setText(q(firma_.Regon));
    pesel_->setText(q(firma_.pesel));
    nip_->setText(q(firma_.nip));
    platnik_vat_->setChecked(firma_.PlatnikVAT == 1);
    nazwabank1_->setText(q(firma_.W_banku1));
    konto1_->setText(q(firma_.Rachunek1));
    lk1_->setText(q(firma_.lk));
    bank1_->setText(q(firma_.nr_banku));
    nazwabank2_->setText(q(firma_.W_banku2));
    konto2_->setText(q(firma_.Rachunek2));
    lk2_->setText(q(firma_.lk2));
    bank2_->setText(q(firma_.nr_banku2));
    www_->setText(q(firma_.www));
    email_->setText(q(firma_.email));
    uwagi_->setPlainText(q(firma_.notatki));
    domyslne1_->setChecked(firma_.domyslnekonto != 1);
    domyslne2_->setChecked(firma_.domyslnekonto == 1);
}

void Tnasza_firma_frm::save_data(TPrzKth& firma) const {
    firma.nazwa = s(nazwa_);
    firma.skrot = s(skrot_);
    firma.Miejscowosc = s(miejscowosc_);
    firma.kod = s(kodp_);
    firma.ulica = s(adres_);
    firma.Regon = s(regon_);
    firma.pesel = s(pesel_);
    firma.nip = s(nip_);
    firma.PlatnikVAT = platnik_vat_->isChecked() ? 1 : 0;
    firma.W_banku1 = s(nazwabank1_);
    firma.Rachunek1 = s(konto1_);
    firma.lk = s(lk1_);
    firma.nr_banku = s(bank1_);
    firma.W_banku2 = s(nazwabank2_);
    firma.Rachunek2 = s(konto2_);
    firma.lk2 = s(lk2_);
    firma.nr_banku2 = s(bank2_);
    firma.www = s(www_);
    firma.email = s(email_);
    firma.notatki = uwagi_->toPlainText().toStdString();
    firma.domyslnekonto = domyslne2_->isChecked() ? 1 : 0;
}

void Tnasza_firma_frm::zapisz_btnClick() {
    TPrzKth zapis = firma_;
    save_data(zapis);
    // A refused statement has been shown; the card stays open with what was typed.
    if (!save_firma_my(ds_, zapis)) return;
    firma_ = zapis;
    accept();
}

}  // namespace zlx::app
