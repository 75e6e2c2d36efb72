#include "app/transfers/formularz_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/core/dialogs.h"
#include "app/core/screen.h"
#include "app/core/screen_factory.h"
#include "app/printing/drukuj_form.h"
#include "app/transfers/daty_qt.h"
#include "app/transfers/formularz_wspolne.h"
#include "app/transfers/frmDekodujAdres_form.h"
#include "app/transfers/frmOpisZnacznikow_form.h"
#include "app/transfers/obrazki_przelewow.h"
#include "app/transfers/wybory_rejestrow.h"
#include "core/settings.h"
#include "core/text.h"
#include "db/sql_format.h"
#include "registers/firma_my_store.h"
#include "registers/kontrah_store.h"
#include "registers/slowniki.h"
#include "registers/znaczniki.h"
#include "transfers/format_kwoty.h"
#include "transfers/lista_sql.h"

namespace zlx::app {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
std::string s(const QLineEdit* e) {
    return e->text().toStdString();
}

}  // namespace

Tformularz_frm::Tformularz_frm(const Services& services, QWidget* owner)
    : Tformularz_frm(services, false, owner) {}

Tformularz_frm::Tformularz_frm(const Services& services, bool kreator, QWidget* owner)
    : QDialog(owner), services_(services), ds_(services.ds), kreator_(kreator), przelew_(nowy_przelew()) {
    setWindowTitle(QStringLiteral("Przelew / Wpłata bankowa"));
    zbuduj();
    data_edt->setDate(na_qdate(TDateTime::today()));
    drukujdate_chbox->setChecked(drukuj_date(RodzajEkranu::bankowy));

    on_key(*this, QKeySequence(Qt::Key_F2), [this] { lista_kth_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F3), [this] { lista_firm_wlasnych_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F5), [this] { kalkulator_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F8), [this] { drukuj_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F10), [this] { zapisz_btn_->click(); });
    if (!kreator_) on_key(*this, QKeySequence(Qt::Key_F7), [this] { slownik_tytulow_btnClick(); });
    no_default_buttons(*this);
}

QGroupBox* Tformularz_frm::grupa_strony(const QString& tytul, bool odbiorca) {
    auto* grupa = new QGroupBox(tytul);
    auto* g = new QGridLayout(grupa);
    QLineEdit* nazwa = odbiorca ? odbiorca_nazwa_edt : wyst_nazwa_edt;
    QLineEdit* nazwacd = odbiorca ? odbiorca_nazwacd_edt : wyst_nazwacd_edt;
    QLineEdit* rachunek = odbiorca ? odbiorca_rachunek_edt : wyst_rachunek_edt;
    QLineEdit* adres = odbiorca ? odb_adres_edt : wyst_adres_edt;
    QLineEdit* kod = odbiorca ? odbiorca_kodpocz_edt : wyst_kodp_edt;
    QLineEdit* miasto = odbiorca ? odb_miejscowosc : wyst_miejscowosc_edt;
    QLineEdit* skrot = odbiorca ? odb_skrot_edt : wyst_skrot_edt;
    auto* lista = odbiorca ? przycisk_formularza("Lista [F2]", "Wybierz odbiorcę z listy")
                           : przycisk_formularza("Lista [F3]", "Wybierz wystawiającego z listy");
    auto* dekoduj_btn = przycisk_formularza("Dekoduj Adres");
    connect(lista, &QPushButton::clicked, this,
            odbiorca ? &Tformularz_frm::lista_kth_btnClick : &Tformularz_frm::lista_firm_wlasnych_btnClick);
    connect(dekoduj_btn, &QPushButton::clicked, this,
            odbiorca ? &Tformularz_frm::dekoduj_adres_odb_btnClick
                     : &Tformularz_frm::dekoduj_adres_wyst_btnClick);

    nazwacd->hide();
    skrot->setReadOnly(true);
    skrot->setFrame(false);
    skrot->setFocusPolicy(Qt::NoFocus);
    skrot->setVisible(!kreator_);
    QFont pogrubiona = rachunek->font();
    pogrubiona.setBold(true);
    rachunek->setFont(pogrubiona);
    if (odbiorca) {
        rachunek->setAutoFillBackground(true);
        QPalette p = rachunek->palette();
        p.setColor(QPalette::Base, palette().color(QPalette::ToolTipBase));
        rachunek->setPalette(p);
    }

    g->addWidget(new QLabel(QStringLiteral("Nazwa")), 0, 0);
    g->addWidget(nazwa, 0, 1, 1, 3);
    g->addWidget(lista, 0, 4);
    g->addWidget(skrot, 1, 1, 1, 3);
    g->addWidget(nazwacd, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("Adres")), 2, 0);
    g->addWidget(adres, 2, 1, 1, 3);
    g->addWidget(dekoduj_btn, 2, 4);
    g->addWidget(new QLabel(QStringLiteral("Kod.P.")), 3, 0);
    g->addWidget(kod, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("Miejscowość")), 3, 2);
    g->addWidget(miasto, 3, 3, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Rachunek")), 4, 0);
    g->addWidget(rachunek, 4, 1, 1, 4);
    kod->setMaximumWidth(90);
    g->setColumnStretch(3, 1);
    return grupa;
}

