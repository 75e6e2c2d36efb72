#include "db/archive.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <set>

#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

LosujCyfre digits(std::vector<int> seq) {
    auto pos = std::make_shared<std::size_t>(0);
    return [seq, pos] { return seq[(*pos)++ % seq.size()]; };
}

TEST(Archive, NameOfDayAndFourDigits) {
    const TDateTime day = TDateTime::from_ymd(2010, 5, 31);
    EXPECT_EQ(nazwa_archiwum("/a/tmp/", day, digits({4, 0, 7, 3})), "/a/tmp/20100531_4073.zip");
    EXPECT_EQ(nazwa_archiwum("/a/tmp", day, digits({8, 8, 8, 8})), "/a/tmp/20100531_8888.zip");
    for (int i = 0; i < 200; ++i) {
        int d = losuj_cyfre_archiwum();
        EXPECT_TRUE(d >= 0 && d <= 8) << d;
    }
}

TEST(Archive, WritesAndVerifiesTheFileUnderItsOwnName) {
    test::TempFolder folder;
    const std::string db = folder.file("przDB.sqlite");
    std::string content(300000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7 % 251);
    test::write_text(db, content);
    std::filesystem::create_directory(folder.file("arch"));

    const TDateTime day = TDateTime::from_ymd(2026, 12, 11);
    const std::string first = archiwizuj_baze(db, folder.file("arch"), day, digits({1, 2, 3, 4}));
    EXPECT_EQ(first, folder.file("arch/20261211_1234.zip"));

    // Reopen it independently: one entry, the file's own name, the same bytes.
    int code = 0;
    zip_t* z = zip_open(first.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(zip_get_num_entries(z, 0), 1);
    zip_stat_t st;
    ASSERT_EQ(zip_stat_index(z, 0, 0, &st), 0);
    EXPECT_STREQ(st.name, "przDB.sqlite");
    EXPECT_EQ(st.size, content.size());
    zip_file_t* f = zip_fopen_index(z, 0, 0);
    std::string back(content.size(), 'x');
    EXPECT_EQ(zip_fread(f, back.data(), back.size()), static_cast<zip_int64_t>(content.size()));
    EXPECT_EQ(back, content);
    zip_fclose(f);
    zip_discard(z);

    // The same digits drawn again on the same day: the first archive stays, the second gets new ones.
    const std::string before = test::read_text(first);
    const std::string second =
        archiwizuj_baze(db, folder.file("arch"), day, digits({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(second, folder.file("arch/20261211_5678.zip"));
    EXPECT_EQ(test::read_text(first), before);
}

// libzip writes an archive under a temporary name beside it ("….zip.Ab12Cd"); a run killed meanwhile
// leaves that file behind.
TEST(Archive, TemporaryFilesOfKilledRunsAreRemovedByTheNextRun) {
    test::TempFolder folder;
    const std::string db = folder.file("przDB.sqlite");
    test::write_text(db, "baza");
    std::filesystem::create_directory(folder.file("arch"));
    for (const char* name : {"20261210_0000.zip.Ab12Cd", "20261211_1234.zip.x1Y2z3", "20261210_0000.zip",
                             "inne.zip.Ab12Cd", "20261211_1234.zip.Ab12C"})
        test::write_text(folder.file("arch/") + name, "x");

    archiwizuj_baze(db, folder.file("arch"), TDateTime::from_ymd(2026, 12, 11), digits({5, 6, 7, 8}));
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder.file("arch")))
        names.insert(e.path().filename().string());
    EXPECT_EQ(names,
              (std::set<std::string>{".zlecenix-archiwum.lock", "20261210_0000.zip", "20261211_5678.zip",
                                     "inne.zip.Ab12Cd", "20261211_1234.zip.Ab12C"}));
}

TEST(Archive, RefusedWithoutFolderOrFile) {
    test::TempFolder folder;
    test::write_text(folder.file("przDB.sqlite"), "x");
    const TDateTime day = TDateTime::from_ymd(2026, 12, 11);
    EXPECT_THROW(archiwizuj_baze(folder.file("przDB.sqlite"), "  ", day), ArchiveError);
    EXPECT_THROW(archiwizuj_baze(folder.file("przDB.sqlite"), folder.file("brak"), day), ArchiveError);
    EXPECT_THROW(archiwizuj_baze(folder.file("brak.sqlite"), folder.path(), day), ArchiveError);
    EXPECT_THROW(archiwizuj_baze(folder.file("przDB.sqlite"), test::read_only_folder(folder), day),
                 ArchiveError);
    // Nothing half-made is left behind.
    for (const auto& e : std::filesystem::directory_iterator(folder.path()))
        EXPECT_NE(e.path().extension(), ".zip") << e.path();
}

}  // namespace
}  // namespace zlx
