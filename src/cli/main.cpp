// bevelmint-render: renders a design headlessly and writes its pictures, its
// HTML page and the design itself, all or nothing.
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "export/picture_export.h"
#include "files/design_file.h"
#include "state/button_state.h"
#include "state/field_setter.h"

namespace {

using namespace bevelmint;

constexpr int kFailure = 2;

constexpr const char* kUsage =
    "Usage: bevelmint-render [DESIGN.bvm] [--texture FILE | --set FIELD=VALUE]...\n"
    "                        [--format gif|jpg|bmp] [--normal FILE] [--pressed FILE]\n"
    "                        [--html FILE] [--save FILE.bvm]\n";

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
                 "  --format FORMAT    picture format; otherwise the extension of --normal or\n"
                 "                     --pressed (.gif, .jpg, .jpeg, .bmp), else the design's\n"
                 "  --normal FILE      write the button at rest\n"
                 "  --pressed FILE     write the button held down (sets exportPressed)\n"
                 "  --html FILE        write the HTML page that shows the exported pictures by\n"
                 "                     their bare names (GIF or JPEG only)\n"
                 "  --save FILE.bvm    write the design, with its texture beside it\n"
                 "  --help             show this text\n"
                 "  --version          show the version\n"
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
    std::string normal, pressed, html, save;
    std::optional<state::ExportFormat> format;
};

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
    design.setFontWarning([](const std::string& message) {
        std::cerr << "bevelmint-render: warning: " << message << "\n";
    });
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
        static const std::vector<std::string> known = {
            "--set", "--texture", "--format", "--normal", "--pressed", "--html", "--save"};
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
    if (out.normal.empty() && out.pressed.empty() && out.html.empty() && out.save.empty()) {
        std::cerr << kUsage
                  << "Nothing to write: give --normal, --html or --save (--help tells more).\n";
        return kFailure;
    }
    if (auto error = chooseFormat(out, design)) return fail(*error);
    if (!out.pressed.empty() && out.normal.empty()) return fail("--pressed needs --normal too");
    if (!out.html.empty()) {
        if (out.normal.empty()) return fail("--html needs the exported pictures: give --normal");
        if (!design.formatShownInBrowsers()) {
            return fail("HTML doesn't support BMP: export GIF or JPG pictures");
        }
    }
    design.setExportPath(out.normal);
    design.setExportPressedPath(out.pressed);

    design.render();
    editor::Outputs files;
    files.normalPicture = out.normal;
    files.pressedPicture = out.pressed;
    files.htmlPage = out.html;
    if (!out.html.empty()) files.htmlFragment = design.htmlFragment();
    files.design = out.save;
    if (auto e = design.write(files)) {
        // Name the file unless the message already does.
        const bool named = e->path.empty() || e->message.find(e->path) != std::string::npos;
        return fail(named ? e->message : e->path + ": " + e->message);
    }
    return 0;
}