void Tformularz_frm::zbuduj() {
    odbiorca_nazwa_edt = pole_edycji("odbiorca_nazwa_edt", "Nazwa odbiorcy");
    odbiorca_nazwacd_edt = pole_edycji("odbiorca_nazwacd_edt", "Nazwa odbiorcy cd");
    odbiorca_rachunek_edt = pole_edycji("odbiorca_rachunek_edt", "Rachunek odbiorcy");
    odb_adres_edt = pole_edycji("odb_adres_edt");
    odbiorca_kodpocz_edt = pole_edycji("odbiorca_kodpocz_edt");
    odb_miejscowosc = pole_edycji("odb_miejscowosc");
    odb_skrot_edt = pole_edycji("odb_skrot_edt");
    wyst_nazwa_edt = pole_edycji("wyst_nazwa_edt", "Nazwa wystawiającego");
    wyst_nazwacd_edt = pole_edycji("wyst_nazwacd_edt", "Nazwa wystawiającego cd");
    wyst_rachunek_edt = pole_edycji("wyst_rachunek_edt", "Rachunek wystawiającego");
    wyst_adres_edt = pole_edycji("wyst_adres_edt");
    wyst_kodp_edt = pole_edycji("wyst_kodp_edt");
    wyst_miejscowosc_edt = pole_edycji("wyst_miejscowosc_edt");
    wyst_skrot_edt = pole_edycji("wyst_skrot_edt");
    tytulem_edt = pole_edycji("tytulem_edt", "Tytułem");
    tytulemcd_edt = pole_edycji("tytulemcd_edt", "Tytułem Cd.");
    kwota_edt = pole_edycji("kwota_edt", "Wpisz kwotę");
    uwagi_tekst = pole_uwag();
    for (QLineEdit* e : {tytulem_edt, tytulemcd_edt}) {
        QFont f = e->font();
        f.setBold(true);
        e->setFont(f);
    }
    kwota_edt->setAlignment(Qt::AlignRight);
    kwota_edt->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^-?[0-9 ]*([,.][0-9]{0,4})?$")), kwota_edt));
    kwota_edt->setText(q(kwota_do_edycji(Currency())));
    connect(kwota_edt, &QLineEdit::editingFinished, this, [this] {
        kwota_edt->setText(q(kwota_do_edycji(Currency::parse(s(kwota_edt)).value_or(Currency()))));
    });

    data_edt = nowy_wybor_daty(this);
    data_edt->setObjectName(QStringLiteral("data_edt"));
    data_edt->setToolTip(QStringLiteral("Data jaka pojawi się na przelewie"));
    przelew_rbtn = new QRadioButton(QStringLiteral("Przelew"));
    przelew_rbtn->setToolTip(QStringLiteral("Wybierz dla przelewu"));
    wplata_rbtn = new QRadioButton(QStringLiteral("Wpłata"));
    wplata_rbtn->setToolTip(QStringLiteral("Wybierz dla wpłaty"));
    przelew_rbtn->setChecked(true);
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
    if (!kreator_) {
        auto* z = przycisk_formularza("z", "Pokaż listę znaczników");
        z->setMaximumWidth(28);
        connect(z, &QPushButton::clicked, this, &Tformularz_frm::znaczniki_btnClick);
        gora->addWidget(z);
    }

    auto* tytul = new QGroupBox(kreator_ ? QString() : QStringLiteral("Tytułem, kwota"));
    auto* t = new QGridLayout(tytul);
    t->addWidget(new QLabel(QStringLiteral("Tytułem")), 0, 0);
    t->addWidget(tytulem_edt, 0, 1);
    t->addWidget(new QLabel(QStringLiteral("Tytułem cd")), 1, 0);
    t->addWidget(tytulemcd_edt, 1, 1);
    if (!kreator_) {
        auto* slownik = przycisk_formularza("[F7]", "Pokaż słownik tytułów przelewów");
        auto* plus = przycisk_formularza("+", "Dodaje bieżący tytuł przelewu do słownika tytułów");
        connect(slownik, &QPushButton::clicked, this, &Tformularz_frm::slownik_tytulow_btnClick);
        connect(plus, &QPushButton::clicked, this, &Tformularz_frm::dodaj_do_slownika_btnClick);
        t->addWidget(slownik, 0, 2);
        t->addWidget(plus, 1, 2);
    }
    t->addWidget(new QLabel(QStringLiteral("Kwota")), 2, 0);
    auto* kwota_rzad = new QHBoxLayout;
    kwota_edt->setMaximumWidth(160);
    kwota_rzad->addWidget(kwota_edt);
    kwota_rzad->addStretch();
    t->addLayout(kwota_rzad, 2, 1);
    if (!kreator_) {
        t->addWidget(new QLabel(QStringLiteral("Uwagi")), 3, 0);
        t->addWidget(uwagi_tekst, 3, 1, 1, 2);
    } else {
        uwagi_tekst->setParent(this);  // the wizard has no notes; the edit stays empty and hidden
        uwagi_tekst->hide();
    }

    auto* zamien = przycisk_formularza("Zamień konta", "Zamień konta");
    connect(zamien, &QPushButton::clicked, this, &Tformularz_frm::zamien_konta_btnClick);
    auto* kalk = przycisk_formularza("Kalkulator [F5]", "Kalkulator");
    connect(kalk, &QPushButton::clicked, this, &Tformularz_frm::kalkulator_btnClick);
    zapisz_btn_ = przycisk_formularza(kreator_ ? "Generuj przelewy" : "Zapisz [F10]", "Zapisz");
    zapisz_btn_->setObjectName(QStringLiteral("zapisz_btn"));
    if (!kreator_) {
        connect(zapisz_btn_, &QPushButton::clicked, this, &Tformularz_frm::zapisz_btnClick);
        do_cyklicznych_btn_ = przycisk_formularza("Do cyklicznych", "Dodaj do cyklicznych");
        connect(do_cyklicznych_btn_, &QPushButton::clicked, this, &Tformularz_frm::do_cyklicznych_btnClick);
    }
    auto* wyjscie = przycisk_formularza("Wyjście [ESC]", "Zamknij");
    connect(wyjscie, &QPushButton::clicked, this, &QDialog::reject);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(zamien);
    przyciski->addWidget(kalk);
    przyciski->addStretch();
    if (!kreator_) {
        auto* drukuj = przycisk_formularza("Drukuj [F8]", "Drukuj");
        drukuj->setObjectName(QStringLiteral("drukuj_btn"));
        connect(drukuj, &QPushButton::clicked, this, &Tformularz_frm::drukuj_btnClick);
        przyciski->addWidget(drukuj);
    }
    przyciski->addWidget(zapisz_btn_);
    if (do_cyklicznych_btn_) przyciski->addWidget(do_cyklicznych_btn_);
    przyciski->addWidget(wyjscie);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addWidget(grupa_strony(QStringLiteral("Odbiorca"), true));
    uklad->addWidget(grupa_strony(QStringLiteral("Wystawiający"), false));
    if (kreator_) {
        auto* zakladki = new QTabWidget;
        zakladki->addTab(tytul, QStringLiteral("1 Kopia"));
        uklad->addWidget(zakladki);
    } else {
        uklad->addWidget(tytul);
    }
    uklad->addStretch();
    uklad->addLayout(przyciski);
    resize(760, sizeHint().height());
}

