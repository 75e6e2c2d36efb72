#include "app/transfers/formularz_zus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core/screen.h"
#include "app/core/screen_factory.h"
#include "app/printing/drukuj_form.h"
#include "app/transfers/daty_qt.h"
#include "app/transfers/wybory_rejestrow.h"
#include "core/settings.h"
#include "registers/firma_my_store.h"
#include "registers/slowniki.h"
#include "transfers/kody.h"

namespace zlx::app {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string s(const QLineEdit* e) {
    return e->text().toStdString();
}

QComboBox* lista(const char* nazwa, const char* podpowiedz, bool edytowalna) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromUtf8(nazwa));
    if (*podpowiedz) c->setToolTip(QString::fromUtf8(podpowiedz));
    c->setEditable(edytowalna);
    return c;
}

void wypelnij(QComboBox* c, const std::vector<std::string>& pozycje) {
    c->clear();
    for (const auto& p : pozycje)
        c->addItem(q(p));
}

QLabel* etykieta(const char* tekst) {
    return new QLabel(QString::fromUtf8(tekst));
}

}  // namespace

Tformularz_zus_frm::Tformularz_zus_frm(const Services& services, QWidget* owner)
    : Tformularz_zus_frm(services, TDateTime::today(), owner) {}

Tformularz_zus_frm::Tformularz_zus_frm(const Services& services, TDateTime dzis, QWidget* owner)
    : QDialog(owner), w(this), services_(services), ds_(services.ds), dzis_(dzis), przelew_(nowy_przelew()) {
    setWindowTitle(QStringLiteral("Zus"));
    zbuduj();
    w.data_edt->setDate(na_qdate(dzis));
    w.drukujdate_chbox->setChecked(drukuj_date(RodzajEkranu::zus));
    // Only a choice of the user refills box 08; showing a stored type keeps the stored value.
    connect(zus_iduzup_cmb, &QComboBox::activated, this, &Tformularz_zus_frm::dsp_id_uzup);

    on_key(*this, QKeySequence(Qt::Key_F3), [this] { lista_firm_wlasnych_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F5), [this] { uruchom_kalkulator(services_, this); });
    on_key(*this, QKeySequence(Qt::Key_F8), [this] { drukuj_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F10), [this] { zapisz_btn_->click(); });
    no_default_buttons(*this);
}

