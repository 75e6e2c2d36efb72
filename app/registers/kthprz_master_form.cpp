#include "app/registers/kthprz_master_form.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>

#include "app/core/dialogs.h"
#include "app/core/screen.h"
#include "app/core/screen_factory.h"
#include "app/registers/kthprz_detail_form.h"
#include "app/registers/lista_model.h"
#include "app/registers/nowagrupa_form.h"
#include "app/registers/obrazki_znacznikow.h"
#include "app/transfers/creatorformularz_form.h"
#include "core/text.h"
#include "registers/kanal_tree.h"
#include "registers/kontrah_store.h"
#include "registers/kth_szukaj.h"
#include "registers/znaczniki.h"

namespace zlx::app {

namespace {

const QString kZaznaczGalaz = QStringLiteral("Zaznacz jakąś gałąź w drzewku");
const QString kZaznaczKth = QStringLiteral("Zaznacz jakiś kontrahentów");

// The groups tree takes drops of rows dragged out of the counterparty grid, and nothing else.
class DrzewoGrup : public QTreeWidget {
  public:
    std::function<void(QTreeWidgetItem*)> upuszczono;

  protected:
    void dragEnterEvent(QDragEnterEvent* e) override {
        if (z_siatki(e))
            e->acceptProposedAction();
        else
            e->ignore();
    }
    void dragMoveEvent(QDragMoveEvent* e) override {
        if (z_siatki(e) && itemAt(e->position().toPoint()))
            e->acceptProposedAction();
        else
            e->ignore();
    }
    void dropEvent(QDropEvent* e) override {
        QTreeWidgetItem* wezel = z_siatki(e) ? itemAt(e->position().toPoint()) : nullptr;
        if (!wezel) {
            e->ignore();
            return;
        }
        e->acceptProposedAction();
        if (upuszczono) upuszczono(wezel);
    }