void Tformularz_frm::set_przelew_data(const TPrzelew& p) {
    przelew_ = p;
    if (p.nr_id == 0) return;
    kth_ = p.id_kontrah != 0 ? get_kontrah(ds_, p.id_kontrah)
                             : get_kontrah_where(ds_, " where nazwa=" + sql_str(p.dost_nazwa));
    my_ = p.id_my != 0 ? get_firma_my(ds_, p.id_my, kFirmaWgKlucza)
                       : get_firma_my_where(ds_, " where mnazwa=" + sql_str(p.my_nazwa));
}

void Tformularz_frm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (pokazany_) return;
    pokazany_ = true;
    FormShow();
}

void Tformularz_frm::FormShow() {
    std::vector<TWaluta> waluty;
    get_waluty_list(ds_, waluty);
    waluta_cmb->clear();
    for (const auto& w : symbole_walut(waluty))
        waluta_cmb->addItem(q(w));
    waluta_cmb->setCurrentIndex(pozycja_domyslnej_waluty(waluty));
    dsp_data();
    if (przelew_.nr_id == 0) {
        my_ = get_firma_my(ds_, 0, kFirmaDomyslna);
        dsp_wystawiajacy();
    }
}

PolaFormularza Tformularz_frm::czytaj_pola() const {
    PolaFormularza f;
    f.data = data_z_qdate(data_edt->date());
    f.wplata = wplata_rbtn->isChecked();
    f.waluta = waluta_cmb->currentText().toStdString();
    f.drukuj_date = drukujdate_chbox->isChecked();
    f.drukuj_kwote = drukuj_kwote_cmb->isChecked();
    f.zatwierdz = zatwierdz_check->isChecked();
    f.zapisz_jako_nowy = zapisz_jako_nowe_check->isChecked();
    f.znacznik = znacznik_cmb->currentIndex();
    f.odbiorca = {s(odbiorca_nazwa_edt), s(odbiorca_nazwacd_edt), s(odbiorca_rachunek_edt),
                  s(odb_adres_edt),      s(odbiorca_kodpocz_edt), s(odb_miejscowosc),
                  s(odb_skrot_edt)};
    f.wystawiajacy = {s(wyst_nazwa_edt), s(wyst_nazwacd_edt),     s(wyst_rachunek_edt), s(wyst_adres_edt),
                      s(wyst_kodp_edt),  s(wyst_miejscowosc_edt), s(wyst_skrot_edt)};
    f.tytulem = s(tytulem_edt);
    f.tytulemcd = s(tytulemcd_edt);
    f.kwota = Currency::parse(s(kwota_edt)).value_or(Currency());
    f.uwagi = s(uwagi_tekst);
    return f;
}

