#pragma once

// The print settings of "ust_przelew.ini": where each kind of blank sits on the sheet, the spacing of
// overprinted blanks, the two colour sets, the data font and the print options. Every value is held
// as text and converted where it is used; the renderers read the keys again for every blank, so a
// saved change shows from the next page drawn.

#include <stdexcept>
#include <string>
#include <vector>

namespace zlx {

struct TUstPrzelew {
    std::string kratki;
    std::string bankowy_wydruk_top, bankowy_wydruk_left;
    std::string pocztowy_wydruk_top, pocztowy_wydruk_left;
    std::string bankowy_nadruk_odstep, pocztowy_nadruk_odstep, zus_nadruk_odstep, us_nadruk_odstep;
    std::string pocztowy_nadruk_top, pocztowy_nadruk_left;
    std::string zus_wydruk_top;
    std::string zus_poddruk_mmrrrr;
    std::string zus_wydruk_left;
    std::string us_wydruk_top, us_wydruk_left;
    std::string bankowy_nadruk_top, bankowy_nadruk_left;
    std::string zus_nadruk_top, zus_nadruk_left;
    std::string us_nadruk_top, us_nadruk_left;
    std::string font_name, font_size;
    std::string zamieniajwielkie;
    std::string pocztiloscznakow;
    std::string jaknazwacd;
    std::string kolortlo1_r, kolortlo1_g, kolortlo1_b;
    std::string kolorlinie1_r, kolorlinie1_g, kolorlinie1_b;
    std::string kolorfontnapiszus1_r, kolorfontnapiszus1_g, kolorfontnapiszus1_b;
    std::string kolorfontnapisPodatki1_r, kolorfontnapisPodatki1_g, kolorfontnapisPodatki1_b;
    std::string kolortlo2_r, kolortlo2_g, kolortlo2_b;
    std::string kolorlinie2_r, kolorlinie2_g, kolorlinie2_b;
    std::string kolorfontnapiszus2_r, kolorfontnapiszus2_g, kolorfontnapiszus2_b;
    std::string kolorfontnapisPodatki2_r, kolorfontnapisPodatki2_g, kolorfontnapisPodatki2_b;
    std::string zus_napis_zus, us_napis_podatki, pionowe_napisy;
    std::string przenos_uwagi_do_zus;

    bool operator==(const TUstPrzelew&) const = default;
};

// One key of the file: its section, the record field, the record's default and where the settings
// dialog sets it ("" for keys the dialog does not show).
struct KluczUstPrzelew {
    const char* sekcja;
    const char* klucz;
    std::string TUstPrzelew::*pole;
    const char* domyslna;
    const char* miejsce;
};

// Returns every key in the record's order.
const std::vector<KluczUstPrzelew>& klucze_ust_przelew();

// Returns the record with every key read from the file, the record default for a missing key.
TUstPrzelew wczytaj_ust_przelew();
// Writes every key of the record in one replacement of the file. Throws IniWriteError.
void zapisz_ust_przelew(const TUstPrzelew& u);

// A setting that a print needs is missing or does not hold the kind of value it must. what() is the
// Polish message for the user, naming the file, the section and key, the value found, the kind of
// value expected and how to mend it.
class BladUstawienia : public std::runtime_error {
  public:
    // A key of "ust_przelew.ini": the message says where the settings dialog sets it.
    BladUstawienia(const std::string& klucz, const std::string& wartosc, const std::string& oczekiwana);
    // A key of another settings file; `rada` says how to mend it.
    BladUstawienia(const std::string& plik, const std::string& sekcja, const std::string& klucz,
                   const std::string& wartosc, const std::string& oczekiwana, const std::string& rada);
    const std::string& klucz() const { return klucz_; }

  private:
    std::string klucz_;
};

// The kinds of value, as the messages name them.
inline constexpr const char* kOczekiwanaLiczba = "liczbę milimetrów, np. 4 albo 4,5";
inline constexpr const char* kOczekiwanaTakNie = "liczbę całkowitą: 1 (tak) albo 0 (nie)";

// Tells whether the text is a decimal number with a comma or a dot, and gives it.
bool czytaj_liczbe(const std::string& tekst, double& v);

// Reads a millimetre setting. Throws BladUstawienia.
double liczba_ustawienia(const std::string& klucz, const std::string& wartosc);
// Reads a whole-number setting that must lie from `od` to `do_`. Throws BladUstawienia saying
// `oczekiwana`.
int calkowita_ustawienia(const std::string& klucz, const std::string& wartosc, int od, int do_,
                         const std::string& oczekiwana);

// Returns the record's millimetre setting of that key as a number. Throws BladUstawienia.
double margines(const TUstPrzelew& u, const char* klucz);

// Reads one key of "ust_przelew.ini" with the drawing default.
std::string czytaj_ust(const char* sekcja, const char* klucz, const char* domyslna);

}  // namespace zlx
