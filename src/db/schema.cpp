#include "db/schema.h"

#include <sqlite3.h>

#include <string_view>

#include "db/jet_sql.h"
#include "db/sql_error.h"
#include "db/sql_format.h"
#include "db/symbole_us.h"

namespace zlx {

namespace {

// The tables at version 17, in Jet words like every other statement of the program.
const char* const kTables[] = {
    "CREATE TABLE kartoteka (nr_id integer not null, id_kontrah integer, id_my integer, "
    "my_nazwa text(155), my_adres text(155), my_konto text(155), my_skrot text(155), "
    "dost_nazwa text(155), dost_adres text(155), dost_konto text(155), dost_skrot text(155), "
    "data date, tytulem text(255), tytulemcd text(255), kwota text(255), kwota_money money, "
    "uwagi text(255), uwagi_tekst text(250), p_w integer, data1 date, bufor integer, "
    "dost_lk text(10), dost_bank text(50), my_lk text(10), my_bank text(50), czypracownik integer, "
    "nr_id_staryprzelew integer, us_iduzup text(255), us_typiduzup text(255), us_rokokresu text(255), "
    "us_typokresu text(255), us_nrokresu text(255), us_identyfikacjazobowiazania text(255), "
    "us_symbolformularza text(255), rodzaj_przelewu integer, waluta text(10), "
    "zus_numeriduzup text(255), zus_nipplatnik text(255), zus_iduzup text(255), "
    "zus_deklaracja1 text(255), zus_deklaracja2 text(255), zus_nrdeklaracji text(255), "
    "zus_typwplaty text(255), zus_nrdecyzji text(255), zus_cel integer, cykliczne integer, "
    "dost_adres_ulica text(100), dost_adres_kodp text(6), dost_adres_miejscowosc text(100), "
    "my_adres_ulica text(100), my_adres_kodp text(6), my_adres_miejscowosc text(100), "
    "rozliczony integer1, kwota_rozliczenia money, znacznik integer, "
    "CONSTRAINT PrimaryKey PRIMARY KEY (nr_id))",
    "CREATE INDEX kartoteka_data ON kartoteka (data)",
    "CREATE TABLE kontrach (ID1 integer not null, id integer, aktywny integer, skrot text(100), "
    "nazwa text(155), Kraj text(255), Miejscowosc text(255), gmina text(255), ulica text(255), "
    "numerDomu text(255), numerMieszk text(255), kod text(255), poczta text(255), Telefon1 text(255), "
    "Telefon2 text(255), Telefax text(255), Telex text(255), email text(255), www text(255), "
    "W_banku1 text(255), nr_banku text(255), lk text(255), Rachunek1 text(255), rezerwa2 text(255), "
    "W_banku2 text(255), nr_banku2 text(255), lk2 text(255), Rachunek2 text(255), PlatnikVAT integer, "
    "rabat money, naglowek text(255), nazwisko text(255), imie text(255), pracownik text(255), "
    "typ text(255), nip text(255), pesel text(255), Regon text(255), zaufanie text(255), notatki memo, "
    "klienturzad integer, czypracownik integer, imienazwiskoosoba1 text(255), "
    "imienazwiskoosoba2 text(255), telefonosoba1 text(255), telefonosoba2 text(255), "
    "emailosoba1 text(255), emailosoba2 text(255), grupa integer, id_old integer, znacznik integer, "
    "domyslnekonto integer, CONSTRAINT PrimaryKey PRIMARY KEY (ID1))",
    "CREATE TABLE my (ID1 integer not null, id integer, mskrot text(155), mnazwa text(155), "
    "mKraj text(255), mMiejscowosc text(255), mgmina text(255), mulica text(255), mnumerDomu text(255), "
    "mnumerMieszk text(255), mkod text(255), mpoczta text(255), mTelefon1 text(255), "
    "mTelefon2 text(255), mTelefax text(255), mTelex text(255), memail text(255), mW_banku1 text(255), "
    "mnr_banku text(255), mlk text(255), mRachunek1 text(255), mrezerwa2 text(255), "
    "mW_banku2 text(255), mRachunek2 text(255), mPlatnikVAT integer, mnaglowek text(255), "
    "mnazwisko text(255), mimie text(255), mpracownik text(255), mtyp text(255), mnip text(255), "
    "mpesel text(255), mRegon text(255), mzaufanie text(255), mnotatki memo, mwww text(255), "
    "mimienazwiskoosoba1 text(255), mimienazwiskoosoba2 text(255), mtelefonosoba1 text(255), "
    "mtelefonosoba2 text(255), memailosoba1 text(255), memailosoba2 text(255), mlk2 text(255), "
    "mnr_banku2 text(255), mdomyslnekonto integer, mdomyslnafirma integer, "
    "CONSTRAINT PrimaryKey PRIMARY KEY (ID1))",
    "CREATE TABLE tb_key (tb_nazwa text(255), tb_nr integer)",
    "CREATE TABLE tb_verdb  ( ver_id    integer  primary key,  ver_nbint    integer  )",
    "CREATE TABLE [tb_profilexp] ([prof_id] integer not null primary key, [prof_nazwa] text(150), "
    "[prof_opis] text(250), [prof_katalog_out] text(150), [prof_katalog_arch] text(150), "
    "[prof_rodzaj_nazwy_pliku] integer null, [prof_nazwa_stala] text(150), "
    "[prof_nazwa_stala_rozsz] text(150), [prof_nazwa_gen] text(150), [prof_nazwa_gen_rozsz] text(150), "
    "[prof_rodzaj_formatu] integer null, [prof_jaki_bank] integer null, "
    "[prof_rodzaj_kodowania] integer null, [prof_rodzaj_daty] integer null, "
    "[prof_data_do_wczytania] date, [prof_domyslny] integer null, [prof_maks_w_pliku] text(50), "
    "[prof_typprzelewu] integer null, [prof_elixir0_seppol] text(1), [prof_elixir0_septekstu] text(1))",
    "CREATE TABLE [tb_slowtyt] ([slow_id] integer not null primary key, [slow_tytulem] text(150), "
    "[slow_tytulemcd] text(150), [slow_tytulem1] text(150), [slow_tytulemcd1] text(150))",
    "CREATE TABLE waluty (nr_id integer not null primary key, symbol text(10), domyslna integer)",
    "CREATE TABLE symbolformularzaus (nr_id integer not null primary key, symbol text(50))",
    "CREATE TABLE konta_zus (nr_id integer not null primary key, konto_zus text(50), opis_konta text(255))",
    "CREATE TABLE opis_znacznikow (kategoria_znacznika integer, nr_znacznika integer, "
    "opis_znacznika text(255))",
    "CREATE TABLE tb_kanaltree (kanal_id integer not null primary key, kanal_nazwa text(255), "
    "kanal_typ integer, kanal_parent integer, kanal_order integer, kanal_ukryty integer, "
    "kanal_rssspeed integer)",
};

struct KontoZus {
    int nr;
    const char* konto;
    const char* opis;
};

const KontoZus kKontaZus[] = {
    {0, "83101010230000261395100000", "83-FUS"},
    {1, "78101010230000261395200000", "78-FUZ"},
    {2, "73101010230000261395300000", "73-FPiFGŚP"},
    {3, "68101010230000261395400000", "68-FEP"},
};

const char* const kWaluty[] = {"PLN", "EUR", "USD", "GBP", "CHF"};

// Makes the tables in a scratch in-memory database and reads back what the file would declare.
std::vector<BiezacaTabela> czytaj_biezace_tabele() {
    sqlite3* db = nullptr;
    if (sqlite3_open(":memory:", &db) != SQLITE_OK) throw SqlError("Brak pamięci na schemat bazy");
    std::vector<BiezacaTabela> out;
    try {
        const SchemaLookup none = [](std::string_view) -> const TableSchema* { return nullptr; };
        for (const char* sql : kTables) {
            const std::string_view text(sql);
            if (text.rfind("CREATE TABLE", 0) != 0) continue;
            const JetStatement st = translate_jet(text, none);
            if (sqlite3_exec(db, st.sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
                throw SqlError(sqlite3_errmsg(db), sql);
            // The table just made is the last one in the catalog.
            sqlite3_stmt* last = nullptr;
            sqlite3_prepare_v2(
                db, "SELECT name FROM sqlite_master WHERE type='table' ORDER BY rowid DESC LIMIT 1", -1,
                &last, nullptr);
            std::string name;
            if (sqlite3_step(last) == SQLITE_ROW)
                name = reinterpret_cast<const char*>(sqlite3_column_text(last, 0));
            sqlite3_finalize(last);
            auto schemat = read_table_schema(db, name);
            if (!schemat) throw SqlError("Nie można odczytać tabeli " + name, sql);
            out.push_back({std::move(*schemat), sql});
        }
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
    return out;
}

}  // namespace

const std::vector<BiezacaTabela>& biezace_tabele() {
    static const std::vector<BiezacaTabela> tabele = czytaj_biezace_tabele();
    return tabele;
}

void utworz_baze(TGlAdoCn_mod& cn) {
    WriteTransaction tx(cn);
    // Another instance may have made it while this one waited for the lock.
    if (cn.table_schema("kartoteka")) return;
    for (const char* sql : kTables)
        cn.execute(sql);
    auto run = [&](const std::string& sql) { cn.execute(sql); };
    run("INSERT INTO tb_verdb(ver_id,ver_nbint) VALUES (" + sql_int(1) + "," + sql_int(kWersjaBazy) + ")");
    for (const KontoZus& k : kKontaZus)
        run("INSERT INTO konta_zus(nr_id,konto_zus,opis_konta) VALUES (" + sql_int(k.nr) + "," +
            sql_str(k.konto) + "," + sql_str(k.opis) + ")");
    int nr = 0;
    for (const char* w : kWaluty) {
        ++nr;
        run("INSERT INTO waluty(nr_id,symbol,domyslna) VALUES ( " + sql_int(nr) + "," + sql_str(w) + "," +
            sql_int(nr == 1 ? 1 : 0) + ")");
    }
    run("INSERT INTO tb_key(tb_nazwa ,tb_nr) VALUES (" + sql_str("waluty") + "," + sql_int(nr + 1) + ")");
    nr = 0;
    for (const char* s : symbole_us_dostarczane()) {
        ++nr;
        run("INSERT INTO symbolformularzaus(nr_id,symbol) VALUES ( " + sql_int(nr) + "," + sql_str(s) + ")");
    }
    run("INSERT INTO tb_key(tb_nazwa ,tb_nr) VALUES (" + sql_str("symbolformularzaus") + "," +
        sql_int(nr + 1) + ")");
    for (int kategoria : {0, 1}) {
        for (int z = 0; z <= 20; ++z) {
            std::string opis = z == 0 ? "Brak znacznika" : "Znacznik " + std::to_string(z);
            run("INSERT INTO opis_znacznikow(kategoria_znacznika,nr_znacznika,opis_znacznika) VALUES (" +
                sql_int(kategoria) + "," + sql_int(z) + "," + sql_str(opis) + ")");
        }
    }
    run("INSERT INTO tb_kanaltree(kanal_id,kanal_nazwa,kanal_typ,kanal_parent,kanal_order) VALUES ( " +
        sql_int(1) + "," + sql_str("Kontrahenci") + "," + sql_int(1) + "," + sql_int(-1) + "," + sql_int(0) +
        ")");
    run("INSERT INTO tb_key(tb_nazwa ,tb_nr) VALUES (" + sql_str("tb_kanaltree") + "," + sql_int(2) + ")");
    tx.commit();
}

}  // namespace zlx
