#include "render/text_engine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <mutex>

#include "state/layout.h"

// fontconfig keeps its configuration for the life of the process, which the leak
// checker of a sanitized build reports as lost at exit; FcFini cannot release it
// while another user of the library (the window's toolkit) may still hold it.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
// Quiet about it: bevelmint-render's messages are its only output on stderr.
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}
#endif

namespace bevelmint::render {

std::vector<uint32_t> decodeUtf8(const std::string& text) {
    std::vector<uint32_t> out;
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        const unsigned char c = s[i];
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        uint32_t cp = len == 1 ? c : len == 2 ? c & 0x1F : len == 3 ? c & 0x0F : c & 0x07;
        bool ok = len > 0 && i + len <= n;
        for (int k = 1; ok && k < len; ++k) {
            ok = (s[i + k] & 0xC0) == 0x80;
            cp = cp << 6 | (s[i + k] & 0x3F);
        }
        if (!ok) {
            out.push_back(c);
            ++i;
        } else {
            out.push_back(cp);
            i += len;
        }
    }
    return out;
}

struct TextEngine::Face {
    FT_Face ft = nullptr;
    bool emboldenSynthetic = false;
    bool slantSynthetic = false;
    std::map<std::pair<int, uint32_t>, Glyph> glyphs;
    ~Face() {
        if (ft) FT_Done_Face(ft);
    }
};

TextEngine::TextEngine() {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) == 0) library_ = lib;
}

TextEngine::~TextEngine() {
    faces_.clear();
    if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

namespace {

struct Match {
    std::string file;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
};

// Each engine has its own FreeType library, so engines on different threads
// share nothing but fontconfig's configuration, which is asked one at a time.
std::mutex fontconfigLock;

Match matchFont(const state::FontDesc& font) {
    Match m;
    const std::lock_guard<std::mutex> lock(fontconfigLock);
    if (!FcInit()) return m;
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(font.face.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, font.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pat, &result);
    if (found) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch && file)
            m.file = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(found, FC_INDEX, 0, &m.index);
        FcPatternGetInteger(found, FC_WEIGHT, 0, &m.weight);
        FcPatternGetInteger(found, FC_SLANT, 0, &m.slant);
        FcPatternDestroy(found);
    }
    FcPatternDestroy(pat);
    return m;
}

}  // namespace

std::string TextEngine::fontFile(const state::FontDesc& font) {
    return matchFont(font).file;
}

TextEngine::Face* TextEngine::face(const state::FontDesc& font) {
    const auto key = std::make_tuple(font.face, font.bold, font.italic);
    auto it = faces_.find(key);
    if (it != faces_.end()) return it->second.get();
    auto f = std::make_unique<Face>();
    const Match m = matchFont(font);
    if (library_ && !m.file.empty()) {
        if (FT_New_Face(static_cast<FT_Library>(library_), m.file.c_str(), m.index, &f->ft) != 0)
            f->ft = nullptr;
    }
    if (!f->ft) {
        if (!warned_ && warn)
            warn("no font found for \"" + font.face + "\"; the inscription is skipped");
        warned_ = true;
    }
    f->emboldenSynthetic = font.bold && m.weight < FC_WEIGHT_DEMIBOLD;
    f->slantSynthetic = font.italic && m.slant == FC_SLANT_ROMAN;
    return faces_.emplace(key, std::move(f)).first->second.get();
}

const TextEngine::Glyph& TextEngine::glyph(Face& f, int pixelSize, uint32_t codepoint,
                                           bool withBitmap) {
    Glyph& g = f.glyphs[std::make_pair(pixelSize, codepoint)];
    if (g.rendered || (g.measured && !withBitmap)) return g;
    g.measured = true;
    FT_Set_Pixel_Sizes(f.ft, 0, static_cast<FT_UInt>(pixelSize));
    const FT_UInt index = FT_Get_Char_Index(f.ft, codepoint);
    if (FT_Load_Glyph(f.ft, index, FT_LOAD_DEFAULT) != 0) {
        g.rendered = true;  // nothing to draw, no advance
        return g;
    }
    FT_GlyphSlot slot = f.ft->glyph;
    if (f.slantSynthetic) FT_GlyphSlot_Oblique(slot);
    if (f.emboldenSynthetic) FT_GlyphSlot_Embolden(slot);
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (!withBitmap) return g;
    g.rendered = true;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0) {
        const FT_Bitmap& bm = slot->bitmap;
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = static_cast<int>(bm.width);
        g.rows = static_cast<int>(bm.rows);
        g.coverage.resize(static_cast<size_t>(g.width) * g.rows);
        for (int r = 0; r < g.rows; ++r) {
            const unsigned char* src = bm.buffer + static_cast<ptrdiff_t>(r) * bm.pitch;
            std::copy(src, src + g.width, g.coverage.begin() + static_cast<ptrdiff_t>(r) * g.width);
        }
    }
    return g;
}

