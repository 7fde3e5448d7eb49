// A new, empty folder of a test's own under the system's temporary folder.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace scratch {

// Empty path when none could be made.
inline std::filesystem::path new_folder(const std::string &prefix) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) return {};
    std::random_device seed;
    std::mt19937_64 pick(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = base / (prefix + std::to_string(pick()));
        if (fs::create_directory(folder, error)) return folder;
    }
    return {};
}

}  // namespace scratch
