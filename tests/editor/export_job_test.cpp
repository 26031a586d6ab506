#include "editor/export_job.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <thread>

#include "editor/editor.h"
#include "test_support.h"

namespace fs = std::filesystem;
using namespace bevelmint;
using bevelmint::testing::contents;
using bevelmint::testing::freshDir;
using bevelmint::testing::slurp;
using editor::Editor;
using editor::ExportJob;

// A job runs on a thread of its own, counts the files it writes, stops cleanly
// when cancelled, and holds the editor's edits off while it lives.
TEST(ExportJob, CountsFilesCancelsCleanlyAndHoldsOffEdits) {
    const fs::path dir = freshDir("bevelmint-export-job");
    Editor ed;
    ed.setRenderOnChange(true);
    editor::WebSettings web = ed.web();
    web.folder = dir.string();
    web.baseName = "b";
    web.labels = "One\nTwo\nThree";
    ASSERT_TRUE(ed.setWebSettings(web));
    std::ofstream(dir / "b-two.png") << "old picture";
    std::ofstream(dir / "b.html") << "old page";
    std::ofstream(dir / "notes.txt") << "not ours";
    const auto before = contents(dir);

    std::unique_ptr<ExportJob> job;
    ASSERT_FALSE(ed.prepareWebExport(job));
    ASSERT_TRUE(ed.exporting());
    int reports = 0;
    const int id = ed.subscribe([&](editor::Changes) { ++reports; });
    EXPECT_FALSE(ed.setWidth(150));
    EXPECT_EQ(ed.state().buttonWidth, 100);
    EXPECT_GT(reports, 0);  // the views are told to show the design again
    EXPECT_TRUE(ed.setField("buttonWidth", "150"));
    EXPECT_FALSE(ed.undo());
    EXPECT_TRUE(ed.saveDesign((dir / "d.bvm").string()));
    EXPECT_TRUE(ed.loadDesign((dir / "d.bvm").string()).error);
    std::unique_ptr<ExportJob> second;
    EXPECT_TRUE(ed.prepareWebExport(second));
    ed.unsubscribe(id);

    // Cancelled after three files: every old file as it was, no temporary file.
    std::atomic<bool> cancel{false};
    std::optional<base::FileError> error;
    std::thread runner([&] {
        error = job->run({[&](int done, int) {
                              if (done == 3) cancel = true;
                          },
                          &cancel});
    });
    runner.join();
    ASSERT_TRUE(error);
    EXPECT_TRUE(job->cancelled());
    EXPECT_TRUE(job->written().empty());
    EXPECT_EQ(contents(dir), before);
    job.reset();
    EXPECT_FALSE(ed.exporting());
    EXPECT_TRUE(ed.setWidth(150));

    // Run to the end: one report before the first file and one after each.
    ASSERT_FALSE(ed.prepareWebExport(job));
    std::vector<std::pair<int, int>> seen;
    std::thread again([&] {
        error = job->run({[&](int done, int total) { seen.emplace_back(done, total); }, nullptr});
    });
    again.join();
    ASSERT_FALSE(error) << error->message;
    const int files = 3 * 4 * 2 + 1;  // three labels, four pictures, 1x and 2x, the page
    ASSERT_EQ(seen.size(), static_cast<size_t>(files + 1));
    for (int i = 0; i <= files; ++i)
        EXPECT_EQ(seen[i], std::make_pair(i, files));
    EXPECT_EQ(job->written().size(), static_cast<size_t>(files));
    EXPECT_EQ(fs::path(job->written().back()).filename(), "b.html");
    const auto after = contents(dir);
    EXPECT_EQ(after.size(), before.size() + files - 2);
    EXPECT_NE(after.at("b.html"), "old page");
    EXPECT_EQ(after.at("notes.txt"), "not ours");
    fs::remove_all(dir);
}
