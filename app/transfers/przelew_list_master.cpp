#include "app/transfers/przelew_list_master.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

#include "app/core/dialogs.h"
#include "app/core/screen.h"
#include "app/core/screen_factory.h"
#include "app/transfers/daty_qt.h"
#include "app/transfers/formularz_form.h"
#include "app/transfers/formularz_podatki.h"
#include "app/transfers/formularz_zus.h"
#include "app/transfers/frmDialogDataKlonuj_form.h"
#include "app/transfers/obrazki_przelewow.h"
#include "app/transfers/przelew_list_model.h"
#include "core/text.h"
#include "db/gl_ado_ds.h"
#include "registers/znaczniki.h"
#include "transfers/lista_przelewow.h"
#include "transfers/okres.h"
#include "transfers/przelew_store.h"

namespace zlx::app {

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void wypelnij(QComboBox* combo, const std::vector<std::string>& pozycje) {
    for (const auto& p : pozycje)
        combo->addItem(q(p));
}

QPushButton* przycisk(const char* tekst, const char* podpowiedz = "") {
    auto* b = new QPushButton(QString::fromUtf8(tekst));
    if (*podpowiedz) b->setToolTip(QString::fromUtf8(podpowiedz));
    return b;
}

template <typename Ekran>
bool pokaz_ekran(const Services& services, QWidget* owner, const TPrzelew& p, TPrzelew* zapisany) {
    Ekran screen(services, owner);
    screen.set_przelew_data(p);
    if (services.screens.show_modal(screen) != QDialog::Accepted) return false;
    if (zapisany) *zapisany = screen.get_przelew_data();
    return true;
}

// Opens the entry screen of the kind on the record; true after OK, with the stored record.
bool pokaz_formularz(const Services& services, QWidget* owner, int rodzaj, const TPrzelew& p,
                     TPrzelew* zapisany) {
    switch (rodzaj) {
        case kPrzelewZus:
            return pokaz_ekran<Tformularz_zus_frm>(services, owner, p, zapisany);
        case kPrzelewPodatkowy:
            return pokaz_ekran<Tformularz_podatki_frm>(services, owner, p, zapisany);
        default:
            return pokaz_ekran<Tformularz_frm>(services, owner, p, zapisany);
    }
}

}  // namespace

