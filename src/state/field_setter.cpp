#include "state/field_setter.h"
#include "state/enum_names.h"

#include <charconv>
#include <functional>

#include "base/utf8.h"
#include "state/state_rules.h"

namespace bevelmint::state {

namespace {

enum class Kind { integer, boolean, shape, format, text, parsed };

struct Field {
    const char* name;
    Kind kind;
    std::function<Range(const ButtonState&)> range;  // integer fields only
    std::function<void(ButtonState&, int32_t)> setInt;
    std::function<void(ButtonState&, const std::string&)> setText;
    // Kind::parsed: what the field takes, and the setter that checks the value
    // (false: refused, nothing changed).
    std::string takes = {};
    std::function<bool(ButtonState&, const std::string&)> parse = nullptr;
    // A session value rather than a design field (boolean only).
    bool Session::*sessionFlag = nullptr;
    FieldEffect effect = FieldEffect::none;
};

Field withEffect(Field f, FieldEffect effect) {
    f.effect = effect;
    return f;
}

Field parsedField(const char* name, std::string takes,
                  std::function<bool(ButtonState&, const std::string&)> parse) {
    return {name, Kind::parsed, nullptr, nullptr, nullptr, std::move(takes), std::move(parse)};
}

Field intField(const char* name, std::function<Range(const ButtonState&)> range,
               std::function<void(ButtonState&, int32_t)> set) {
    return {name, Kind::integer, std::move(range), std::move(set), nullptr};
}

Field fixedInt(const char* name, Range range, int32_t ButtonState::*member) {
    return intField(
        name, [range](const ButtonState&) { return range; },
        [member](ButtonState& s, int32_t v) { s.*member = v; });
}

Field boolField(const char* name, std::function<void(ButtonState&, bool)> set) {
    return {name, Kind::boolean,
            [](const ButtonState&) {
                return Range{0, 1};
            },
            [set](ButtonState& s, int32_t v) { set(s, v != 0); }, nullptr};
}

Field plainBool(const char* name, bool ButtonState::*member) {
    return boolField(name, [member](ButtonState& s, bool v) { s.*member = v; });
}

Field sessionBool(const char* name, bool Session::*member) {
    Field f = boolField(name, nullptr);
    f.sessionFlag = member;
    return f;
}

Field byteField(const char* name, std::function<void(ButtonState&, uint8_t)> set) {
    return intField(
        name, [](const ButtonState&) { return kColourRange; },
        [set](ButtonState& s, int32_t v) { set(s, static_cast<uint8_t>(v)); });
}

Field plainByte(const char* name, uint8_t ButtonState::*member) {
    return byteField(name, [member](ButtonState& s, uint8_t v) { s.*member = v; });
}

Field buttonByte(const char* name, Channel c) {
    return byteField(name, [c](ButtonState& s, uint8_t v) { setButtonChannel(s, c, v); });
}

Field darkByte(const char* name, uint8_t DarkScheme::*member) {
    return byteField(name, [member](ButtonState& s, uint8_t v) { s.dark.*member = v; });
}

const std::vector<Field>& fields() {
    static const std::vector<Field> table = {
        {"shapeKind", Kind::shape, nullptr, nullptr,
         [](ButtonState& s, const std::string& v) {
             ShapeKind k{};
             parseName(v, k);
             setShapeKind(s, k);
         }},
        intField("buttonWidth", widthRange,
                 [](ButtonState& s, int32_t v) { setButtonWidth(s, v); }),
        intField("buttonHeight", heightRange,
                 [](ButtonState& s, int32_t v) { setButtonHeight(s, v); }),
        intField("buttonDepth", depthRange,
                 [](ButtonState& s, int32_t v) { setButtonDepth(s, v); }),
        fixedInt("roundness", kRoundnessRange, &ButtonState::roundness),
        plainBool("smoothEdges", &ButtonState::smoothEdges),
        buttonByte("buttonRed", Channel::red),
        buttonByte("buttonGreen", Channel::green),
        buttonByte("buttonBlue", Channel::blue),
        plainByte("textRed", &ButtonState::textRed),
        plainByte("textGreen", &ButtonState::textGreen),
        plainByte("textBlue", &ButtonState::textBlue),
        plainByte("backRed", &ButtonState::backRed),
        plainByte("backGreen", &ButtonState::backGreen),
        plainByte("backBlue", &ButtonState::backBlue),
        intField(
            "lightPosition", [](const ButtonState&) { return kLightPositionRange; },
            [](ButtonState& s, int32_t v) { setLightPosition(s, v); }),
        fixedInt("lightRadius", kLightRadiusRange, &ButtonState::lightRadius),
        fixedInt("lightIntensity", kLightIntensityRange, &ButtonState::lightIntensity),
        fixedInt("borderFade", kBorderFadeRange, &ButtonState::borderFade),
        plainBool("lightenFront", &ButtonState::lightenFront),
        fixedInt("hoverLift", kHoverLiftRange, &ButtonState::hoverLift),
        sessionBool("fastEdit", &Session::fastEdit),
        plainBool("useText", &ButtonState::useText),
        {"buttonText", Kind::text, nullptr, nullptr,
         [](ButtonState& s, const std::string& v) { s.buttonText = v; }},
        {"textFont.face", Kind::text, nullptr, nullptr,
         [](ButtonState& s, const std::string& v) { s.textFont.face = v; }},
        intField(
            "textFont.size", [](const ButtonState&) { return kFontSizeRange; }, setFontSize),
        boolField("textFont.bold", [](ButtonState& s, bool v) { s.textFont.bold = v; }),
        boolField("textFont.italic", [](ButtonState& s, bool v) { s.textFont.italic = v; }),
        intField(
            "textOffsetX", [](const ButtonState& s) { return textOffsetXRange(s.buttonWidth); },
            [](ButtonState& s, int32_t v) { s.textOffsetX = v; }),
        intField(
            "textOffsetY", [](const ButtonState& s) { return textOffsetYRange(s.buttonHeight); },
            [](ButtonState& s, int32_t v) { s.textOffsetY = v; }),
        boolField("text3D", setText3D),
        withEffect(fixedInt("textureBrightness", kBrightnessRange, &ButtonState::textureBrightness),
                   FieldEffect::recomputeTexture),
        plainBool("stretchPreview", &ButtonState::stretchPreview),
        {"exportFormat", Kind::format, nullptr, nullptr,
         [](ButtonState& s, const std::string& v) { parseName(v, s.exportFormat); }},
        plainBool("exportPressed", &ButtonState::exportPressed),
        fixedInt("jpegCompression", kJpegCompressionRange, &ButtonState::jpegCompression),
        plainBool("jpegProgressive", &ButtonState::jpegProgressive),
        parsedField(
            "webFormat", nameChoices<WebFormat>(),
            [](ButtonState& s, const std::string& v) { return parseName(v, s.web.format); }),
        boolField("webPalette", [](ButtonState& s, bool v) { s.web.palette = v; }),
        parsedField("webScales", "1 to 3 in ascending order, like 1,2",
                    [](ButtonState& s, const std::string& v) {
                        auto scales = parseWebScales(v);
                        if (scales) s.web.scales = *scales;
                        return scales.has_value();
                    }),
        {"webFolder", Kind::text, nullptr, nullptr,
         [](ButtonState& s, const std::string& v) { s.web.folder = v; }},
        parsedField("webBaseName", "a file name without folders",
                    [](ButtonState& s, const std::string& v) {
                        if (baseNameProblem(v)) return false;
                        s.web.baseName = v;
                        return true;
                    }),
        parsedField(
            "webMarkup", nameChoices<WebMarkup>(),
            [](ButtonState& s, const std::string& v) { return parseName(v, s.web.markup); }),
        parsedField("webLabels", "UTF-8 text, one label a line",
                    [](ButtonState& s, const std::string& v) {
                        if (!base::isValidUtf8(v)) return false;
                        s.web.labels = v;
                        return true;
                    }),
        parsedField("webLanguage", "a language tag like en or de-CH",
                    [](ButtonState& s, const std::string& v) {
                        if (!languageTagFits(v)) return false;
                        s.web.language = v;
                        return true;
                    }),
        boolField("darkScheme", [](ButtonState& s, bool v) { s.dark.on = v; }),
        darkByte("darkButtonRed", &DarkScheme::buttonRed),
        darkByte("darkButtonGreen", &DarkScheme::buttonGreen),
        darkByte("darkButtonBlue", &DarkScheme::buttonBlue),
        darkByte("darkTextRed", &DarkScheme::textRed),
        darkByte("darkTextGreen", &DarkScheme::textGreen),
        darkByte("darkTextBlue", &DarkScheme::textBlue),
        darkByte("darkBackRed", &DarkScheme::backRed),
        darkByte("darkBackGreen", &DarkScheme::backGreen),
        darkByte("darkBackBlue", &DarkScheme::backBlue),
    };
    return table;
}

const Field* findField(const std::string& name) {
    for (const Field& f : fields()) {
        if (name == f.name) return &f;
    }
    return nullptr;
}

std::string rangeText(const Field& f, const ButtonState& s) {
    switch (f.kind) {
        case Kind::integer: {
            Range r = f.range(s);
            return std::to_string(r.min) + ".." + std::to_string(r.max);
        }
        case Kind::boolean:
            return "true, false, 1 or 0";
        case Kind::shape:
            return nameChoices<ShapeKind>();
        case Kind::format:
            return nameChoices<ExportFormat>();
        case Kind::text:
            return "any text";
        case Kind::parsed:
            return f.takes;
    }
    return {};
}

bool parseInt(const std::string& text, int64_t& v) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v);
    return ec == std::errc() && ptr == end && !text.empty();
}

