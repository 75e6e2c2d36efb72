#pragma once

// What the export profile screens decide without a widget: the remembered profile, the check of a
// profile card, the folder taken from the folder chooser.

#include <string>
#include <vector>

#include "export/profilexp.h"

namespace zlx {

// The query of the profile list.
inline constexpr const char* kSqlListaProfili = "SELECT * FROM tb_ProfilExp order by prof_id";

// ep.ini [frmListaProfiliExportu] domyslnyprofil: the name of the profile current when the list was
// last closed ("" when none).
std::string domyslny_profil();
// Throws IniWriteError when ep.ini cannot be written.
void zapisz_domyslny_profil(const std::string& nazwa);

// Returns the index of the first name equal to nazwa without regard to letter case, or -1 (also for a
// blank nazwa).
int znajdz_profil(const std::vector<std::string>& nazwy, const std::string& nazwa);

// Returns the reasons the card cannot be saved ("Nazwa profilu nie może być pusta"); empty when it can.
std::vector<std::string> kontrola_profilu(const TProfilExp& p);
// The title of the box that lists them.
inline constexpr const char* kTytulBledowProfilu = "Nie można zapisać - błędne dane :";

// Returns the folder chosen in the folder dialog, trimmed and ending with a separator ('/' appended
// when it ends with neither '/' nor '\'); a cancelled dialog ("") gives "".
std::string katalog_wyjsciowy(const std::string& wybrany);

}  // namespace zlx