namespace {

uint8_t mix(uint8_t over, uint8_t under, int a) {
    return static_cast<uint8_t>((over * a + under * (255 - a) + 127) / 255);
}

int pixelsOf(FT_Face ft, long units, int pixelSize) {
    const long em = ft->units_per_EM ? ft->units_per_EM : 2048;
    return static_cast<int>(std::lround(static_cast<double>(units) * pixelSize / em));
}

int ascentPixels(FT_Face ft, int pixelSize) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
    return pixelsOf(ft, (os2 && os2->usWinAscent) ? os2->usWinAscent : ft->ascender, pixelSize);
}

int descentPixels(FT_Face ft, int pixelSize) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
    return pixelsOf(ft, (os2 && os2->usWinAscent) ? os2->usWinDescent : -ft->descender, pixelSize);
}

}  // namespace

TextEngine::Metrics TextEngine::metrics(const state::FontDesc& font, int pixelSize) {
    Face* f = pixelSize > 0 ? face(font) : nullptr;
    if (!f || !f->ft) return {};
    return {ascentPixels(f->ft, pixelSize), descentPixels(f->ft, pixelSize)};
}

int64_t TextEngine::advance(const std::string& utf8, const state::FontDesc& font, int pixelSize) {
    Face* f = pixelSize > 0 ? face(font) : nullptr;
    if (!f || !f->ft) return 0;
    int64_t width = 0;
    for (uint32_t cp : decodeUtf8(utf8))
        width += glyph(*f, pixelSize, cp, false).advance;
    return width;
}

void TextEngine::drawText(image::Picture& picture, int x, int y, const std::string& utf8,
                          const state::FontDesc& font, image::Colour colour, int scale) {
    const int pixelSize = state::characterHeight(font.size) * scale;
    if (pixelSize <= 0 || utf8.empty()) return;
    Face* f = face(font);
    if (!f || !f->ft) return;
    FT_Set_Pixel_Sizes(f->ft, 0, static_cast<FT_UInt>(pixelSize));
    const int baseline = y + ascentPixels(f->ft, pixelSize);
    const image::Rgb c = image::splitColor(colour);
    // Ink may lie outside a glyph's cell (side bearings, slanted overhangs), never
    // two pixel sizes away from it.
    const int64_t margin = 2 * int64_t{pixelSize};
    if (baseline + margin < 0 || baseline - margin >= picture.height()) return;
    int64_t pen = x;
    for (uint32_t cp : decodeUtf8(utf8)) {
        const int advance = glyph(*f, pixelSize, cp, false).advance;
        if (pen + advance + margin > 0 && pen - margin < picture.width()) {
            const Glyph& g = glyph(*f, pixelSize, cp, true);
            const int64_t gx = pen + g.left;
            const int gy = baseline - g.top;
            for (int r = 0; r < g.rows; ++r) {
                const int py = gy + r;
                if (py < 0 || py >= picture.height()) continue;
                for (int col = 0; col < g.width; ++col) {
                    const int a = g.coverage[static_cast<size_t>(r) * g.width + col];
                    const int64_t px = gx + col;
                    if (a == 0 || px < 0 || px >= picture.width()) continue;
                    const int ix = static_cast<int>(px);
                    const image::Rgb under = image::splitColor(picture.pixel(ix, py));
                    picture.setPixel(ix, py,
                                     image::makeColor(mix(c.r, under.r, a), mix(c.g, under.g, a),
                                                      mix(c.b, under.b, a)));
                }
            }
        }
        pen += advance;
    }
}

}  // namespace bevelmint::render
