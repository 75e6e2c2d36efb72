#include "payments/nrs.h"

#include "payments/identyfikatory.h"
#include "payments/rachunek.h"

namespace zlx {

namespace {

constexpr std::string_view kPrzedrostek = "60000002026";

}  // namespace

Sprawdzenie sprawdz_nrs(std::string_view tekst, std::string_view nip_platnika) {
    Sprawdzenie s = sprawdz_rachunek(tekst);
    if (!s.poprawny) return s;
    s.poprawny = false;
    const std::string nip = s.numer.substr(16);
    if (s.numer.substr(2, kPrzedrostek.size()) != kPrzedrostek) {
        s.opis = "cyfry 3–13 to nie „60000002026” rachunku składkowego ZUS";
        return s;
    }
    if (!nip_platnika.empty()) {
        const Sprawdzenie platnik = sprawdz_nip(nip_platnika);
        if (!platnik.poprawny) {
            s.opis = "NIP płatnika " + platnik.numer + " jest błędny: " + platnik.opis;
            return s;
        }
        if (nip != platnik.numer) {
            s.opis = "ostatnie 10 cyfr (" + nip + ") to nie NIP płatnika " + platnik.numer;
            return s;
        }
    } else if (!sprawdz_nip(nip).poprawny) {
        s.opis = "ostatnie 10 cyfr (" + nip + ") nie są poprawnym NIP-em";
        return s;
    }
    s.poprawny = true;
    s.opis = "NIP płatnika " + nip + ", zakres " + s.numer.substr(13, 3);
    return s;
}

std::string propozycja_nrs(std::string_view nip) {
    const Sprawdzenie n = sprawdz_nip(nip);
    return n.poprawny ? nrb_z_cyframi_kontrolnymi(std::string(kPrzedrostek) + "001" + n.numer)
                      : std::string();
}

}  // namespace zlx