TPrzelewListMaster_frm::TPrzelewListMaster_frm(const Services& services, QWidget* owner)
    : QDialog(owner),
      services_(services),
      ds_(services.ds),
      model_(new PrzelewListModel(this)),
      grid_(new QTableView),
      od_dtp_(nowy_wybor_daty(this)),
      do_dtp_(nowy_wybor_daty(this)),
      schemat_okres_cmb_(new QComboBox),
      przelewy_rbtn_(new QRadioButton(QStringLiteral("Przelewy"))),
      cykliczne_rbtn_(new QRadioButton(QStringLiteral("Cykliczne"))),
      wszystkiezuspodatki_cmb_(new QComboBox),
      Edit3_(new QLineEdit),
      filtr_kolumna_cmb_(new QComboBox),
      znacznik_cmb_(new QComboBox),
      szukaj_edt_(new QLineEdit),
      szukaj_kolumna_cmb_(new QComboBox),
      ustaw_znacznik_btn_(new QPushButton),
      znaczniki_menu_(new QMenu(this)),
      podsumowania_lbl_(new QLabel(QStringLiteral("Podsumowania"))),
      wszystkie_lbl_(new QLabel(QStringLiteral("0,00"))),
      zaznaczone_lbl_(new QLabel(QStringLiteral("0,00"))) {
    setWindowTitle(QStringLiteral("Lista przelewów"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowState(Qt::WindowMaximized);

    grid_->setObjectName(QStringLiteral("gridWszystkie"));
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setAlternatingRowColors(true);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->horizontalHeader()->setSortIndicatorShown(true);
    grid_->horizontalHeader()->setHighlightSections(false);
    // The widths are for a small font: a larger one widens a column to its caption and, for the amount,
    // to millions.
    const QFontMetrics fm = grid_->horizontalHeader()->fontMetrics();
    for (int k = 0; k < PrzelewListModel::kKolumn; ++k) {
        const QString tytul = model_->headerData(k, Qt::Horizontal, Qt::DisplayRole).toString();
        int w = std::max(PrzelewListModel::szerokosc(k), fm.horizontalAdvance(tytul) + 18);
        if (k == PrzelewListModel::kKwota)
            w = std::max(w, fm.horizontalAdvance(QStringLiteral("9 999 999,99")) + 10);
        grid_->setColumnWidth(k, w);
    }
    grid_->horizontalHeader()->setStretchLastSection(true);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(zbuduj_przyciski());
    uklad->addWidget(zbuduj_filtry());
    uklad->addWidget(grid_, 1);
    uklad->addWidget(zbuduj_podsumowania());

    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TPrzelewListMaster_frm::gridWszystkieTitleClick);
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.column() != PrzelewListModel::kZaznaczenie) edytuj_btnClick();
    });
    connect(model_, &PrzelewListModel::zaznaczenie_zmienione, this, &TPrzelewListMaster_frm::przelicz_sumy);

    on_key(*this, QKeySequence(Qt::Key_F4), [this] { edytuj_btnClick(); });
    on_key(*this, QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { usun_ze_wszystkich(); });
    on_ctrl_enter(*this, [this] { edytuj_btnClick(); });
    // Space in the grid ticks the current row, as a click in the tick-box column does; elsewhere it
    // types a blank.
    auto* spacja = new QShortcut(QKeySequence(Qt::Key_Space), grid_);
    spacja->setContext(Qt::WidgetShortcut);
    connect(spacja, &QShortcut::activated, this, [this] {
        const int r = grid_->currentIndex().row();
        if (r >= 0) model_->zaznacz(r, !model_->zaznaczenie().zaznaczony(model_->klucz(r)));
    });

    FormCreate();
    no_default_buttons(*this);
    grid_->setFocus();
}

void TPrzelewListMaster_frm::FormCreate() {
    tryb_startu_ = 0;
    const QSignalBlocker b1(schemat_okres_cmb_), b2(od_dtp_), b3(do_dtp_), b4(wszystkiezuspodatki_cmb_),
        b5(przelewy_rbtn_);
    wypelnij(schemat_okres_cmb_, pozycje_okresu());
    schemat_okres_cmb_->setCurrentIndex(kOkresOstatniTydzien);
    const Okres o = okres_schematu(kOkresOstatniTydzien, TDateTime::today());
    od_dtp_->setDate(na_qdate(o.od));
    do_dtp_->setDate(na_qdate(o.do_));
    przelewy_rbtn_->setChecked(true);
    init_sql_przelew_wszystkie();
    wypelnij(wszystkiezuspodatki_cmb_, pozycje_rodzaju());
    wszystkiezuspodatki_cmb_->setCurrentIndex(kRodzajWszystkie);
    wypelnij(filtr_kolumna_cmb_, pozycje_filtru());
    filtr_kolumna_cmb_->setCurrentIndex(0);
    wypelnij(szukaj_kolumna_cmb_, pozycje_wyszukiwania());
    szukaj_kolumna_cmb_->setCurrentIndex(0);
    pokaz_btn_znaczniki();
}