void Tformularz_frm::pokaz_pola(const PolaFormularza& f) {
    data_edt->setDate(na_qdate(f.data));
    (f.wplata ? wplata_rbtn : przelew_rbtn)->setChecked(true);
    const int w = waluta_cmb->findText(q(f.waluta));
    if (w >= 0)
        waluta_cmb->setCurrentIndex(w);
    else if (!f.waluta.empty()) {
        // A currency the dictionary no longer has still shows as stored.
        waluta_cmb->addItem(q(f.waluta));
        waluta_cmb->setCurrentIndex(waluta_cmb->count() - 1);
    }
    zatwierdz_check->setChecked(f.zatwierdz);
    znacznik_cmb->setCurrentIndex(f.znacznik >= 0 && f.znacznik < znacznik_cmb->count() ? f.znacznik : 0);
    const auto strona = [](const StronaFormularza& st, QLineEdit* n, QLineEdit* cd, QLineEdit* r,
                           QLineEdit* a, QLineEdit* k, QLineEdit* m, QLineEdit* sk) {
        n->setText(q(st.nazwa));
        cd->setText(q(st.nazwacd));
        r->setText(q(st.rachunek));
        a->setText(q(st.adres));
        k->setText(q(st.kodp));
        m->setText(q(st.miejscowosc));
        sk->setText(q(st.skrot));
    };
    strona(f.odbiorca, odbiorca_nazwa_edt, odbiorca_nazwacd_edt, odbiorca_rachunek_edt, odb_adres_edt,
           odbiorca_kodpocz_edt, odb_miejscowosc, odb_skrot_edt);
    strona(f.wystawiajacy, wyst_nazwa_edt, wyst_nazwacd_edt, wyst_rachunek_edt, wyst_adres_edt, wyst_kodp_edt,
           wyst_miejscowosc_edt, wyst_skrot_edt);
    tytulem_edt->setText(q(f.tytulem));
    tytulemcd_edt->setText(q(f.tytulemcd));
    kwota_edt->setText(q(kwota_do_edycji(f.kwota)));
    uwagi_tekst->setText(q(f.uwagi));
}

void Tformularz_frm::dsp_data() {
    PolaFormularza f = czytaj_pola();
    pokaz_przelew(przelew_, f);
    pokaz_pola(f);
}

void Tformularz_frm::dsp_kth() {
    PolaFormularza f = czytaj_pola();
    pokaz_strone(kth_, f.odbiorca);
    pokaz_pola(f);
}

void Tformularz_frm::dsp_wystawiajacy() {
    PolaFormularza f = czytaj_pola();
    pokaz_strone(my_, f.wystawiajacy);
    pokaz_pola(f);
}

