#include "platform/files.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "platform/unprivileged.h"
#include "test_support.h"

namespace fs = std::filesystem;

TEST(Files, SplitLinesDropsCrAndEndsLinesAtLfOrZero) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"\n\n", {"", ""}},
        {"x\ry\n", {"xy"}},
        {std::string("ab\0cd\n", 6), {"ab", "cd"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitLines(c.bytes), c.lines) << c.bytes;
}

TEST(Files, ReadAllLinesTellsMissingFromEmpty) {
    ScratchDir dir;
    bool ok = true;
    EXPECT_TRUE(ReadAllLines("missing.txt", &ok).empty());
    EXPECT_FALSE(ok);
    WriteFileText("empty.txt", "");
    EXPECT_TRUE(ReadAllLines("empty.txt", &ok).empty());
    EXPECT_TRUE(ok);
}

TEST(Files, AtomicWriteReplacesTheWholeFile) {
    ScratchDir dir;
    WriteFileText("data.txt", "old contents that are longer");
    ASSERT_TRUE(WriteFileAtomic("data.txt", "new"));
    EXPECT_EQ(ReadFileText("data.txt"), "new");
    // No temporary file is left beside it.
    int files = 0;
    for (auto& entry : fs::directory_iterator(dir.path)) files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(Files, AtomicWriteIntoAMissingFolderFailsWithAReason) {
    ScratchDir dir;
    std::string error;
    EXPECT_FALSE(WriteFileAtomic("nowhere/data.txt", "x", &error));
    EXPECT_NE(error.find("nowhere/data.txt"), std::string::npos) << error;
}

TEST(Files, AtomicWriteIntoAReadOnlyFolderLeavesTheOldFile) {
    ScratchDir dir;
    fs::create_directory("locked");
    WriteFileText("locked/data.txt", "precious");
    fs::permissions("locked", fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(dir.path, fs::perms::all); // the unprivileged child must reach it
    std::string target = (dir.path / "locked/data.txt").string();
    EXPECT_TRUE(RunUnprivileged([&] {
        std::string error;
        return !WriteFileAtomic(target, "overwritten", &error) && !error.empty();
    }));
    EXPECT_EQ(ReadFileText("locked/data.txt"), "precious");
}

TEST(Files, FolderChangesAndFileKinds) {
    ScratchDir dir;
    EXPECT_EQ(FileType("sub"), 0);
    EXPECT_TRUE(MakeDir("sub"));
    EXPECT_EQ(FileType("sub"), 2);
    EXPECT_TRUE(CreateEmptyFile("sub/f"));
    EXPECT_EQ(FileType("sub/f"), 1);
    EXPECT_TRUE(ChangeDir("sub"));
    EXPECT_TRUE(FileExists("f"));
    EXPECT_TRUE(RemoveFile("f"));
    EXPECT_FALSE(FileExists("f"));
    EXPECT_FALSE(ChangeDir("nope"));
    EXPECT_TRUE(ChangeDir(".."));
    EXPECT_TRUE(FileExists("sub"));
}

TEST(Files, OutFileWritesThroughBeforeClose) {
    ScratchDir dir;
    OutFile* out = OpenOutFile("log.txt");
    ASSERT_NE(out, nullptr);
    EXPECT_TRUE(WriteOut(out, "one\r\n"));
    // Readable at once, as after a crash.
    EXPECT_EQ(ReadFileText("log.txt"), "one\r\n");
    CloseOutFile(out);
}
