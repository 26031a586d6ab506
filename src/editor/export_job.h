#pragma once

// One all-or-nothing write, taken from the editor at one moment: the design,
// its texture (shared, never changed) and the pictures of the last render are
// copied into the job, so it can run on a thread of its own while the window
// goes on. The editor refuses edits, loads and other writes while a job it
// made is alive, so that the files written are the design the window shows.
//
//   std::unique_ptr<editor::ExportJob> job;
//   if (auto e = ed.prepareWebExport(job)) show(e->message);
//   std::atomic<bool> cancel{false};
//   // on any thread:
//   auto e = job->run({[](int done, int total) { ... }, &cancel});
//   // job->cancelled(): every old file as it was, no temporary file left
//   job.reset();  // the editor takes edits again

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "editor/web_export.h"
#include "export/button_set.h"
#include "export/picture_set.h"
#include "render/button_pictures.h"
#include "render/texture.h"
#include "state/button_state.h"

namespace bevelmint::editor {

// What one all-or-nothing write produces; an empty path is not written.
struct Outputs {
    // The normal, hover and pressed pictures and the sprite sheet, their format
    // and scales (unset format: each picture's extension names it, else the
    // design's export format does).
    exporter::PictureSetRequest pictures;
    std::string htmlPage;  // the HTML page around htmlFragment
    std::string htmlFragment;
    std::string design;  // the design file, with its texture beside it
    // Files made outside the editor (bevelmint-render's button sets and their
    // pages), written together with the rest.
    std::vector<exporter::PictureFile> files;
};

// What a running job tells and heeds.
struct ExportProgress {
    // Files written (to their temporary files) of files to write; called on
    // the job's thread after each file.
    std::function<void(int done, int total)> report;
    // Set from any thread: the job stops before its next file.
    const std::atomic<bool>* cancel = nullptr;
};

class ExportJob {
  public:
    using Progress = ExportProgress;

    // Writes everything named or nothing: each file is staged beside its target
    // and all are renamed into place at the end.
    std::optional<base::FileError> run(const Progress& progress = {});
    // Writes nothing: fills `differing` with each file run() would write whose
    // file on disk is missing or holds other bytes, in writing order.
    std::optional<base::FileError> check(std::vector<std::string>& differing);

    // The run ended by its cancel flag; nothing was written.
    bool cancelled() const { return cancelled_; }
    // The files written, in writing order (a web export's page last).
    const std::vector<std::string>& written() const { return written_; }
    // Font warnings heard while rendering, for the caller to pass on.
    const std::vector<std::string>& warnings() const { return warnings_; }
    // Why files are lossless though a palette was asked for, in the files' order.
    const std::vector<std::string>& notices() const { return notices_; }

  private:
    friend class Editor;
    std::optional<base::FileError> stage(base::FileBatch& batch, const Progress& progress);
    std::optional<base::FileError> stageFile(base::FileBatch& batch,
                                             const exporter::PictureFile& file,
                                             bool namedInMessage);
    int fileCount() const;
    bool stopped(const Progress& progress);
    void advance(const Progress& progress);

    state::ButtonState design_;
    std::shared_ptr<const render::TextureImages> texture_;
    // The editor's own render, cut to the button: the pictures at scale 1 without hover.
    std::optional<render::ButtonPictures> rendered_;
    Outputs outputs_;
    // A web export: its pictures are rendered per member (outputs_.pictures
    // names them) and followed by the pages.
    std::vector<exporter::SetMember> members_;
    WebPages pages_;
    // While this lives, the editor that made the job refuses edits.
    std::shared_ptr<const int> busy_;

    bool cancelled_ = false;
    int done_ = 0, total_ = 0;
    std::vector<std::string> targets_;
    std::vector<std::string> written_;
    std::vector<std::string> warnings_;
    std::vector<std::string> notices_;
};

}  // namespace bevelmint::editor
