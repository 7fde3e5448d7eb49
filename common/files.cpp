// Whole-or-nothing file writing with the system's reasons, in portable C++
// (std::FILE and std::filesystem), plus the one terminal check radarctl needs.
#include "files.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

namespace radarctl {
namespace fs = std::filesystem;
namespace {

std::string reason(int error) {
    return error != 0 ? std::error_code(error, std::generic_category()).message()
                      : std::string("input/output error");
}

// Opens, writes, flushes and closes, each step checked: a full disk may show
// only when the buffered bytes go out.
bool write_through(const std::string &path, const void *data, std::size_t size, std::string &why) {
    errno = 0;
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        why = reason(errno);
        return false;
    }
    int error = 0;
    if (std::fwrite(data, 1, size, file) != size) error = errno != 0 ? errno : EIO;
    if (std::fflush(file) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    if (std::fclose(file) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    if (error != 0) why = reason(error);
    return error == 0;
}

// "NAME.tmp-XXXXXXXX" beside the file, a name no other run picks.
std::string temporary_name(const std::string &path) {
    std::random_device seed;
    const auto now = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".tmp-%08llx",
                  (static_cast<unsigned long long>(seed()) ^ now) & 0xFFFFFFFFull);
    return path + suffix;
}

}  // namespace

bool write_file(const std::string &path, const void *data, std::size_t size, std::string &why) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return write_through(path, data, size, why);
    PendingFile pending(path);
    return write_through(pending.temporary(), data, size, why) && pending.commit(why);
}

PendingFile::PendingFile(std::string path)
    : path_(std::move(path)), temporary_(temporary_name(path_)) {}

PendingFile::~PendingFile() {
    std::error_code ignored;
    if (!committed_) fs::remove(temporary_, ignored);
}

bool PendingFile::commit(std::string &why) {
    std::error_code ec;
    fs::rename(temporary_, path_, ec);
    if (ec) {
        why = ec.message();
        fs::remove(temporary_, ec);
        return false;
    }
    committed_ = true;
    return true;
}

std::string why_unreadable(const std::string &path) {
    errno = 0;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return reason(errno);
    std::fclose(file);
    std::error_code ec;
    if (fs::is_directory(path, ec)) return reason(EISDIR);
    return {};
}

std::string why_unwritable(const std::string &path) {
    std::error_code ec;
    const bool existed = fs::exists(path, ec);
    errno = 0;
    std::FILE *file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) return reason(errno);
    std::fclose(file);
    if (!existed) fs::remove(path, ec);
    return "the reason is not known";
}

bool make_directories(const std::string &folder, std::string &why) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::error_code probe;
    if (!ec && !fs::is_directory(folder, probe))
        ec = probe ? probe : std::make_error_code(std::errc::not_a_directory);
    if (ec) why = ec.message();
    return !ec;
}

std::string free_space_beside(const std::string &path) {
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    const fs::space_info space = fs::space(folder, ec);
    if (ec) return "free space in " + folder.string() + " unknown: " + ec.message();
    const char *units[] = {"bytes", "KiB", "MiB", "GiB", "TiB"};
    double amount = static_cast<double>(space.available);
    std::size_t unit = 0;
    while (amount >= 1024 && unit + 1 < std::size(units)) {
        amount /= 1024;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, unit == 0 ? "%.0f %s" : "%.1f %s", amount, units[unit]);
    return text + std::string(" free in ") + folder.string();
}

}  // namespace radarctl
