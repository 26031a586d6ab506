#include "state/web_settings.h"

#include <algorithm>
#include <charconv>

#include "base/utf8.h"

namespace bevelmint::state {

std::string webScalesText(const std::vector<int>& scales) {
    std::string text;
    for (int scale : scales)
        text += (text.empty() ? "" : ",") + std::to_string(scale);
    return text;
}

std::optional<std::vector<int>> parseScaleList(const std::string& text) {
    std::vector<int> scales;
    for (size_t at = 0; at <= text.size();) {
        const size_t comma = std::min(text.find(',', at), text.size());
        int64_t scale = 0;
        const char* first = text.data() + at;
        const char* last = text.data() + comma;
        auto [end, ec] = std::from_chars(first, last, scale);
        if (ec != std::errc() || end != last || first == last) return std::nullopt;
        // Far out of range stays out of range without overflowing.
        scales.push_back(static_cast<int>(std::clamp<int64_t>(scale, -1000, 1000)));
        at = comma + 1;
    }
    return scales;
}

std::optional<std::vector<int>> parseWebScales(const std::string& text) {
    auto scales = parseScaleList(text);
    if (!scales || !webScalesFit(*scales)) return std::nullopt;
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

bool languageTagFits(const std::string& tag) {
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (tag.empty() || tag.size() > 35 || !letter(tag.front()) || tag.back() == '-') return false;
    for (size_t i = 0; i < tag.size(); ++i) {
        const char c = tag[i];
        if (c == '-' ? tag[i - 1] == '-' : !letter(c) && !digit(c)) return false;
    }
    return true;
}

bool webSettingsValid(const WebSettings& web) {
    return webScalesFit(web.scales) && !baseNameProblem(web.baseName) &&
           base::isValidUtf8(web.labels) && languageTagFits(web.language);
}

}  // namespace bevelmint::state
