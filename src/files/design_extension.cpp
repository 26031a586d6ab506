#include "files/design_file.h"
#include "state/enum_names.h"
#include "state/field_setter.h"

namespace bevelmint::files {

namespace {

// The extension settings, by the names the field setter knows them under, so
// that their ranges and rules are the state's.
struct ExtensionField {
    const char* name;
    std::string (*value)(const state::ButtonState&);
};

constexpr ExtensionField kExtensionFields[] = {
    {"smoothEdges",
     [](const state::ButtonState& s) { return std::string(s.smoothEdges ? "true" : "false"); }},
    {"backRed", [](const state::ButtonState& s) { return std::to_string(s.backRed); }},
    {"backGreen", [](const state::ButtonState& s) { return std::to_string(s.backGreen); }},
    {"backBlue", [](const state::ButtonState& s) { return std::to_string(s.backBlue); }},
    {"hoverLift", [](const state::ButtonState& s) { return std::to_string(s.hoverLift); }},
    {"webFormat",
     [](const state::ButtonState& s) { return std::string(state::nameOf(s.web.format)); }},
    {"webPalette",
     [](const state::ButtonState& s) { return std::string(s.web.palette ? "true" : "false"); }},
    {"webScales", [](const state::ButtonState& s) { return state::webScalesText(s.web.scales); }},
    {"webFolder", [](const state::ButtonState& s) { return s.web.folder; }},
    {"webBaseName", [](const state::ButtonState& s) { return s.web.baseName; }},
    {"webMarkup",
     [](const state::ButtonState& s) { return std::string(state::nameOf(s.web.markup)); }},
    {"webLabels", [](const state::ButtonState& s) { return s.web.labels; }},
    {"webLanguage", [](const state::ButtonState& s) { return s.web.language; }},
    {"darkScheme",
     [](const state::ButtonState& s) { return std::string(s.dark.on ? "true" : "false"); }},
    {"darkButtonRed", [](const state::ButtonState& s) { return std::to_string(s.dark.buttonRed); }},
    {"darkButtonGreen",
     [](const state::ButtonState& s) { return std::to_string(s.dark.buttonGreen); }},
    {"darkButtonBlue",
     [](const state::ButtonState& s) { return std::to_string(s.dark.buttonBlue); }},
    {"darkTextRed", [](const state::ButtonState& s) { return std::to_string(s.dark.textRed); }},
    {"darkTextGreen", [](const state::ButtonState& s) { return std::to_string(s.dark.textGreen); }},
    {"darkTextBlue", [](const state::ButtonState& s) { return std::to_string(s.dark.textBlue); }},
    {"darkBackRed", [](const state::ButtonState& s) { return std::to_string(s.dark.backRed); }},
    {"darkBackGreen", [](const state::ButtonState& s) { return std::to_string(s.dark.backGreen); }},
    {"darkBackBlue", [](const state::ButtonState& s) { return std::to_string(s.dark.backBlue); }},
};

// A value on one line: backslashes, line feeds and carriage returns escaped.
std::string escapeValue(const std::string& value) {
    std::string out;
    for (char c : value) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string unescapeValue(std::string_view value) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

const ExtensionField* findExtension(std::string_view name) {
    for (const ExtensionField& f : kExtensionFields)
        if (name == f.name) return &f;
    return nullptr;
}

Notice lineNotice(int line, const std::string& what) {
    return {"Design file", "line " + std::to_string(line) + ": " + what};
}

}  // namespace

std::string extensionLines(const state::ButtonState& s) {
    const state::ButtonState defaults = state::defaultState();
    std::string out;
    for (const ExtensionField& f : kExtensionFields) {
        const std::string value = f.value(s);
        if (value != f.value(defaults))
            out += std::string(f.name) + "=" + escapeValue(value) + "\r\n";
    }
    return out;
}

std::vector<Notice> applyExtensionLines(std::string_view text, int firstLine,
                                        state::ButtonState& s) {
    const state::ButtonState defaults = state::defaultState();
    for (const ExtensionField& f : kExtensionFields)
        state::setField(s, f.name, f.value(defaults));
    std::vector<Notice> notices;
    int line = firstLine;
    for (size_t at = 0; at < text.size(); ++line) {
        const size_t lf = text.find('\n', at);
        std::string_view content = text.substr(at, lf == std::string_view::npos ? lf : lf - at);
        at = lf == std::string_view::npos ? text.size() : lf + 1;
        if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
        if (content.empty()) continue;
        const size_t eq = content.find('=');
        if (eq == std::string_view::npos || eq == 0) {
            notices.push_back(lineNotice(
                line, "\"" + std::string(content) + "\" is not a name=value setting; ignored"));
            continue;
        }
        const std::string name(content.substr(0, eq));
        if (!findExtension(name)) {
            notices.push_back(lineNotice(line, "unknown setting \"" + name + "\" ignored"));
            continue;
        }
        if (auto error = state::setField(s, name, unescapeValue(content.substr(eq + 1)))) {
            notices.push_back(lineNotice(line, *error + "; ignored"));
        }
    }
    return notices;
}

}  // namespace bevelmint::files
