// bevelmint-render: renders a design headlessly and writes its pictures, its
// HTML page and the design itself, all or nothing.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "export/picture_export.h"
#include "export/picture_set.h"
#include "export/set_renderer.h"
#include "files/design_file.h"
#include "state/button_state.h"
#include "state/field_setter.h"

namespace {

using namespace bevelmint;

constexpr int kFailure = 2;
constexpr int kCheckFailed = 1;
constexpr int kStrictFailed = 3;
// A labels file longer than this is not a list of button labels.
constexpr uint64_t kMaxLabelsBytes = 16 << 20;

constexpr const char* kUsage =
    "Usage: bevelmint-render [DESIGN.bvm] [--texture FILE | --set FIELD=VALUE]...\n"
    "                        [--format FORMAT] [--scale N | --scales N,N...]\n"
    "                        [--normal FILE] [--hover FILE] [--pressed FILE]\n"
    "                        [--sprite FILE] [--html FILE] [--save FILE.bvm]\n"
    "                        [--css-page FILE] [--css-snippet FILE] [--img-page FILE]\n"
    "                        [--labels FILE] [--report [--strict]] [--check]\n"
    "       bevelmint-render DESIGN.bvm [--set FIELD=VALUE]... --web\n";

void printHelp() {
    std::cout << kUsage
              << "\n"
                 "Renders a button design and writes its pictures. A design file given first is\n"
                 "loaded with its texture; the options then apply in the order given.\n"
                 "\n"
                 "  --set FIELD=VALUE  set a design field through the editor's rules (a depth\n"
                 "                     must fit the size set before it)\n"
                 "  --texture FILE     lay a Windows bitmap on the face, as the editor does: the\n"
                 "                     button shrinks to fit it and takes its colour\n"
                 "  --format FORMAT    gif, jpg, bmp, png or webp; otherwise each file's\n"
                 "                     extension, else the design's\n"
                 "  --scale N          draw the pictures N times larger (1 to 4)\n"
                 "  --scales 1,2,3     write every picture at each scale, \"@2x\" or \"@3x\"\n"
                 "                     inserted before the extension above 1\n"
                 "  --normal FILE      write the button at rest\n"
                 "  --hover FILE       write the button under the pointer (see hoverLift)\n"
                 "  --pressed FILE     write the button held down (sets exportPressed)\n"
                 "  --sprite FILE      write normal, hover and pressed stacked from the top\n"
                 "  --html FILE        write the HTML page that shows the exported pictures by\n"
                 "                     their bare names (not BMP)\n"
                 "  --css-page FILE    write a page with the button as a link styled by CSS\n"
                 "                     alone: the sprite (--sprite, by its bare name) switches\n"
                 "                     to hover and pressed, Tab shows an outline\n"
                 "  --css-snippet FILE write the same style rules and links without the page\n"
                 "  --img-page FILE    write a page with each button as an image in a link,\n"
                 "                     for e-mail and README files where styles are stripped\n"
                 "  --labels FILE      one inscription a line (UTF-8): render the design once per\n"
                 "                     label, naming each file with \"-\" and the label's slug\n"
                 "                     before the extension; the pages show the whole set\n"
                 "  --report           print a JSON contrast, size and name report per button\n"
                 "  --strict           with --report: exit with 3 when text or edge contrast,\n"
                 "                     the 24 x 24 size or the name falls short (after writing)\n"
                 "  --check            write nothing; list each file that would differ from the\n"
                 "                     one on disk, or is missing, and exit with 1 if any does\n"
                 "                     (0 if none); the report is not printed then\n"
                 "  --save FILE.bvm    write the design, with its texture beside it\n"
                 "  --web              write what the window's Export for Web writes: the\n"
                 "                     pictures, sprites and page the design's web fields name\n"
                 "                     (webFolder, webBaseName, webFormat, webScales,\n"
                 "                     webMarkup, webLabels), all or nothing; on its own; a\n"
                 "                     relative webFolder lies beside the design file\n"
                 "  --help             show this text\n"
                 "  --version          show the version\n"
                 "\n"
                 "PNG and WebP (lossless) carry true alpha at round edges; the background\n"
                 "colour shows nowhere in them.\n"
                 "Export settings are fields too: jpegCompression, jpegProgressive, exportFormat.\n"
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
    editor::Outputs files;
    std::string cssPage, cssSnippet, imgPage, labels;
    bool report = false, strict = false, check = false, web = false;
};

// The buttons to render: the design's own, or one per line of a labels file.
std::optional<std::string> chooseMembers(const Outputs& out, const state::ButtonState& design,
                                         std::vector<exporter::SetMember>& members) {
    std::string text;
    if (!out.labels.empty()) {
        if (auto e = base::readWholeFile(out.labels, text, kMaxLabelsBytes))
            return out.labels + ": " + e->message;
    }
    if (auto e = editor::webMembers(text, design, members)) return out.labels + ": " + *e;
    // A labels file without a label would quietly write the lone button instead.
    if (!out.labels.empty() && members.front().slug.empty())
        return out.labels + ": no labels in it";
    return std::nullopt;
}

// Why the pages cannot be written as asked: each needs its pictures in a format
// browsers show.
std::optional<std::string> checkPages(const Outputs& out, const exporter::PictureSetRequest& r,
                                      const state::ButtonState& s) {
    const std::pair<const std::string*, std::pair<const char*, const std::string*>> pages[] = {
        {&out.files.htmlPage, {"--html", &r.normal}},
        {&out.imgPage, {"--img-page", &r.normal}},
        {&out.cssPage, {"--css-page", &r.sprite}},
        {&out.cssSnippet, {"--css-snippet", &r.sprite}}};
    for (const auto& [page, needs] : pages) {
        const auto& [option, picture] = needs;
        if (page->empty()) continue;
        if (picture->empty()) {
            return std::string(option) + " needs the exported pictures: give " +
                   (picture == &r.sprite ? "--sprite" : "--normal");
        }
        if (!exporter::shownInBrowsers(exporter::fileFormat(r, *picture, s)))
            return "HTML doesn't support BMP: export GIF or JPG pictures";
    }
    if (out.strict && !out.report) return "--strict needs --report";
    if (!out.labels.empty() && !out.files.htmlPage.empty())
        return "--html shows one button; use --css-page or --img-page with --labels";
    return std::nullopt;
}

// The normal picture's format, which a saved design keeps when it can name it.
exporter::PictureFormat chooseFormat(const exporter::PictureSetRequest& pictures,
                                     editor::Editor& design) {
    const exporter::PictureFormat f =
        exporter::fileFormat(pictures, pictures.normal, design.state());
    if (auto kept = exporter::exportFormat(f);
        kept && (pictures.format || !pictures.normal.empty()))
        design.setField("exportFormat", state::exportFormatName(*kept));
    return f;
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
        if (arg == "--version") {
            std::cout << "bevelmint-render " << BEVELMINT_VERSION << "\n";
            return 0;
        }
        if (arg == "--web") {
            out.web = true;
            continue;
        }
        if (arg == "--report" || arg == "--strict" || arg == "--check") {
            (arg == "--report" ? out.report : arg == "--strict" ? out.strict : out.check) = true;
            continue;
        }
        static const std::vector<std::string> known = {
            "--set",   "--texture",  "--format",      "--normal",   "--pressed",
            "--hover", "--sprite",   "--scale",       "--scales",   "--html",
            "--save",  "--css-page", "--css-snippet", "--img-page", "--labels"};
        if (std::find(known.begin(), known.end(), arg) == known.end()) {
            return fail("unknown option '" + arg + "' (see --help)");
        }
        if (i + 1 >= args.size()) return fail(arg + " needs a value");
        const std::string& value = args[++i];
        editor::Outputs& files = out.files;
        exporter::PictureSetRequest& pictures = files.pictures;
        if (arg == "--normal") {
            pictures.normal = value;
        } else if (arg == "--pressed") {
            pictures.pressed = value;
            design.setExportPressed(true);
        } else if (arg == "--hover") {
            pictures.hover = value;
        } else if (arg == "--sprite") {
            pictures.sprite = value;
        } else if (arg == "--scale" || arg == "--scales") {
            auto scales = exporter::parseScales(value);
            if (!scales || (arg == "--scale" && scales->size() != 1)) {
                return fail(arg + " takes " +
                            (arg == "--scale" ? "a number" : "numbers like 1,2,3") + ", not '" +
                            value + "'");
            }
            pictures.scales = *scales;
            pictures.scaleNames = arg == "--scales";
        } else if (arg == "--html") {
            files.htmlPage = value;
        } else if (arg == "--css-page") {
            out.cssPage = value;
        } else if (arg == "--css-snippet") {
            out.cssSnippet = value;
        } else if (arg == "--img-page") {
            out.imgPage = value;
        } else if (arg == "--labels") {
            out.labels = value;
        } else if (arg == "--save") {
            files.design = value;
        } else if (arg == "--format") {
            exporter::PictureFormat f{};
            if (!exporter::parsePictureFormat(value, f))
                return fail("--format takes gif, jpg, bmp, png or webp");
            pictures.format = f;
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
    editor::Outputs& files = out.files;
    const exporter::PictureSetRequest& pictures = files.pictures;
    const bool anyOutput =
        !pictures.normal.empty() || !pictures.pressed.empty() || !pictures.hover.empty() ||
        !pictures.sprite.empty() || !files.htmlPage.empty() || !files.design.empty() ||
        !out.cssPage.empty() || !out.cssSnippet.empty() || !out.imgPage.empty() || out.report;
    if (out.web) {
        if (anyOutput || out.check || pictures.format || !out.labels.empty() ||
            pictures.scales != std::vector<int>{1})
            return fail("--web takes its files from the design's web fields: give it alone");
        if (design.web().folder.empty())
            return fail("--web needs a folder: the design's webFolder (--set webFolder=FOLDER)");
        std::vector<std::string> written;
        if (auto e = design.exportForWeb(written)) return fail(e->message);
        return 0;
    }
    if (!anyOutput) {
        std::cerr << kUsage
                  << "Nothing to write: give --normal, --sprite, --html, --css-page, --web, "
                     "--img-page, --report or --save (--help tells more).\n";
        return kFailure;
    }
    chooseFormat(pictures, design);
    if (auto error = design.checkPictures(files)) return fail(*error);
    if (!pictures.pressed.empty() && pictures.normal.empty())
        return fail("--pressed needs --normal too");
    const state::ButtonState& s = design.state();
    if (auto error = checkPages(out, pictures, s)) return fail(*error);
    std::vector<exporter::SetMember> members;
    if (auto error = chooseMembers(out, s, members)) return fail(*error);
    design.setExportPath(pictures.normal);
    design.setExportPressedPath(pictures.pressed);
    if (!files.htmlPage.empty()) files.htmlFragment = design.htmlFragment();

    const editor::WebPages pages{out.cssPage, out.cssSnippet, out.imgPage};
    const exporter::RenderedSet rendered =
        editor::renderWebFiles(s, render::activeTexture(s, design.texture()), members, pages,
                               out.report && !out.check, warn, files);

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