QWidget* TPrzelewListMaster_frm::zbuduj_przyciski() {
    // Two rows, so that every button fits a 1366-pixel screen.
    auto* pasek = new QWidget;
    auto* wiersze = new QVBoxLayout(pasek);
    wiersze->setContentsMargins(0, 0, 0, 0);
    auto* h = new QHBoxLayout;
    wiersze->addLayout(h);
    h->addWidget(new QLabel(QStringLiteral("Dodaj:")));
    auto* bankowy = przycisk("Bankowy", "Wystaw nowy przelew bankowy");
    bankowy->setObjectName(QStringLiteral("bankowy_btn"));
    h->addWidget(bankowy);
    auto* zus = przycisk("ZUS", "Wystaw nowy przelew ZUS");
    zus->setObjectName(QStringLiteral("zus_btn"));
    h->addWidget(zus);
    auto* podatki = przycisk("Podatki", "Wystaw nowy przelew podatki");
    podatki->setObjectName(QStringLiteral("podatki_btn"));
    h->addWidget(podatki);
    h->addSpacing(12);
    auto* edytuj = przycisk("Edytuj [F4]", "Edytuj wybrany przelew");
    auto* usun = przycisk("Usuń [CTRL+DEL]", "Usuń wybrany przelew");
    auto* klonuj = przycisk("Klonuj ");
    h->addWidget(edytuj);
    h->addWidget(usun);
    h->addWidget(klonuj);

    // The action bar; its pop-up sets the marker of the current row.
    auto* akcje = new QWidget;
    akcje->setObjectName(QStringLiteral("akcje_pasek"));
    auto* a = new QHBoxLayout(akcje);
    a->setContentsMargins(0, 0, 0, 0);
    a->addWidget(zbuduj_przyciski_raportow());
    ustaw_znacznik_btn_->setText(QStringLiteral("Ustaw Znacznik"));
    ustaw_znacznik_btn_->setMenu(znaczniki_menu_);
    a->addWidget(ustaw_znacznik_btn_);
    auto* wszystkie = przycisk("Zaznacz wszystkie");
    auto* zadne = przycisk("Odznacz wszystkie");
    a->addWidget(wszystkie);
    a->addWidget(zadne);
    a->addStretch();
    zbuduj_menu_kontekstowe(akcje);

    h->addStretch();
    auto* wyjdz = przycisk("Wyjdź [ESC]");
    h->addWidget(wyjdz);
    wiersze->addWidget(akcje);

    connect(bankowy, &QPushButton::clicked, this, &TPrzelewListMaster_frm::bankowy_btnClick);
    connect(zus, &QPushButton::clicked, this, [this] { dodaj(kPrzelewZus); });
    connect(podatki, &QPushButton::clicked, this, [this] { dodaj(kPrzelewPodatkowy); });
    connect(edytuj, &QPushButton::clicked, this, &TPrzelewListMaster_frm::edytuj_btnClick);
    connect(usun, &QPushButton::clicked, this, &TPrzelewListMaster_frm::usun_ze_wszystkich);
    connect(klonuj, &QPushButton::clicked, this, &TPrzelewListMaster_frm::btnKlonujClick);
    connect(wszystkie, &QPushButton::clicked, this, [this] { model_->zaznacz_wszystkie(true); });
    connect(zadne, &QPushButton::clicked, this, [this] { model_->zaznacz_wszystkie(false); });
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);
    return pasek;
}

void TPrzelewListMaster_frm::zbuduj_menu_kontekstowe(QWidget* akcje) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("znaczniki_popup"));
    const auto pozycje = pozycje_znacznikow();
    for (int i = 0; i < static_cast<int>(pozycje.size()); ++i) {
        QAction* act = menu->addAction(ikona_znacznika(i), q(pozycje[static_cast<std::size_t>(i)]));
        connect(act, &QAction::triggered, this, [this, i] { N11Click(i); });
    }
    akcje->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(akcje, &QWidget::customContextMenuRequested, this,
            [menu, akcje](const QPoint& p) { menu->popup(akcje->mapToGlobal(p)); });
}

