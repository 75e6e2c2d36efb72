#pragma once

// The geometry and colours of one blank (TParPrzel) and the placement of one printed field
// (TParNapisy). Lengths are millimetres on the sheet; a blank is placed by its top-left corner
// (`lewo`, `gora`). Every drawing step takes its own copy of TParPrzel.

#include <cstdint>
#include <string>

#include "printing/canvas.h"

namespace zlx {

struct TParPrzel {
    double gora = 0, lewo = 0;
    double znacznik_szer = 0, znacznik_wys = 0;
    double kratka_szer = 0;
    double wiersz_wys = 0;
    double wiersz_lewo = 0, wiersz_prawo = 0;
    double pole_gora = 0, pole_lewo = 0, pole_szer = 0, pole_wys = 0;
    double blankiet_szer = 0, blankiet_wys = 0;
    double stempel_gora = 0, stempel_lewo = 0, stempel_szer = 0, stempel_wys = 0;
    double kolo_gora = 0, kolo_lewo = 0;
    double data_gora = 0, data_lewo = 0;
    double podpis_gora = 0, podpis_lewo = 0, podpis_szer = 0, podpis_wys = 0;
    double oplata_gora = 0, oplata_lewo = 0, oplata_szer = 0, oplata_wys = 0;
    double kod_gora = 0, kod_szer = 0, kod_wys = 0, kod_lewo = 0;
    double przerwa_gora = 0, przerwa_lewo = 0, przerwa_prawo = 0, przerwa_wys = 0;
    double wiersz1 = 0, wiersz2 = 0, wiersz3 = 0, wiersz4 = 0, wiersz5 = 0, wiersz6 = 0, wiersz7 = 0,
           wiersz8 = 0, wiersz9 = 0;
    double odcinek_lewo = 0, odcinek_gora = 0;
    double pokwit_lewo = 0, pokwit_gora = 0, pokwit_szer = 0, pokwit_wys = 0;
    Kolor kolor_tla = 0, kolor_linii = 0, kolor_etykiet = 0;
    Kolor kolor_napisu_zus = 0, kolor_napisu_podatki = 0;
    std::string napis_odcinka;          // copy caption printed vertically at the right edge
    std::int32_t wariant_podpisu = 0;   // 1 = the label of the last blank, box crossed out
    std::int32_t zamieniajwielkie = 0;  // 1 = upper-case every data text
    std::int32_t kratki = 0;            // 0 plain, 1 one character per cell, 2 cells for accounts only
    std::int32_t nadruk = 0;            // 1 = data only, onto a pre-printed blank
    std::int32_t zus_napis_zus = 0, us_napis_podatki = 0;
    std::int32_t pionowe_napisy = 0;   // 1 = print the vertical copy caption
    std::string font_name, font_size;  // data font; the size in points, as text

    // Returns the top of row n (1 to 9).
    double wiersz(int n) const;
};

struct TParNapisy {
    double x = 0, y = 0;  // left and top of the field (the row's top for a data row)
    std::string font_nazwa;
    std::int32_t font_rozmiar = 0;
    std::int32_t pogrubiona = 0;
    Kolor kolor = kCzarny;
    std::int32_t tryb = 0;  // 0 plain, 1 one character per cell, other values print nothing
    std::int32_t max_kratek = 0;
    std::int32_t max_znakow = 0;
    // The field's right edge: plain text is reduced to end before it, no more cells are filled than
    // it holds. 0 leaves the text as it is.
    double prawo = 0;
    // 1 for an amount and its words, which never lose a character: in cells the leading asterisks go
    // first, then the value prints as plain text fitted to the field.
    std::int32_t bez_utraty = 0;
};

// Colour sets: 0 = "Kolor 1 (czerwony)", 1 = "Kolor 2 (szary)".
inline constexpr int kZestaw1 = 0;
inline constexpr int kZestaw2 = 1;

// Fills the bank geometry for a blank at (lewo, gora) and reads the options, the data font and the
// colour set from the settings. Leaves napis_odcinka, wariant_podpisu, kratki and nadruk as they
// were. Throws BladUstawienia when an option is not a whole number.
void ustaw_geometrie_bankowa(int zestaw, TParPrzel& p, double gora, double lewo);
// The same for the tax blank; also reads the colours of the large captions.
void ustaw_geometrie_us(int zestaw, TParPrzel& p, double gora, double lewo);
// Clears the whole record first, then as ustaw_geometrie_us; so kratki is 0 on a ZUS blank.
void ustaw_geometrie_zus(int zestaw, TParPrzel& p, double gora, double lewo);

}  // namespace zlx
