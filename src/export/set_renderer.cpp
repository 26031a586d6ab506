#include "export/set_renderer.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "render/button_pictures.h"
#include "render/text_engine.h"

namespace bevelmint::exporter {

namespace {

// What one thread renders with: its text engine and a pipeline per scale, kept
// from member to member.
struct Worker {
    render::TextEngine text;
    std::map<int, render::RenderPipeline> pipelines;

    render::ButtonPictures pictures(const state::ButtonState& s, const image::Picture* texture,
                                    int scale, bool withHover) {
        auto it = pipelines.find(scale);
        if (it == pipelines.end()) {
            it = pipelines.try_emplace(scale, scale).first;
            it->second.useTextEngine(text);
        }
        return render::renderButtonPictures(it->second, s, texture, withHover);
    }
};

void renderMember(Worker& w, const state::ButtonState& design, const image::Picture* texture,
                  const SetMember& m, const PictureSetRequest& request, bool report,
                  std::vector<PictureFile>& files, ButtonReport& measured) {
    state::ButtonState s = design;
    s.buttonText = m.label;
    PictureSetRequest named = request;
    for (std::string* path : {&named.normal, &named.hover, &named.pressed, &named.sprite})
        if (!path->empty()) *path = withSlug(*path, m.slug);
    // The report measures the normal picture at scale 1, rendered once for both.
    std::optional<image::Picture> normal;
    files = encodePictureSet(
        named, s,
        [&](int scale, bool withHover) {
            render::ButtonPictures pictures = w.pictures(s, texture, scale, withHover);
            if (scale == 1) normal = pictures.normal;
            return pictures;
        },
        [&] { return vectorInputs(s, texture, w.text); });
    if (report) {
        if (!normal) normal = w.pictures(s, texture, 1, false).normal;
        measured = reportButton(s, *normal, inscriptionInk(s, w.text));
    }
}

}  // namespace

RenderedSet renderSet(const state::ButtonState& design, const image::Picture* texture,
                      const std::vector<SetMember>& members, const PictureSetRequest& request,
                      bool report, const std::function<void(const std::string&)>& warn) {
    std::vector<std::vector<PictureFile>> files(members.size());
    std::vector<ButtonReport> reports(members.size());
    std::atomic<size_t> next{0};
    std::once_flag warned;
    auto work = [&] {
        Worker w;
        w.text.warn = [&](const std::string& message) {
            if (warn) std::call_once(warned, warn, message);
        };
        for (size_t i = next++; i < members.size(); i = next++)
            renderMember(w, design, texture, members[i], request, report, files[i], reports[i]);
    };
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (size_t t = 1; t < std::min(cores, members.size()); ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();

    RenderedSet out;
    if (report) out.reports = std::move(reports);
    for (auto& member : files)
        for (PictureFile& f : member)
            out.files.push_back(std::move(f));
    return out;
}

WebButtons webButtons(const state::ButtonState& design, const std::vector<SetMember>& members,
                      const std::string& path, const PictureSetRequest& request) {
    WebButtons set{design.buttonWidth,
                   design.buttonHeight,
                   {design.backRed, design.backGreen, design.backBlue},
                   {}};
    std::vector<int> scales = request.scales;
    std::sort(scales.begin(), scales.end());
    scales.erase(std::unique(scales.begin(), scales.end()), scales.end());
    // An SVG picture serves every scale from one file under its own name.
    const bool once = fileFormat(request, path, design) == PictureFormat::svg;
    if (once) scales = {1};
    for (const SetMember& m : members) {
        WebButton b{m.label, m.slug, {}};
        const std::string named = withSlug(path, m.slug);
        for (int scale : scales) {
            const bool marked = request.scaleNames && !once;
            const std::string file = marked ? scaledFileName(named, scale) : named;
            b.pictures.push_back({scale, base::fileNameOf(file)});
        }
        set.buttons.push_back(std::move(b));
    }
    return set;
}

}  // namespace bevelmint::exporter
