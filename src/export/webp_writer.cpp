#include "export/webp_writer.h"

#include <webp/encode.h>

namespace bevelmint::exporter {

namespace {

// libwebp's quickest lossless method at a middling effort: on these pictures
// 1.7 (the largest at scale 3) to 3.9 times as fast as its default (method 4,
// quality 75), and smaller but for noise (half a per cent larger).
WebPConfig losslessConfig() {
    WebPConfig config;
    WebPConfigInit(&config);
    config.lossless = 1;
    config.method = 1;
    config.quality = 50;
    config.exact = 1;
    return config;
}

bool importPixels(const image::RgbaPicture& picture, WebPPicture& out) {
    if (!WebPPictureInit(&out)) return false;
    out.use_argb = 1;
    out.width = picture.width();
    out.height = picture.height();
    return WebPPictureImportRGBA(&out, picture.data(), picture.width() * 4) != 0;
}

std::string encodeToMemory(const WebPConfig& config, WebPPicture& picture) {
    WebPMemoryWriter writer;
    WebPMemoryWriterInit(&writer);
    picture.writer = WebPMemoryWrite;
    picture.custom_ptr = &writer;
    std::string out;
    if (WebPEncode(&config, &picture)) {
        out.assign(reinterpret_cast<const char*>(writer.mem), writer.size);
    }
    WebPMemoryWriterClear(&writer);
    return out;
}

}  // namespace

std::string encodeWebp(const image::RgbaPicture& picture) {
    const WebPConfig config = losslessConfig();
    WebPPicture webp;
    std::string out;
    if (importPixels(picture, webp)) out = encodeToMemory(config, webp);
    WebPPictureFree(&webp);
    return out;
}

}  // namespace bevelmint::exporter
