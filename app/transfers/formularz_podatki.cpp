#include "app/transfers/formularz_podatki.h"

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
#include "db/sql_format.h"
#include "registers/firma_my_store.h"
#include "registers/kontrah_store.h"
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

QComboBox* lista(const char* nazwa, const std::vector<std::string>& pozycje, bool edytowalna) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromUtf8(nazwa));
    c->setEditable(edytowalna);
    for (const auto& p : pozycje)
        c->addItem(q(p));
    return c;
}

QLabel* etykieta(const char* tekst) {
    return new QLabel(QString::fromUtf8(tekst));
}

}  // namespace

Tformularz_podatki_frm::Tformularz_podatki_frm(const Services& services, QWidget* owner)
    : Tformularz_podatki_frm(services, TDateTime::today(), owner) {}

Tformularz_podatki_frm::Tformularz_podatki_frm(const Services& services, TDateTime dzis, QWidget* owner)
    : QDialog(owner), w(this), services_(services), ds_(services.ds), przelew_(nowy_przelew()) {
    setWindowTitle(QStringLiteral("Podatki"));
    zbuduj();
    w.data_edt->setDate(na_qdate(dzis));

    const auto lata = lata_okresu_us(dzis);
    for (const auto& r : lata)
        rok_okres_edt->addItem(q(r));
    rok_okres_edt->setCurrentIndex(pozycja_roku_us(lata, dzis));
    for (const auto& e : etykiety(kUsTypOkresu))
        typ_okresu_cmb->addItem(q(e));
    typ_okresu_cmb->setCurrentIndex(kOkresMiesiac);
    ladujNrOkresu();
    nr_okresu_edt->setCurrentText(q(nr_okresu_domyslny_us(dzis)));
    connect(typ_okresu_cmb, &QComboBox::currentIndexChanged, this, &Tformularz_podatki_frm::ladujNrOkresu);
    for (const auto& e : etykiety(kUsTypIdUzup))
        identyfikator_uzup_cmb->addItem(q(e));
    identyfikator_uzup_cmb->setCurrentIndex(0);
    // Only a choice of the user refills box 09; showing a stored type keeps the stored value.
    connect(identyfikator_uzup_cmb, &QComboBox::activated, this, &Tformularz_podatki_frm::dsp_id_dodatkowy);
    w.drukujdate_chbox->setChecked(drukuj_date(RodzajEkranu::podatki));

    on_key(*this, QKeySequence(Qt::Key_F2), [this] { lista_kth_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F3), [this] { lista_firm_wlasnych_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F5), [this] { uruchom_kalkulator(services_, this); });
    on_key(*this, QKeySequence(Qt::Key_F8), [this] { drukuj_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F10), [this] { zapisz_btn_->click(); });
    no_default_buttons(*this);
}

