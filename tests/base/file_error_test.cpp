#include "base/file_error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "base/file_io.h"
#include "test_support.h"

namespace fs = std::filesystem;
namespace base = bevelmint::base;
using bevelmint::testing::freshDir;
using bevelmint::testing::makeReadOnly;
using bevelmint::testing::makeWritable;

// Every refusal says why in words a user can act on, naming the file and what
// is in the way, from the file system itself where it can be made to refuse.
TEST(FileError, EveryRefusalSaysWhyAndNamesThePath) {
    const fs::path dir = freshDir("bevelmint-file-error");
    const std::string missing = (dir / "gone" / "b.png").string();
    auto error = base::writeFileReplacing(missing, "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Cannot write " + missing + ": the folder " +
                                  (dir / "gone").string() + " does not exist");
    EXPECT_EQ(error->path, missing);

    std::ofstream(dir / "notes.txt") << "a file, not a folder";
    const std::string inFile = (dir / "notes.txt" / "b.png").string();
    error = base::writeFileReplacing(inFile, "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message,
              "Cannot write " + inFile + ": " + (dir / "notes.txt").string() + " is not a folder");

    fs::create_directories(dir / "taken.png");
    error = base::writeFileReplacing((dir / "taken.png").string(), "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Cannot write " + (dir / "taken.png").string() +
                                  ": a folder of that name is in the way");

    std::string bytes;
    error = base::readWholeFile((dir / "none.bvm").string(), bytes, 100);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message,
              "Cannot read " + (dir / "none.bvm").string() + ": there is no such file");
    error = base::readWholeFile((dir / "gone" / "d.bvm").string(), bytes, 100);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Cannot read " + (dir / "gone" / "d.bvm").string() + ": the folder " +
                                  (dir / "gone").string() + " does not exist");
    error = base::readWholeFile("/dev/null", bytes, 100);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Cannot read /dev/null: it is not a regular file");

    // What cannot be made to happen here is worded all the same.
    const std::string file = (dir / "b.png").string();
    EXPECT_EQ(base::reasonText(file, ENOSPC, base::FileUse::write), "the disk is full");
    EXPECT_EQ(base::reasonText(file, EROFS, base::FileUse::write),
              "the folder " + dir.string() + " is read-only");
    EXPECT_EQ(base::reasonText(file, EACCES, base::FileUse::write),
              "permission denied: you may not write in " + dir.string());
    EXPECT_EQ(base::reasonText(file, EACCES, base::FileUse::read),
              "permission denied: you may not read it");
    EXPECT_EQ(base::cannotCreate(file).message, "Cannot create file " + file);
    EXPECT_EQ(base::cannotCreate(file, base::FileError{"", file, ENOSPC}).message,
              "Cannot create file " + file + ": the disk is full");

    fs::create_directories(dir / "locked");
    if (!makeReadOnly(dir / "locked")) {
        makeWritable(dir / "locked");
        GTEST_SKIP() << "no way to make a folder read-only here";
    }
    const std::string locked = (dir / "locked" / "b.png").string();
    error = base::writeFileReplacing(locked, "x");
    makeWritable(dir / "locked");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Cannot write " + locked + ": the folder " +
                                  (dir / "locked").string() + " is read-only");
    fs::remove_all(dir);
}
