#pragma once

// What the print dialog decides without a widget: the list of layouts for the data handed in, the
// item remembered per print mode and the printer remembered in "stanformatek.ini", the page
// orientation of an item, and the run that draws the pages.
//
// The single-transfer modes keep a copy of the transfer; the list modes keep the caller's list by
// reference for the duration of the run and do not free it.

#include <string>
#include <vector>

#include "printing/canvas.h"
#include "printing/ust_przelew.h"
#include "transfers/przelew.h"

namespace zlx {

// Print modes (`tryb_wydruku`): 1 one bank transfer, 2 one ZUS, 3 one tax transfer, 6 to 8 the lists.
enum class TrybWydruku {
    brak = 0,
    bankowy = 1,
    zus = 2,
    us = 3,
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

    TrybWydruku tryb() const { return tryb_; }
    // "Przelew" for every transfer mode.
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
    // transfers. The first page is tried beforehand, so a setting that cannot be read throws
    // BladUstawienia before anything reaches the canvas.
    void steruj_drukowanie(Canvas& c, int pozycja) const;
    // Draws the first page onto a recording canvas; throws BladUstawienia as the real run would.
    void sprawdz(int pozycja) const;
    // Draws the pages without the trial (the report writer's print event).
    void drukuj_strony(Canvas& c, int pozycja) const;

  private:
    void drukuj_jeden(Canvas& c, int pozycja, const TPrzelew& t) const;
    const std::vector<TPrzelew>& przelewy() const;

    TrybWydruku tryb_ = TrybWydruku::brak;
    TUstPrzelew ust_;
    std::vector<TPrzelew> jeden_;
    const std::vector<TPrzelew>* lista_ = nullptr;
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
