// Fuzz target for the design-file reader: any bytes are refused or applied to a
// state, never a crash; an applied state always renders inside its pictures.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/design_file.h"
#include "render/render_pipeline.h"
#include "state/button_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace bevelmint;
    const auto lines =
        files::parseDesign(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!lines) return 0;
    state::ButtonState s = state::defaultState();
    render::TextureImages images;
    files::applyDesign(*lines, "/nonexistent-folder/", s, images);
    static render::RenderPipeline pipeline;
    pipeline.paintbutton(s, render::activeTexture(s, images));
    return 0;
}
