// bevelmint-render: renders a design headlessly and writes its pictures, its
// HTML page and the design itself, all or nothing.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "export/html_snippet.h"
#include "export/picture_export.h"
#include "files/design_file.h"
#include "image/bmp_reader.h"
#include "render/render_pipeline.h"
#include "render/text_engine.h"
#include "render/texture.h"
#include "state/button_state.h"
#include "state/field_setter.h"

namespace {

using namespace bevelmint;

constexpr int kFailure = 2;

void printHelp() {
    std::cout << "Usage: bevelmint-render [DESIGN.bvm] [--texture FILE | --set FIELD=VALUE]...\n"
                 "                        [--format gif|jpg|bmp] [--normal FILE] [--pressed FILE]\n"
                 "                        [--html FILE] [--save FILE.bvm]\n"
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
    std::string normal, pressed, html, save;
    std::optional<state::ExportFormat> format;
};

// The picture format: the one named, else the extensions, else the design's.
std::optional<std::string> chooseFormat(const Outputs& out, state::ButtonState& design) {
    std::optional<state::ExportFormat> chosen = out.format;
    for (const std::string* path : {&out.normal, &out.pressed}) {
        if (path->empty() || out.format) continue;
        auto f = exporter::formatFromExtension(*path);
        if (!f) continue;
        if (chosen && *chosen != *f) return "--normal and --pressed name different picture formats";
        chosen = f;
    }
    if (chosen) design.exportFormat = *chosen;
    return std::nullopt;
}

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
            design.exportPressed = true;
        } else if (arg == "--html") {
            out.html = value;
        } else if (arg == "--save") {
            out.save = value;
        } else if (arg == "--format") {
            state::ExportFormat f{};
            if (!state::parseExportFormat(value, f)) return fail("--format takes gif, jpg or bmp");
            out.format = f;
        } else if (arg == "--texture") {
            image::Picture loaded;
            std::string bytes;
            if (auto error = image::readBmp(value, loaded, &bytes)) return fail(error->message);
            // The full path, as a file dialog gives it: its name is what follows the last "/".
            const std::string full = std::filesystem::absolute(value).lexically_normal().string();
            render::openbgimage(design, texture, loaded, full, std::move(bytes));
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
    if (auto error = chooseFormat(out, design)) return fail(*error);
    if (!out.pressed.empty() && out.normal.empty()) return fail("--pressed needs --normal too");
    if (!out.html.empty()) {
        if (out.normal.empty()) return fail("--html needs the exported pictures: give --normal");
        if (design.exportFormat == state::ExportFormat::bmp) {
            return fail("HTML doesn't support BMP: export GIF or JPG pictures");
        }
    }
    std::vector<files::OutputFile> saved;
    if (!out.save.empty()) {
        if (auto e = files::designFiles(out.save, design, texture, saved)) return fail(e->message);
    }
    std::vector<std::string> targets;
    for (const std::string* path : {&out.normal, &out.pressed, &out.html})
        if (!path->empty()) targets.push_back(*path);
    for (const files::OutputFile& f : saved)
        targets.push_back(f.path);
    if (auto e = base::refuseSameFileTwice(targets)) return fail(e->message);

    render::TextEngine text;
    text.warn = [](const std::string& message) {
        std::cerr << "bevelmint-render: warning: " << message << "\n";
    };
    render::RenderPipeline pipeline;
    pipeline.useTextEngine(text);
    pipeline.paintbutton(design, render::activeTexture(design, texture));

    base::FileBatch batch;
    if (!out.normal.empty()) {
        const std::string bytes = exporter::encodeForExport(design, pipeline.normal());
        if (auto e = exporter::stagePicture(batch, out.normal, bytes)) return fail(e->message);
    }
    if (!out.pressed.empty()) {
        const std::string bytes = exporter::encodeForExport(design, pipeline.pressed());
        if (auto e = exporter::stagePicture(batch, out.pressed, bytes)) return fail(e->message);
    }
    if (!out.html.empty()) {
        const std::string fragment =
            exporter::htmlFragment(base::fileNameOf(out.normal), base::fileNameOf(out.pressed),
                                   design.buttonText, !out.pressed.empty());
        if (auto e = batch.stage(out.html, exporter::htmlPage(fragment))) {
            return fail(out.html + ": " + base::ioErrorText(*e));
        }
    }
    if (auto e = files::stageDesignFiles(batch, saved)) return fail(e->message);
    if (auto e = batch.commit()) return fail(batch.failedPath() + ": " + base::ioErrorText(*e));
    return 0;
}
