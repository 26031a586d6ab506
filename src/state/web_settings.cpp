#include "state/web_settings.h"

#include <algorithm>
#include <charconv>

#include "base/utf8.h"

namespace bevelmint::state {

namespace {

constexpr const char* kFormatNames[] = {"png", "webp", "svg"};
constexpr const char* kMarkupNames[] = {"css-page", "css-snippet", "img-page", "live-page",
                                        "live-snippet"};

template <class E, size_t N>
bool parseName(const std::string& text, const char* const (&names)[N], E& out) {
    for (size_t i = 0; i < N; ++i) {
        if (text == names[i]) {
            out = static_cast<E>(i);
            return true;
        }
    }
    return false;
}

}  // namespace

const char* webFormatName(WebFormat format) {
    return kFormatNames[static_cast<int>(format)];
}

bool parseWebFormat(const std::string& text, WebFormat& format) {
    return parseName(text, kFormatNames, format);
}

const char* webMarkupName(WebMarkup markup) {
    return kMarkupNames[static_cast<int>(markup)];
}

bool parseWebMarkup(const std::string& text, WebMarkup& markup) {
    return parseName(text, kMarkupNames, markup);
}

std::string webScalesText(const std::vector<int>& scales) {
    std::string text;
    for (int scale : scales)
        text += (text.empty() ? "" : ",") + std::to_string(scale);
    return text;
}

std::optional<std::vector<int>> parseWebScales(const std::string& text) {
    std::vector<int> scales;
    for (size_t at = 0; at <= text.size();) {
        size_t comma = text.find(',', at);
        if (comma == std::string::npos) comma = text.size();
        int scale = 0;
        const char* first = text.data() + at;
        const char* last = text.data() + comma;
        auto [end, ec] = std::from_chars(first, last, scale);
        if (ec != std::errc() || end != last || first == last) return std::nullopt;
        scales.push_back(scale);
        at = comma + 1;
    }
    if (!webScalesFit(scales)) return std::nullopt;
    return scales;
}

bool webScalesFit(const std::vector<int>& scales) {
    return !scales.empty() && std::is_sorted(scales.begin(), scales.end()) &&
           std::adjacent_find(scales.begin(), scales.end()) == scales.end() &&
           scales.front() >= 1 && scales.back() <= kMaxWebScale;
}

std::optional<std::string> baseNameProblem(const std::string& name) {
    if (name.empty()) return "the base name is empty";
    if (name == "." || name == ".." ||
        name.find_first_of(std::string("/\\\0\r\n", 5)) != std::string::npos)
        return "the base name must be a file name without folders";
    return std::nullopt;
}

bool webSettingsValid(const WebSettings& web) {
    return webScalesFit(web.scales) && !baseNameProblem(web.baseName) &&
           base::isValidUtf8(web.labels);
}

}  // namespace bevelmint::state
