#pragma once

// The Elixir-0 line writer: one transfer as the comma-separated record of the Polish interbank clearing
// format that home-banking programs import. Bank, tax and ZUS transfers share the layout and differ in
// the title field, which carries the tax or ZUS data in their coded forms.
//
// Both accounts must be valid account numbers: 26 digits (blanks and letters such as a country prefix
// are dropped) with correct check digits and a correct sort code. A bad account leaves its account and
// sort code fields empty, the line is still written, and a message is collected for each of the two
// fields.
//
// A tax transfer's title is the coded tax title in sub-lines broken between its tags
// (payments/tytul_podatkowy.h); bank and ZUS titles are cut into 35-character pieces.
//
// Texts from the transfer never break the record: control characters, the bar (which separates the
// pieces of a name or title), the double quote, the text delimiter and, where fields are not quoted, the
// separator become blanks before the fields are built.

#include <array>
#include <string>

#include "export/abstractExport.h"

namespace zlx {

// The intermediate record of one line: 36 texts, positions counted from 1.
struct TExpElixir0 {
    std::array<std::string, 36> pozycje;
    std::string& operator[](int pos) { return pozycje[static_cast<std::size_t>(pos - 1)]; }
    const std::string& operator[](int pos) const { return pozycje[static_cast<std::size_t>(pos - 1)]; }
};

class TElixirClass : public TAbsExport {
  public:
    using TAbsExport::TAbsExport;

    // The line-level conversion code of the set-up. Kept for the record only: the file-level encoding
    // of the profile is the one conversion, so no line is converted here.
    void set_kodowanie(int kodowanie) { kodowanie_ = kodowanie; }
    int kodowanie() const { return kodowanie_; }

    // Returns the line (without line end); empty for an unknown transfer kind.
    std::string generuj_linie();

    // The payer account field: the 26 digits of a valid my_konto, or empty with a message.
    virtual std::string konto_nadawcy(const TPrzelew& p);

    // Field operations on the transfer copy.
    std::string typ_komunikatu() const;
    std::string data_platnosci() const;  // yyyyMMdd
    std::string kwota_grosze() const;
    std::string konto_odbiorcy();
    std::string bank_nadawcy();
    std::string bank_odbiorcy();
    std::string nadawca_nazwa_adres() const;
    std::string odbiorca_nazwa_adres() const;
    std::string tytul() const;
    std::string klasyfikacja() const;

  protected:
    // Returns the date the transfer is paid on: the profile's date, or with date kind 1 the transfer's.
    TDateTime data_przelewu() const;
    // Cleans the transfer's texts of the characters given (and of control characters).
    void oczysc_teksty(const std::string& zakazane);
    // Clears the record and fills every position from the transfer.
    void wypelnij_rekord();

    TExpElixir0 rekord_;

  private:
    int kodowanie_ = 1;
};

}  // namespace zlx