void Tformularz_zus_frm::zbuduj() {
    konta_zus_cmb = lista("konta_zus_cmb", "", false);
    wyst_rachunek_edt = pole_edycji("wyst_rachunek_edt", "Rachunek wystawiającego");
    wyst_nazwa_edt = pole_edycji("wyst_nazwa_edt", "Nazwa wystawiającego");
    wyst_nazwacd_edt = pole_edycji("wyst_nazwacd_edt", "Nazwa wystawiającego cd");
    wyst_lk_edt = pole_edycji("wyst_lk_edt");
    wyst_bank_edt = pole_edycji("wyst_bank_edt");
    wyst_lk_edt->hide();
    wyst_bank_edt->hide();
    Nip_edt = pole_edycji("Nip_edt");
    zus_iduzup_cmb = lista("zus_iduzup_cmb", "Rodzaj indentyfikatora uzupełniającego", false);
    zus_numeriduzup_edt = pole_edycji("zus_numeriduzup_edt", "Identyfikator uzupełniający");
    zus_typwplaty_cmb = lista("zus_typwplaty_cmb", "", false);
    zus_nrdeklaracji_edt = pole_edycji("zus_nrdeklaracji_edt", "Nr deklaracji");
    zus_deklaracja2_cmb = lista("zus_deklaracja2_cmb", "Miesiąc", true);
    zus_deklaracja1_cmb = lista("zus_deklaracja1_cmb", "Rok", true);
    zus_nrdecyzji_edt = pole_edycji("zus_nrdecyzji_edt", "Nr decyzji/ umowy/tytułu wykonawczego");
    w.kwota_edt->setAutoFillBackground(true);
    QPalette paleta = w.kwota_edt->palette();
    paleta.setColor(QPalette::Base, palette().color(QPalette::ToolTipBase));
    w.kwota_edt->setPalette(paleta);
    w.kwota_edt->setMaximumWidth(160);

    auto* lista_firm = przycisk_formularza("Lista [F3]", "Wybierz wystawiającego z listy");
    connect(lista_firm, &QPushButton::clicked, this, &Tformularz_zus_frm::lista_firm_wlasnych_btnClick);
    connect(w.znaczniki_btn, &QPushButton::clicked, this,
            [this] { pokaz_opisy_znacznikow(services_, this); });

    auto* odbiorca = new QGroupBox(QStringLiteral("Urząd Skarbowy"));
    auto* o = new QGridLayout(odbiorca);
    o->addWidget(etykieta("01. Nr rachunku bankowego ZUS"), 0, 0);
    o->addWidget(konta_zus_cmb, 0, 1, 1, 3);
    o->addWidget(etykieta("03. Kwota"), 1, 0);
    o->addWidget(w.kwota_edt, 1, 1);
    o->setColumnStretch(3, 1);

    auto* platnik = new QGroupBox(QStringLiteral("Wystawiający"));
    auto* g = new QGridLayout(platnik);
    g->addWidget(etykieta("04. Nr rachunku bankowego płatnika / kwota słownie"), 0, 0);
    g->addWidget(wyst_rachunek_edt, 0, 1, 1, 4);
    g->addWidget(etykieta("05. Nazwa skrócona płatnika lub nazwisko i imie płatnika"), 1, 0);
    g->addWidget(wyst_nazwa_edt, 1, 1, 1, 3);
    g->addWidget(lista_firm, 1, 4);
    g->addWidget(etykieta("Nazwa skrócona płatnika lub nazwisko i imie płatnika cd"), 2, 0);
    g->addWidget(wyst_nazwacd_edt, 2, 1, 1, 4);
    g->addWidget(etykieta("Lk."), 3, 0);
    g->addWidget(wyst_lk_edt, 3, 1);
    g->addWidget(etykieta("Bank"), 3, 2);
    g->addWidget(wyst_bank_edt, 3, 3);
    // The hidden lines take their labels with them.
    for (int kol : {0, 2})
        g->itemAtPosition(3, kol)->widget()->hide();
    g->addWidget(etykieta("06. Nip płatnika"), 4, 0);
    g->addWidget(Nip_edt, 4, 1, 1, 2);
    g->addWidget(etykieta("07. Typ drugiego identyfikatora"), 5, 0);
    g->addWidget(zus_iduzup_cmb, 5, 1, 1, 2);
    g->addWidget(etykieta("08. Drugi identyfikator płatnika"), 6, 0);
    g->addWidget(zus_numeriduzup_edt, 6, 1, 1, 2);
    g->addWidget(etykieta("09. Typ wpłaty"), 7, 0);
    g->addWidget(zus_typwplaty_cmb, 7, 1, 1, 2);
    g->addWidget(etykieta("10. Nr deklaracji"), 8, 0);
    g->addWidget(zus_nrdeklaracji_edt, 8, 1);
    g->addWidget(etykieta("11. Deklaracja MM|RRRR"), 9, 0);
    auto* deklaracja = new QHBoxLayout;
    zus_deklaracja2_cmb->setMinimumWidth(60);
    zus_deklaracja1_cmb->setMinimumWidth(80);
    deklaracja->addWidget(zus_deklaracja2_cmb);
    deklaracja->addWidget(zus_deklaracja1_cmb);
    deklaracja->addStretch();
    g->addLayout(deklaracja, 9, 1, 1, 2);
    g->addWidget(etykieta("12. Nr.Dec/Um/Tyt."), 10, 0);
    g->addWidget(zus_nrdecyzji_edt, 10, 1, 1, 2);
    g->addWidget(etykieta("Uwagi"), 11, 0);
    g->addWidget(w.uwagi_tekst, 11, 1, 1, 4);
    g->setColumnStretch(3, 1);

    auto* kalk = przycisk_formularza("Kalkulator [F5]", "Kalkulator");
    connect(kalk, &QPushButton::clicked, this, [this] { uruchom_kalkulator(services_, this); });
    auto* drukuj = przycisk_formularza("Drukuj [F8]", "Drukuj");
    connect(drukuj, &QPushButton::clicked, this, &Tformularz_zus_frm::drukuj_btnClick);
    zapisz_btn_ = przycisk_formularza("Zapisz [F10]", "Zapisz");
    connect(zapisz_btn_, &QPushButton::clicked, this, &Tformularz_zus_frm::zapisz_btnClick);
    auto* cykliczne = przycisk_formularza("Do cyklicznych", "Dodaj do cyklicznych");
    connect(cykliczne, &QPushButton::clicked, this, &Tformularz_zus_frm::do_cyklicznych_btnClick);
    auto* wyjscie = przycisk_formularza("Wyjście [ESC]", "Zamknij");
    connect(wyjscie, &QPushButton::clicked, this, &QDialog::reject);
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(kalk);
    przyciski->addStretch();
    przyciski->addWidget(drukuj);
    przyciski->addWidget(zapisz_btn_);
    przyciski->addWidget(cykliczne);
    przyciski->addWidget(wyjscie);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(w.gorny_pasek());
    uklad->addWidget(odbiorca);
    uklad->addWidget(platnik);
    uklad->addStretch();
    uklad->addLayout(przyciski);
    resize(820, sizeHint().height());
}