QWidget* TPrzelewListMaster_frm::zbuduj_filtry() {
    auto* pasek = new QWidget;
    auto* h = new QHBoxLayout(pasek);
    h->setContentsMargins(0, 0, 0, 0);

    auto* okres = new QGroupBox(QStringLiteral("Okres"));
    auto* g = new QGridLayout(okres);
    g->addWidget(new QLabel(QStringLiteral("Od:")), 0, 0);
    g->addWidget(od_dtp_, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Do:")), 0, 2);
    g->addWidget(do_dtp_, 0, 3);
    g->addWidget(schemat_okres_cmb_, 1, 1, 1, 3);
    schemat_okres_cmb_->setObjectName(QStringLiteral("schemat_okres_cmb"));
    od_dtp_->setObjectName(QStringLiteral("od_dtp"));
    do_dtp_->setObjectName(QStringLiteral("do_dtp"));
    h->addWidget(okres);

    auto* rodzaj = new QGroupBox(QStringLiteral("Rodzaj"));
    auto* r = new QGridLayout(rodzaj);
    przelewy_rbtn_->setToolTip(QStringLiteral("Zaznacz to aby w siatce pojawiły się aktualne przelewy"));
    cykliczne_rbtn_->setToolTip(
        QStringLiteral("Zaznacz to aby w siatce pojawiły się przelewy z kartoteki cyklicznych"));
    wszystkiezuspodatki_cmb_->setToolTip(
        QStringLiteral("Odsiewa przelewy w siatce ze względu na ich rodzaj"));
    wszystkiezuspodatki_cmb_->setObjectName(QStringLiteral("wszystkiezuspodatki_cmb"));
    r->addWidget(przelewy_rbtn_, 0, 0);
    r->addWidget(cykliczne_rbtn_, 0, 1);
    r->addWidget(wszystkiezuspodatki_cmb_, 1, 0, 1, 2);
    h->addWidget(rodzaj);

    auto* filtr = new QGroupBox(QStringLiteral("Filtrowanie"));
    auto* f = new QGridLayout(filtr);
    f->addWidget(new QLabel(QStringLiteral("Filtruj ")), 0, 0);
    f->addWidget(Edit3_, 0, 1);
    f->addWidget(new QLabel(QStringLiteral("Wg")), 1, 0);
    f->addWidget(filtr_kolumna_cmb_, 1, 1);
    Edit3_->setObjectName(QStringLiteral("Edit3"));
    filtr_kolumna_cmb_->setObjectName(QStringLiteral("filtr_kolumna_cmb"));
    h->addWidget(filtr);

    auto* znacznik = new QGroupBox(QStringLiteral("Wg. znacznika"));
    auto* z = new QGridLayout(znacznik);
    const auto pozycje = pozycje_znacznikow();
    for (int i = 0; i < static_cast<int>(pozycje.size()); ++i)
        znacznik_cmb_->addItem(ikona_znacznika(i), q(pozycje[static_cast<std::size_t>(i)]));
    znacznik_cmb_->setObjectName(QStringLiteral("znacznik_cmb"));
    auto* szukaj_znacznik = przycisk("Szukaj");
    szukaj_znacznik->setObjectName(QStringLiteral("szukaj_znacznik_btn"));
    z->addWidget(znacznik_cmb_, 0, 0);
    z->addWidget(szukaj_znacznik, 1, 0);
    h->addWidget(znacznik);

    auto* szukanie = new QGroupBox(QStringLiteral("Wyszukiwanie"));
    auto* s = new QGridLayout(szukanie);
    szukaj_edt_->setPlaceholderText(QStringLiteral("Wpisz szukany ciąg ( * działają)"));
    szukaj_edt_->setToolTip(QStringLiteral("Wpisz szukany ciąg ( * działają)"));
    szukaj_edt_->setObjectName(QStringLiteral("szukaj_edt"));
    szukaj_kolumna_cmb_->setObjectName(QStringLiteral("szukaj_kolumna_cmb"));
    auto* szukaj = przycisk("Szukaj");
    szukaj->setObjectName(QStringLiteral("szukaj_btn"));
    s->addWidget(szukaj_edt_, 0, 0, 1, 2);
    s->addWidget(szukaj_kolumna_cmb_, 1, 0);
    s->addWidget(szukaj, 1, 1);
    h->addWidget(szukanie, 1);

    connect(od_dtp_, &QDateEdit::dateChanged, this, [this] { init_sql_przelew_wszystkie(); });
    connect(do_dtp_, &QDateEdit::dateChanged, this, [this] { init_sql_przelew_wszystkie(); });
    connect(schemat_okres_cmb_, &QComboBox::currentIndexChanged, this,
            &TPrzelewListMaster_frm::schemat_okres_cmbChange);
    connect(przelewy_rbtn_, &QRadioButton::toggled, this, [this] { init_sql_przelew_wszystkie(); });
    connect(wszystkiezuspodatki_cmb_, &QComboBox::currentIndexChanged, this,
            [this] { init_sql_przelew_wszystkie(); });
    connect(Edit3_, &QLineEdit::textChanged, this, &TPrzelewListMaster_frm::Edit3Change);
    connect(filtr_kolumna_cmb_, &QComboBox::currentIndexChanged, this, &TPrzelewListMaster_frm::Edit3Change);
    connect(szukaj_znacznik, &QPushButton::clicked, this,
            &TPrzelewListMaster_frm::init_sql_przelew_wszystkie_wg_znacznika);
    connect(szukaj, &QPushButton::clicked, this, &TPrzelewListMaster_frm::init_sql_przelew_wyszukiwanie);
    connect(szukaj_edt_, &QLineEdit::returnPressed, this,
            &TPrzelewListMaster_frm::init_sql_przelew_wyszukiwanie);
    return pasek;
}

QWidget* TPrzelewListMaster_frm::zbuduj_podsumowania() {
    auto* panel = new QWidget;
    auto* h = new QHBoxLayout(panel);
    h->setContentsMargins(0, 0, 0, 0);
    QFont pogrubiona = podsumowania_lbl_->font();
    pogrubiona.setBold(true);
    podsumowania_lbl_->setFont(pogrubiona);
    podsumowania_lbl_->setObjectName(QStringLiteral("podsumowania_lbl"));
    wszystkie_lbl_->setObjectName(QStringLiteral("wszystkie_lbl"));
    zaznaczone_lbl_->setObjectName(QStringLiteral("zaznaczone_lbl"));
    wszystkie_lbl_->setToolTip(QStringLiteral("Suma wszystkich"));
    zaznaczone_lbl_->setToolTip(QStringLiteral("Suma zaznaczonych"));
    for (QLabel* l : {wszystkie_lbl_, zaznaczone_lbl_}) {
        l->setFont(pogrubiona);
        l->setMinimumWidth(110);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, kKolorKwoty);
        l->setPalette(p);
    }
    h->addStretch();
    h->addWidget(podsumowania_lbl_);
    h->addSpacing(12);
    h->addWidget(new QLabel(QStringLiteral("Wszystkie")));
    h->addWidget(wszystkie_lbl_);
    h->addSpacing(12);
    h->addWidget(new QLabel(QStringLiteral("Zaznaczone")));
    h->addWidget(zaznaczone_lbl_);
    return panel;
}

