#include "editor/export_job.h"
#include "state/state_rules.h"

#include <algorithm>
#include <thread>

#include "export/html_snippet.h"
#include "export/set_renderer.h"
#include "files/design_file.h"
#include "render/text_engine.h"

namespace bevelmint::editor {

namespace {

const char* const kCancelled = "The export was cancelled; no file was changed";

}  // namespace

std::optional<base::FileError> ExportJob::run(const Progress& progress) {
    base::FileBatch batch;
    if (auto e = stage(batch, progress)) return e;
    if (stopped(progress)) return base::FileError{kCancelled};
    if (auto error = batch.commit()) {
        // Pictures and the texture are named in their message ("Cannot create file
        // <path>: why"); the design file and the page as every file is.
        const bool said = error->path == outputs_.design || error->path == outputs_.htmlPage;
        return said ? *error : base::cannotCreate(error->path, *error);
    }
    written_ = targets_;
    return std::nullopt;
}

std::optional<base::FileError> ExportJob::check(std::vector<std::string>& differing) {
    base::FileBatch batch(base::FileBatch::Mode::compare);
    if (auto e = stage(batch, {})) return e;
    differing = batch.differing();
    return std::nullopt;
}

bool ExportJob::stopped(const Progress& progress) {
    if (progress.cancel && progress.cancel->load()) cancelled_ = true;
    return cancelled_;
}

void ExportJob::advance(const Progress& progress) {
    ++done_;
    if (progress.report) progress.report(done_, total_);
}

std::optional<base::FileError> ExportJob::stageFile(base::FileBatch& batch,
                                                    const exporter::PictureFile& file,
                                                    bool namedInMessage) {
    targets_.push_back(file.path);
    // An encoder that failed left no bytes.
    if (file.bytes.empty()) return base::cannotCreate(file.path);
    auto error = batch.stage(file.path, file.bytes);
    if (error && namedInMessage) return base::cannotCreate(file.path, *error);
    return error;
}

// Renders and encodes file by file, staging each as it is made, so that the
// progress counts files and a cancel is seen between any two of them.
std::optional<base::FileError> ExportJob::stage(base::FileBatch& batch, const Progress& progress) {
    const exporter::PictureSetRequest& request = outputs_.pictures;
    if (auto why = exporter::checkRequest(request, design_)) return base::FileError{*why};
    std::vector<files::OutputFile> designFiles;
    if (!outputs_.design.empty()) {
        if (auto error = files::designFiles(outputs_.design, design_, *texture_, designFiles))
            return base::FileError{error->message, outputs_.design, error->systemError};
    }
    // With the dark variant on, every member is rendered twice.
    const int members = std::max<int>(1, static_cast<int>(members_.size())) *
                        (design_.dark.on && !members_.empty() ? 2 : 1);
    const image::Picture* texture = render::activeTexture(design_, *texture_);
    // A live page brings its texture along.
    const int livePages = !pages_.livePage.empty() + !pages_.liveSnippet.empty();
    total_ = exporter::filesPerButton(request, design_) * members +
             static_cast<int>(outputs_.files.size()) + !pages_.cssPage.empty() +
             !pages_.cssSnippet.empty() + !pages_.imgPage.empty() + livePages * (texture ? 2 : 1) +
             !outputs_.htmlPage.empty() + static_cast<int>(designFiles.size());
    done_ = 0;
    targets_.clear();
    notices_.clear();
    if (progress.report) progress.report(0, total_);
    const auto warn = [this](const std::string& message) {
        if (std::find(warnings_.begin(), warnings_.end(), message) == warnings_.end())
            warnings_.push_back(message);
    };
    auto stageAll = [&](const std::vector<exporter::PictureFile>& files) {
        for (const exporter::PictureFile& f : files) {
            if (stopped(progress))
                return std::optional<base::FileError>(base::FileError{kCancelled});
            if (auto e = stageFile(batch, f, true)) return e;
            if (!f.notice.empty()) notices_.push_back(f.notice);
            advance(progress);
        }
        return std::optional<base::FileError>();
    };
    if (!members_.empty()) {
        // As many buttons at a time as there are cores: each renders on one.
        const size_t step = std::max(1u, std::thread::hardware_concurrency());
        for (size_t at = 0; at < members_.size(); at += step) {
            if (stopped(progress)) return base::FileError{kCancelled};
            const std::vector<exporter::SetMember> some(
                members_.begin() + at, members_.begin() + std::min(at + step, members_.size()));
            if (auto e = stageAll(
                    exporter::renderSet(design_, texture, some, request, false, warn).files))
                return e;
            if (design_.dark.on) {
                if (auto e = stageAll(exporter::renderSet(state::darkVariant(design_), texture,
                                                          exporter::darkMembers(some), request,
                                                          false, warn)
                                          .files))
                    return e;
            }
        }
        if (auto e = stageAll(webPageFiles(design_, texture, members_, pages_, request))) return e;
    } else {
        render::TextEngine text;
        text.warn = warn;
        auto source = [&](int scale, bool withHover) {
            if (scale == 1 && !withHover && rendered_) return *rendered_;
            return render::renderButtonPictures(design_, texture, scale, text, withHover);
        };
        auto vectors = [&] { return exporter::vectorInputs(design_, texture, text); };
        for (size_t scale = 0; scale < request.scales.size(); ++scale) {
            if (stopped(progress)) return base::FileError{kCancelled};
            const exporter::PictureSetRequest one = exporter::atScale(request, scale, design_);
            if (auto e = stageAll(exporter::encodePictureSet(one, design_, source, vectors)))
                return e;
        }
    }
    if (auto e = stageAll(outputs_.files)) return e;
    if (!outputs_.htmlPage.empty()) {
        const exporter::PictureFile page{outputs_.htmlPage,
                                         exporter::htmlPage(outputs_.htmlFragment)};
        if (auto e = stageFile(batch, page, false)) return e;
        advance(progress);
    }
    if (!designFiles.empty()) {
        for (const files::OutputFile& f : designFiles)
            targets_.push_back(f.path);
        if (auto error = files::stageDesignFiles(batch, designFiles)) return error;
        for (size_t i = 0; i < designFiles.size(); ++i)
            advance(progress);
    }
    // Two outputs in one file would leave only the last: nothing is written then.
    if (auto error = base::refuseSameFileTwice(targets_)) return error;
    return std::nullopt;
}

}  // namespace bevelmint::editor
