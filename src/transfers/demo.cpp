#include "transfers/demo.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

#include <fmt/format.h>

#include "payments/mikrorachunek.h"
#include "payments/rachunek.h"
#include "registers/firma_my_store.h"
#include "registers/kanal_tree.h"
#include "registers/kontrah_store.h"
#include "registers/slowniki.h"
#include "transfers/przelew_store.h"

namespace zlx {

namespace {

struct Strona {
    const char* skrot;
    const char* nazwa;
    const char* ulica;
    const char* kod;
    const char* miasto;
    const char* nip;
    const char* regon;
    const char* bank;
    const char* nr_banku;
    const char* klient;
};

constexpr std::array<Strona, 2> kFirmy{{
    {"Bilans", "Biuro Rachunkowe \"Bilans\" Sp. z o.o.", "ul. Piotrkowska 112/4", "90-006", "Łódź",
     "7251844319", "471234569", "Bank Polski Spółdzielczy", "10201026", "0000150201234567"},
    {"Pod Kłosem", "Piekarnia Pod Kłosem s.c. J. Nowak, A. Wiśniewska", "ul. Kościuszki 7", "30-105",
     "Kraków", "6762233444", "351122330", "Bank Małopolski S.A.", "11402004", "0000350207654321"},
}};

// The second company pays from its second account by default.
constexpr const char* kDrugieKontoFirmy = "0000350209990001";

constexpr std::array<Strona, 8> kDostawcy{{
    {"Ziarenko", "Hurtownia Spożywcza Ziarenko Sp. j.", "ul. Zbożowa 12", "91-202", "Łódź", "7262001122",
     "472200118", "Bank Handlowy S.A.", "10301508", "0000000812345001"},
    {"O'Brien", "O'Brien Consulting Sp. z o.o.", "al. Jerozolimskie 65/79", "00-697", "Warszawa",
     "5252334453", "141122337", "Bank Wielkopolski S.A.", "10901014", "0000000112233445"},
    {"Młyn Jaśkowiak", "Młyn Zbożowy Jaśkowiak i Syn", "Stare Żarnowo 3", "62-030", "Luboń", "7772003344",
     "630011220", "Bank Spółdzielczy w Luboniu", "90430002", "2001000012340001"},
    {"Energia Wschód", "Zakład Energetyczny Wschód S.A.", "ul. Elektryczna 1", "20-340", "Lublin",
     "9462114458", "431100222", "Bank Lubelski S.A.", "12401037", "1111000022223333"},
    {"Wodociągi", "Wodociągi Miejskie Sp. z o.o.", "ul. Wodna 5/7", "30-820", "Kraków", "6751002037",
     "350004455", "Bank Małopolski S.A.", "11402004", "0000320200054321"},
    {"Drukarnia Ćma", "Drukarnia Ćma [Offset] Piotr Ćmielewski", "ul. Papiernicza 21", "93-121", "Łódź",
     "7281445564", "472899006", "Bank Polski Spółdzielczy", "10201026", "0000190203344556"},
    {"Trans-Żół", "Transport Łukasz Żółtowski", "ul. Spedycyjna 9", "95-100", "Zgierz", "7321556673",
     "100223346", "Bank Wielkopolski S.A.", "10901014", "0000000145678901"},
    {"Kancelaria Górska", "Kancelaria Radcy Prawnego Anna Górska", "ul. Sądowa 2 lok. 8", "90-057", "Łódź",
     "7252998875", "101554430", "Bank Handlowy S.A.", "10301508", "0000000899887766"},
}};

constexpr std::array<Strona, 4> kUrzedy{{
    {"US Łódź-Śródmieście", "Urząd Skarbowy Łódź-Śródmieście", "ul. Żeromskiego 1", "90-720", "Łódź", "", "",
     "Bank Centralny O/O Łódź", "10101371", "0013332222000000"},
    {"US Łódź-Bałuty", "Urząd Skarbowy Łódź-Bałuty", "ul. Zachodnia 47", "91-066", "Łódź", "", "",
     "Bank Centralny O/O Łódź", "10101371", "0015442222000000"},
    {"I US Kraków", "Pierwszy Urząd Skarbowy w Krakowie", "ul. Wrocławska 20", "30-901", "Kraków", "", "",
     "Bank Centralny O/O Kraków", "10101270", "0008152222000000"},
    {"US Kraków-Podgórze", "Urząd Skarbowy Kraków-Podgórze", "ul. Wielicka 44", "30-552", "Kraków", "", "",
     "Bank Centralny O/O Kraków", "10101270", "0009662222000000"},
}};

// The PESELs of the people behind a partnership and two sole traders.
constexpr std::array<std::pair<const char*, const char*>, 3> kPesele{{
    {"Pod Kłosem", "75061412341"},
    {"Drukarnia Ćma", "82112305677"},
    {"Kancelaria Górska", "68031208127"},
}};

struct Tytul {
    const char* tytulem;
    const char* tytulemcd;
};

constexpr std::array<Tytul, 5> kTytuly{{
    {"Zapłata za fakturę", "zgodnie z umową"},
    {"Czynsz najmu lokalu", "za bieżący miesiąc"},
    {"Wynagrodzenie za usługi księgowe", ""},
    {"Zwrot zaliczki", "delegacja służbowa"},
    {"Opłata za energię elektryczną", "okres rozliczeniowy"},
}};

TPrzKth strona(const Strona& s) {
    TPrzKth k;
    k.skrot = s.skrot;
    k.nazwa = s.nazwa;
    k.Kraj = "Polska";
    k.ulica = s.ulica;
    k.kod = s.kod;
    k.Miejscowosc = s.miasto;
    k.nip = s.nip;
    k.Regon = s.regon;
    k.W_banku1 = s.bank;
    k.nr_banku = s.nr_banku;
    for (const auto& [skrot, pesel] : kPesele)
        if (k.skrot == skrot) k.pesel = pesel;
    k.Rachunek1 = nrb_z_cyframi_kontrolnymi(std::string(s.nr_banku) + s.klient);
    k.lk = k.Rachunek1.substr(0, 2);
    return k;
}

template <class Save>
void zapisz(Save&& save, TPrzKth& k, const char* co) {
    if (!save(k)) throw std::runtime_error(fmt::format("nie można zapisać: {} {}", co, k.nazwa));
}

std::int32_t grupa(TGlAdoDs_mod& ds, const std::string& nazwa) {
    std::vector<TKanalTree> wezly;
    get_kanal_tree_list(ds, wezly, "tb_kanaltree");
    for (const TKanalTree& w : wezly)
        if (w.kanal_parent == kGrupaGlowna && w.kanal_nazwa == nazwa) return w.kanal_id;
    TKanalTree w{0, nazwa, kKanalTypGrupy, kGrupaGlowna, 0};
    if (!save_kanal_tree(ds, w, "tb_kanaltree")) throw std::runtime_error("nie można zapisać grupy " + nazwa);
    return w.kanal_id;
}

void platnik(TPrzelew& p, const TPrzKth& f) {
    p.id_my = f.ID1;
    p.my_nazwa = f.nazwa;
    p.my_skrot = f.skrot;
    p.my_adres_ulica = f.ulica;
    p.my_adres_kodp = f.kod;
    p.my_adres_miejscowosc = f.Miejscowosc;
    p.my_adres = sklej_adres_kth(f);
    p.my_konto = konto_kth(f).rachunek;
}

void odbiorca(TPrzelew& p, const TPrzKth& k) {
    p.id_kontrah = k.ID1;
    p.dost_nazwa = k.nazwa;
    p.dost_skrot = k.skrot;
    p.dost_adres_ulica = k.ulica;
    p.dost_adres_kodp = k.kod;
    p.dost_adres_miejscowosc = k.Miejscowosc;
    p.dost_adres = sklej_adres_kth(k);
    p.dost_konto = konto_kth(k).rachunek;
}

std::string dwie_cyfry(int n) {
    return fmt::format("{:02d}", n);
}

}  // namespace

DemoWynik wypelnij_demo(TGlAdoDs_mod& ds, TDateTime dzis) {
    DemoWynik wynik;
    dzis = dzis.date_only();

    std::vector<TPrzKth> firmy;
    for (const Strona& s : kFirmy) {
        TPrzKth f = strona(s);
        f.email = "biuro@" + std::string(s.nip) + ".example.pl";
        if (firmy.size() == 1) {
            f.W_banku2 = "Bank Krakowski S.A.";
            f.nr_banku2 = "10500099";
            f.Rachunek2 = nrb_z_cyframi_kontrolnymi(f.nr_banku2 + kDrugieKontoFirmy);
            f.lk2 = f.Rachunek2.substr(0, 2);
            f.domyslnekonto = 1;
        }
        zapisz([&](TPrzKth& k) { return save_firma_my(ds, k); }, f, "firma");
        firmy.push_back(f);
    }
    if (!set_domyslna_firma(ds, firmy[0].ID1)) throw std::runtime_error("nie można ustawić domyślnej firmy");
    firmy[0].domyslnafirma = 1;
    wynik.firmy = static_cast<int>(firmy.size());

    const std::int32_t dostawcy = grupa(ds, "Dostawcy");
    const std::int32_t urzedy = grupa(ds, "Urzędy");
    std::vector<TPrzKth> kontrahenci;
    for (std::size_t i = 0; i < kDostawcy.size(); ++i) {
        TPrzKth k = strona(kDostawcy[i]);
        k.grupa = dostawcy;
        k.aktywny = 1;
        k.PlatnikVAT = 1;
        zapisz([&](TPrzKth& r) { return save_kontrah(ds, r); }, k, "kontrahent");
        if (i % 3 == 0) {
            k.znacznik = static_cast<std::int32_t>(i / 3 + 1);
            set_kontrah_znacznik(ds, k.ID1, k.znacznik);
        }
        kontrahenci.push_back(k);
    }
    std::vector<TPrzKth> urzedy_skarbowe;
    for (const Strona& s : kUrzedy) {
        TPrzKth k = strona(s);
        k.grupa = urzedy;
        k.aktywny = 1;
        k.klienturzad = 1;
        zapisz([&](TPrzKth& r) { return save_kontrah(ds, r); }, k, "urząd");
        urzedy_skarbowe.push_back(k);
    }
    set_kontrah_znacznik(ds, urzedy_skarbowe[0].ID1, 5);
    wynik.kontrahenci = static_cast<int>(kontrahenci.size() + urzedy_skarbowe.size());

    for (const Tytul& t : kTytuly) {
        TSlowTyt s{0, t.tytulem, t.tytulemcd, "", ""};
        if (!save_slowtyt(ds, s))
            throw std::runtime_error(std::string("nie można zapisać tytułu ") + t.tytulem);
        ++wynik.tytuly;
    }

    std::vector<TWaluta> waluty;
    get_waluty_list(ds, waluty);
    const int poz_waluty = pozycja_domyslnej_waluty(waluty);
    const std::string waluta = poz_waluty < 0 ? "PLN" : waluty[static_cast<std::size_t>(poz_waluty)].symbol;
    std::vector<TKontaZus> konta_zus;
    get_konta_zus_list(ds, konta_zus);

    constexpr std::array<std::int64_t, 30> kGrosze{
        123450, 89999,  4500000, 15037, 250000, 99,     734512, 1200000, 56789, 300000,
        45060,  888888, 20000,   71234, 390000, 162500, 9900,   505050,  27300, 640000,
        118000, 33333,  215075,  47000, 100000, 60210,  812345, 19999,   250,   1500000};
    // The tax orders, newest first: income taxes and VAT to the payer's micro-account, the tax on civil
    // law transactions to the tax office's account, and the two oldest as older orders were made, every
    // tax to the tax office's account.
    constexpr std::array<const char*, 6> kSymbole{"VAT-7", "PIT-4R", "PCC-3", "VAT-7K", "CIT-8", "PIT-4R"};
    constexpr std::size_t kPierwszyStarszy = 4;
    for (int i = 0; i < 30; ++i) {
        const TDateTime data = dzis.add_days(-2 * i);
        const TPrzKth& firma = firmy[static_cast<std::size_t>(i % 4 == 3 ? 1 : 0)];
        TPrzelew p = nowy_przelew();
        p.data = data;
        p.data1 = data;
        p.waluta = waluta;
        p.kwota_money = Currency::from_grosze(kGrosze[static_cast<std::size_t>(i)]);
        p.p_w = i % 4 == 1 ? 1 : 0;
        p.bufor = i % 7 == 6 ? 1 : 0;
        p.znacznik = i % 6 == 0 ? 1 + i / 6 : 0;
        p.cykliczne = (i == 1 || i == 9 || i == 12) ? 1 : 0;
        platnik(p, firma);
        const CivilDate poprzedni = data.add_months(-1).civil();
        if (i % 5 == 2) {
            const std::size_t nr = static_cast<std::size_t>(i / 5);
            p.rodzaj_przelewu = kPrzelewPodatkowy;
            odbiorca(p, urzedy_skarbowe[nr % urzedy_skarbowe.size()]);
            p.us_typiduzup = "N";
            p.us_iduzup = firma.nip;
            p.us_rokokresu = dwie_cyfry(poprzedni.year % 100);
            p.us_symbolformularza = kSymbole[nr % kSymbole.size()];
            const bool kwartalnie = p.us_symbolformularza == "VAT-7K";
            p.us_typokresu = kwartalnie ? "K" : "M";
            p.us_nrokresu = dwie_cyfry(kwartalnie ? (poprzedni.month + 2) / 3 : poprzedni.month);
            if (nr < kPierwszyStarszy && symbol_na_mikrorachunek(p.us_symbolformularza))
                p.dost_konto = mikrorachunek('N', firma.nip);
        } else if (i % 5 == 4) {
            p.rodzaj_przelewu = kPrzelewZus;
            p.dost_nazwa = "Zakład Ubezpieczeń Społecznych";
            if (!konta_zus.empty()) {
                const TKontaZus& konto =
                    konta_zus[static_cast<std::size_t>(i / 5) % std::min<std::size_t>(3, konta_zus.size())];
                p.zus_cel = konto.nr_id;
                p.dost_konto = konto.konto_zus;
                p.tytulem = konto.opis_konta;
            }
            const CivilDate deklaracja = data.add_days(-32).civil();
            p.zus_nipplatnik = firma.nip;
            p.zus_iduzup = "R";
            p.zus_numeriduzup = firma.Regon;
            p.zus_typwplaty = "S";
            p.zus_deklaracja1 = std::to_string(deklaracja.year);
            p.zus_deklaracja2 = dwie_cyfry(deklaracja.month);
            p.zus_nrdeklaracji = "01";
        } else {
            p.rodzaj_przelewu = kPrzelewBankowy;
            odbiorca(p, kontrahenci[static_cast<std::size_t>(i) % kontrahenci.size()]);
            const Tytul& t = kTytuly[static_cast<std::size_t>(i) % kTytuly.size()];
            p.tytulem =
                i % 5 == 0 ? fmt::format("{} FV/{}/{:03d}", t.tytulem, data.year(), 100 + i) : t.tytulem;
            p.tytulemcd = t.tytulemcd;
        }
        wylicz_pola_druku(p);
        if (!save_przelew(ds, p))
            throw std::runtime_error(fmt::format("nie można zapisać przelewu z dnia {}", data.to_text()));
        ++wynik.przelewy;
    }
    return wynik;
}

}  // namespace zlx
