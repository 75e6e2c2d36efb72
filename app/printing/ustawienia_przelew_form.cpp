#include "app/printing/ustawienia_przelew_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/core/dialogs.h"
#include "app/core/screen.h"
#include "app/core/screen_factory.h"
#include "app/printing/qt_miara.h"
#include "app/registers/WalutaMaster_form.h"
#include "app/registers/symbol_form_us_master_form.h"
#include "core/ini.h"
#include "core/text.h"

namespace zlx::app {

namespace {

const char* const kWierszeKolorow[] = {"kolortlo", "kolorlinie", "kolorfontnapiszus",
                                       "kolorfontnapisPodatki"};
const char* const kNazwyWierszy[] = {"Tło", "Linie", "Napis Zus", "Napis Podatki"};
const char* const kSkladowe[] = {"_r", "_g", "_b"};

std::string* pole_rekordu(TUstPrzelew& u, const std::string& klucz) {
    for (const KluczUstPrzelew& k : klucze_ust_przelew())
        if (klucz == k.klucz) return &(u.*k.pole);
    return nullptr;
}

QGroupBox* para_marginesow(const QString& tytul, QLineEdit* gora, QLineEdit* lewy) {
    auto* g = new QGroupBox(tytul);
    auto* f = new QFormLayout(g);
    f->addRow(QStringLiteral("Góra"), gora);
    f->addRow(QStringLiteral("Lewy"), lewy);
    return g;
}

}  // namespace

TUstawieniaPrzelew_frm::TUstawieniaPrzelew_frm(const Services& services, QWidget* owner)
    : QDialog(owner), services_(services) {
    setWindowTitle(QStringLiteral("Ustawienia"));
    wybierz_czcionke = [](const QFont& f, QWidget* rodzic) -> std::optional<QFont> {
        bool ok = false;
        const QFont wynik = QFontDialog::getFont(&ok, f, rodzic);
        if (!ok) return std::nullopt;
        return wynik;
    };
    wybierz_kolor = [](const QColor& k, QWidget* rodzic) -> std::optional<QColor> {
        const QColor wynik = QColorDialog::getColor(k, rodzic);
        if (!wynik.isValid()) return std::nullopt;
        return wynik;
    };

    auto* strony = new QTabWidget;
    strony->addTab(strona_ogolne(), QStringLiteral("Ogólne"));
    strony->addTab(strona_bankowe(), QStringLiteral("Bankowe"));
    strony->addTab(strona_zus(), QStringLiteral("Zus"));
    strony->addTab(strona_podatkowe(), QStringLiteral("Podatkowe"));
    strony->addTab(strona_kolory(), QStringLiteral("Kolory"));

    auto* zapisz = new QPushButton(QStringLiteral("Zapisz [CTRL+ENTER]"));
    zapisz->setObjectName(QStringLiteral("zapisz_btn"));
    connect(zapisz, &QPushButton::clicked, this, &TUstawieniaPrzelew_frm::zapisz_btnClick);
    auto* wyjdz = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    wyjdz->setObjectName(QStringLiteral("wyjdz_btn"));
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(zapisz);
    przyciski->addWidget(wyjdz);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(strony);
    layout->addLayout(przyciski);
    no_default_buttons(*this);
    on_ctrl_enter(*this, [this] { zapisz_btnClick(); });
    FormShow();
}

QLineEdit* TUstawieniaPrzelew_frm::pole(const char* klucz, bool tylko_do_odczytu) {
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromUtf8(klucz));
    e->setReadOnly(tylko_do_odczytu);
    e->setMaximumWidth(tylko_do_odczytu ? 60 : 90);
    pola_[klucz] = e;
    return e;
}

QCheckBox* TUstawieniaPrzelew_frm::pole_wyboru(const char* klucz, const QString& tekst) {
    auto* c = new QCheckBox(tekst);
    c->setObjectName(QString::fromUtf8(klucz));
    wybory_[klucz] = c;
    return c;
}

QButtonGroup* TUstawieniaPrzelew_frm::grupa_radiowa(const char* klucz) {
    auto* g = new QButtonGroup(this);
    g->setObjectName(QString::fromUtf8(klucz));
    grupy_[klucz] = g;
    return g;
}