// Sets a number field already known to take v: the session's flag or the design's setter.
void setChecked(const Field& f, ButtonState& s, Session& session, int32_t v) {
    if (f.sessionFlag != nullptr) {
        session.*(f.sessionFlag) = v != 0;
    } else {
        f.setInt(s, v);
    }
}

}  // namespace

bool setNumber(ButtonState& s, Session& session, const std::string& name, int64_t value,
               FieldEffect* effect) {
    const Field* f = findField(name);
    if (f == nullptr || (f->kind != Kind::integer && f->kind != Kind::boolean)) return false;
    if (!f->range(s).contains(value)) return false;
    setChecked(*f, s, session, static_cast<int32_t>(value));
    if (effect != nullptr) *effect = f->effect;
    return true;
}

std::optional<std::string> setField(ButtonState& s, Session& session, const std::string& name,
                                    const std::string& value, FieldEffect* effect) {
    const Field* f = findField(name);
    if (f == nullptr) return "unknown field '" + name + "' (see --help for the field names)";
    auto refuse = [&](const std::string& why) {
        return name + ": " + why + "; takes " + rangeText(*f, s);
    };
    switch (f->kind) {
        case Kind::shape: {
            ShapeKind k{};
            if (!parseName(value, k)) return refuse("'" + value + "' is not a shape");
            f->setText(s, value);
            break;
        }
        case Kind::format: {
            ExportFormat format{};
            if (!parseName(value, format)) return refuse("'" + value + "' is not a format");
            f->setText(s, value);
            break;
        }
        case Kind::text:
            f->setText(s, value);
            break;
        case Kind::parsed:
            if (!f->parse(s, value)) return refuse("'" + value + "' is not accepted");
            break;
        case Kind::boolean: {
            int32_t v = -1;
            if (value == "true" || value == "1") v = 1;
            if (value == "false" || value == "0") v = 0;
            if (v < 0) return refuse("'" + value + "' is not a boolean");
            setChecked(*f, s, session, v);
            break;
        }
        case Kind::integer: {
            int64_t v = 0;
            if (!parseInt(value, v)) return refuse("'" + value + "' is not a number");
            if (!f->range(s).contains(v)) return refuse(value + " is out of range");
            setChecked(*f, s, session, static_cast<int32_t>(v));
            break;
        }
    }
    if (effect != nullptr) *effect = f->effect;
    return std::nullopt;
}

std::optional<std::string> setField(ButtonState& s, const std::string& name,
                                    const std::string& value) {
    Session ignored;
    return setField(s, ignored, name, value);
}

std::vector<std::string> fieldHelp() {
    ButtonState s = defaultState();
    std::vector<std::string> lines;
    for (const Field& f : fields()) {
        std::string line = f.name;
        line.resize(18, ' ');
        lines.push_back(line + rangeText(f, s) +
                        (f.kind == Kind::integer ? " (default design)" : ""));
    }
    return lines;
}

}  // namespace bevelmint::state
