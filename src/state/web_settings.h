#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bevelmint::state {

// The pictures of a web export: lossless with true alpha at the edges, or
// vector pictures drawn by the browser.
enum class WebFormat { png, webp, svg };

// The page that shows web buttons.
enum class WebMarkup {
    cssPage,      // a page with the buttons styled by CSS alone
    cssSnippet,   // the style element and the links, to paste into a site
    imgBundle,    // images in links, for e-mail and README files
    livePage,     // a page with live buttons: drawn by CSS, with real text, no pictures
    liveSnippet,  // their style element and links
};

// How a design is exported for the web; the design file keeps it.
struct WebSettings {
    WebFormat format = WebFormat::png;
    bool palette = false;           // PNG: at most 256 colours where that keeps 45 dB PSNR
    std::vector<int> scales{1, 2};  // ascending, each 1..3
    std::string folder;             // where the files go; empty until chosen
    std::string baseName = "button";
    WebMarkup markup = WebMarkup::cssPage;
    std::string labels;           // one inscription a line; none: the design's own button
    std::string language = "en";  // the pages' lang, a BCP 47 tag

    bool operator==(const WebSettings&) const = default;
};

inline constexpr int kMaxWebScale = 3;

// "1,2": the scales as a design file and --set write them.
std::string webScalesText(const std::vector<int>& scales);
// Whole numbers separated by commas ("1,2,3"), in any order and range; nullopt
// for anything else.
std::optional<std::vector<int>> parseScaleList(const std::string& text);
// Ascending scales without repeats, each 1..3; nullopt for anything else.
std::optional<std::vector<int>> parseWebScales(const std::string& text);
bool webScalesFit(const std::vector<int>& scales);
// Why a base name cannot name the files (empty, or with a folder in it), if it cannot.
std::optional<std::string> baseNameProblem(const std::string& name);
// A BCP 47 language tag's shape: letters, digits and "-", starting with a
// letter, at most 35 characters ("en", "de-CH", "zh-Hant").
bool languageTagFits(const std::string& tag);
// Scales that fit, a base name without problem and labels in UTF-8.
bool webSettingsValid(const WebSettings& web);

}  // namespace bevelmint::state