  private:
    static bool z_siatki(const QDropEvent* e) {
        return e->mimeData() && e->mimeData()->hasFormat(QString::fromLatin1(kMimeKontrahenci));
    }
};

std::vector<KolumnaSiatki> kolumny_kth() {
    using R = KolumnaSiatki::Rodzaj;
    // "Adres" shows the street address: the table has no column of that name.
    return {{QStringLiteral("Lp."), "", 30, R::lp},
            {QString(), "", 30, R::zaznaczenie},
            {QStringLiteral("Z"), "znacznik", 30, R::znacznik},
            {QStringLiteral("Skrót"), "skrot", 150, R::tekst},
            {QStringLiteral("Nazwa"), "nazwa", 250, R::tekst},
            {QStringLiteral("Nip"), "nip", 150, R::tekst},
            {QStringLiteral("Miejscowość"), "miejscowosc", 150, R::tekst},
            {QStringLiteral("Adres"), "ulica", 150, R::tekst}};
}

std::int32_t klucz_wezla(const QTreeWidgetItem* w) {
    return w ? w->data(0, Qt::UserRole).toInt() : -1;
}

}  // namespace

Tkthprz_master_frm::Tkthprz_master_frm(const Services& services, QWidget* owner)
    : QDialog(owner),
      services_(services),
      ds_(services.ds),
      model_(new ListaModel(kolumny_kth(), "ID1", this)),
      kanalTree_(new DrzewoGrup),
      kanal_pm_(new QMenu(this)),
      znaczniki_pm_(new QMenu(this)),
      siatka_(new QTableView),
      filtr_edt_(new QLineEdit),
      filtr_cmb_(new QComboBox),
      szukaj_cmb_(new QComboBox),
      szukaj_edt_(new QLineEdit),
      znacznik_cmb_(new QComboBox),
      nazwa_lbl_(new QLabel),
      adres_lbl_(new QLabel),
      kod_lbl_(new QLabel),
      miejscowosc_lbl_(new QLabel),
      konto1_lbl_(new QLabel),
      konto2_lbl_(new QLabel) {
    zbuduj();
    wczytaj_drzewo();
}

void Tkthprz_master_frm::zbuduj() {
    setWindowTitle(QStringLiteral("Kartoteki kontrahentow"));
    kanalTree_->setObjectName(QStringLiteral("kanalTree"));
    kanal_pm_->setObjectName(QStringLiteral("kanal_pm"));
    znaczniki_pm_->setObjectName(QStringLiteral("znaczniki_pm"));
    siatka_->setObjectName(QStringLiteral("siatka"));
    filtr_edt_->setObjectName(QStringLiteral("filtr_edt"));
    filtr_cmb_->setObjectName(QStringLiteral("filtr_cmb"));
    szukaj_cmb_->setObjectName(QStringLiteral("szukaj_cmb"));
    szukaj_edt_->setObjectName(QStringLiteral("szukaj_edt"));
    znacznik_cmb_->setObjectName(QStringLiteral("znacznik_cmb"));

    // Left: the groups with their tool buttons, and the search below them.
    auto* dodaj_grupe_btn = new QToolButton;
    dodaj_grupe_btn->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    dodaj_grupe_btn->setToolTip(QStringLiteral("Dodaj grupę"));
    auto* zmien_grupe_btn = new QToolButton;
    zmien_grupe_btn->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    zmien_grupe_btn->setToolTip(QStringLiteral("Zmień nazwę grupy"));
    auto* usun_grupe_btn = new QToolButton;
    usun_grupe_btn->setText(QStringLiteral("Usuń grupę"));
    auto* narzedzia = new QHBoxLayout;
    narzedzia->addWidget(dodaj_grupe_btn);
    narzedzia->addWidget(zmien_grupe_btn);
    narzedzia->addWidget(usun_grupe_btn);
    narzedzia->addStretch();

    auto* drzewo = static_cast<DrzewoGrup*>(kanalTree_);
    drzewo->setHeaderHidden(true);
    drzewo->setAcceptDrops(true);
    drzewo->setDragDropMode(QAbstractItemView::DropOnly);
    drzewo->setContextMenuPolicy(Qt::CustomContextMenu);
    drzewo->upuszczono = [this](QTreeWidgetItem* w) { kanalTreeDragDrop(w); };
    connect(kanalTree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* w) { kanalTreeClick(w); });
    connect(kanalTree_, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { kanal_pm_->popup(kanalTree_->viewport()->mapToGlobal(p)); });
    connect(kanal_pm_->addAction(QStringLiteral("Dodaj katalog")), &QAction::triggered, this,
            &Tkthprz_master_frm::dodaj_grupe);
    connect(kanal_pm_->addAction(QStringLiteral("Usuń katalog")), &QAction::triggered, this,
            &Tkthprz_master_frm::usun_grupe);
    connect(kanal_pm_->addAction(QStringLiteral("Zmień nazwę")), &QAction::triggered, this,
            &Tkthprz_master_frm::zmien_nazwe_grupy);
    connect(dodaj_grupe_btn, &QToolButton::clicked, this, &Tkthprz_master_frm::dodaj_grupe);
    connect(zmien_grupe_btn, &QToolButton::clicked, this, &Tkthprz_master_frm::zmien_nazwe_grupy);
    connect(usun_grupe_btn, &QToolButton::clicked, this, &Tkthprz_master_frm::usun_grupe);

    for (const char* item : kSzukajWg)
        szukaj_cmb_->addItem(QString::fromUtf8(item));
    szukaj_cmb_->setCurrentIndex(0);
    znacznik_cmb_->addItem(QStringLiteral("brak"));
    for (int nr = 1; nr <= 20; ++nr)
        znacznik_cmb_->addItem(obrazek_znacznika(nr), QString::number(nr));
    znacznik_cmb_->setCurrentIndex(-1);
    auto* szukaj_btn = new QPushButton(QStringLiteral("Szukaj"));
    connect(szukaj_btn, &QPushButton::clicked, this, &Tkthprz_master_frm::szukaj_btnClick);
    auto* szukanie = new QVBoxLayout;
    szukanie->addWidget(new QLabel(QStringLiteral("Wpisz szukany ciąg ( * działają)")));
    szukanie->addWidget(szukaj_cmb_);
    szukanie->addWidget(szukaj_edt_);
    szukanie->addWidget(new QLabel(QStringLiteral("Wybierz szukany znacznik")));
    szukanie->addWidget(znacznik_cmb_);
    szukanie->addWidget(szukaj_btn);

    auto* lewa = new QVBoxLayout;
    lewa->addLayout(narzedzia);
    lewa->addWidget(kanalTree_, 1);
    lewa->addLayout(szukanie);

