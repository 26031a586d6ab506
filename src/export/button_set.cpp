#include "export/button_set.h"

#include <set>

#include "base/file_io.h"
#include "base/utf8.h"
#include "render/text_engine.h"

namespace bevelmint::exporter {

namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// U+00C0 .. U+00FF without their accents; empty for the two signs among them.
constexpr const char* kLatin1[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

}  // namespace

std::optional<std::string> parseLabels(const std::string& text, std::vector<std::string>& labels) {
    size_t start = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    for (int line = 1; start <= text.size(); ++line) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string raw = text.substr(start, end - start);
        if (!base::isValidUtf8(raw)) return "line " + std::to_string(line) + " is not UTF-8 text";
        std::string label = trimmed(raw);
        if (!label.empty()) labels.push_back(std::move(label));
        start = end + 1;
    }
    return std::nullopt;
}

std::string slugOf(const std::string& label) {
    std::string slug;
    bool gap = false;
    for (uint32_t cp : render::decodeUtf8(label)) {
        std::string piece;
        if (cp >= 'A' && cp <= 'Z') {
            piece = static_cast<char>(cp - 'A' + 'a');
        } else if ((cp >= 'a' && cp <= 'z') || (cp >= '0' && cp <= '9')) {
            piece = static_cast<char>(cp);
        } else if (cp >= 0xC0 && cp <= 0xFF) {
            piece = kLatin1[cp - 0xC0];
        }
        if (piece.empty()) {
            gap = true;
            continue;
        }
        if (gap && !slug.empty()) slug.push_back('-');
        gap = false;
        slug += piece;
    }
    return slug.empty() ? "button" : slug;
}

std::vector<SetMember> buttonSet(const std::vector<std::string>& labels) {
    std::vector<SetMember> members;
    std::set<std::string> own, taken;
    for (const std::string& label : labels)
        own.insert(slugOf(label));
    for (const std::string& label : labels) {
        const std::string base = slugOf(label);
        std::string slug = base;
        for (int n = 2; taken.count(slug) || (slug != base && own.count(slug)); ++n)
            slug = base + "-" + std::to_string(n);
        taken.insert(slug);
        members.push_back({label, slug});
    }
    return members;
}

std::vector<SetMember> darkMembers(const std::vector<SetMember>& members) {
    std::vector<SetMember> dark = members;
    for (SetMember& m : dark)
        m.slug = m.slug.empty() ? "dark" : m.slug + "-dark";
    return dark;
}

std::string withSlug(const std::string& path, const std::string& slug) {
    if (slug.empty()) return path;
    const size_t nameStart = base::folderOf(path).size();
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot <= nameStart) return path + "-" + slug;
    return path.substr(0, dot) + "-" + slug + path.substr(dot);
}

}  // namespace bevelmint::exporter
