#include <charconv>
#include <filesystem>

#include "files/design_file.h"
#include "files/text_encoding.h"
#include "image/bmp_reader.h"
#include "state/enum_names.h"
#include "state/state_rules.h"

namespace bevelmint::files {

namespace {

// Reads lines as the format defines them: a byte line is its first byte and the
// rest up to the line end is skipped; past the end a byte reads 26 and a number
// or text reads empty. A lone LF ends a line as well as CR LF.
class LineReader {
  public:
    explicit LineReader(std::string_view b) : b_(b) {}

    int byte() {
        if (pos_ >= b_.size()) return 26;
        const auto v = static_cast<unsigned char>(b_[pos_++]);
        skipLine();
        return v;
    }

    std::string text() {
        const size_t start = pos_;
        skipLine();
        size_t end = pos_;
        if (end > start && b_[end - 1] == '\n') --end;
        if (end > start && b_[end - 1] == '\r') --end;
        return std::string(b_.substr(start, end - start));
    }

    bool number(int64_t& v) {
        const std::string t = text();
        v = 0;
        if (t.empty()) return true;
        const char* first = t.data();
        const char* last = t.data() + t.size();
        if (*first == '+') ++first;
        auto [ptr, ec] = std::from_chars(first, last, v);
        return ec == std::errc() && ptr == last;
    }

    // Everything not read yet.
    std::string_view rest() const { return b_.substr(pos_); }

  private:
    void skipLine() {
        const size_t lf = b_.find('\n', pos_);
        pos_ = lf == std::string_view::npos ? b_.size() : lf + 1;
    }

