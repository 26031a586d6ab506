#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace bevelmint::testing {

// An empty folder of that name under the system's temporary folder.
inline std::filesystem::path freshDir(const char* name) {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// How often `what` occurs in `text`, overlaps included.
inline size_t countOf(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

}  // namespace bevelmint::testing
