#include "db/upgrade.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/ini.h"
#include "core/settings.h"
#include "db/jet_sql.h"
#include "db/schema.h"
#include "db/sql_format.h"
#include "db/symbole_us.h"

namespace zlx {

namespace {

void zapisz_wersje(TGlAdoDs_mod& ds, int n) {
    ds.exec_sql("UPDATE  tb_verdb set  ver_nbint=" + sql_int(n) + " where ver_id=1");
}

// The zero-length permission of Jet text columns: SQLite text columns take '' anyway, so what is left
// of the step is that each named column exists; a missing one ends the run as the catalog would.
void pozwol_pusty_tekst(TGlAdoDs_mod& ds, const std::string& table,
                        std::initializer_list<const char*> columns) {
    const TableSchema* t = ds.connection().table_schema(table);
    if (!t) throw SqlError("Nie można odnaleźć tabeli '" + table + "'");
    for (const char* c : columns)
        if (!t->find(c))
            throw SqlError("Nie można odnaleźć pola '" + std::string(c) + "' w tabeli '" + table + "'");
}

// The catalog's primary key; throws when the table has one already or the column holds duplicates.
void dodaj_klucz(TGlAdoDs_mod& ds, const std::string& table, const std::string& column) {
    ds.connection().execute("ALTER TABLE [" + table + "] ADD CONSTRAINT PrimaryKey PRIMARY KEY ([" + column +
                            "])");
}

// What one run of the upgrade keeps between its steps.
struct Przebieg {
    bool odmowa_pokazana = false;  // a refused settings write has been shown
};

// The settings writes of steps 3 and 5 need only the settings file: when it refuses, the user is told
// (once a run, both steps write the same file) and the steps that need the database go on.
void zapisz_ustawienia(TGlAdoDs_mod& ds, Przebieg& run, const std::function<void()>& writes) {
    try {
        writes();
    } catch (const IniWriteError& e) {
        if (!run.odmowa_pokazana) ds.messages().message(e.what());
        run.odmowa_pokazana = true;
    }
}

void step(TGlAdoDs_mod& ds, int n, Przebieg& run) {
    auto sql = [&](const std::string& s) { ds.exec_sql(s); };
    switch (n) {
        case 1:
            sql("CREATE TABLE tb_verdb  ( ver_id    integer  primary key,  ver_nbint    integer  )");
            sql("INSERT INTO tb_verdb(ver_id,ver_nbint) VALUES (" + sql_int(1) + "," + sql_int(1) + ")");
            break;
        case 2:
            break;
        case 3:
            // The database being upgraded, which need not be the default one: writing the default
            // here would send the next start to another, empty database.
            zapisz_ustawienia(ds, run, [&] { zapisz_sciezka_bazy(ds.connection().sciezka()); });
            break;
        case 4:
            sql("ALTER TABLE my  ALTER COLUMN [mnazwa] text(155)");
            break;
        case 5:
            zapisz_ustawienia(ds, run, zapisz_ustawienia_kroku5);
            break;
        case 6:
            sql("ALTER TABLE kartoteka  ADD COLUMN [dost_adres_ulica] text(100)");
            sql("ALTER TABLE kartoteka  ADD COLUMN [dost_adres_kodp] text(6)");
            sql("ALTER TABLE kartoteka  ADD COLUMN [dost_adres_miejscowosc] text(100)");
            sql("ALTER TABLE kartoteka  ADD COLUMN [my_adres_ulica] text(100)");
            sql("ALTER TABLE kartoteka  ADD COLUMN [my_adres_kodp] text(6)");
            sql("ALTER TABLE kartoteka  ADD COLUMN [my_adres_miejscowosc] text(100)");
            sql("ALTER TABLE kartoteka  ADD COLUMN rozliczony integer1");
            sql("ALTER TABLE kartoteka  ADD COLUMN [kwota_rozliczenia] money ");
            break;
        case 7:
            sql("CREATE TABLE [tb_profilexp] ([prof_id]    integer not null primary key, [prof_nazwa] "
                "text(150), "
                "[prof_opis] text(250), [prof_katalog_out]    text(150), [prof_katalog_arch]    "
                "text(150),[prof_rodzaj_nazwy_pliku]    integer  null,[prof_nazwa_stala]    text(150), "
                "[prof_nazwa_stala_rozsz]    text(150),[prof_nazwa_gen]    text(150), [prof_nazwa_gen_rozsz] "
                "   "
                "text(150), [prof_rodzaj_formatu]    integer  null,[prof_jaki_bank]    integer  "
                "null,[prof_rodzaj_kodowania]    integer  null, [prof_rodzaj_daty]    integer null, "
                "[prof_data_do_wczytania]    date, [prof_domyslny]    integer  null   )");
            pozwol_pusty_tekst(
                ds, "tb_profilexp",
                {"prof_id", "prof_katalog_out", "prof_nazwa", "prof_katalog_out", "prof_katalog_arch",
                 "prof_rodzaj_nazwy_pliku", "prof_nazwa_stala", "prof_nazwa_stala_rozsz", "prof_nazwa_gen",
                 "prof_nazwa_gen_rozsz", "prof_rodzaj_formatu", "prof_jaki_bank", "prof_rodzaj_kodowania",
                 "prof_rodzaj_daty", "prof_data_do_wczytania", "prof_jaki_bank", "prof_domyslny"});
            break;
        case 8:
            sql("ALTER TABLE [tb_profilexp]  ADD COLUMN [prof_typprzelewu] integer null ");
            pozwol_pusty_tekst(ds, "tb_profilexp", {"prof_typprzelewu"});
            break;
        case 9:
            sql("ALTER TABLE [tb_profilexp]  ADD COLUMN [prof_elixir0_seppol] text(1) ");
            sql("ALTER TABLE [tb_profilexp]  ADD COLUMN [prof_elixir0_septekstu] text(1) ");
            pozwol_pusty_tekst(ds, "tb_profilexp", {"prof_elixir0_septekstu", "prof_elixir0_seppol"});
            break;
        case 10:
            dodaj_klucz(ds, "kontrach", "id1");
            break;
        case 11:
            sql("CREATE TABLE [tb_slowtyt] ([slow_id]    integer not null primary key, [slow_tytulem] "
                "text(150), "
                "[slow_tytulemcd] text(150), [slow_tytulem1] text(150), [slow_tytulemcd1] text(150)  )");
            pozwol_pusty_tekst(ds, "tb_slowtyt",
                               {"slow_tytulem", "slow_tytulemcd", "slow_tytulem1", "slow_tytulemcd1"});
            break;
        case 12:
            dodaj_klucz(ds, "kartoteka", "nr_id");
            break;
        case 13:
            sql("ALTER TABLE [kartoteka]  ADD COLUMN [my_skrot] text(20)");
            sql("ALTER TABLE [kartoteka]  ADD COLUMN [dost_skrot] text(20)");
            sql("ALTER TABLE [kartoteka]  ADD COLUMN [uwagi_tekst] text(250)");
            pozwol_pusty_tekst(ds, "kartoteka", {"dost_skrot", "my_skrot", "uwagi_tekst"});
            break;
        case 14: {
            auto rs = ds.open_sql("SELECT nr_id   FROM konta_zus where nr_id=" + sql_int(3));
            if (!rs || rs->eof())
                sql("INSERT INTO konta_zus(nr_id,konto_zus,opis_konta) VALUES (" + sql_int(3) + "," +
                    sql_str("68101010230000261395400000") + "," + sql_str("68-FEP") + ")");
            break;
        }
        case 15:
            sql("ALTER TABLE kontrach  ALTER COLUMN [skrot] text(100)");
            sql("ALTER TABLE kontrach  ALTER COLUMN [nazwa] text(155)");
            for (const char* c :
                 {"my_nazwa", "my_adres", "my_konto", "dost_nazwa", "dost_adres", "dost_konto"})
                sql("ALTER TABLE kartoteka  ALTER COLUMN [" + std::string(c) + "] text(155)");
            break;
        case 16:
            sql("ALTER TABLE kartoteka  ALTER COLUMN [dost_skrot] text(155)");
            break;
        case 17:
            sql("ALTER TABLE my  ALTER COLUMN [mskrot] text(155)");
            sql("ALTER TABLE kartoteka  ALTER COLUMN [my_skrot] text(155)");
            break;
        default:
            return;
    }
    zapisz_wersje(ds, n);
}

// The column as ALTER TABLE ADD COLUMN makes it: a key or NOT NULL column cannot be added with those
// constraints to a table that has rows, so it is added plain.
std::string definicja_kolumny(const ColumnSchema& c) {
    std::string def = quote_identifier(c.name) + " " + c.declared_type;
    if (c.kind == ColumnKind::text) def += " COLLATE NOCASE";
    return def;
}

}  // namespace

void uzupelnij_tabele(TGlAdoDs_mod& ds) {
    TGlAdoCn_mod& cn = ds.connection();
    for (const BiezacaTabela& wzor : biezace_tabele()) {
        const TableSchema* t = cn.table_schema(wzor.schemat.name);
        if (!t) {
            ds.exec_sql(wzor.create_sql);
            continue;
        }
        std::vector<std::string> statements;
        for (const ColumnSchema& c : wzor.schemat.columns)
            if (!t->find(c.name))
                statements.push_back("ALTER TABLE " + quote_identifier(t->name) + " ADD COLUMN " +
                                     definicja_kolumny(c));
        for (const std::string& s : statements) {
            try {
                cn.execute_native(s);
            } catch (const SqlError& e) {
                ds.messages().sql_error(s, e.what());
            }
        }
    }
}

int wersja_bazy(TGlAdoDs_mod& ds) {
    std::unique_ptr<ResultSet> rs;
    try {
        rs = ds.open_sql("SELECT ver_id,ver_nbint  FROM tb_verdb  where ver_id=" + sql_int(1));
    } catch (const SqlError&) {
        return 0;
    }
    if (!rs || rs->eof()) return -2;
    rs->last();
    return rs->int_value("ver_nbint");
}

void krok_aktualizacji(TGlAdoDs_mod& ds, int n) {
    Przebieg run;
    step(ds, n, run);
}

bool napraw_baze_2008(TGlAdoDs_mod& ds) {
    if (!ds.connection().is_connected()) return false;
    const int before = wersja_bazy(ds);
    Przebieg run;
    step(ds, 6, run);
    // Step 6 records 6; a later file keeps its version, or every later start would redo steps 7 to 9
    // with their error boxes and stop for good at step 10's existing key.
    if (before > 6) zapisz_wersje(ds, before);
    return true;
}

std::string aktualizuj_baze(TGlAdoDs_mod& ds, bool zapisz_sciezke_bazy) {
    // Unconnected, every step would fail into an error box and steps 3 and 5 would still rewrite settings.
    if (!ds.connection().is_connected()) return "Brak połączenia z bazą danych";
    Przebieg run;
    std::string powod;
    try {
        int v = wersja_bazy(ds);
        if (v == 6) {
            try {
                step(ds, 6, run);
            } catch (const std::exception&) {
                // Ignored: the steps after it run in any case.
            }
        }
        for (int n = v + 1; n <= kWersjaBazy; ++n) {
            // Step 3 only makes the file being upgraded the program's database.
            if (n == 3 && !zapisz_sciezke_bazy)
                zapisz_wersje(ds, n);
            else
                step(ds, n, run);
        }
        // Only at the current version: a run that stopped earlier makes these tables and columns in
        // its own steps at a later start, where they must not exist yet.
        if (wersja_bazy(ds) >= kWersjaBazy) uzupelnij_tabele(ds);
    } catch (const std::exception& e) {
        // The run ends here; the steps finished so far stay recorded and the next start goes on.
        powod = e.what();
    }
    // Not a numbered step: a file at any version gets the symbols in use today. Without a key to give
    // out the dictionary stays as it is.
    try {
        uzupelnij_symbole_us(ds);
    } catch (const SqlError&) {
    }
    return powod;
}

}  // namespace zlx