void TPrzelewListMaster_frm::pokaz_btn_znaczniki() {
    znaczniki_menu_->clear();
    for (const OpisZnacznika& o : get_opis_znacznikow(ds_, kKategoriaZnacznikowPrzelewow)) {
        QAction* act = znaczniki_menu_->addAction(ikona_znacznika(o.nr_znacznika), q(o.opis_znacznika));
        const int nr = o.nr_znacznika;
        act->setData(nr);
        connect(act, &QAction::triggered, this, [this, nr] { DowolnyZnacznik(nr); });
    }
}

void TPrzelewListMaster_frm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (tryb_uruchomiony_ || tryb_startu_ < 1 || tryb_startu_ > 3) return;
    tryb_uruchomiony_ = true;
    // The timer starts once the window system has made the list active: an entry screen opened
    // before that (a maximised window is activated late, on a busy machine after the timer) takes
    // the activation meant for the list, which then stays inactive behind it.
    QWindow* okno = windowHandle();
    if (okno->isActive()) {
        QTimer::singleShot(1, this, &TPrzelewListMaster_frm::uruchom_tryb_startu);
        return;
    }
    czekaj_na_aktywacje_ = connect(okno, &QWindow::activeChanged, this, [this, okno] {
        if (!okno->isActive()) return;
        disconnect(czekaj_na_aktywacje_);
        QTimer::singleShot(1, this, &TPrzelewListMaster_frm::uruchom_tryb_startu);
    });
}

