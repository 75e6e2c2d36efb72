#pragma once

// The main window's first-steps note: shown on a database that holds no transfer yet, so a new user
// sees where to begin; it goes once the first transfer is stored.

#include <string>

namespace zlx {

class TGlAdoDs_mod;

inline constexpr const char* kPierwszeKroki =
    "Pierwsze kroki\n"
    "1. Wpisz dane swojej firmy: Kartoteki → Firmy własne.\n"
    "2. Dodaj kontrahentów, którym płacisz: Kartoteki → Kontrahenci (urzędy skarbowe też).\n"
    "3. Wystaw pierwszy przelew: Przelewy → Bankowy - wystaw (albo Zus, Podatkowy).";

// Tells whether the note belongs on screen: connected, and table kartoteka is empty. Unconnected (or
// when the table cannot be read) there is nothing to say about the data, so no note.
bool pokaz_pierwsze_kroki(TGlAdoDs_mod& ds);

}  // namespace zlx