    // Right: filter and tick row, the grid, the panel of the current row, the buttons.
    for (const char* item : kFiltrujKthWg)
        filtr_cmb_->addItem(QString::fromUtf8(item));
    filtr_cmb_->setCurrentIndex(0);
    connect(filtr_edt_, &QLineEdit::textChanged, this, &Tkthprz_master_frm::filtruj);
    connect(filtr_cmb_, &QComboBox::currentIndexChanged, this, &Tkthprz_master_frm::filtruj);
    auto* zaznacz_btn = new QToolButton;
    zaznacz_btn->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    zaznacz_btn->setToolTip(QStringLiteral("Zaznacz wszystkie pozycje"));
    auto* odznacz_btn = new QToolButton;
    odznacz_btn->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    odznacz_btn->setToolTip(QStringLiteral("Odznacz wszystkie pozycje"));
    connect(zaznacz_btn, &QToolButton::clicked, this, [this] { model_->zaznacz_wszystkie(true); });
    connect(odznacz_btn, &QToolButton::clicked, this, [this] { model_->zaznacz_wszystkie(false); });
    auto* znacznik_btn = new QPushButton(QStringLiteral("Ustaw Znacznik"));
    znacznik_btn->setMenu(znaczniki_pm_);
    for (const OpisZnacznika& o : get_opis_znacznikow(ds_, kZnacznikiKontrahentow)) {
        QAction* a = znaczniki_pm_->addAction(obrazek_znacznika(o.nr_znacznika),
                                              QString::fromStdString(o.opis_znacznika));
        const int nr = o.nr_znacznika;
        a->setData(nr);
        connect(a, &QAction::triggered, this, [this, nr] { ustaw_znacznik(nr); });
    }
    auto* filtr = new QHBoxLayout;
    filtr->addWidget(new QLabel(QStringLiteral("Filtruj")));
    filtr->addWidget(filtr_edt_, 1);
    filtr->addWidget(filtr_cmb_);
    filtr->addSpacing(12);
    filtr->addWidget(zaznacz_btn);
    filtr->addWidget(odznacz_btn);
    filtr->addWidget(znacznik_btn);

    ustaw_siatke(*siatka_, *model_);
    model_->pozwol_przeciagac(true);
    siatka_->setDragEnabled(true);
    siatka_->setDragDropMode(QAbstractItemView::DragOnly);
    siatka_->horizontalHeader()->setSortIndicatorShown(true);
    siatka_->horizontalHeader()->setSectionsClickable(true);
    siatka_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(siatka_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, model_, &ListaModel::sort);
    connect(model_, &ListaModel::sort_zmieniony, this, &Tkthprz_master_frm::sortuj);
    connect(siatka_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &Tkthprz_master_frm::pokaz_biezacy);
    connect(siatka_, &QTableView::doubleClicked, this, &Tkthprz_master_frm::uzyj_btnClick);

    auto* panel = new QGridLayout;
    const std::pair<const char*, QLabel*> pola[] = {
        {"Nazwa:", nazwa_lbl_},    {"Adres:", adres_lbl_},
        {"Kod p.:", kod_lbl_},     {"Miejscowość:", miejscowosc_lbl_},
        {"Konto 1:", konto1_lbl_}, {"Konto 2:", konto2_lbl_}};
    int i = 0;
    for (auto [tytul, lbl] : pola) {
        lbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont f = lbl->font();
        f.setBold(true);
        lbl->setFont(f);
        panel->addWidget(new QLabel(QString::fromUtf8(tytul)), i / 2, (i % 2) * 2);
        panel->addWidget(lbl, i / 2, (i % 2) * 2 + 1);
        ++i;
    }
    panel->setColumnStretch(1, 1);
    panel->setColumnStretch(3, 1);