void TPrzelewListMaster_frm::uruchom_tryb_startu() {
    switch (tryb_startu_) {
        case 1:
            dodaj(kPrzelewBankowy);
            break;
        case 2:
            dodaj(kPrzelewZus);
            break;
        case 3:
            dodaj(kPrzelewPodatkowy);
            break;
        default:
            break;
    }
}

void TPrzelewListMaster_frm::otworz(const std::string& sql) {
    sql_ = sql;
    std::unique_ptr<ResultSet> rs;
    try {
        rs = ds_.open_sql(sql);
    } catch (const std::exception&) {
        // A query that cannot be opened leaves the list empty, without a message.
        rs.reset();
    }
    model_->ustaw(std::move(rs));
    // The quick filter stays on over the new rows.
    if (!trim(Edit3_->text().toStdString()).empty()) Edit3Change();
    if (model_->rowCount() > 0) grid_->setCurrentIndex(model_->index(0, PrzelewListModel::kData));
    pokaz_znak_sortu();
    przelicz_sumy();
}

void TPrzelewListMaster_frm::init_sql_przelew_wszystkie() {
    const FiltrListy filtr{cykliczne_rbtn_->isChecked(), data_z_qdate(od_dtp_->date()),
                           data_z_qdate(do_dtp_->date()), wszystkiezuspodatki_cmb_->currentIndex()};
    where_ = where_listy(filtr);
    otworz(sql_listy(where_, sortowanie_.order()));
}

void TPrzelewListMaster_frm::init_sql_przelew_wszystkie_wg_znacznika() {
    where_ = where_znacznika(znacznik_cmb_->currentIndex());
    otworz(sql_listy(where_, sortowanie_.order()));
}

void TPrzelewListMaster_frm::init_sql_przelew_wyszukiwanie() {
    const Wyszukiwanie w = sql_wyszukiwania(szukaj_edt_->text().toStdString(),
                                            szukaj_kolumna_cmb_->currentIndex(), sortowanie_.order());
    if (!w.komunikat.empty()) {
        services_.dialogs.information(this, q(w.komunikat));
        return;
    }
    otworz(w.sql);
}

void TPrzelewListMaster_frm::Edit3Change() {
    const std::string tekst = trim(Edit3_->text().toStdString());
    if (tekst.empty())
        model_->filtruj("", "");
    else
        model_->filtruj(kolumna_filtru(filtr_kolumna_cmb_->currentIndex()), tekst);
    przelicz_sumy();  // the label counts the ticked rows the filter hides
}

void TPrzelewListMaster_frm::schemat_okres_cmbChange() {
    const Okres o = okres_schematu(schemat_okres_cmb_->currentIndex(), TDateTime::today());
    {
        const QSignalBlocker b1(od_dtp_), b2(do_dtp_);
        od_dtp_->setDate(na_qdate(o.od));
        do_dtp_->setDate(na_qdate(o.do_));
    }
    init_sql_przelew_wszystkie();
}

void TPrzelewListMaster_frm::pokaz_znak_sortu() {
    QHeaderView* h = grid_->horizontalHeader();
    const int k = sortowanie_.oznaczona();
    switch (sortowanie_.znak(k)) {
        case ZnakSortu::rosnaco:
            h->setSortIndicator(k, Qt::AscendingOrder);
            break;
        case ZnakSortu::malejaco:
            h->setSortIndicator(k, Qt::DescendingOrder);
            break;
        case ZnakSortu::brak:
            h->setSortIndicator(-1, Qt::AscendingOrder);
            break;
    }
}

void TPrzelewListMaster_frm::gridWszystkieTitleClick(int kolumna) {
    if (!sortowanie_.klik(kolumna)) {
        pokaz_znak_sortu();
        services_.dialogs.information(this, q(kSortowanieNiemozliwe));
        return;
    }
    init_sql_przelew_wszystkie();
}

