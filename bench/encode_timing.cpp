// Prints, for each picture named, the median processor time of one encode over
// repeated runs (the thread's own time, so that other work on a shared machine
// does not count) and the encoded size: "gif BITMAP" times the full GIF encode (colour
// reduction, dithering, LZW) of a bitmap; "png PICTURE" and "webp PICTURE" time
// our PNG and WebP encoders on the pixels of a PNG file, alpha included.
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "export/gif/gif_writer.h"
#include "export/png_writer.h"
#include "export/webp_writer.h"
#include "image/bmp_reader.h"
#include "image/rgba_picture.h"

namespace {

using namespace bevelmint;

bool readPng(const std::string& path, image::RgbaPicture& out) {
    std::string bytes;
    if (base::readWholeFile(path, bytes, uint64_t{1} << 30)) return false;
    png_image header{};
    header.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&header, bytes.data(), bytes.size())) return false;
    header.format = PNG_FORMAT_RGBA;
    out = image::RgbaPicture(static_cast<int>(header.width), static_cast<int>(header.height));
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(header));
    if (!png_image_finish_read(&header, nullptr, pixels.data(), 0, nullptr)) return false;
    for (int y = 0; y < out.height(); ++y)
        std::memcpy(out.row(y), pixels.data() + static_cast<size_t>(y) * out.width() * 4,
                    static_cast<size_t>(out.width()) * 4);
    return true;
}

double threadMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void time(const std::string& name, const std::function<std::string()>& encode) {
    std::vector<double> times;
    size_t size = 0;
    for (int run = 0; run < 100; ++run) {
        const double start = threadMilliseconds();
        size = encode().size();
        times.push_back(threadMilliseconds() - start);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    std::printf("%s %.4f %zu\n", name.c_str(), times[times.size() / 2], size);
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string format = argv[i], path = argv[i + 1];
        if (format == "gif") {
            image::Picture p;
            if (auto error = image::readBmp(path, p)) {
                std::fprintf(stderr, "%s\n", error->message.c_str());
                return 1;
            }
            time(path, [&] { return exporter::encodeGifPicture(p, p.width(), p.height(), true); });
            continue;
        }
        image::RgbaPicture p;
        if (!readPng(path, p)) {
            std::fprintf(stderr, "%s: not a PNG file\n", path.c_str());
            return 1;
        }
        if (format == "png") time(path, [&] { return exporter::encodePng(p); });
        if (format == "webp") time(path, [&] { return exporter::encodeWebp(p); });
    }
    return 0;
}
