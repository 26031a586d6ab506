#pragma once

// One run of exports as a request: the pictures, pages, design file and checks
// that bevelmint-render's options name and the window's commands fill, with the
// rules that decide whether the run can go ahead.

#include <optional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/web_export.h"
#include "export/contrast_report.h"

namespace bevelmint::editor {

// A page shows its pictures in a browser, and browsers show no BMP.
inline constexpr const char* kNoBmpInHtml = "HTML doesn't support BMP";

struct ExportRequest {
    Outputs outputs;  // the pictures, the rollover page and the design file
    WebPages pages;   // the CSS page and snippet, the e-mail/README page, the live ones
    // One label a line: the design is rendered once per label, and the files are
    // named after each label.
    std::string labelsFile;
    bool report = false;  // measure contrast, size and name on the rendered pixels
    bool strict = false;  // with report: a button that falls short fails the run
    bool check = false;   // write nothing; list the files that differ on disk
};

struct ExportRun {
    std::vector<exporter::ButtonReport> reports;  // with report, one per button
    std::vector<std::string> differing;           // with check, in writing order
    // Files kept lossless though a palette was asked for (none with check).
    std::vector<std::string> notices;
    bool fallsShort() const;
};

// Whether a request names anything to write, report or check.
bool hasOutputs(const ExportRequest& request);

// Why the request cannot run as it stands (a page without the pictures it
// shows, or with BMP pictures; --strict without --report; a pressed picture
// without its normal one...), if it cannot. The option names are the command
// line's, which is where such a request is typed.
std::optional<std::string> requestProblem(const ExportRequest& request,
                                          const state::ButtonState& s);

}  // namespace bevelmint::editor
