#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
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

// Every file in a folder by name, with its bytes.
inline std::map<std::string, std::string> contents(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        files[entry.path().filename().string()] = slurp(entry.path());
    return files;
}

// How often `what` occurs in `text`, overlaps included.
inline size_t countOf(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// Whether a file can be made in the folder now.
inline bool writable(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / "probe";
    std::ofstream(probe) << "x";
    const bool made = std::filesystem::exists(probe);
    std::filesystem::remove(probe);
    return made;
}

// Makes a folder refuse new files: its write permission taken away, or, for
// root, whom permissions do not stop, marked unchangeable. False when neither
// works here.
inline bool makeReadOnly(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (!writable(folder)) return true;
    const std::string mark = "chattr +i '" + folder.string() + "' 2>/dev/null";
    return std::system(mark.c_str()) == 0 && !writable(folder);
}

inline void makeWritable(const std::filesystem::path& folder) {
    const std::string unmark = "chattr -i '" + folder.string() + "' 2>/dev/null";
    if (std::system(unmark.c_str()) != 0) {
        // Not marked, or no chattr: the permissions alone.
    }
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
}

}  // namespace bevelmint::testing