void TPrzelewListMaster_frm::przelicz_sumy() {
    Podsumowanie s;
    if (const ResultSet* rs = model_->zbior()) s = podsumuj(*rs, model_->zaznaczenie());
    podsumowania_lbl_->setText(q(etykieta_podsumowania(s)));
    wszystkie_lbl_->setText(q(s.wszystkie.to_text()));
    zaznaczone_lbl_->setText(q(s.zaznaczone.to_text()));
}

std::int32_t TPrzelewListMaster_frm::biezacy_klucz() const {
    const int r = grid_->currentIndex().row();
    return model_->klucz(r < 0 ? 0 : r);
}

bool TPrzelewListMaster_frm::lokalizuj(std::int32_t klucz) {
    const int r = model_->wiersz(klucz);
    if (r < 0) return false;
    grid_->setCurrentIndex(model_->index(r, PrzelewListModel::kData));
    grid_->scrollTo(grid_->currentIndex());
    return true;
}

std::vector<std::int32_t> TPrzelewListMaster_frm::cele() const {
    const ResultSet* rs = model_->zbior();
    return rs ? cele_akcji(*rs, model_->zaznaczenie(), biezacy_klucz()) : std::vector<std::int32_t>{};
}

void TPrzelewListMaster_frm::dodaj(int rodzaj) {
    TPrzelew p;
    if (!pokaz_formularz(services_, this, rodzaj, nowy_przelew(), &p)) return;
    init_sql_przelew_wszystkie();
    lokalizuj(p.nr_id);
}

void TPrzelewListMaster_frm::bankowy_btnClick() {
    dodaj(kPrzelewBankowy);
}

void TPrzelewListMaster_frm::edytuj(std::int32_t klucz, int rodzaj) {
    if (rodzaj < kPrzelewBankowy || rodzaj > kPrzelewPodatkowy) return;
    if (!pokaz_formularz(services_, this, rodzaj, load_przelew(ds_, klucz), nullptr)) return;
    init_sql_przelew_wszystkie();
    lokalizuj(klucz);
}

void TPrzelewListMaster_frm::edytuj_btnClick() {
    const std::int32_t klucz = biezacy_klucz();
    if (klucz == 0) return;
    edytuj(klucz, model_->rodzaj(model_->wiersz(klucz)));
}

void TPrzelewListMaster_frm::usun_ze_wszystkich() {
    if (model_->rowCount() == 0) return;
    const Podsumowanie s = podsumuj(*model_->zbior(), model_->zaznaczenie());
    if (!services_.dialogs.question(this, QStringLiteral("Usuwanie kartoteki"), q(pytanie_usuniecia(s))))
        return;
    usun_przelewy(ds_, cele());
    init_sql_przelew_wszystkie();
}

void TPrzelewListMaster_frm::DowolnyZnacznik(int nr_znacznika) {
    const std::vector<std::int32_t> ids = model_->zaznaczone();
    if (ids.empty()) {
        services_.dialogs.information(this, QString::fromUtf8(kZaznaczJakies));
        return;
    }
    const std::int32_t biezacy = biezacy_klucz();
    zmien_znacznik_dla_zaznaczonych(ds_, ids, nr_znacznika);
    otworz(sql_);
    lokalizuj(biezacy);
}

void TPrzelewListMaster_frm::N11Click(int znacznik) {
    const std::int32_t klucz = biezacy_klucz();
    if (klucz == 0) return;
    set_znacznik(ds_, klucz, znacznik);
    otworz(sql_);
    lokalizuj(klucz);
}

void TPrzelewListMaster_frm::btnKlonujClick() {
    if (model_->rowCount() == 0) return;
    TfrmDialogDataKlonuj dialog(this);
    if (services_.screens.show_modal(dialog) != QDialog::Accepted) return;
    const std::int32_t ostatni = klonuj_przelewy(ds_, cele(), dialog.nowa_data(), dialog.data());
    init_sql_przelew_wszystkie();
    lokalizuj(ostatni);
}

}  // namespace zlx::app
