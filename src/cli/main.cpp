// bevelmint-render: renders a design headlessly and writes its pictures, its
// HTML page and the design itself, all or nothing.
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "export/picture_export.h"
#include "export/picture_set.h"
#include "files/design_file.h"
#include "state/button_state.h"
#include "state/field_setter.h"

namespace {

using namespace bevelmint;

constexpr int kFailure = 2;

constexpr const char* kUsage =
    "Usage: bevelmint-render [DESIGN.bvm] [--texture FILE | --set FIELD=VALUE]...\n"
    "                        [--format FORMAT] [--scale N | --scales N,N...]\n"
    "                        [--normal FILE] [--hover FILE] [--pressed FILE]\n"
    "                        [--sprite FILE] [--html FILE] [--save FILE.bvm]\n";

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
                 "  --save FILE.bvm    write the design, with its texture beside it\n"
                 "  --help             show this text\n"
                 "  --version          show the version\n"
                 "\n"
                 "PNG and WebP (lossless) carry true alpha at round edges; the background\n"
                 "colour shows nowhere in them.\n"
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
    editor::Outputs files;
    std::optional<exporter::PictureFormat> format;
};

// The normal picture's format, which a saved design keeps when it can name it.
exporter::PictureFormat chooseFormat(Outputs& out, editor::Editor& design) {
    editor::Outputs& files = out.files;
    files.format = out.format;
    exporter::PictureSetRequest request;
    request.format = out.format;
    const exporter::PictureFormat f =
        exporter::fileFormat(request, files.normalPicture, design.state());
    if (auto kept = exporter::exportFormat(f); kept && (out.format || !files.normalPicture.empty()))
        design.setField("exportFormat", state::exportFormatName(*kept));
    return f;
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
            "--set",    "--texture", "--format", "--normal", "--pressed", "--hover",
            "--sprite", "--scale",   "--scales", "--html",   "--save"};
        if (std::find(known.begin(), known.end(), arg) == known.end()) {
            return fail("unknown option '" + arg + "' (see --help)");
        }
        if (i + 1 >= args.size()) return fail(arg + " needs a value");
        const std::string& value = args[++i];
        editor::Outputs& files = out.files;
        if (arg == "--normal") {
            files.normalPicture = value;
        } else if (arg == "--pressed") {
            files.pressedPicture = value;
            design.setExportPressed(true);
        } else if (arg == "--hover") {
            files.hoverPicture = value;
        } else if (arg == "--sprite") {
            files.spritePicture = value;
        } else if (arg == "--scale" || arg == "--scales") {
            auto scales = exporter::parseScales(value);
            if (!scales || (arg == "--scale" && scales->size() != 1)) {
                return fail(arg + " takes " +
                            (arg == "--scale" ? "a number" : "numbers like 1,2,3") + ", not '" +
                            value + "'");
            }
            files.scales = *scales;
            files.scaleNames = arg == "--scales";
        } else if (arg == "--html") {
            files.htmlPage = value;
        } else if (arg == "--save") {
            files.design = value;
        } else if (arg == "--format") {
            exporter::PictureFormat f{};
            if (!exporter::parsePictureFormat(value, f))
                return fail("--format takes gif, jpg, bmp, png or webp");
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
    editor::Outputs& files = out.files;
    if (files.normalPicture.empty() && files.pressedPicture.empty() && files.hoverPicture.empty() &&
        files.spritePicture.empty() && files.htmlPage.empty() && files.design.empty()) {
        std::cerr << kUsage
                  << "Nothing to write: give --normal, --sprite, --html or --save (--help tells "
                     "more).\n";
        return kFailure;
    }
    const exporter::PictureFormat format = chooseFormat(out, design);
    if (auto error = design.checkPictures(files)) return fail(*error);
    if (!files.pressedPicture.empty() && files.normalPicture.empty())
        return fail("--pressed needs --normal too");
    if (!files.htmlPage.empty()) {
        if (files.normalPicture.empty())
            return fail("--html needs the exported pictures: give --normal");
        if (!exporter::shownInBrowsers(format)) {
            return fail("HTML doesn't support BMP: export GIF or JPG pictures");
        }
    }
    design.setExportPath(files.normalPicture);
    design.setExportPressedPath(files.pressedPicture);
    if (!files.htmlPage.empty()) files.htmlFragment = design.htmlFragment();
    if (auto e = design.write(files)) {
        // Name the file unless the message already does.
        const bool named = e->path.empty() || e->message.find(e->path) != std::string::npos;
        return fail(named ? e->message : e->path + ": " + e->message);
    }
    return 0;
}
