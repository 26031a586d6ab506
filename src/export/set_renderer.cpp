#include "export/set_renderer.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "export/picture_export.h"
#include "render/render_pipeline.h"
#include "render/text_engine.h"

namespace bevelmint::exporter {

namespace {

// What one thread renders with; nothing in it is shared.
struct Worker {
    render::TextEngine text;
    render::RenderPipeline pipeline;
    Worker() { pipeline.useTextEngine(text); }
};

state::ButtonState memberDesign(const state::ButtonState& design, const SetMember& m) {
    state::ButtonState s = design;
    s.buttonText = m.label;
    return s;
}

void renderMember(Worker& w, const state::ButtonState& design, const image::Picture* texture,
                  const SetMember& m, const PictureRequest& request,
                  std::vector<RenderedFile>& files, ButtonReport* report) {
    const state::ButtonState s = memberDesign(design, m);
    w.pipeline.paintbutton(s, texture);
    if (!request.normal.empty())
        files.push_back(
            {withSlug(request.normal, m.slug), encodeForExport(s, w.pipeline.normal())});
    if (!request.pressed.empty())
        files.push_back(
            {withSlug(request.pressed, m.slug), encodeForExport(s, w.pipeline.pressed())});
    if (report) *report = reportButton(s, w.pipeline.normal(), inscriptionInk(s, w.text));
}

}  // namespace

RenderedSet renderSet(const state::ButtonState& design, const image::Picture* texture,
                      const std::vector<SetMember>& members, const PictureRequest& request,
                      const std::function<void(const std::string&)>& warn) {
    std::vector<std::vector<RenderedFile>> files(members.size());
    std::vector<ButtonReport> reports(request.report ? members.size() : 0);
    std::atomic<size_t> next{0};
    std::once_flag warned;
    auto work = [&] {
        Worker w;
        w.text.warn = [&](const std::string& message) {
            if (warn) std::call_once(warned, warn, message);
        };
        for (size_t i = next++; i < members.size(); i = next++) {
            renderMember(w, design, texture, members[i], request, files[i],
                         request.report ? &reports[i] : nullptr);
        }
    };
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (size_t t = 1; t < std::min(cores, members.size()); ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();

    RenderedSet out;
    out.reports = std::move(reports);
    for (auto& member : files)
        for (RenderedFile& f : member)
            out.files.push_back(std::move(f));
    return out;
}

WebButtons webButtons(const state::ButtonState& design, const std::vector<SetMember>& members,
                      const std::string& path) {
    WebButtons set{design.buttonWidth,
                   design.buttonHeight,
                   {design.backRed, design.backGreen, design.backBlue},
                   {}};
    for (const SetMember& m : members) {
        set.buttons.push_back({m.label, m.slug, {{1, base::fileNameOf(withSlug(path, m.slug))}}});
    }
    return set;
}

}  // namespace bevelmint::exporter
