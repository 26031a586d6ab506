// bevelmint-render: renders a design headlessly and writes its pictures.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "export/bmp_reader.h"
#include "export/bmp_writer.h"
#include "render/render_pipeline.h"
#include "render/text_engine.h"
#include "render/texture.h"
#include "state/button_state.h"
#include "state/field_setter.h"

namespace {

using namespace bevelmint;

constexpr int kUsageError = 2;
constexpr int kWriteError = 1;
constexpr int kInputError = 1;

void printHelp() {
    std::cout << "Usage: bevelmint-render [--set FIELD=VALUE | --texture FILE]... [--normal FILE]\n"
                 "                        [--pressed FILE]\n"
                 "\n"
                 "Renders a button design and writes its normal and pressed pictures.\n"
                 "\n"
                 "  --set FIELD=VALUE  set a design field, applied in order through the\n"
                 "                     editor's rules (a depth must fit the size set before it)\n"
                 "  --texture FILE     lay a Windows bitmap on the face, as the editor does:\n"
                 "                     the button shrinks to fit it and takes its colour\n"
                 "  --normal FILE      write the button at rest (BMP)\n"
                 "  --pressed FILE     write the button held down (BMP)\n"
                 "  --help             show this text\n"
                 "\n"
                 "Fields and the values they take:\n";
    for (const std::string& line : state::fieldHelp())
        std::cout << "  " << line << "\n";
}

int usageError(const std::string& message) {
    std::cerr << "bevelmint-render: " << message << "\n";
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    state::ButtonState design = state::defaultState();
    render::TextureImages texture;
    std::string normalPath, pressedPath;
    std::vector<std::string> args(argv + 1, argv + argc);
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            printHelp();
            return 0;
        }
        if (arg != "--set" && arg != "--normal" && arg != "--pressed" && arg != "--texture") {
            return usageError("unknown option '" + arg + "' (see --help)");
        }
        if (i + 1 >= args.size()) return usageError(arg + " needs a value");
        const std::string& value = args[++i];
        if (arg == "--normal") {
            normalPath = value;
        } else if (arg == "--pressed") {
            pressedPath = value;
        } else if (arg == "--texture") {
            render::Picture loaded;
            if (auto error = exporter::readBmp(value, loaded)) {
                std::cerr << "bevelmint-render: " << error->message << "\n";
                return kInputError;
            }
            render::openbgimage(design, texture, loaded, value);
        } else {
            const auto eq = value.find('=');
            if (eq == std::string::npos)
                return usageError("--set takes FIELD=VALUE, not '" + value + "'");
            const std::string field = value.substr(0, eq);
            if (auto error = state::setField(design, field, value.substr(eq + 1))) {
                return usageError(*error);
            }
            if (field == "textureBrightness") {
                render::setTextureBrightness(design, texture, design.textureBrightness);
            }
        }
    }

    render::TextEngine text;
    text.warn = [](const std::string& message) {
        std::cerr << "bevelmint-render: warning: " << message << "\n";
    };
    render::RenderPipeline pipeline;
    pipeline.useTextEngine(text);
    pipeline.paintbutton(design, render::activeTexture(design, texture));
    int status = 0;
    auto write = [&](const render::Picture& picture, const std::string& path) {
        if (path.empty()) return;
        if (auto error =
                exporter::writeBmp(picture, design.buttonWidth, design.buttonHeight, path)) {
            std::cerr << "bevelmint-render: " << error->message << "\n";
            status = kWriteError;
        }
    };
    write(pipeline.normal(), normalPath);
    write(pipeline.pressed(), pressedPath);
    return status;
}
