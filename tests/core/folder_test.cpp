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

TEST(ProgramFolder, WritableExecutableFolderIsUsed) {
    // The test binary's own build folder is writable, so it is the portable program folder.
    const std::string chosen = choose_program_folder("");
    EXPECT_TRUE(std::filesystem::exists(chosen));
    EXPECT_EQ(chosen.back(), '/');
}

}  // namespace
}  // namespace zlx