void Tformularz_podatki_frm::zbuduj() {
    odbiorca_nazwa_edt = pole_edycji("odbiorca_nazwa_edt", "Nazwa odbiorcy");
    odbiorca_nazwacd_edt = pole_edycji("odbiorca_nazwacd_edt", "Nazwa odbiorcy cd");
    odbiorca_rachunek_edt = pole_edycji("odbiorca_rachunek_edt", "Rachunek odbiorcy");
    odbiorca_kodpocz_edt = pole_edycji("odbiorca_kodpocz_edt");
    odb_miejscowosc = pole_edycji("odb_miejscowosc");
    wyst_rachunek_edt = pole_edycji("wyst_rachunek_edt", "Rachunek wystawiającego");
    wyst_nazwa_edt = pole_edycji("wyst_nazwa_edt", "Nazwa wystawiającego");
    wyst_nazwacd_edt = pole_edycji("wyst_nazwacd_edt", "Nazwa wystawiającego cd");
    wyst_kodp_edt = pole_edycji("wyst_kodp_edt");
    wyst_miejscowosc_edt = pole_edycji("wyst_miejscowosc_edt");
    Nip_edt = pole_edycji("Nip_edt");
    identyfikator_edt = pole_edycji("identyfikator_edt");
    identyfikacja_zobowiazania_edt = pole_edycji("identyfikacja_zobowiazania_edt");
    identyfikator_uzup_cmb = lista("identyfikator_uzup_cmb", {}, false);
    symbol_formularza_cmb = lista("symbol_formularza_cmb", {}, true);
    rok_okres_edt = lista("rok_okres_edt", {}, true);
    typ_okresu_cmb = lista("typ_okresu_cmb", {}, false);
    nr_okresu_edt = lista("nr_okresu_edt", {}, true);
    nr_okresu_lbl = etykieta("Nr Okresu");
    nr_okresu_lbl->setObjectName(QStringLiteral("nr_okresu_lbl"));
    QFont pogrubiona = odbiorca_rachunek_edt->font();
    pogrubiona.setBold(true);
    odbiorca_rachunek_edt->setFont(pogrubiona);
    odbiorca_rachunek_edt->setAutoFillBackground(true);
    QPalette paleta = odbiorca_rachunek_edt->palette();
    paleta.setColor(QPalette::Base, palette().color(QPalette::ToolTipBase));
    odbiorca_rachunek_edt->setPalette(paleta);
    odbiorca_kodpocz_edt->setMaximumWidth(90);
    wyst_kodp_edt->setMaximumWidth(90);

    auto* lista_us = przycisk_formularza("Lista [F2]", "Wybierz urząd z listy");
    auto* lista_firm = przycisk_formularza("Lista [F3]", "Wybierz firmę własną z listy");
    connect(lista_us, &QPushButton::clicked, this, &Tformularz_podatki_frm::lista_kth_btnClick);
    connect(lista_firm, &QPushButton::clicked, this, &Tformularz_podatki_frm::lista_firm_wlasnych_btnClick);
    connect(w.znaczniki_btn, &QPushButton::clicked, this,
            [this] { pokaz_opisy_znacznikow(services_, this); });

    auto* urzad = new QGroupBox(QStringLiteral("Urząd Skarbowy"));
    auto* u = new QGridLayout(urzad);
    u->addWidget(etykieta("01. Nazwa organu podatkowego"), 0, 0);
    u->addWidget(odbiorca_nazwa_edt, 0, 1, 1, 3);
    u->addWidget(lista_us, 0, 4);
    u->addWidget(etykieta("02. Nazwa organu podatkowego cd."), 1, 0);
    u->addWidget(odbiorca_nazwacd_edt, 1, 1, 1, 3);
    u->addWidget(etykieta("Kod.P."), 2, 0);
    u->addWidget(odbiorca_kodpocz_edt, 2, 1);
    u->addWidget(etykieta("Miejscowość"), 2, 2);
    u->addWidget(odb_miejscowosc, 2, 3, 1, 2);
    u->addWidget(etykieta("03. nr rachunku bankowego organu podatkowego"), 3, 0);
    u->addWidget(odbiorca_rachunek_edt, 3, 1, 1, 4);
    u->addWidget(etykieta("05.Kwota"), 4, 0);
    w.kwota_edt->setMaximumWidth(160);
    u->addWidget(w.kwota_edt, 4, 1, 1, 2);
    u->setColumnStretch(3, 1);

    auto* wyst = new QGroupBox(QStringLiteral("Wystawiający"));
    auto* g = new QGridLayout(wyst);
    g->addWidget(etykieta("06. Nr rachunku bankowego zobowiązanego(przelew)/ kwota słownie wpłata"), 0, 0, 1,
                 5);
    g->addWidget(wyst_rachunek_edt, 1, 1, 1, 4);
    g->addWidget(etykieta("07. Nazwa i adres zobowiązanego"), 2, 0);
    g->addWidget(wyst_nazwa_edt, 2, 1, 1, 3);
    g->addWidget(lista_firm, 2, 4);
    g->addWidget(etykieta("08. Nazwa i adres zobowiązanego cd."), 3, 0);
    g->addWidget(wyst_nazwacd_edt, 3, 1, 1, 3);
    g->addWidget(etykieta("Kod.P."), 4, 0);
    g->addWidget(wyst_kodp_edt, 4, 1);
    g->addWidget(etykieta("Miejscowość"), 4, 2);
    g->addWidget(wyst_miejscowosc_edt, 4, 3, 1, 2);
    g->addWidget(etykieta("Nip"), 5, 0);
    g->addWidget(Nip_edt, 5, 1, 1, 2);
    g->addWidget(etykieta("09. NIP lub ident. uzup. zobowiązanego"), 6, 0);
    g->addWidget(identyfikator_edt, 6, 1, 1, 2);
    g->addWidget(etykieta("10.Typ identyfikatora"), 6, 3);
    g->addWidget(identyfikator_uzup_cmb, 6, 4);
    g->setColumnStretch(3, 1);

    // Box 11 of the tax order: year, period type and number.
    auto* okres = new QGroupBox(QStringLiteral("11. Okres"));
    auto* o = new QHBoxLayout(okres);
    o->addWidget(etykieta("Rok"));
    rok_okres_edt->setMinimumWidth(60);
    o->addWidget(rok_okres_edt);
    o->addWidget(etykieta("Typ okresu"));
    o->addWidget(typ_okresu_cmb);
    o->addWidget(nr_okresu_lbl);
    nr_okresu_edt->setMinimumWidth(80);
    o->addWidget(nr_okresu_edt);
    o->addStretch();

    auto* dane = new QGridLayout;
    dane->addWidget(etykieta("12.Symbol formularza"), 0, 0);
    dane->addWidget(symbol_formularza_cmb, 0, 1);
    dane->addWidget(etykieta("13.Identyfikacja zobowiazania"), 1, 0);
    dane->addWidget(identyfikacja_zobowiazania_edt, 1, 1);
    dane->addWidget(etykieta("Uwagi"), 2, 0);
    dane->addWidget(w.uwagi_tekst, 2, 1);
    dane->setColumnStretch(1, 1);

    auto* kalk = przycisk_formularza("Kalkulator [F5]", "Kalkulator");
    connect(kalk, &QPushButton::clicked, this, [this] { uruchom_kalkulator(services_, this); });
    auto* drukuj = przycisk_formularza("Drukuj [F8]", "Drukuj");
    connect(drukuj, &QPushButton::clicked, this, &Tformularz_podatki_frm::drukuj_btnClick);
    zapisz_btn_ = przycisk_formularza("Zapisz [F10]", "Zapisz");
    connect(zapisz_btn_, &QPushButton::clicked, this, &Tformularz_podatki_frm::zapisz_btnClick);
    auto* cykliczne = przycisk_formularza("Do cyklicznych", "Dodaj do cyklicznych");
    connect(cykliczne, &QPushButton::clicked, this, &Tformularz_podatki_frm::do_cyklicznych_btnClick);
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
    uklad->addWidget(urzad);
    uklad->addWidget(wyst);
    uklad->addWidget(okres);
    uklad->addLayout(dane);
    uklad->addStretch();
    uklad->addLayout(przyciski);
    resize(820, sizeHint().height());
}

