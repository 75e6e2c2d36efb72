#include "core/ini.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "core/os.h"
#include "core/powod_bledu.h"
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
    // A new print settings file starts with the values of the upgrade's step 5.
    EXPECT_EQ(read_text(folder.file(kUstPrzelewIni)),
              "[marginesy]\nbankowy_wydruk_top=4\nbankowy_wydruk_left=20\npocztowy_wydruk_top=4\n"
              "pocztowy_wydruk_left=1\nzus_wydruk_top=4\nzus_wydruk_left=20\nus_wydruk_top=4\n"
              "us_wydruk_left=20\n[kolory]\nzus_poddruk_mmrrrr=1\n"
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

TEST(Ini, ReadOnlyFileIsNeverReplaced) {
    test::TempFolder scratch;
    const std::string path = scratch.file("ust_przelew.ini");
    write_text(path, "[program]\nsciezka_bazy=/a.sqlite\n");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    try {
        zapisz_ini(path, "program", "sciezka_bazy", "/b.sqlite");
        FAIL() << "a read-only settings file was replaced";
    } catch (const IniWriteError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Nie można zapisać ustawień do pliku " + path + " (plik jest tylko do odczytu)");
    }
    EXPECT_EQ(read_text(path), "[program]\nsciezka_bazy=/a.sqlite\n");
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                  std::filesystem::perms::others_read);
}

// A writer killed between creating its temporary file and the rename leaves it behind.
TEST(Ini, TemporaryFilesOfDeadWritersAreRemovedByTheNextWrite) {
    test::TempFolder scratch;
    const std::string path = scratch.file("a.ini");
    for (const char* name : {"a.ini.tmp4242", "a.ini.tmpx", "b.ini.tmp4242", "a.ini.tmp"})
        write_text(scratch.file(name), "[a]\nx=");
    zapisz_ini(path, "a", "x", "1");
    EXPECT_FALSE(std::filesystem::exists(scratch.file("a.ini.tmp4242")));
    for (const char* other : {"a.ini.tmpx", "b.ini.tmp4242", "a.ini.tmp"})
        EXPECT_TRUE(std::filesystem::exists(scratch.file(other))) << other;
    EXPECT_EQ(read_text(path), "[a]\nx=1\n");
}

// Writes `count` keys named prefix + number into the file in a child process, starting when the start
// pipe closes so that all writers run at the same moment.
pid_t write_keys_in_child(const std::string& path, const std::string& prefix, int count, const int start[2]) {
    pid_t pid = fork();
    if (pid != 0) return pid;
    close(start[1]);
    char c;
    while (read(start[0], &c, 1) > 0) {
    }
    int status = 0;
    try {
        for (int i = 0; i < count; ++i)
            zapisz_ini(path, "klucze", prefix + std::to_string(i), std::to_string(i));
    } catch (const std::exception&) {
        status = 1;
    }
    _exit(status);
}

TEST(Ini, WritersInSeveralProcessesLoseNoWrite) {
    test::TempFolder scratch;
    const std::string path = scratch.file("ust_przelew.ini");
    const std::pair<const char*, int> writers[] = {{"a", 300}, {"b", 300}, {"c", 50}};
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> children;
    for (const auto& [prefix, count] : writers)
        children.push_back(write_keys_in_child(path, prefix, count, start));
    close(start[0]);
    close(start[1]);
    for (pid_t p : children) {
        int status = 0;
        ASSERT_EQ(waitpid(p, &status, 0), p);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a write was refused";
    }
    int lost = 0;
    for (const auto& [prefix, count] : writers)
        for (int i = 0; i < count; ++i)
            if (czytaj_ini(path, "klucze", prefix + std::to_string(i), "") != std::to_string(i)) ++lost;
    EXPECT_EQ(lost, 0);
}

TEST(PowodBledu, CommonReasonsInPolishTheRestInTheSystemsWords) {
    const std::pair<std::errc, const char*> cases[] = {
        {std::errc::no_such_file_or_directory, "nie ma takiego folderu"},
        {std::errc::permission_denied, "brak uprawnień"},
        {std::errc::operation_not_permitted, "brak uprawnień"},
        {std::errc::no_space_on_device, "brak miejsca na dysku"},
        {std::errc::read_only_file_system, "system plików tylko do odczytu"},
        {std::errc::not_a_directory, "to nie jest folder"},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(powod_bledu(std::make_error_code(code)), text);
        EXPECT_EQ(powod_bledu(static_cast<int>(code)), text);
    }
    const std::error_code other = std::make_error_code(std::errc::is_a_directory);
    EXPECT_EQ(powod_bledu(other), other.message());
}

TEST(PowodBledu, RefusedWritesGiveTheReasonInPolish) {
    test::TempFolder scratch;
    write_text(scratch.file("plik.txt"), "x");
    const std::pair<std::string, const char*> cases[] = {
        {scratch.file("brak/a.ini"), " (nie można utworzyć pliku: nie ma takiego folderu)"},
        {scratch.file("plik.txt/a.ini"), " (nie można utworzyć pliku: to nie jest folder)"},
    };
    for (const auto& [path, reason] : cases) {
        try {
            zapisz_ini(path, "a", "x", "1");
            ADD_FAILURE() << "no error for " << path;
        } catch (const IniWriteError& e) {
            EXPECT_EQ(std::string(e.what()), "Nie można zapisać ustawień do pliku " + path + reason);
        }
    }
    try {
        os::write_file_synced("/dev/full", "x");
        ADD_FAILURE() << "a write to /dev/full succeeded";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "błąd zapisu pliku: brak miejsca na dysku");
    }
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
