#include "core/folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

TEST(ProgramFolder, ExplicitFolderWinsAndIsCreatedWithDataAndTmp) {
    test::TempFolder scratch;
    const std::string chosen = choose_program_folder(scratch.file("nowy/folder"));
    EXPECT_EQ(chosen, scratch.file("nowy/folder/"));
    set_program_folder(chosen);
    EXPECT_TRUE(std::filesystem::is_directory(scratch.file("nowy/folder/data")));
    EXPECT_TRUE(std::filesystem::is_directory(scratch.file("nowy/folder/tmp")));
    EXPECT_EQ(program_file("ust_przelew.ini"), scratch.file("nowy/folder/ust_przelew.ini"));
}

TEST(ProgramFolder, FolderThatCannotBeMadeIsReported) {
    test::TempFolder scratch;
    test::write_text(scratch.file("plik"), "x");
    EXPECT_THROW(set_program_folder(scratch.file("plik/pod")), std::runtime_error);
}

TEST(ProgramFolder, DataHomeByDefaultPortableMarkerBesideTheExecutableExplicitFolderWins) {
    test::TempFolder exe;  // a writable executable folder without the marker: not portable
    test::TempFolder portable;
    test::write_text(portable.file(kPlikPrzenosny), "");
    struct Case {
        const char* what;
        MiejscaFolderu miejsca;
        std::string expected;
    };
    const Case cases[] = {
        {"XDG_DATA_HOME", {"", exe.path(), "/x/dane", "/home/jan"}, "/x/dane/zlecenix/"},
        {"unset XDG_DATA_HOME", {"", exe.path(), "", "/home/jan"}, "/home/jan/.local/share/zlecenix/"},
        {"relative XDG_DATA_HOME", {"", exe.path(), "dane", "/home/jan"}, "/home/jan/.local/share/zlecenix/"},
        {"unknown executable", {"", "", "", "/home/jan"}, "/home/jan/.local/share/zlecenix/"},
        {"portable", {"", portable.path(), "/x/dane", "/home/jan"}, portable.path()},
        {"explicit over portable", {exe.file("f"), portable.path(), "/x/dane", "/home/jan"}, exe.file("f/")},
        {"explicit over data home", {"/y/z", exe.path(), "/x/dane", "/home/jan"}, "/y/z/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(choose_program_folder(c.miejsca), c.expected) << c.what;
}

TEST(ProgramFolder, BuildTreeIsNotTheDefault) {
    // The test binary lies in the build tree: without --folder its data must go elsewhere.
    const std::string chosen = choose_program_folder("");
    EXPECT_EQ(chosen.find(ZLX_BUILD_DIR), std::string::npos) << chosen;
    EXPECT_TRUE(chosen.ends_with("/zlecenix/")) << chosen;
}

}  // namespace
}  // namespace zlx