void Tformularz_zus_frm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (pokazany_) return;
    pokazany_ = true;
    w.wypelnij_waluty(ds_);
    dsp_data();
    if (przelew_.nr_id != 0) return;
    my_ = get_firma_my(ds_, 0, kFirmaDomyslna);
    dsp_wystawiajacy();
    zus_numeriduzup_edt->setText(q(my_.Regon));
    zus_iduzup_cmb->setCurrentIndex(pozycja_kodu(kZusIdUzup, "R"));
}

PolaFormularza Tformularz_zus_frm::czytaj_pola() const {
    PolaFormularza f;
    w.czytaj(f);
    f.wystawiajacy.nazwa = s(wyst_nazwa_edt);
    f.wystawiajacy.nazwacd = s(wyst_nazwacd_edt);
    f.wystawiajacy.rachunek = s(wyst_rachunek_edt);
    return f;
}

PolaZus Tformularz_zus_frm::czytaj_pola_zus() const {
    PolaZus z;
    // Nothing chosen (an account list without the stored position) keeps the stored position.
    z.konto = konta_zus_cmb->currentIndex() >= 0 ? konta_zus_cmb->currentIndex() : przelew_.zus_cel;
    z.my_lk = s(wyst_lk_edt);
    z.my_bank = s(wyst_bank_edt);
    z.nip = s(Nip_edt);
    z.typ_iduzup = zus_iduzup_cmb->currentIndex();
    z.numer_iduzup = s(zus_numeriduzup_edt);
    z.typ_wplaty = zus_typwplaty_cmb->currentIndex();
    z.nr_deklaracji = s(zus_nrdeklaracji_edt);
    z.miesiac = zus_deklaracja2_cmb->currentText().toStdString();
    z.rok = zus_deklaracja1_cmb->currentText().toStdString();
    z.nr_decyzji = s(zus_nrdecyzji_edt);
    return z;
}

