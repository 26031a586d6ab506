// Fuzz target for the design-file reader: any bytes are refused or applied to a
// state, never a crash; an applied state always renders inside its pictures. The
// input is a design file, optionally followed by kTextureMark and the bytes of the
// bitmap its texture line names, which the reader then loads through the same
// steps as from a folder, so the whole reading path is fuzzed.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/design_file.h"
#include "image/bmp_reader.h"
#include "render/render_pipeline.h"
#include "state/button_state.h"
#include "state/state_rules.h"

namespace {

constexpr std::string_view kTextureMark = "\nBEVELMINT-TEXTURE\n";
// A texture whose pixels need more bytes than this only makes runs slow; the
// bitmap fuzzer takes large pictures. Bytes without a bitmap header still pass.
constexpr uint64_t kMaxTexturePixelBytes = 64 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bevelmint;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t mark = input.find(kTextureMark);
    const auto lines = files::parseDesign(input.substr(0, mark));
    if (!lines) return 0;
    const files::TextureReader fromInput = [&](const std::string&) {
        files::TextureFile file;
        if (mark == std::string_view::npos) return file;
        file.bytes = input.substr(mark + kTextureMark.size());
        const uint64_t bound = image::bmpSizeBound(file.bytes);
        file.found =
            bound == UINT64_MAX || bound - image::kBitmapSlackBytes <= kMaxTexturePixelBytes;
        return file;
    };
    state::ButtonState s = state::defaultState();
    render::TextureImages images;
    files::applyDesign(*lines, "/fuzz/", s, images, fromInput);
    // Small buttons render many times faster and reach the same code: keep the
    // size the design asks for modulo a small one, and erase only that.
    state::setButtonWidth(s, 20 + s.buttonWidth % 24);
    state::setButtonHeight(s, 10 + s.buttonHeight % 24);
    static render::RenderPipeline pipeline;
    pipeline.render(s, render::activeTexture(s, images));
    return 0;
}
