#include "core/ini.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/os.h"
#include "core/settings.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

using test::read_text;
using test::write_text;

TEST(Ini, MissingFileSectionOrKeyGivesTheDefault) {
    test::TempProgramFolder folder;
    EXPECT_EQ(czytaj_ini("brak.ini", "program", "sciezka_bazy", "x"), "x");
    write_text(folder.file("a.ini"), "[program]\nsciezka_bazy=/d/b.sqlite\n");
    EXPECT_EQ(czytaj_ini("a.ini", "inna", "sciezka_bazy", "x"), "x");
    EXPECT_EQ(czytaj_ini("a.ini", "program", "inny", "x"), "x");
    EXPECT_EQ(czytaj_ini("a.ini", "PROGRAM", "Sciezka_Bazy", "x"), "/d/b.sqlite");
}

TEST(Ini, ReadsValuesAsWritten) {
    test::TempProgramFolder folder;
    write_text(folder.file("a.ini"),
               "; komentarz\r\n[marginesy]\r\nbankowy_wydruk_top = 4 \r\n[font]\r\nfont_name=Arial CE\r\n"
               "puste=\r\nznak=a=b\r\n");
    EXPECT_EQ(czytaj_ini("a.ini", "marginesy", "bankowy_wydruk_top", ""), "4");
    EXPECT_EQ(czytaj_ini("a.ini", "font", "font_name", ""), "Arial CE");
    EXPECT_EQ(czytaj_ini("a.ini", "font", "puste", "x"), "");
    EXPECT_EQ(czytaj_ini("a.ini", "font", "znak", ""), "a=b");
    EXPECT_EQ(czytaj_ini_int("a.ini", "marginesy", "bankowy_wydruk_top", 0), 4);
    EXPECT_EQ(czytaj_ini_int("a.ini", "font", "font_name", 9), 9);
}

TEST(Ini, WriteKeepsEveryOtherLine) {
    struct Case {
        const char* before;
        const char* section;
        const char* key;
        const char* after;
    };
    const Case cases[] = {
        {"", "program", "k", "[program]\nk=v\n"},
        {"[program]\nk=old\n", "program", "k", "[program]\nk=v\n"},
        {"; c\n[a]\nx=1\n\n[b]\ny=2\n", "a", "k", "; c\n[a]\nx=1\nk=v\n\n[b]\ny=2\n"},
        {"[a]\r\nx=1\r\n", "b", "k", "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
        {"[a]\nx=1", "a", "k", "[a]\nx=1\nk=v\n"},
        {"[A]\n K = old \n;k=keep\n", "a", "k", "[A]\nk=v\n;k=keep\n"},
        {"[a]\nx=1\n[b]\nk=2\n", "b", "K", "[a]\nx=1\n[b]\nK=v\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini_with_value(c.before, c.section, c.key, "v"), c.after) << c.before;
    EXPECT_EQ(ini_with_value("", "a", "k", "two\nlines"), "[a]\nk=two lines\n");
}

TEST(Ini, WriteThenReadThroughFiles) {
    test::TempProgramFolder folder;
    zapisz_ini(kUstPrzelewIni, "program", "sciezka_bazy", "/dane/moja baza's.sqlite");
    zapisz_ini(kUstPrzelewIni, "2010", "firsttime", "0");
    zapisz_ini(kUstPrzelewIni, "program", "sciezka_bazy", "/dane/żółw.sqlite");
    EXPECT_EQ(read_text(folder.file(kUstPrzelewIni)),
              "[program]\nsciezka_bazy=/dane/żółw.sqlite\n[2010]\nfirsttime=0\n");
    EXPECT_EQ(sciezka_bazy(), "/dane/żółw.sqlite");
    EXPECT_FALSE(pierwsze_uruchomienie());
}

// Notepad and other editors may start a saved file with the UTF-8 byte-order mark.
TEST(Ini, ByteOrderMarkIsReadPastAndKeptOnWrite) {
    test::TempProgramFolder folder;
    const std::string bom = "\xEF\xBB\xBF";
    write_text(folder.file(kUstPrzelewIni), bom + "[program]\r\nsciezka_bazy=/dane/b.sqlite\r\n");
    EXPECT_EQ(sciezka_bazy(), "/dane/b.sqlite");

    zapisz_ini(kUstPrzelewIni, "program", "sciezka_bazy", "/dane/c.sqlite");
    zapisz_ini(kUstPrzelewIni, "2010", "firsttime", "0");
    EXPECT_EQ(read_text(folder.file(kUstPrzelewIni)),
              bom + "[program]\r\nsciezka_bazy=/dane/c.sqlite\r\n[2010]\r\nfirsttime=0\r\n");
    EXPECT_EQ(ini_with_value(bom, "a", "k", "v"), bom + "[a]\nk=v\n");
}

TEST(Ini, RefusedWriteNamesTheFileAndKeepsTheOldOne) {
    test::TempFolder scratch;
    const std::string ro = test::read_only_folder(scratch);
    try {
        zapisz_ini(ro + "ust_przelew.ini", "program", "sciezka_bazy", "x");
        FAIL() << "the write into a read-only folder succeeded";
    } catch (const IniWriteError& e) {
        EXPECT_EQ(e.path(), ro + "ust_przelew.ini");
        EXPECT_NE(std::string(e.what()).find(ro + "ust_przelew.ini"), std::string::npos) << e.what();
    }

    // The temporary file cannot be made (a folder stands in its place): the old file stays whole.
    const std::string path = scratch.file("a.ini");
    write_text(path, "[a]\nx=1\n");
    std::filesystem::create_directory(os::temporary_name_for(path));
    EXPECT_THROW(zapisz_ini(path, "a", "x", "2"), IniWriteError);
    EXPECT_EQ(read_text(path), "[a]\nx=1\n");
}

TEST(Settings, DefaultsWithoutAnyFile) {
    test::TempProgramFolder folder;
    EXPECT_EQ(sciezka_bazy(), folder.file("data/przDB.sqlite"));
    EXPECT_TRUE(pierwsze_uruchomienie());
    EXPECT_EQ(sciezka_archiwum(), folder.file("tmp/"));
    EXPECT_FALSE(adres_kod_najpierw());
    EXPECT_FALSE(przenos_uwagi_do_zus());
    EXPECT_FALSE(drukuj_date(RodzajEkranu::bankowy));
}

TEST(Settings, FirstTimeOnlyWhenOne) {
    test::TempProgramFolder folder;
    const std::pair<const char*, bool> cases[] = {
        {"1", true}, {"0", false}, {"2", false}, {"tak", false}, {" 1 ", true}};
    for (const auto& [value, first] : cases) {
        zapisz_ini(kUstPrzelewIni, "2010", "firsttime", value);
        EXPECT_EQ(pierwsze_uruchomienie(), first) << value;
    }
}

TEST(Settings, PrintDateMemoryPerScreen) {
    test::TempProgramFolder folder;
    zapisz_drukuj_date(RodzajEkranu::bankowy, true);
    EXPECT_TRUE(drukuj_date(RodzajEkranu::bankowy));
    EXPECT_FALSE(drukuj_date(RodzajEkranu::podatki));
    EXPECT_FALSE(drukuj_date(RodzajEkranu::zus));
    zapisz_ini(kPrzelIni, "lokalne", "drukuj_date_zus", "5");  // any non-zero number ticks the box
    EXPECT_TRUE(drukuj_date(RodzajEkranu::zus));
    zapisz_sciezka_archiwum("  /arch/  ");
    EXPECT_EQ(sciezka_archiwum(), "/arch/");
}

}  // namespace
}  // namespace zlx