    std::string_view b_;
    size_t pos_ = 0;
};

// A slider takes a value inside its range that differs from its position.
template <class Apply>
void slider(int64_t v, state::Range range, int64_t position, Apply apply) {
    if (range.contains(v) && v != position) apply(static_cast<int32_t>(v));
}

// A check box or option set from a 0/1 line; other values leave it.
void flag(int v, bool& field) {
    if (v == 0) field = false;
    if (v == 1) field = true;
}

}  // namespace

std::string storedFileName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const auto sep = slash != std::string::npos ? slash : path.find_last_of('\\');
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

Notice textureMissingNotice(const std::string& lookupPath) {
    return {"Load error",
            "the background texture bitmap \r\r" + lookupPath + "\r\r could not be found."};
}

std::optional<DesignLines> parseDesign(std::string_view bytes) {
    LineReader r(bytes);
    DesignLines d;
    bool ok = true;
    d.shape = r.byte();
    d.roundness = r.byte();
    ok &= r.number(d.width);
    ok &= r.number(d.height);
    ok &= r.number(d.depth);
    for (int* v : {&d.buttonRed, &d.buttonGreen, &d.buttonBlue, &d.textRed, &d.textGreen,
                   &d.textBlue, &d.lightPosition, &d.lightRadius, &d.lightIntensity, &d.borderFade,
                   &d.lightenFront, &d.useText})
        *v = r.byte();
    d.buttonText = r.text();
    d.textLength = r.byte();
    d.fontFace = r.text();
    for (int* v : {&d.bold, &d.italic, &d.fontSize, &d.text3D})
        *v = r.byte();
    ok &= r.number(d.textOffsetX);
    ok &= r.number(d.textOffsetY);
    d.useTexture = r.byte();
    if (d.useTexture == 1) {
        d.texturePath = r.text();
        d.textureBrightness = r.byte();
    }
    for (int* v : {&d.stretchPreview, &d.exportFormat, &d.exportPressed, &d.jpegCompression,
                   &d.jpegProgressive})
        *v = r.byte();
    d.fixedLines = d.useTexture == 1 ? 34 : 32;
    d.extension = std::string(r.rest());
    // The stored inscription length (raw bytes, low 8 bits) is the file's only check.
    if (!ok || static_cast<int>(d.buttonText.size() % 256) != d.textLength) return std::nullopt;
    return d;
}

TextureFile readTextureFile(const std::string& lookupPath) {
    TextureFile file;
    std::error_code ec;
    file.found = std::filesystem::is_regular_file(lookupPath, ec);
    if (file.found) file.error = image::readBmpFile(lookupPath, file.bytes);
    return file;
}

std::vector<Notice> applyDesign(const DesignLines& d, const std::string& designFolder,
                                state::ButtonState& s, render::TextureImages& images,
                                const TextureReader& read) {
    using namespace state;
    std::vector<Notice> notices;
    // The largest button first, so the next render erases the largest area.
    setButtonSize(s, kMaxWidth, kMaxHeight);
    s.text3D = false;
    render::removeTexture(s, images);
    setSizeMaxima(s, kMaxWidth, kMaxHeight);

    if (ShapeKind k{}; state::fromFileCode(d.shape, k)) setShapeKind(s, k);
    slider(d.roundness, kRoundnessRange, s.roundness, [&](int32_t v) { s.roundness = v; });
    // A size outside the controls' range is clamped, never stored beyond the canvas.
    setButtonWidth(s, widthRange(s).clamp(d.width));
    setButtonHeight(s, heightRange(s).clamp(d.height));
    slider(d.depth, depthRange(s), s.buttonDepth, [&](int32_t v) { setButtonDepth(s, v); });
    const Channel channels[3] = {Channel::red, Channel::green, Channel::blue};
    const int button[3] = {d.buttonRed, d.buttonGreen, d.buttonBlue};
    const int text[3] = {d.textRed, d.textGreen, d.textBlue};
    for (int k = 0; k < 3; ++k) {
        setButtonChannel(s, channels[k], static_cast<uint8_t>(button[k]));
        textChannel(s, channels[k]) = static_cast<uint8_t>(text[k]);
    }
    setLightPosition(s, d.lightPosition);
    slider(d.lightRadius, kLightRadiusRange, s.lightRadius, [&](int32_t v) { s.lightRadius = v; });
    slider(d.lightIntensity, kLightIntensityRange, s.lightIntensity,
           [&](int32_t v) { s.lightIntensity = v; });
    slider(d.borderFade, kBorderFadeRange, s.borderFade, [&](int32_t v) { s.borderFade = v; });
    flag(d.lightenFront, s.lightenFront);
    flag(d.useText, s.useText);
    s.buttonText = decodeTextLine(d.buttonText);
    s.textFont.face = decodeTextLine(d.fontFace);
    s.textFont.bold = d.bold == 1;
    s.textFont.italic = d.italic == 1;
    slider(d.fontSize, kFontSizeRange, s.textFont.size, [&](int32_t v) { setFontSize(s, v); });
    flag(d.text3D, s.text3D);
    slider(d.textOffsetX, textOffsetXRange(s.buttonWidth), s.textOffsetX,
           [&](int32_t v) { s.textOffsetX = v; });
    slider(d.textOffsetY, textOffsetYRange(s.buttonHeight), s.textOffsetY,
           [&](int32_t v) { s.textOffsetY = v; });

    if (d.useTexture == 0) {
        s.useTexture = false;
        s.textureActive = false;
    } else if (d.useTexture == 1) {
        const std::string stored = decodeTextLine(d.texturePath);
        const std::string lookup = designFolder + storedFileName(stored);
        image::Picture loaded;
        TextureFile file = read(lookup);
        std::optional<base::FileError> error = file.error;
        if (file.found && !error) error = image::decodeBmpFile(lookup, file.bytes, loaded);
        if (!file.found) {
            notices.push_back(textureMissingNotice(lookup));
        } else if (error) {
            notices.push_back({"Load error", error->message});
        } else {
            render::applyTexture(s, images, loaded, stored, false, std::move(file.bytes));
            slider(d.textureBrightness, kBrightnessRange, s.textureBrightness,
                   [&](int32_t v) { s.textureBrightness = v; });
        }
    }
    flag(d.stretchPreview, s.stretchPreview);
    state::fromFileCode(d.exportFormat, s.exportFormat);
    flag(d.exportPressed, s.exportPressed);
    slider(d.jpegCompression, kJpegCompressionRange, s.jpegCompression,
           [&](int32_t v) { s.jpegCompression = v; });
    flag(d.jpegProgressive, s.jpegProgressive);
    for (Notice& n : applyExtensionLines(d.extension, d.fixedLines + 1, s))
        notices.push_back(std::move(n));
    if (s.textureActive && s.textureBrightness != state::kNeutralBrightness)
        render::applyTextureBrightness(s, images);
    updateDerived(s);
    return notices;
}

LoadResult readDesignFile(const std::string& path, state::ButtonState& s,
                          render::TextureImages& images) {
    LoadResult result;
    std::string bytes;
    if ((result.error = base::readWholeFile(path, bytes, kMaxDesignBytes))) return result;
    const auto lines = parseDesign(bytes);
    if (!lines) {
        result.error = base::FileError{"\"" + path + "\" is not a valid Bevelmint design file."};
        return result;
    }
    state::ButtonState loaded = s;
    render::TextureImages textures = images;
    result.notices = applyDesign(*lines, base::folderOf(path), loaded, textures);
    s = std::move(loaded);
    images = std::move(textures);
    return result;
}

}  // namespace bevelmint::files
