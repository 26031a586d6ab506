// bevelmint-render: renders a design headlessly and writes its pictures, its
// HTML page and the design itself, all or nothing.
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "export/html_snippet.h"
#include "export/picture_export.h"
#include "export/picture_set.h"
#include "files/design_file.h"
#include "image/bmp_reader.h"
#include "render/text_engine.h"
#include "render/texture.h"
#include "state/button_state.h"
#include "state/field_setter.h"

namespace {

using namespace bevelmint;

constexpr int kFailure = 2;

void printHelp() {
    std::cout << "Usage: bevelmint-render [DESIGN.bvm] [--texture FILE | --set FIELD=VALUE]...\n"
                 "                        [--format FORMAT] [--scale N | --scales N,N...]\n"
                 "                        [--normal FILE] [--hover FILE] [--pressed FILE]\n"
                 "                        [--sprite FILE] [--html FILE] [--save FILE.bvm]\n"
                 "\n"
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
                 "  --hover FILE       write the button under the pointer (hoverLift)\n"
                 "  --pressed FILE     write the button held down (sets exportPressed)\n"
                 "  --sprite FILE      write normal, hover and pressed stacked from the top\n"
                 "  --html FILE        write the HTML page that shows the exported pictures by\n"
                 "                     their bare names (not BMP)\n"
                 "  --save FILE.bvm    write the design, with its texture beside it\n"
                 "  --help             show this text\n"
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
    exporter::PictureSetRequest pictures;
    std::string html, save;
};

}  // namespace

int main(int argc, char** argv) {
    state::ButtonState design = state::defaultState();
    render::TextureImages texture;
    Outputs out;
    std::vector<std::string> args(argv + 1, argv + argc);
    size_t i = 0;
    if (!args.empty() && args[0].rfind("--", 0) != 0) {
        const files::LoadResult loaded = files::openbutton(args[0], design, texture);
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
        static const std::vector<std::string> known = {
            "--set",    "--texture", "--format", "--normal", "--pressed", "--hover",
            "--sprite", "--scale",   "--scales", "--html",   "--save"};
        if (std::find(known.begin(), known.end(), arg) == known.end()) {
            return fail("unknown option '" + arg + "' (see --help)");
        }
        if (i + 1 >= args.size()) return fail(arg + " needs a value");
        const std::string& value = args[++i];
        exporter::PictureSetRequest& pictures = out.pictures;
        if (arg == "--normal") {
            pictures.normal = value;
        } else if (arg == "--pressed") {
            pictures.pressed = value;
            design.exportPressed = true;
        } else if (arg == "--hover") {
            pictures.hover = value;
        } else if (arg == "--sprite") {
            pictures.sprite = value;
        } else if (arg == "--scale" || arg == "--scales") {
            auto scales = exporter::parseScales(value);
            if (!scales || (arg == "--scale" && scales->size() != 1))
                return fail(arg + " takes " +
                            (arg == "--scale" ? "a number" : "numbers like 1,2,3") + ", not '" +
                            value + "'");
            pictures.scales = *scales;
            pictures.scaleNames = arg == "--scales";
        } else if (arg == "--html") {
            out.html = value;
        } else if (arg == "--save") {
            out.save = value;
        } else if (arg == "--format") {
            exporter::PictureFormat f{};
            if (!exporter::parsePictureFormat(value, f))
                return fail("--format takes gif, jpg, bmp, png or webp");
            pictures.format = f;
        } else if (arg == "--texture") {
            image::Picture loaded;
            if (auto error = image::readBmp(value, loaded)) return fail(error->message);
            render::openbgimage(design, texture, loaded, value);
        } else {
            const auto eq = value.find('=');
            if (eq == std::string::npos)
                return fail("--set takes FIELD=VALUE, not '" + value + "'");
            const std::string field = value.substr(0, eq);
            if (auto error = state::setField(design, field, value.substr(eq + 1)))
                return fail(*error);
            if (field == "textureBrightness") {
                render::setTextureBrightness(design, texture, design.textureBrightness);
            }
        }
    }
    const exporter::PictureSetRequest& pictures = out.pictures;
    if (auto error = exporter::checkRequest(pictures, design)) return fail(*error);
    const exporter::PictureFormat format = exporter::fileFormat(pictures, pictures.normal, design);
    // A saved design keeps the format of the pictures when it can name it.
    if (pictures.format || !pictures.normal.empty())
        design.exportFormat = exporter::exportFormat(format).value_or(design.exportFormat);
    if (!pictures.pressed.empty() && pictures.normal.empty())
        return fail("--pressed needs --normal too");
    if (!out.html.empty()) {
        if (pictures.normal.empty())
            return fail("--html needs the exported pictures: give --normal");
        if (format == exporter::PictureFormat::bmp) {
            return fail("HTML doesn't support BMP: export GIF or JPG pictures");
        }
    }

    render::TextEngine text;
    text.warn = [](const std::string& message) {
        std::cerr << "bevelmint-render: warning: " << message << "\n";
    };
    base::FileBatch batch;
    for (const exporter::PictureFile& f : exporter::encodePictureSet(
             pictures, design, render::activeTexture(design, texture), text)) {
        if (auto e = exporter::stagePicture(batch, f.path, f.bytes)) return fail(e->message);
    }
    if (!out.html.empty()) {
        const std::string fragment = exporter::htmlFragment(
            base::fileNameOf(pictures.normal), base::fileNameOf(pictures.pressed),
            design.buttonText, !pictures.pressed.empty());
        if (auto e = batch.stage(out.html, exporter::htmlPage(fragment))) {
            return fail(out.html + ": " + base::ioErrorText(*e));
        }
    }
    if (!out.save.empty()) {
        std::vector<files::OutputFile> saved;
        if (auto e = files::designFiles(out.save, design, texture, saved)) return fail(e->message);
        for (const files::OutputFile& f : saved) {
            if (auto e = batch.stage(f.path, f.bytes))
                return fail(f.path + ": " + base::ioErrorText(*e));
        }
    }
    if (auto e = batch.commit()) return fail(base::ioErrorText(*e));
    return 0;
}