QWidget* TUstawieniaPrzelew_frm::strona_ogolne() {
    auto* strona = new QWidget;
    auto* l = new QVBoxLayout(strona);

    auto* kratki = new QGroupBox(QStringLiteral("Drukowanie w kratkach"));
    auto* lk = new QVBoxLayout(kratki);
    QButtonGroup* gk = grupa_radiowa("kratki");
    const QString wybory_kratek[] = {QStringLiteral("Nie drukuj w kratkach (zalecane)"),
                                     QStringLiteral("Drukuj w kratkach"),
                                     QStringLiteral("Drukuj w kratkach tylko nr konta")};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(wybory_kratek[i]);
        gk->addButton(r, i);
        lk->addWidget(r);
        r->setVisible(i < 2);  // the third choice is hidden; a stored "2" still checks it
    }
    l->addWidget(kratki);

    auto* czcionka = new QGroupBox(QStringLiteral("Rozmiar i rodzaj czcionki"));
    auto* lc = new QHBoxLayout(czcionka);
    lc->addWidget(pole("font_size", true));
    QLineEdit* nazwa = pole("font_name", true);
    nazwa->setMaximumWidth(220);
    lc->addWidget(nazwa);
    auto* wybierz = new QPushButton(QStringLiteral("..."));
    wybierz->setObjectName(QStringLiteral("czcionka_btn"));
    connect(wybierz, &QPushButton::clicked, this, &TUstawieniaPrzelew_frm::czcionka_btnClick);
    lc->addWidget(wybierz);
    lc->addStretch();
    l->addWidget(czcionka);

    l->addWidget(pole_wyboru("zamieniajwielkie", QStringLiteral("Zamieniaj na wielkie litery")));

    auto* adres = new QGroupBox(QStringLiteral("Pole nazwa cd po wybraniu z kartoteki:"));
    auto* la = new QVBoxLayout(adres);
    QButtonGroup* ga = grupa_radiowa("jaknazwacd");
    const QString wybory_adresu[] = {QStringLiteral("Adres + Kod poczt+ Miejscowość"),
                                     QStringLiteral("Kod poczt+ Miejscowość+Adres")};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(wybory_adresu[i]);
        ga->addButton(r, i);
        la->addWidget(r);
    }
    l->addWidget(adres);
    l->addWidget(pole_wyboru("pionowe_napisy", QStringLiteral("Drukuj pionowe napisy na przelewach")));

    // The currency and tax form symbol lists are kept here only.
    auto* slowniki = new QHBoxLayout;
    auto* waluty = new QPushButton(QStringLiteral("Waluty"));
    waluty->setObjectName(QStringLiteral("waluty_btn"));
    connect(waluty, &QPushButton::clicked, this, [this] {
        TfrmWalutaMaster lista(services_, this);
        services_.screens.show_modal(lista);
    });
    auto* symbole = new QPushButton(QStringLiteral("Symbol formularza (podatki)"));
    symbole->setObjectName(QStringLiteral("symbole_btn"));
    connect(symbole, &QPushButton::clicked, this, [this] {
        TfrmSymbolFormUsMaster lista(services_, this);
        services_.screens.show_modal(lista);
    });
    slowniki->addWidget(waluty);
    slowniki->addWidget(symbole);
    slowniki->addStretch();
    l->addLayout(slowniki);
    l->addStretch();
    return strona;
}

QWidget* TUstawieniaPrzelew_frm::strona_bankowe() {
    auto* strona = new QWidget;
    auto* l = new QGridLayout(strona);
    l->addWidget(para_marginesow(QStringLiteral("Marginesy bank. wydruk"), pole("bankowy_wydruk_top"),
                                 pole("bankowy_wydruk_left")),
                 0, 0);
    l->addWidget(para_marginesow(QStringLiteral("Marginesy bank. nadruk"), pole("bankowy_nadruk_top"),
                                 pole("bankowy_nadruk_left")),
                 0, 1);
    l->addWidget(para_marginesow(QStringLiteral("Marginesy poczt. wydruk"), pole("pocztowy_wydruk_top"),
                                 pole("pocztowy_wydruk_left")),
                 1, 0);
    l->addWidget(para_marginesow(QStringLiteral("Marginesy poczt. nadruk"), pole("pocztowy_nadruk_top"),
                                 pole("pocztowy_nadruk_left")),
                 1, 1);
    auto* odstep = new QGroupBox(QStringLiteral("Odstęp między formularzami nadruku"));
    auto* lo = new QFormLayout(odstep);
    lo->addRow(QStringLiteral("Zmniejszenie lub zwiększenie "), pole("bankowy_nadruk_odstep"));
    l->addWidget(odstep, 2, 0, 1, 2);
    auto* pocztowy = new QGroupBox(QStringLiteral("Ustawienia dla przelewu pocztowego"));
    auto* lp = new QFormLayout(pocztowy);
    lp->addRow(QStringLiteral("Maksymalna ilość znaków w wierszu potwierdzenia"), pole("pocztiloscznakow"));
    lp->addRow(QStringLiteral("Odstęp między formularzami nadruku"), pole("pocztowy_nadruk_odstep"));
    l->addWidget(pocztowy, 3, 0, 1, 2);
    l->setRowStretch(4, 1);
    return strona;
}

