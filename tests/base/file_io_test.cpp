#include "base/file_io.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace bevelmint;
using bevelmint::testing::freshDir;
using bevelmint::testing::slurp;

namespace {

std::vector<std::string> namesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(FileBatch, ACommitThatFailsPartWayLeavesEveryTargetAsItWas) {
    const fs::path dir = freshDir("bevelmint-batch-rollback");
    std::ofstream(dir / "a.gif") << "old a";
    std::ofstream(dir / "b.gif") << "old b";
    {
        base::FileBatch batch;
        ASSERT_FALSE(batch.stage((dir / "new.gif").string(), "new"));
        ASSERT_FALSE(batch.stage((dir / "a.gif").string(), "new a"));
        ASSERT_FALSE(batch.stage((dir / "b.gif").string(), "new b"));
        // The third target turns into a folder after staging: its rename must fail.
        fs::remove(dir / "b.gif");
        fs::create_directories(dir / "b.gif" / "inside");
        const auto error = batch.commit();
        ASSERT_TRUE(error);
        EXPECT_EQ(error->message, "Cannot write " + (dir / "b.gif").string() +
                                      ": a folder of that name is in the way");
        EXPECT_EQ(error->path, (dir / "b.gif").string());
    }
    EXPECT_EQ(slurp(dir / "a.gif"), "old a");
    EXPECT_TRUE(fs::is_directory(dir / "b.gif" / "inside"));
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"a.gif", "b.gif"}));  // nothing else

    fs::remove_all(dir / "b.gif");
    base::FileBatch batch;
    ASSERT_FALSE(batch.stage((dir / "a.gif").string(), "new a"));
    ASSERT_FALSE(batch.stage((dir / "b.gif").string(), "new b"));
    ASSERT_FALSE(batch.commit());
    EXPECT_EQ(slurp(dir / "a.gif"), "new a");
    EXPECT_EQ(slurp(dir / "b.gif"), "new b");
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"a.gif", "b.gif"}));
    fs::remove_all(dir);
}

TEST(FileBatch, ARenameThatFailsPutsEveryOldFileBack) {
    const fs::path dir = freshDir("bevelmint-batch-rename");
    std::ofstream(dir / "a.gif") << "old a";
    std::ofstream(dir / "b.gif") << "old b";
    {
        base::FileBatch batch;
        ASSERT_FALSE(batch.stage((dir / "a.gif").string(), "new a"));
        ASSERT_FALSE(batch.stage((dir / "b.gif").string(), "new b"));
        // b's temporary file vanishes: a is already replaced when b's rename fails.
        for (const auto& e : fs::directory_iterator(dir))
            if (e.path().filename().string().rfind("b.gif.tmp", 0) == 0) fs::remove(e.path());
        const auto error = batch.commit();
        ASSERT_TRUE(error);
        EXPECT_EQ(error->path, (dir / "b.gif").string());
        EXPECT_EQ(error->message,
                  "Cannot write " + (dir / "b.gif").string() + ": there is no such file");
    }
    EXPECT_EQ(slurp(dir / "a.gif"), "old a");
    EXPECT_EQ(slurp(dir / "b.gif"), "old b");
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"a.gif", "b.gif"}));
    fs::remove_all(dir);
}

TEST(FileBatch, ComparingNamesWhatDiffersAndWritesNothing) {
    const fs::path dir = freshDir("bevelmint-batch-compare");
    const std::string same = (dir / "same.txt").string(), other = (dir / "other.txt").string(),
                      missing = (dir / "missing.txt").string();
    {
        base::FileBatch batch;
        ASSERT_FALSE(batch.stage(same, "abc"));
        ASSERT_FALSE(batch.stage(other, "abc"));
        ASSERT_FALSE(batch.commit());
    }
    base::FileBatch check(base::FileBatch::Mode::compare);
    EXPECT_FALSE(check.stage(same, "abc"));
    EXPECT_FALSE(check.stage(other, "abd"));
    EXPECT_FALSE(check.stage(missing, ""));
    EXPECT_FALSE(check.commit());
    EXPECT_EQ(check.differing(), (std::vector<std::string>{other, missing}));
    EXPECT_EQ(slurp(other), "abc");
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    fs::remove_all(dir);
}