void Tformularz_zus_frm::dsp_data() {
    PolaFormularza f = czytaj_pola();
    pokaz_przelew(przelew_, f);
    w.pokaz(f);
    wyst_nazwa_edt->setText(q(f.wystawiajacy.nazwa));
    wyst_nazwacd_edt->setText(q(f.wystawiajacy.nazwacd));
    wyst_rachunek_edt->setText(q(f.wystawiajacy.rachunek));

    PolaZus z;
    pokaz_przelew_zus(przelew_, dzis_, z);
    wyst_lk_edt->setText(q(z.my_lk));
    wyst_bank_edt->setText(q(z.my_bank));
    std::vector<TKontaZus> konta;
    get_konta_zus_list(ds_, konta);
    wypelnij(konta_zus_cmb, opisy_kont_zus(konta));
    konta_zus_cmb->setCurrentIndex(z.konto >= 0 && z.konto < konta_zus_cmb->count() ? z.konto : -1);
    Nip_edt->setText(q(z.nip));
    zus_nrdeklaracji_edt->setText(q(z.nr_deklaracji));
    zus_nrdecyzji_edt->setText(q(z.nr_decyzji));
    zus_numeriduzup_edt->setText(q(z.numer_iduzup));
    wypelnij(zus_typwplaty_cmb, etykiety(kZusTypWplaty));
    zus_typwplaty_cmb->setCurrentIndex(z.typ_wplaty);
    wypelnij(zus_iduzup_cmb, etykiety(kZusIdUzup));
    zus_iduzup_cmb->setCurrentIndex(z.typ_iduzup);
    wypelnij(zus_deklaracja2_cmb, miesiace_deklaracji_zus());
    wypelnij(zus_deklaracja1_cmb, lata_deklaracji_zus(dzis_));
    zus_deklaracja1_cmb->setCurrentText(q(z.rok));
    zus_deklaracja2_cmb->setCurrentText(q(z.miesiac));
}

void Tformularz_zus_frm::dsp_wystawiajacy() {
    wyst_nazwa_edt->setText(q(my_.nazwa));
    wyst_nazwacd_edt->setText(q(sklej_adres_kth(my_)));
    wyst_rachunek_edt->setText(q(konto_kth(my_).rachunek));
    Nip_edt->setText(q(my_.nip));
    if (przenos_uwagi_do_zus()) w.uwagi_tekst->setText(q(my_.notatki));
}

void Tformularz_zus_frm::dsp_id_uzup() {
    zus_numeriduzup_edt->setText(q(id_uzup_zus(my_, zus_iduzup_cmb->currentIndex())));
}

void Tformularz_zus_frm::save_data() {
    const PolaZus z = czytaj_pola_zus();
    zbierz_przelew_zus(czytaj_pola(), z, konto_zus_pozycji(ds_, z.konto),
                       konta_zus_cmb->currentText().toStdString(), przelew_);
}

bool Tformularz_zus_frm::zapisz(RodzajZapisu rodzaj) {
    save_data();
    // A failed statement was shown by the database layer; the screen stays open with what was typed.
    return zapisz_przelew(ds_, rodzaj, przelew_);
}

void Tformularz_zus_frm::zapisz_btnClick() {
    if (zapisz(RodzajZapisu::zapisz)) accept();
}

void Tformularz_zus_frm::do_cyklicznych_btnClick() {
    if (zapisz(RodzajZapisu::do_cyklicznych)) accept();
}

void Tformularz_zus_frm::drukuj_btnClick() {
    save_data();
    Tdrukuj_frm screen(services_, nullptr, this);
    screen.set_przelew_zus(przelew_);
    services_.screens.show_modal(screen);
}

void Tformularz_zus_frm::lista_firm_wlasnych_btnClick() {
    if (auto firma = wybierz_firme(services_, this, s(wyst_nazwa_edt))) {
        my_ = *firma;
        dsp_wystawiajacy();
        dsp_id_uzup();
    }
}

void Tformularz_zus_frm::done(int result) {
    try {
        zapisz_drukuj_date(RodzajEkranu::zus, w.drukujdate_chbox->isChecked());
    } catch (const std::exception&) {
        // The remembered box is a convenience; an unwritable settings file must not keep the screen open.
    }
    QDialog::done(result);
}

}  // namespace zlx::app
