#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "image/picture.h"
#include "state/button_state.h"

namespace bevelmint::render {

// Text output through FreeType, faces found through fontconfig by family name.
// Draws a string with the top-left corner of its text cell at a point: the
// baseline lies one ascent (the face's Windows ascent) below the cell's top.
// Glyphs are anti-aliased and blended over the picture with a clear background.
// One engine serves one thread; engines on several threads may run at once.
class TextEngine {
  public:
    TextEngine();
    ~TextEngine();
    TextEngine(const TextEngine&) = delete;
    TextEngine& operator=(const TextEngine&) = delete;

    // Called once, the first time a font is asked for and none can be found.
    std::function<void(const std::string&)> warn;

    // Draws utf8 text, at `scale` times the font's pixel size; nothing happens for
    // size 0, an empty string or when no font is installed at all. Glyphs that
    // cannot reach into the picture only advance the pen, so a long text costs
    // little more than the picture holds.
    void drawText(image::Picture& picture, int x, int y, const std::string& utf8,
                  const state::FontDesc& font, image::Colour colour, int scale = 1);

    // The face's ascent and descent at a pixel size, as drawText places text by
    // (its Windows metrics); zeros when no font is installed at all.
    struct Metrics {
        int ascent = 0, descent = 0;
    };
    Metrics metrics(const state::FontDesc& font, int pixelSize);
    // The width utf8 text advances the pen by at a pixel size.
    int64_t advance(const std::string& utf8, const state::FontDesc& font, int pixelSize);

    // The file fontconfig chose for the font, empty when there is none.
    std::string fontFile(const state::FontDesc& font);

  private:
    struct Face;
    struct Glyph {
        bool measured = false;  // the advance is known
        bool rendered = false;  // the bitmap below is filled in too
        int advance = 0;
        int left = 0, top = 0, width = 0, rows = 0;
        std::vector<uint8_t> coverage;
    };

    Face* face(const state::FontDesc& font);
    // The glyph's advance, and its bitmap when asked for: a glyph that is never
    // drawn is never rendered.
    const Glyph& glyph(Face& f, int pixelSize, uint32_t codepoint, bool withBitmap);

    void* library_ = nullptr;  // FT_Library
    bool warned_ = false;
    std::map<std::tuple<std::string, bool, bool>, std::unique_ptr<Face>> faces_;
};

// Code points of a UTF-8 string; a byte that is not valid UTF-8 stands for itself
// (older texts are single-byte).
std::vector<uint32_t> decodeUtf8(const std::string& text);

}  // namespace bevelmint::render