    auto* nowy_btn = new QPushButton(QStringLiteral("Nowy [INS]"));
    auto* edytuj_btn = new QPushButton(QStringLiteral("Edytuj [F4]"));
    auto* usun_btn = new QPushButton(QStringLiteral("Usuń [DEL]"));
    auto* uzyj_btn = new QPushButton(QStringLiteral("Użyj [CTRL+ENTER]"));
    auto* wyjdz_btn = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    auto* generuj_btn = new QPushButton(QStringLiteral("Generuj Bankowy"));
    generuj_btn->setToolTip(QStringLiteral("Wystaw nowy przelew bankowy"));
    connect(generuj_btn, &QPushButton::clicked, this, &Tkthprz_master_frm::generuj_bankowy_btnClick);
    connect(nowy_btn, &QPushButton::clicked, this, &Tkthprz_master_frm::nowy_btnClick);
    connect(edytuj_btn, &QPushButton::clicked, this, &Tkthprz_master_frm::edytuj_btnClick);
    connect(usun_btn, &QPushButton::clicked, this, &Tkthprz_master_frm::usun_btnClick);
    connect(uzyj_btn, &QPushButton::clicked, this, &Tkthprz_master_frm::uzyj_btnClick);
    connect(wyjdz_btn, &QPushButton::clicked, this, &QDialog::reject);
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(nowy_btn);
    przyciski->addWidget(edytuj_btn);
    przyciski->addWidget(usun_btn);
    przyciski->addWidget(generuj_btn);
    przyciski->addStretch();
    przyciski->addWidget(uzyj_btn);
    przyciski->addWidget(wyjdz_btn);

    auto* prawa = new QVBoxLayout;
    prawa->addLayout(filtr);
    prawa->addWidget(siatka_, 1);
    prawa->addLayout(panel);
    prawa->addLayout(przyciski);

    auto* layout = new QHBoxLayout(this);
    auto* lewa_w = new QWidget;
    lewa_w->setLayout(lewa);
    lewa_w->setFixedWidth(240);
    lewa->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lewa_w);
    layout->addLayout(prawa, 1);
    resize(1200, 640);

    on_key(*this, QKeySequence(Qt::Key_Insert), [this] { nowy_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F4), [this] { edytuj_btnClick(); });
    on_ctrl_enter(*this, [this] { uzyj_btnClick(); });
    // Delete acts on the grid only, so it still deletes characters in the edits.
    auto* usun_key = new QShortcut(QKeySequence(Qt::Key_Delete), siatka_);
    usun_key->setContext(Qt::WidgetShortcut);
    connect(usun_key, &QShortcut::activated, this, &Tkthprz_master_frm::usun_btnClick);
    no_default_buttons(*this);
}

const std::string& Tkthprz_master_frm::sql_listy() const {
    return model_->sql();
}

void Tkthprz_master_frm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (pokazany_) return;
    pokazany_ = true;
    FormShow();
}

void Tkthprz_master_frm::FormShow() {
    kanalTree_->expandAll();
    QTreeWidgetItem* glowna = wezel_klucza(kGrupaGlowna);
    kanalTree_->setCurrentItem(glowna);
    zastosuj_grupe(kGrupaGlowna);
    const std::string szukana = trim(nazwa_szukana_);
    if (!szukana.empty()) {
        for (int r = 0; r < model_->rowCount(); ++r) {
            if (equals_ci(model_->tekst(r, "nazwa").toStdString(), szukana)) {
                ustaw_kursor(model_->klucz(r));
                break;
            }
        }
    }
    siatka_->setFocus();
}

void Tkthprz_master_frm::wczytaj_drzewo() {
    std::vector<TKanalTree> lista;
    get_kanal_tree_list(ds_, lista, kTabelaGrup);
    drzewo_ = zbuduj_drzewo(lista);
    kanalTree_->clear();
    QIcon ikona(style()->standardIcon(QStyle::SP_DirClosedIcon));
    ikona.addPixmap(style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16), QIcon::Selected);
    const std::function<void(const std::vector<WezelGrupy>&, QTreeWidgetItem*)> dodaj =
        [&](const std::vector<WezelGrupy>& wezly, QTreeWidgetItem* rodzic) {
            for (const WezelGrupy& w : wezly) {
                auto* item = rodzic ? new QTreeWidgetItem(rodzic) : new QTreeWidgetItem(kanalTree_);
                item->setText(0, QString::fromStdString(w.kanal.kanal_nazwa));
                item->setData(0, Qt::UserRole, w.kanal.kanal_id);
                item->setIcon(0, ikona);
                dodaj(w.dzieci, item);
            }
        };
    dodaj(drzewo_, nullptr);
    kanalTree_->expandAll();
}

QTreeWidgetItem* Tkthprz_master_frm::wezel_klucza(std::int32_t klucz) const {
    for (QTreeWidgetItemIterator it(kanalTree_); *it; ++it)
        if (klucz_wezla(*it) == klucz) return *it;
    return nullptr;
}