QWidget* TUstawieniaPrzelew_frm::strona_zus() {
    auto* strona = new QWidget;
    auto* l = new QGridLayout(strona);
    l->addWidget(
        para_marginesow(QStringLiteral("Marginesy wydruk"), pole("zus_wydruk_top"), pole("zus_wydruk_left")),
        0, 0);
    l->addWidget(
        para_marginesow(QStringLiteral("Marginesy nadruk"), pole("zus_nadruk_top"), pole("zus_nadruk_left")),
        0, 1);
    auto* odstep = new QFormLayout;
    odstep->addRow(QStringLiteral("Odstęp między formularzami nadruku"), pole("zus_nadruk_odstep"));
    l->addLayout(odstep, 1, 0, 1, 2);
    auto* parametry = new QGroupBox(QStringLiteral("Parametry"));
    auto* lp = new QVBoxLayout(parametry);
    lp->addWidget(pole_wyboru("zus_poddruk_mmrrrr", QStringLiteral("Drukuj poddruk MMRRRR")));
    lp->addWidget(pole_wyboru("zus_napis_zus", QStringLiteral("Drukuj napis ZUS")));
    lp->addWidget(
        pole_wyboru("przenos_uwagi_do_zus",
                    QStringLiteral("Przenoś uwagi firmy własnej (pole notatki) do uwag Formatki ZUS")));
    l->addWidget(parametry, 2, 0, 1, 2);
    l->setRowStretch(3, 1);
    return strona;
}

QWidget* TUstawieniaPrzelew_frm::strona_podatkowe() {
    auto* strona = new QWidget;
    auto* l = new QGridLayout(strona);
    l->addWidget(
        para_marginesow(QStringLiteral("Marginesy wydruk"), pole("us_wydruk_top"), pole("us_wydruk_left")), 0,
        0);
    l->addWidget(
        para_marginesow(QStringLiteral("Marginesy nadruk"), pole("us_nadruk_top"), pole("us_nadruk_left")), 0,
        1);
    auto* odstep = new QFormLayout;
    odstep->addRow(QStringLiteral("Odstęp między formularzami nadruku"), pole("us_nadruk_odstep"));
    l->addLayout(odstep, 1, 0, 1, 2);
    auto* parametry = new QGroupBox(QStringLiteral("Parametry"));
    auto* lp = new QVBoxLayout(parametry);
    lp->addWidget(pole_wyboru("us_napis_podatki", QStringLiteral("Drukuj napis PODATKI")));
    l->addWidget(parametry, 2, 0, 1, 2);
    l->setRowStretch(3, 1);
    return strona;
}

QWidget* TUstawieniaPrzelew_frm::strona_kolory() {
    auto* strona = new QWidget;
    auto* l = new QVBoxLayout(strona);
    const QString zestawy[] = {QStringLiteral("Kolor 1 (czerwony)"), QStringLiteral("Kolor 2 (szary)")};
    for (int z = 0; z < 2; ++z) {
        auto* grupa = new QGroupBox(zestawy[z]);
        auto* g = new QGridLayout(grupa);
        for (int w = 0; w < 4; ++w) {
            const std::string wiersz = std::string(kWierszeKolorow[w]) + std::to_string(z + 1);
            g->addWidget(new QLabel(QString::fromUtf8(kNazwyWierszy[w])), w, 0);
            auto* probka = new QFrame;
            probka->setObjectName(QString::fromStdString("probka_" + wiersz));
            probka->setFrameShape(QFrame::Box);
            probka->setFixedSize(40, 20);
            probka->setAutoFillBackground(true);
            probki_[wiersz] = probka;
            g->addWidget(probka, w, 1);
            auto* wybierz = new QPushButton(QStringLiteral("..."));
            wybierz->setObjectName(QString::fromStdString("kolor_btn_" + wiersz));
            connect(wybierz, &QPushButton::clicked, this, [this, wiersz] { ustaw_kolor(wiersz); });
            g->addWidget(wybierz, w, 2);
            const char* litery[] = {"R", "G", "B"};
            for (int s = 0; s < 3; ++s) {
                const std::string klucz = wiersz + kSkladowe[s];
                g->addWidget(new QLabel(QString::fromUtf8(litery[s])), w, 3 + 2 * s);
                auto* e = new QLineEdit;
                e->setObjectName(QString::fromStdString(klucz));
                e->setReadOnly(true);
                e->setMaximumWidth(45);
                pola_[klucz] = e;
                g->addWidget(e, w, 4 + 2 * s);
            }
        }
        l->addWidget(grupa);
    }
    l->addStretch();
    return strona;
}