void Tformularz_frm::save_data() {
    zbierz_przelew(czytaj_pola(), kth_.ID1, my_.ID1, przelew_);
}

bool Tformularz_frm::zapisz(RodzajZapisu rodzaj) {
    save_data();
    // A failed statement was shown by the database layer; the screen stays open with what was typed.
    return zapisz_przelew(ds_, rodzaj, przelew_);
}

void Tformularz_frm::zapisz_btnClick() {
    if (zapisz(RodzajZapisu::zapisz)) accept();
}

void Tformularz_frm::drukuj_btnClick() {
    // Printing never stores the transfer; the wizard prints its last generated one as it stands.
    if (!kreator_) save_data();
    Tdrukuj_frm druk(services_, nullptr, this);
    druk.set_przelew(przelew_);
    services_.screens.show_modal(druk);
}

void Tformularz_frm::do_cyklicznych_btnClick() {
    if (!zapisz(RodzajZapisu::do_cyklicznych)) return;
    services_.dialogs.information(this, q(kDodanoDoCyklicznych));
    accept();
}

void Tformularz_frm::zamien_konta_btnClick() {
    PolaFormularza f = czytaj_pola();
    zamien_konta(f);
    pokaz_pola(f);
}

void Tformularz_frm::lista_kth_btnClick() {
    if (auto kth = wybierz_kontrahenta(services_, this, s(odbiorca_nazwa_edt))) {
        kth_ = *kth;
        dsp_kth();
    }
}

void Tformularz_frm::lista_firm_wlasnych_btnClick() {
    if (auto firma = wybierz_firme(services_, this, s(wyst_nazwa_edt))) {
        my_ = *firma;
        dsp_wystawiajacy();
    }
}

void Tformularz_frm::slownik_tytulow_btnClick() {
    if (auto t = wybierz_tytul(services_, this)) {
        tytulem_edt->setText(q(t->slow_tytulem));
        tytulemcd_edt->setText(q(t->slow_tytulemcd));
    }
}

void Tformularz_frm::dodaj_do_slownika_btnClick() {
    auto t = tytul_do_slownika(s(tytulem_edt), s(tytulemcd_edt));
    if (!t) {
        services_.dialogs.information(this, q(kTytulWymagany));
        return;
    }
    if (save_slowtyt(ds_, *t)) services_.dialogs.information(this, q(kTytulDodany));
}

void Tformularz_frm::kalkulator() {
    uruchom_kalkulator(services_, this);
}

void Tformularz_frm::kalkulator_btnClick() {
    kalkulator();
}

void Tformularz_frm::znaczniki_btnClick() {
    TfrmOpisZnacznikow screen(services_, this);
    screen.set_kategoria(kZnacznikiPrzelewow);
    services_.screens.show_modal(screen);
}

std::optional<DekodowanyAdres> Tformularz_frm::dekoduj() {
    TfrmDekodujAdres screen(this);
    if (services_.screens.show_modal(screen) != QDialog::Accepted) return std::nullopt;
    return screen.pola();
}

void Tformularz_frm::dekoduj_adres_odb_btnClick() {
    const auto d = dekoduj();
    if (!d) return;
    odbiorca_nazwa_edt->setText(q(d->nazwa));
    odb_adres_edt->setText(q(d->adres));
    odbiorca_kodpocz_edt->setText(q(d->kodp));
    odb_miejscowosc->setText(q(d->miejscowosc));
    odbiorca_rachunek_edt->setText(q(d->rachunek));
    if (kreator_) return;
    tytulem_edt->setText(q(d->tytulem));
    tytulemcd_edt->setText(q(d->tytulemcd));
}

void Tformularz_frm::dekoduj_adres_wyst_btnClick() {
    const auto d = dekoduj();
    if (!d) return;
    wyst_nazwa_edt->setText(q(d->nazwa));
    wyst_adres_edt->setText(q(d->adres));
    wyst_kodp_edt->setText(q(d->kodp));
    wyst_miejscowosc_edt->setText(q(d->miejscowosc));
    wyst_rachunek_edt->setText(q(d->rachunek));
}

void Tformularz_frm::done(int result) {
    try {
        zapisz_drukuj_date(RodzajEkranu::bankowy, drukujdate_chbox->isChecked());
    } catch (const std::exception&) {
        // The remembered box is a convenience; an unwritable settings file must not keep the screen open.
    }
    QDialog::done(result);
}

}  // namespace zlx::app
