#include "export/lista_profili.h"

#include "core/ini.h"
#include "core/settings.h"
#include "core/text.h"

namespace zlx {

namespace {
constexpr const char* kSekcja = "frmListaProfiliExportu";
constexpr const char* kKlucz = "domyslnyprofil";
}  // namespace

std::string domyslny_profil() {
    return czytaj_ini(kEpIni, kSekcja, kKlucz, "");
}

void zapisz_domyslny_profil(const std::string& nazwa) {
    zapisz_ini(kEpIni, kSekcja, kKlucz, nazwa);
}

int znajdz_profil(const std::vector<std::string>& nazwy, const std::string& nazwa) {
    if (trim(nazwa).empty()) return -1;
    for (std::size_t i = 0; i < nazwy.size(); ++i)
        if (equals_ci(nazwy[i], nazwa)) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> kontrola_profilu(const TProfilExp& p) {
    std::vector<std::string> bledy;
    if (trim(p.prof_nazwa).empty()) bledy.push_back("Nazwa profilu nie może być pusta");
    return bledy;
}

std::string katalog_wyjsciowy(const std::string& wybrany) {
    std::string k = trim(wybrany);
    if (k.empty()) return k;
    if (k.back() != '/' && k.back() != '\\') k += '/';
    return k;
}

}  // namespace zlx
