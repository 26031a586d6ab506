#include <gtest/gtest.h>

#include <filesystem>

#include "base/file_io.h"
#include "test_support.h"

namespace fs = std::filesystem;
using bevelmint::base::FileBatch;
using bevelmint::testing::freshDir;
using bevelmint::testing::slurp;

TEST(FileBatch, ComparingNamesWhatDiffersAndWritesNothing) {
    const fs::path dir = freshDir("bevelmint-batch-compare");
    const std::string same = (dir / "same.txt").string(), other = (dir / "other.txt").string(),
                      missing = (dir / "missing.txt").string();
    {
        FileBatch batch;
        ASSERT_FALSE(batch.stage(same, "abc"));
        ASSERT_FALSE(batch.stage(other, "abc"));
        ASSERT_FALSE(batch.commit());
    }
    FileBatch check(FileBatch::Mode::compare);
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
