// bevelmint-render: renders a design headlessly and writes its pictures, its
// HTML page and the design itself, all or nothing.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/usage.h"
#include "editor/editor.h"
#include "editor/export_request.h"
#include "state/enum_names.h"
#include "state/field_setter.h"

namespace {

using namespace bevelmint;

constexpr int kFailure = 2;
constexpr int kCheckFailed = 1;
constexpr int kStrictFailed = 3;

constexpr const char* kValueOptions[] = {
    "--set",         "--texture",  "--format", "--normal",    "--pressed",     "--hover",
    "--sprite",      "--scale",    "--scales", "--html",      "--save",        "--css-page",
    "--css-snippet", "--img-page", "--labels", "--live-page", "--live-snippet"};

int fail(const std::string& message) {
    std::cerr << "bevelmint-render: " << message << "\n";
    return kFailure;
}

// Design notices (a missing texture) on one line each.
void warnNotices(const files::LoadResult& loaded) {
    for (const files::Notice& n : loaded.notices) {
        std::string text = n.text;
        std::replace(text.begin(), text.end(), '\r', ' ');
        std::cerr << "bevelmint-render: " << n.caption << ": " << text << "\n";
    }
}

// The options that take a value, and where each value goes; false with a
// message for a value the option does not take.
bool takeValue(const std::string& option, const std::string& value, editor::Editor& design,
               editor::ExportRequest& request, std::string& error) {
    editor::Outputs& files = request.outputs;
    exporter::PictureSetRequest& pictures = files.pictures;
    if (option == "--normal") {
        pictures.normal = value;
    } else if (option == "--pressed") {
        pictures.pressed = value;
        design.setExportPressed(true);
    } else if (option == "--hover") {
        pictures.hover = value;
    } else if (option == "--sprite") {
        pictures.sprite = value;
    } else if (option == "--scale" || option == "--scales") {
        auto scales = state::parseScaleList(value);
        if (!scales || (option == "--scale" && scales->size() != 1)) {
            error = option + " takes " + (option == "--scale" ? "a number" : "numbers like 1,2,3") +
                    ", not '" + value + "'";
            return false;
        }
        pictures.scales = *scales;
        pictures.scaleNames = option == "--scales";
    } else if (option == "--html") {
        files.htmlPage = value;
    } else if (option == "--css-page") {
        request.pages.cssPage = value;
    } else if (option == "--css-snippet") {
        request.pages.cssSnippet = value;
    } else if (option == "--img-page") {
        request.pages.imgPage = value;
    } else if (option == "--live-page" || option == "--live-snippet") {
        (option == "--live-page" ? request.pages.livePage : request.pages.liveSnippet) = value;
    } else if (option == "--labels") {
        request.labelsFile = value;
    } else if (option == "--save") {
        files.design = value;
    } else if (option == "--format") {
        exporter::PictureFormat f{};
        if (!state::parseName(value, f)) {
            error = "--format takes " + state::nameChoices<state::PictureFormat>();
            return false;
        }
        pictures.format = f;
    } else if (option == "--texture") {
        if (auto e = design.loadTexture(value)) error = e->message;
    } else {
        const auto eq = value.find('=');
        if (eq == std::string::npos) {
            error = "--set takes FIELD=VALUE, not '" + value + "'";
        } else if (auto e = design.setField(value.substr(0, eq), value.substr(eq + 1))) {
            error = *e;
        }
    }
    return error.empty();
}

void printNotices(const std::vector<std::string>& notices) {
    for (const std::string& notice : notices)
        std::cerr << "bevelmint-render: " << notice << "\n";
}

// Writes what the design's web fields name, as the window's Export for Web does.
int exportForWeb(editor::Editor& design, const editor::ExportRequest& request,
                 bool pictureOptions) {
    if (editor::hasOutputs(request) || request.check || pictureOptions ||
        !request.labelsFile.empty())
        return fail("--web takes its files from the design's web fields: give it alone");
    if (design.web().folder.empty())
        return fail("--web needs a folder: the design's webFolder (--set webFolder=FOLDER)");
    std::vector<std::string> written;
    if (auto e = design.exportForWeb(written)) return fail(e->message);
    printNotices(design.webExportNotices());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    editor::Editor design;
    design.setFontWarning([](const std::string& message) {
        std::cerr << "bevelmint-render: warning: " << message << "\n";
    });
    editor::ExportRequest request;
    bool web = false;
    std::vector<std::string> args(argv + 1, argv + argc);
    size_t i = 0;
    if (!args.empty() && args[0].rfind("--", 0) != 0) {
        const files::LoadResult loaded = design.loadDesign(args[0]);
        // Every message names its file.
        if (loaded.error) return fail(loaded.error->message);
        warnNotices(loaded);
        i = 1;
    }
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            cli::printHelp();
            return 0;
        }
        if (arg == "--version") {
            std::cout << "bevelmint-render " << BEVELMINT_VERSION << "\n";
            return 0;
        }
        if (arg == "--web" || arg == "--report" || arg == "--strict" || arg == "--check" ||
            arg == "--palette") {
            (arg == "--web"       ? web
             : arg == "--report"  ? request.report
             : arg == "--strict"  ? request.strict
             : arg == "--palette" ? request.outputs.pictures.palette
                                  : request.check) = true;
            continue;
        }
        if (std::find(std::begin(kValueOptions), std::end(kValueOptions), arg) ==
            std::end(kValueOptions)) {
            return fail("unknown option '" + arg + "' (see --help)");
        }
        if (i + 1 >= args.size()) return fail(arg + " needs a value");
        std::string error;
        if (!takeValue(arg, args[++i], design, request, error)) return fail(error);
    }
    const exporter::PictureSetRequest& pictures = request.outputs.pictures;
    if (web) {
        return exportForWeb(
            design, request,
            pictures.format || pictures.palette || pictures.scales != std::vector<int>{1});
    }
    if (!editor::hasOutputs(request)) {
        std::cerr << cli::kUsage
                  << "Nothing to write: give --normal, --sprite, --html, --css-page, --web, "
                     "--img-page, --live-page, --report or --save (--help tells more).\n";
        return kFailure;
    }
    const bool check = request.check, report = request.report, strict = request.strict;
    editor::ExportRun run;
    if (auto e = design.run(std::move(request), run)) {
        // Name the file unless the message already does.
        const bool named = e->path.empty() || e->message.find(e->path) != std::string::npos;
        return fail(named ? e->message : e->path + ": " + e->message);
    }
    printNotices(run.notices);
    if (check) {
        for (const std::string& path : run.differing)
            std::cout << path << (std::filesystem::exists(path) ? " differs\n" : " is missing\n");
        return run.differing.empty() ? 0 : kCheckFailed;
    }
    if (report) {
        std::cout << exporter::reportJson(run.reports) << std::flush;
        if (strict && run.fallsShort()) return kStrictFailed;
    }
    return 0;
}