void TUstawieniaPrzelew_frm::FormShow() {
    ust_ = wczytaj_ust_przelew();
    dsp_data(ust_);
    wyswietl_kolory();
}

void TUstawieniaPrzelew_frm::dsp_data(const TUstPrzelew& u) {
    TUstPrzelew kopia = u;
    for (auto& [klucz, e] : pola_)
        e->setText(QString::fromStdString(*pole_rekordu(kopia, klucz)));
    for (auto& [klucz, c] : wybory_)
        c->setChecked(*pole_rekordu(kopia, klucz) == "1");
    for (auto& [klucz, g] : grupy_) {
        const int wybor = to_int(*pole_rekordu(kopia, klucz), -1);
        g->setExclusive(false);
        for (QAbstractButton* b : g->buttons())
            b->setChecked(g->id(b) == wybor);
        g->setExclusive(true);
    }
}

void TUstawieniaPrzelew_frm::save_data(TUstPrzelew& u) const {
    for (const auto& [klucz, e] : pola_)
        *pole_rekordu(u, klucz) = e->text().toStdString();
    for (const auto& [klucz, c] : wybory_)
        *pole_rekordu(u, klucz) = c->isChecked() ? "1" : "0";
    for (const auto& [klucz, g] : grupy_)
        if (g->checkedId() >= 0) *pole_rekordu(u, klucz) = std::to_string(g->checkedId());
}

void TUstawieniaPrzelew_frm::wyswietl_kolory() {
    for (auto& [wiersz, probka] : probki_) {
        int rgb[3] = {0, 0, 0};
        bool blad = false;
        for (int s = 0; s < 3; ++s) {
            const std::string t = pola_[wiersz + kSkladowe[s]]->text().toStdString();
            if (to_int(t, 0) != to_int(t, 1)) {
                blad = true;
                continue;
            }
            rgb[s] = to_int(t, 0) & 255;
        }
        QPalette p = probka->palette();
        p.setColor(QPalette::Window, QColor(rgb[0], rgb[1], rgb[2]));
        probka->setPalette(p);
        if (blad) services_.dialogs.information(this, QStringLiteral("Nieprawidłowe numery kolorów"));
    }
}

void TUstawieniaPrzelew_frm::ustaw_kolor(const std::string& wiersz) {
    const QColor obecny = probki_[wiersz]->palette().color(QPalette::Window);
    const std::optional<QColor> k = wybierz_kolor(obecny, this);
    if (!k) return;
    pola_[wiersz + "_r"]->setText(QString::number(k->red()));
    pola_[wiersz + "_g"]->setText(QString::number(k->green()));
    pola_[wiersz + "_b"]->setText(QString::number(k->blue()));
    wyswietl_kolory();
}

void TUstawieniaPrzelew_frm::czcionka_btnClick() {
    // The chooser lists the families the system has: it opens on the one the stored name prints in
    // ("ARIAL" prints in its metric clone), and when that family comes back unchanged the stored name
    // stays, so printing does not change.
    const QString zapisana = pola_["font_name"]->text();
    Czcionka cz;
    cz.nazwa = zapisana.toStdString();
    cz.rozmiar = to_int(pola_["font_size"]->text().toStdString(), 13);
    QFont obecna = qfont(cz);
    const QString rodzina = QFontInfo(obecna).family();
    obecna.setFamily(rodzina);
    const std::optional<QFont> f = wybierz_czcionke(obecna, this);
    if (!f) return;
    if (f->family() != rodzina) pola_["font_name"]->setText(f->family());
    pola_["font_size"]->setText(QString::number(f->pointSize()));
}

void TUstawieniaPrzelew_frm::zapisz_btnClick() {
    save_data(ust_);
    try {
        zapisz_ust_przelew(ust_);
    } catch (const IniWriteError& e) {
        services_.dialogs.warning(this, windowTitle(), QString::fromUtf8(e.what()));
        return;
    }
    accept();
}

}  // namespace zlx::app
