#pragma once

// The base of the line writers: one object per transfer, set up for the run's profile, asked for one
// line of the bank import file and then destroyed. The object holds its own copies of the transfer and
// the profile, and collects a message for every problem it meets while writing.

#include <string>
#include <vector>

#include "export/profilexp.h"
#include "transfers/przelew.h"

namespace zlx {

class TAbsExport {
  public:
    explicit TAbsExport(const TPrzelew& przelew) : przelew_(przelew) {}
    virtual ~TAbsExport() = default;
    TAbsExport(const TAbsExport&) = delete;
    TAbsExport& operator=(const TAbsExport&) = delete;

    // Takes a copy of the run's profile, with the run's date kind and date.
    void set_profil(const TProfilExp& profil) { profil_ = profil; }
    // The character between fields.
    void set_separator(char separator) { separator_ = separator; }
    // The text written before and after a quoted field; may be empty.
    void set_ogranicznik(const std::string& ogranicznik) { ogranicznik_ = ogranicznik; }

    // The messages collected while writing, joined by a line feed.
    const std::string& blad() const { return blad_; }
    // The distinct reasons of those messages (" BŁĘDNE KONTO ODBIORCY" …), in the order met.
    const std::vector<std::string>& powody_bledow() const { return powody_; }

  protected:
    // Adds "Przelew dla: <payee> na kwotę: <amount>" followed by the reason to the messages.
    void dodaj_blad(const std::string& powod);

    TProfilExp profil_;
    char separator_ = ',';
    std::string ogranicznik_;
    std::string blad_;
    TPrzelew przelew_;

  private:
    std::vector<std::string> powody_;
};

}  // namespace zlx