void Tkthprz_master_frm::kanalTreeClick(QTreeWidgetItem* wezel) {
    zastosuj_grupe(klucz_wezla(wezel));
}

void Tkthprz_master_frm::zastosuj_grupe(std::int32_t klucz) {
    id_grupy_ = klucz;
    otworz(sql_grupy_kth(klucz, order_));
}

void Tkthprz_master_frm::otworz(const std::string& sql) {
    model_->ustaw(otworz_liste(ds_, services_.dialogs, this, sql), sql);
    filtruj();
}

void Tkthprz_master_frm::filtruj() {
    const std::string tekst = filtr_edt_->text().toStdString();
    if (tekst.empty())
        model_->bez_filtru();
    else
        model_->filtruj(kolumna_filtru_kth(filtr_cmb_->currentIndex()), trim(tekst));
    if (model_->rowCount() > 0) siatka_->setCurrentIndex(model_->index(0, 3));
    pokaz_biezacy();
}

void Tkthprz_master_frm::sortuj(const QString& pola) {
    const std::string order = klauzula_sortowania(pola.toStdString());
    if (order.empty()) return;
    order_ = order;
    const std::int32_t klucz = biezacy_klucz();
    zastosuj_grupe(id_grupy_);
    ustaw_kursor(klucz);
}

