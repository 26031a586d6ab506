#include "export/set_renderer.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "render/button_pictures.h"
#include "render/text_engine.h"
#include "state/state_rules.h"

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

// One member's pictures at one scale of the request (at none when it has none).
struct Task {
    size_t member;
    size_t scale;  // index into the request's scales
};

void renderTask(Worker& w, const state::ButtonState& design, const image::Picture* texture,
                const SetMember& m, const PictureSetRequest& request, size_t scaleIndex,
                bool report, std::vector<PictureFile>& files, ButtonReport& measured) {
    state::ButtonState s = design;
    s.buttonText = m.label;
    PictureSetRequest named = atScale(request, scaleIndex, s);
    for (std::string* path : {&named.normal, &named.hover, &named.pressed, &named.sprite})
        if (!path->empty()) *path = withSlug(*path, m.slug);
    // The report measures the normal picture at scale 1, rendered once for both.
    std::optional<image::Picture> normal;
    files = encodePictureSet(
        named, s,
        [&](int scale, bool withHover) {
            render::ButtonPictures pictures = w.pictures(s, texture, scale, withHover);
            if (scale == 1 && report) normal = pictures.normal;
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
    // Every member at every scale is a task of its own, so that one button's
    // scales share the cores too; the largest scales go first, the smallest fill
    // the gaps at the end.
    const size_t scales = std::max<size_t>(request.scales.size(), 1);
    std::vector<Task> tasks;
    for (size_t k = 0; k < scales; ++k)
        for (size_t m = 0; m < members.size(); ++m)
            tasks.push_back({m, k});
    std::stable_sort(tasks.begin(), tasks.end(), [&](const Task& a, const Task& b) {
        return a.scale < request.scales.size() && b.scale < request.scales.size() &&
               request.scales[a.scale] > request.scales[b.scale];
    });
    // The report is made once per member: at scale 1 when that is exported, else
    // with its first scale.
    const auto one = std::find(request.scales.begin(), request.scales.end(), 1);
    const size_t reportScale = one == request.scales.end() ? 0 : one - request.scales.begin();

    std::vector<std::vector<PictureFile>> files(members.size() * scales);
    std::vector<ButtonReport> reports(members.size());
    std::atomic<size_t> next{0};
    std::once_flag warned;
    auto work = [&] {
        Worker w;
        w.text.warn = [&](const std::string& message) {
            if (warn) std::call_once(warned, warn, message);
        };
        for (size_t i = next++; i < tasks.size(); i = next++) {
            const Task t = tasks[i];
            renderTask(w, design, texture, members[t.member], request, t.scale,
                       report && t.scale == reportScale, files[t.member * scales + t.scale],
                       reports[t.member]);
        }
    };
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (size_t t = 1; t < std::min(cores, tasks.size()); ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();

    RenderedSet out;
    for (size_t i = 0; i < files.size(); ++i) {
        for (PictureFile& f : files[i]) {
            if (!f.notice.empty()) {
                out.notices.push_back(f.notice);
                reports[i / scales].notices.push_back(f.notice);
            }
            out.files.push_back(std::move(f));
        }
    }
    if (report) out.reports = std::move(reports);
    return out;
}

namespace {

// `once`: an SVG picture, which serves every scale from one file under its own name.
std::vector<ScaledName> scaledNames(const std::string& path, const SetMember& m,
                                    const PictureSetRequest& request, bool once) {
    std::vector<int> scales = request.scales;
    std::sort(scales.begin(), scales.end());
    scales.erase(std::unique(scales.begin(), scales.end()), scales.end());
    if (once) scales = {1};
    std::vector<ScaledName> names;
    const std::string named = withSlug(path, m.slug);
    for (int scale : scales) {
        const bool marked = request.scaleNames && !once;
        const std::string file = marked ? scaledFileName(named, scale) : named;
        names.push_back({scale, base::fileNameOf(file)});
    }
    return names;
}

SchemeColours colours(const state::ButtonState& s) {
    return {{s.buttonRed, s.buttonGreen, s.buttonBlue},
            {s.textRed, s.textGreen, s.textBlue},
            {s.backRed, s.backGreen, s.backBlue}};
}

}  // namespace

WebButtons webButtons(const state::ButtonState& design, const std::vector<SetMember>& members,
                      const std::string& path, const PictureSetRequest& request) {
    WebButtons set;
    set.width = design.buttonWidth;
    set.height = design.buttonHeight;
    set.light = colours(design);
    set.background = set.light.page;
    set.language = design.web.language;
    set.font = design.textFont;
    set.shape = design.shapeKind;
    set.roundness = design.roundness;
    const std::vector<SetMember> dark = darkMembers(members);
    if (design.dark.on) set.dark = colours(state::darkVariant(design));
    const bool once = fileFormat(request, path, design) == PictureFormat::svg;
    for (size_t i = 0; i < members.size(); ++i) {
        WebButton b{
            members[i].label, members[i].slug, scaledNames(path, members[i], request, once), {}};
        if (design.dark.on) b.darkPictures = scaledNames(path, dark[i], request, once);
        set.buttons.push_back(std::move(b));
    }
    return set;
}

}  // namespace bevelmint::exporter
