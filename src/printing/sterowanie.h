#pragma once

// What the print dialog decides without a widget: the list of layouts for the data handed in, the
// item remembered per print mode and the printer remembered in "stanformatek.ini", the page
// orientation of an item, and the run that draws the pages.
//
// The single-transfer modes keep a copy of the transfer; the list modes keep the caller's list by
// reference for the duration of the run and do not free it.

#include <optional>
#include <string>
#include <vector>

#include "printing/canvas.h"
#include "printing/raporty_zbiorcze.h"
#include "printing/recording_canvas.h"
#include "printing/ust_przelew.h"
#include "transfers/przelew.h"

namespace zlx {

// Print modes (`tryb_wydruku`): 1 one bank transfer, 2 one ZUS, 3 one tax transfer, 4 the collective
// order, 5 the statement, 6 to 8 the lists.
enum class TrybWydruku {
    brak = 0,
    bankowy = 1,
    zus = 2,
    us = 3,
    zbiorowka = 4,
    zestawienie = 5,
    lista_bankowa = 6,
    lista_zus = 7,
    lista_us = 8
};

class SterowanieWydrukiem {
  public:
    // Loads the settings record once, as the dialog does when it is created.
    SterowanieWydrukiem();

    void set_przelew(const TPrzelew& t);
    void set_przelew_zus(const TPrzelew& t);
    void set_przelew_us(const TPrzelew& t);
    void set_przelew_lista(const std::vector<TPrzelew>& lista);
    void set_przelew_zus_lista(const std::vector<TPrzelew>& lista);
    void set_przelew_us_lista(const std::vector<TPrzelew>& lista);

    // The collective order and the statement keep copies of their rows and parameters.
    void set_zbiorowka(const std::vector<WierszZbiorowki>& wiersze, const TParZbiorowka& par);
    void set_zest_przel(const std::vector<WierszZestawienia>& wiersze, const TParZbiorowka& par);

    TrybWydruku tryb() const { return tryb_; }
    // Tells whether the mode prints a banded report (modes 4 and 5) rather than transfer blanks.
    bool pasmowy() const;
    // Builds the banded report of the item for the printer's margins, on a freshly read base file and
    // its page, or on `strona` when given (the printer's paper): throws BladRaportu when the file lacks
    // the page or the region.
    RaportPasmowy raport(int pozycja, const Marginesy& m, std::optional<RozmiarStrony> strona = {}) const;

    // "Przelew" for every transfer mode, "Zbiorówka" and "Zestawienie" for the reports.
    std::string podpis() const;
    // The texts of the dialog's list "Raporty".
    std::vector<std::string> pozycje() const;
    // Landscape for the four-copy bank layout, portrait otherwise.
    Orientacja orientacja(int pozycja) const;

    // The item chosen last in this mode ("0" when none) and the printer used last ("" when none).
    int zapamietana_pozycja() const;
    void zapamietaj_pozycje(int pozycja) const;
    static std::string zapamietana_drukarka();
    static void zapamietaj_drukarke(const std::string& nazwa);

    // Runs the item onto the canvas: orientation, then one page per transfer, a new page between
    // transfers (a banded report with half-inch margins and approximate text widths). The first page is tried
    // beforehand, so a setting that cannot be read throws BladUstawienia before anything reaches the canvas.
    // A full print is fitted to the canvas's sheet (dopasuj_do_arkusza); an overprint is not.
    void steruj_drukowanie(Canvas& c, int pozycja) const;
    // Tells whether the item draws whole blanks on plain paper rather than data onto a form.
    bool pelny_wydruk(int pozycja) const;
    // Draws the first page onto a recording canvas; throws BladUstawienia as the real run would.
    void sprawdz(int pozycja) const;
    // Draws the pages without the trial (the report writer's print event).
    void drukuj_strony(Canvas& c, int pozycja) const;
    // The transfers handed over, in print order.
    const std::vector<TPrzelew>& przelewy() const;

  private:
    void drukuj_jeden(Canvas& c, int pozycja, const TPrzelew& t) const;
    // Draws the first page onto a recording canvas (nothing for a banded report).
    RecordingCanvas proba(int pozycja) const;

    TrybWydruku tryb_ = TrybWydruku::brak;
    TUstPrzelew ust_;
    std::vector<TPrzelew> jeden_;
    const std::vector<TPrzelew>* lista_ = nullptr;
    std::vector<WierszZbiorowki> wiersze_zbiorowki_;
    std::vector<WierszZestawienia> wiersze_zestawienia_;
    TParZbiorowka par_;
};

// The ticked transfers of the list split by kind for "Drukuj zbiorczo"; other kinds are skipped.
struct PrzelewyZbiorczo {
    std::vector<TPrzelew> bankowe, zus, us;
};
PrzelewyZbiorczo rozdziel_przelewy(const std::vector<TPrzelew>& przelewy);
// The memo lines: one per non-empty kind, bank, ZUS, tax.
std::vector<std::string> opis_przelewow(const PrzelewyZbiorczo& z);
// Sets both print flags of every transfer from the dialog's check boxes.
void ustaw_flagi_druku(std::vector<TPrzelew>& lista, bool kwoty, bool daty);

}  // namespace zlx
