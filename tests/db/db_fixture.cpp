#include "tests/db/db_fixture.h"

#include "core/settings.h"

namespace zlx::test {

EmptyDatabase::EmptyDatabase() : path(file("baza uzytkownika.sqlite")) {
    write_text(path, "");
    zapisz_sciezka_bazy(path);
}

}  // namespace zlx::test