void Tformularz_podatki_frm::set_przelew_data(const TPrzelew& p) {
    przelew_ = p;
    if (p.nr_id == 0) return;
    kth_ = p.id_kontrah != 0 ? get_kontrah(ds_, p.id_kontrah)
                             : get_kontrah_where(ds_, " where nazwa=" + sql_str(p.dost_nazwa));
    my_ = p.id_my != 0 ? get_firma_my(ds_, p.id_my, kFirmaWgKlucza)
                       : get_firma_my_where(ds_, " where mnazwa=" + sql_str(p.my_nazwa));
}

void Tformularz_podatki_frm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (pokazany_) return;
    pokazany_ = true;
    w.wypelnij_waluty(ds_);
    dsp_data();
    if (przelew_.nr_id == 0) {
        my_ = get_firma_my(ds_, 0, kFirmaDomyslna);
        dsp_wystawiajacy();
    }
}

PolaFormularza Tformularz_podatki_frm::czytaj_pola() const {
    PolaFormularza f;
    w.czytaj(f);
    // "02" and "08" are the street fields of the two parties.
    f.odbiorca = {
        s(odbiorca_nazwa_edt), "", s(odbiorca_rachunek_edt), s(odbiorca_nazwacd_edt), s(odbiorca_kodpocz_edt),
        s(odb_miejscowosc),    ""};
    f.wystawiajacy = {
        s(wyst_nazwa_edt),       "", s(wyst_rachunek_edt), s(wyst_nazwacd_edt), s(wyst_kodp_edt),
        s(wyst_miejscowosc_edt), ""};
    return f;
}

void Tformularz_podatki_frm::pokaz_pola(const PolaFormularza& f) {
    w.pokaz(f);
    odbiorca_nazwa_edt->setText(q(f.odbiorca.nazwa));
    odbiorca_nazwacd_edt->setText(q(f.odbiorca.adres));
    odbiorca_rachunek_edt->setText(q(f.odbiorca.rachunek));
    odbiorca_kodpocz_edt->setText(q(f.odbiorca.kodp));
    odb_miejscowosc->setText(q(f.odbiorca.miejscowosc));
    wyst_nazwa_edt->setText(q(f.wystawiajacy.nazwa));
    wyst_nazwacd_edt->setText(q(f.wystawiajacy.adres));
    wyst_rachunek_edt->setText(q(f.wystawiajacy.rachunek));
    wyst_kodp_edt->setText(q(f.wystawiajacy.kodp));
    wyst_miejscowosc_edt->setText(q(f.wystawiajacy.miejscowosc));
}

