// Prints, for each bitmap named, the median time of a full GIF encode (colour
// reduction, dithering, LZW) over repeated runs, and the file's size.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "export/gif/gif_writer.h"
#include "image/bmp_reader.h"

int main(int argc, char** argv) {
    using namespace bevelmint;
    for (int i = 1; i < argc; ++i) {
        image::Picture p;
        if (auto error = image::readBmp(argv[i], p)) {
            std::fprintf(stderr, "%s\n", error->message.c_str());
            return 1;
        }
        std::vector<double> times;
        size_t size = 0;
        for (int run = 0; run < 200; ++run) {
            const auto start = std::chrono::steady_clock::now();
            size = exporter::encodeGifPicture(p, p.width(), p.height(), true).size();
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        std::printf("%s %.4f %zu\n", argv[i], times[times.size() / 2], size);
    }
    return 0;
}