int Tkthprz_master_frm::biezacy_wiersz() const {
    const QModelIndex i = siatka_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

std::int32_t Tkthprz_master_frm::biezacy_klucz() const {
    return model_->klucz(biezacy_wiersz());
}

void Tkthprz_master_frm::ustaw_kursor(std::int32_t klucz) {
    const int r = model_->wiersz(klucz);
    if (r >= 0) siatka_->setCurrentIndex(model_->index(r, 3));
    pokaz_biezacy();
}

void Tkthprz_master_frm::pokaz_biezacy() {
    const int r = biezacy_wiersz();
    nazwa_lbl_->setText(model_->tekst(r, "nazwa"));
    adres_lbl_->setText(model_->tekst(r, "ulica"));
    kod_lbl_->setText(model_->tekst(r, "kod"));
    miejscowosc_lbl_->setText(model_->tekst(r, "miejscowosc"));
    konto1_lbl_->setText(model_->tekst(r, "Rachunek1"));
    konto2_lbl_->setText(model_->tekst(r, "Rachunek2"));
}

void Tkthprz_master_frm::szukaj_btnClick() {
    otworz(sql_szukaj_kth(szukaj_cmb_->currentIndex(), szukaj_edt_->text().toStdString(),
                          znacznik_cmb_->currentIndex(), order_));
}

bool Tkthprz_master_frm::karta(TPrzKth& kth) {
    Tkthprz_detail_frm card(services_, this);
    card.set_kth(kth);
    // A save the database refused has been reported; the card comes back with what was typed.
    while (services_.screens.show_modal(card) == QDialog::Accepted) {
        TPrzKth zapis = card.get_kth();
        if (save_kontrah(ds_, zapis)) {
            kth = zapis;
            return true;
        }
    }
    return false;
}

void Tkthprz_master_frm::nowy_btnClick() {
    TPrzKth kth;
    if (QTreeWidgetItem* w = kanalTree_->currentItem()) kth.grupa = klucz_wezla(w);
    if (!karta(kth)) return;
    zastosuj_grupe(id_grupy_);
    ustaw_kursor(kth.ID1);
}

void Tkthprz_master_frm::edytuj_btnClick() {
    if (model_->rowCount() == 0) return;
    TPrzKth kth = get_kontrah(ds_, biezacy_klucz());
    if (!karta(kth)) return;
    otworz(model_->sql());
    ustaw_kursor(kth.ID1);
}

void Tkthprz_master_frm::usun_btnClick() {
    if (model_->rowCount() == 0) return;
    const std::int32_t klucz = biezacy_klucz();
    if (services_.dialogs.question(this, QStringLiteral("Usuwanie kontrahenta"),
                                   QStringLiteral("Czy na pewno chcesz usunąć kontrahenta  ?")))
        del_kontrah(ds_, klucz);
    otworz(model_->sql());
}

void Tkthprz_master_frm::uzyj_btnClick() {
    if (model_->rowCount() > 0) wybrany_ = get_kontrah(ds_, biezacy_klucz());
    accept();
}

void Tkthprz_master_frm::generuj_bankowy_btnClick() {
    std::vector<std::int32_t> klucze = model_->zaznaczone();
    if (klucze.empty()) {
        services_.dialogs.information(this, kZaznaczKth);
        return;
    }
    Tcreatorformularz_frm screen(services_, this);
    screen.set_przelew_data(nowy_przelew());
    screen.set_lista_kth(std::move(klucze));
    services_.screens.show_modal(screen);
}

void Tkthprz_master_frm::kanalTreeDragDrop(QTreeWidgetItem* wezel) {
    if (!wezel || model_->rowCount() == 0) return;
    std::vector<std::int32_t> klucze = model_->zaznaczone();
    if (klucze.empty()) klucze.push_back(biezacy_klucz());
    const std::int32_t grupa = klucz_wezla(wezel);
    for (std::int32_t k : klucze)
        set_kontrah_grupa(ds_, k, grupa);
    kanalTree_->setCurrentItem(wezel);
    zastosuj_grupe(grupa);
}

void Tkthprz_master_frm::ustaw_znacznik(int nr) {
    const std::vector<std::int32_t> klucze = model_->zaznaczone();
    if (klucze.empty()) {
        services_.dialogs.information(this, kZaznaczKth);
        return;
    }
    for (std::int32_t k : klucze)
        set_kontrah_znacznik(ds_, k, nr);
    const std::int32_t biezacy = biezacy_klucz();
    otworz(model_->sql());
    ustaw_kursor(biezacy);
}

void Tkthprz_master_frm::dodaj_grupe() {
    QTreeWidgetItem* w = kanalTree_->currentItem();
    if (!w) {
        services_.dialogs.information(this, kZaznaczGalaz);
        return;
    }
    const TKanalTree rodzic = get_kanal_tree(ds_, klucz_wezla(w), kTabelaGrup);
    if (rodzic.kanal_id == 0) {  // gone meanwhile (another workstation)
        wczytaj_drzewo();
        return;
    }
    Tnowagrupa_frm dialog(services_, this);
    dialog.set_grupa(nowa_grupa("", rodzic.kanal_id));
    if (services_.screens.show_modal(dialog) != QDialog::Accepted) return;
    TKanalTree grupa = dialog.get_grupa();
    const bool zapisana = save_kanal_tree(ds_, grupa, kTabelaGrup);
    wczytaj_drzewo();
    if (!zapisana) return;
    if (const TKanalTree* nowa = znajdz_grupe(drzewo_, grupa.kanal_nazwa)) {
        QTreeWidgetItem* item = wezel_klucza(nowa->kanal_id);
        kanalTree_->setCurrentItem(item);
        item->setExpanded(true);
        zastosuj_grupe(nowa->kanal_id);
    }
}

void Tkthprz_master_frm::zmien_nazwe_grupy() {
    QTreeWidgetItem* w = kanalTree_->currentItem();
    if (!w) {
        services_.dialogs.information(this, kZaznaczGalaz);
        return;
    }
    const TKanalTree stara = get_kanal_tree(ds_, klucz_wezla(w), kTabelaGrup);
    if (stara.kanal_id == 0) {
        wczytaj_drzewo();
        return;
    }
    Tnowagrupa_frm dialog(services_, this);
    dialog.set_grupa(stara);
    if (services_.screens.show_modal(dialog) != QDialog::Accepted) return;
    TKanalTree grupa = dialog.get_grupa();
    if (save_kanal_tree(ds_, grupa, kTabelaGrup)) w->setText(0, QString::fromStdString(grupa.kanal_nazwa));
}

void Tkthprz_master_frm::usun_grupe() {
    QTreeWidgetItem* w = kanalTree_->currentItem();
    if (!w) {
        services_.dialogs.information(this, kZaznaczGalaz);
        return;
    }
    if (!services_.dialogs.question(this, QStringLiteral("Usuwanie grupy"),
                                    QStringLiteral("Czy na pewno chcesz usunąć grupę ?")))
        return;
    const std::int32_t klucz = klucz_wezla(w);
    if (klucz == kGrupaGlowna) return;
    del_kanal_tree(ds_, klucz, kTabelaGrup);
    wczytaj_drzewo();
    // The deleted group's list would match no node; show the root's instead.
    kanalTree_->setCurrentItem(wezel_klucza(kGrupaGlowna));
    zastosuj_grupe(kGrupaGlowna);
}

}  // namespace zlx::app
