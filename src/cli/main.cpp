// bevelmint-render: renders a design headlessly and writes its pictures, its
// HTML page and the design itself, all or nothing.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "export/img_bundle.h"
#include "export/picture_export.h"
#include "export/set_renderer.h"
#include "files/design_file.h"
#include "state/button_state.h"
#include "state/field_setter.h"

namespace {

using namespace bevelmint;

constexpr int kFailure = 2;
constexpr int kCheckFailed = 1;
constexpr int kStrictFailed = 3;

void printHelp() {
    std::cout << "Usage: bevelmint-render [DESIGN.bvm] [--texture FILE | --set FIELD=VALUE]...\n"
                 "                        [--format gif|jpg|bmp] [--normal FILE] [--pressed FILE]\n"
                 "                        [--html FILE] [--img-page FILE] [--save FILE.bvm]\n"
                 "                        [--labels FILE] [--report [--strict]] [--check]\n"
                 "\n"
                 "Renders a button design and writes its pictures. A design file given first is\n"
                 "loaded with its texture; the options then apply in the order given.\n"
                 "\n"
                 "  --set FIELD=VALUE  set a design field through the editor's rules (a depth\n"
                 "                     must fit the size set before it)\n"
                 "  --texture FILE     lay a Windows bitmap on the face, as the editor does: the\n"
                 "                     button shrinks to fit it and takes its colour\n"
                 "  --format FORMAT    picture format; otherwise the extension of --normal or\n"
                 "                     --pressed (.gif, .jpg, .jpeg, .bmp), else the design's\n"
                 "  --normal FILE      write the button at rest\n"
                 "  --pressed FILE     write the button held down (sets exportPressed)\n"
                 "  --html FILE        write the HTML page that shows the exported pictures by\n"
                 "                     their bare names (GIF or JPEG only)\n"
                 "  --img-page FILE    write a page with each button as an image in a link,\n"
                 "                     for e-mail and README files where styles are stripped\n"
                 "  --labels FILE      one inscription a line (UTF-8): render the design once per\n"
                 "                     label, naming each file with \"-\" and the label's slug\n"
                 "                     before the extension; pages show the whole set\n"
                 "  --report           print a JSON contrast, size and name report per button\n"
                 "  --strict           with --report: exit with 3 when text or edge contrast,\n"
                 "                     the 24 x 24 size or the name falls short (after writing)\n"
                 "  --check            write nothing; list each file that would differ from the\n"
                 "                     one on disk, or is missing, and exit with 1 if any does\n"
                 "                     (0 if none); the report is not printed then\n"
                 "  --save FILE.bvm    write the design, with its texture beside it\n"
                 "  --help             show this text\n"
                 "\n"
                 "Export settings: --set jpegCompression=0..100, --set jpegProgressive=true.\n"
                 "Every error prints one line and exits with 2; nothing is written then.\n"
                 "\n"
                 "Fields and the values they take:\n";
    for (const std::string& line : state::fieldHelp())
        std::cout << "  " << line << "\n";
}

int fail(const std::string& message) {
    std::cerr << "bevelmint-render: " << message << "\n";
    return kFailure;
}

struct Outputs {
    std::string normal, pressed, html, save, imgPage, labels;
    bool report = false, strict = false, check = false;
    std::optional<state::ExportFormat> format;
};

// The buttons to render: the design's own, or one per line of a labels file.
std::optional<std::string> chooseMembers(const Outputs& out, const state::ButtonState& design,
                                         std::vector<exporter::SetMember>& members) {
    if (out.labels.empty()) {
        members = {{design.buttonText, ""}};
        return std::nullopt;
    }
    int error = 0;
    const std::optional<std::string> text = base::readWholeFile(out.labels, &error);
    if (!text) return out.labels + ": " + base::ioErrorText(error);
    std::vector<std::string> labels;
    if (auto e = exporter::parseLabels(*text, labels)) return out.labels + ": " + *e;
    if (labels.empty()) return out.labels + ": no labels in it";
    members = exporter::buttonSet(labels);
    return std::nullopt;
}

// The picture format: the one named, else the extensions, else the design's.
std::optional<std::string> chooseFormat(const Outputs& out, editor::Editor& design) {
    std::optional<state::ExportFormat> chosen = out.format;
    for (const std::string* path : {&out.normal, &out.pressed}) {
        if (path->empty() || out.format) continue;
        auto f = exporter::formatFromExtension(*path);
        if (!f) continue;
        if (chosen && *chosen != *f) return "--normal and --pressed name different picture formats";
        chosen = f;
    }
    if (chosen) design.setField("exportFormat", state::exportFormatName(*chosen));
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    editor::Editor design;
    const auto warn = [](const std::string& message) {
        std::cerr << "bevelmint-render: warning: " << message << "\n";
    };
    design.setFontWarning(warn);
    Outputs out;
    std::vector<std::string> args(argv + 1, argv + argc);
    size_t i = 0;
    if (!args.empty() && args[0].rfind("--", 0) != 0) {
        const files::LoadResult loaded = design.loadDesign(args[0]);
        if (loaded.error) return fail(args[0] + ": " + loaded.error->message);
        for (const files::Notice& n : loaded.notices) {
            std::string text = n.text;
            for (char& c : text)
                if (c == '\r') c = ' ';
            std::cerr << "bevelmint-render: " << n.caption << ": " << text << "\n";
        }
        i = 1;
    }
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            printHelp();
            return 0;
        }
        if (arg == "--report" || arg == "--strict" || arg == "--check") {
            (arg == "--report" ? out.report : arg == "--strict" ? out.strict : out.check) = true;
            continue;
        }
        static const std::vector<std::string> known = {"--set",      "--texture", "--format",
                                                       "--normal",   "--pressed", "--html",
                                                       "--img-page", "--labels",  "--save"};
        if (std::find(known.begin(), known.end(), arg) == known.end()) {
            return fail("unknown option '" + arg + "' (see --help)");
        }
        if (i + 1 >= args.size()) return fail(arg + " needs a value");
        const std::string& value = args[++i];
        if (arg == "--normal") {
            out.normal = value;
        } else if (arg == "--pressed") {
            out.pressed = value;
            design.setExportPressed(true);
        } else if (arg == "--html") {
            out.html = value;
        } else if (arg == "--img-page") {
            out.imgPage = value;
        } else if (arg == "--labels") {
            out.labels = value;
        } else if (arg == "--save") {
            out.save = value;
        } else if (arg == "--format") {
            state::ExportFormat f{};
            if (!state::parseExportFormat(value, f)) return fail("--format takes gif, jpg or bmp");
            out.format = f;
        } else if (arg == "--texture") {
            if (auto error = design.loadTexture(value)) return fail(error->message);
        } else {
            const auto eq = value.find('=');
            if (eq == std::string::npos)
                return fail("--set takes FIELD=VALUE, not '" + value + "'");
            if (auto error = design.setField(value.substr(0, eq), value.substr(eq + 1)))
                return fail(*error);
        }
    }
    if (auto error = chooseFormat(out, design)) return fail(*error);
    if (!out.pressed.empty() && out.normal.empty()) return fail("--pressed needs --normal too");
    for (const auto& [page, option] :
         {std::pair{&out.html, "--html"}, {&out.imgPage, "--img-page"}}) {
        if (page->empty()) continue;
        if (out.normal.empty())
            return fail(std::string(option) + " needs the exported pictures: give --normal");
        if (!design.formatShownInBrowsers()) {
            return fail("HTML doesn't support BMP: export GIF or JPG pictures");
        }
    }
    if (out.strict && !out.report) return fail("--strict needs --report");
    if (!out.labels.empty() && !out.html.empty())
        return fail("--html shows one button; use --img-page with --labels");
    std::vector<exporter::SetMember> members;
    if (auto error = chooseMembers(out, design.state(), members)) return fail(*error);
    design.setExportPath(out.normal);
    design.setExportPressedPath(out.pressed);

    // The pictures of every button, rendered on all cores.
    const state::ButtonState& s = design.state();
    exporter::RenderedSet rendered =
        exporter::renderSet(s, render::activeTexture(s, design.texture()), members,
                            {out.normal, out.pressed, out.report && !out.check}, warn);
    editor::Outputs files;
    files.files = std::move(rendered.files);
    if (!out.imgPage.empty()) {
        files.files.push_back(
            {out.imgPage, exporter::imgPage(exporter::webButtons(s, members, out.normal))});
    }
    files.htmlPage = out.html;
    if (!out.html.empty()) files.htmlFragment = design.htmlFragment();
    files.design = out.save;

    std::vector<std::string> differing;
    if (auto e = out.check ? design.check(files, differing) : design.write(files)) {
        // Name the file unless the message already does.
        const bool named = e->path.empty() || e->message.find(e->path) != std::string::npos;
        return fail(named ? e->message : e->path + ": " + e->message);
    }
    if (out.check) {
        for (const std::string& path : differing)
            std::cout << path << (std::filesystem::exists(path) ? " differs\n" : " is missing\n");
        return differing.empty() ? 0 : kCheckFailed;
    }
    if (out.report) {
        std::cout << exporter::reportJson(rendered.reports) << std::flush;
        const bool fallsShort =
            std::any_of(rendered.reports.begin(), rendered.reports.end(),
                        [](const exporter::ButtonReport& r) { return !r.passes(); });
        if (out.strict && fallsShort) return kStrictFailed;
    }
    return 0;
}