PolaUs Tformularz_podatki_frm::czytaj_pola_us() const {
    PolaUs us;
    us.typ_iduzup = identyfikator_uzup_cmb->currentIndex();
    us.iduzup = s(identyfikator_edt);
    us.symbol = symbol_formularza_cmb->currentText().toStdString();
    us.identyfikacja = s(identyfikacja_zobowiazania_edt);
    us.typ_okresu = typ_okresu_cmb->currentIndex();
    us.nr_okresu = nr_okresu_edt->currentText().toStdString();
    us.rok_okresu = rok_okres_edt->currentText().toStdString();
    return us;
}

void Tformularz_podatki_frm::dsp_data() {
    PolaFormularza f = czytaj_pola();
    pokaz_przelew(przelew_, f);
    pokaz_pola(f);
    if (my_.ID1 != 0) Nip_edt->setText(q(my_.nip));

    PolaUs us = czytaj_pola_us();
    pokaz_przelew_us(przelew_, us);
    identyfikator_uzup_cmb->setCurrentIndex(us.typ_iduzup);
    std::vector<TSymbolFormularzaUs> symbole;
    get_symbol_us_list(ds_, symbole);
    symbol_formularza_cmb->clear();
    for (const auto& sym : symbole_us(symbole))
        symbol_formularza_cmb->addItem(q(sym));
    // A symbol no longer in the dictionary still shows as stored: the list is editable.
    symbol_formularza_cmb->setCurrentText(q(us.symbol));
    identyfikator_edt->setText(q(us.iduzup));
    identyfikacja_zobowiazania_edt->setText(q(us.identyfikacja));
    if (przelew_.nr_id == 0) return;
    typ_okresu_cmb->setCurrentIndex(us.typ_okresu);
    nr_okresu_edt->setCurrentText(q(us.nr_okresu));
    rok_okres_edt->setCurrentText(q(us.rok_okresu));
}

void Tformularz_podatki_frm::dsp_kth() {
    PolaFormularza f = czytaj_pola();
    pokaz_strone(kth_, f.odbiorca);
    pokaz_pola(f);
}

void Tformularz_podatki_frm::dsp_wystawiajacy() {
    PolaFormularza f = czytaj_pola();
    pokaz_strone(my_, f.wystawiajacy);
    pokaz_pola(f);
    Nip_edt->setText(q(my_.nip));
    dsp_id_dodatkowy();
}

void Tformularz_podatki_frm::dsp_id_dodatkowy() {
    identyfikator_edt->setText(q(id_dodatkowy_us(my_, identyfikator_uzup_cmb->currentIndex())));
}

void Tformularz_podatki_frm::ladujNrOkresu() {
    const int typ = typ_okresu_cmb->currentIndex();
    nr_okresu_edt->clear();
    for (const auto& n : numery_okresu_us(typ))
        nr_okresu_edt->addItem(q(n));
    nr_okresu_edt->setCurrentIndex(-1);
    nr_okresu_edt->setCurrentText(QString());
    nr_okresu_lbl->setText(q(etykieta_nr_okresu_us(typ)));
}

void Tformularz_podatki_frm::save_data() {
    zbierz_przelew_us(czytaj_pola(), czytaj_pola_us(), kth_.ID1, my_.ID1, przelew_);
}

bool Tformularz_podatki_frm::zapisz(RodzajZapisu rodzaj) {
    save_data();
    // A failed statement was shown by the database layer; the screen stays open with what was typed.
    return zapisz_przelew(ds_, rodzaj, przelew_);
}

void Tformularz_podatki_frm::zapisz_btnClick() {
    if (zapisz(RodzajZapisu::zapisz)) accept();
}

void Tformularz_podatki_frm::do_cyklicznych_btnClick() {
    if (zapisz(RodzajZapisu::do_cyklicznych)) accept();
}

void Tformularz_podatki_frm::drukuj_btnClick() {
    save_data();
    Tdrukuj_frm screen(services_, nullptr, this);
    screen.set_przelew_us(przelew_);
    services_.screens.show_modal(screen);
}

void Tformularz_podatki_frm::lista_kth_btnClick() {
    if (auto kth = wybierz_kontrahenta(services_, this, "")) {
        kth_ = *kth;
        dsp_kth();
    }
}

void Tformularz_podatki_frm::lista_firm_wlasnych_btnClick() {
    if (auto firma = wybierz_firme(services_, this, "")) {
        my_ = *firma;
        dsp_wystawiajacy();
    }
}

void Tformularz_podatki_frm::done(int result) {
    try {
        zapisz_drukuj_date(RodzajEkranu::podatki, w.drukujdate_chbox->isChecked());
    } catch (const std::exception&) {
        // The remembered box is a convenience; an unwritable settings file must not keep the screen open.
    }
    QDialog::done(result);
}

}  // namespace zlx::app
