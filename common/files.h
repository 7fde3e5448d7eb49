// The files radarctl writes, whole or not at all: each goes into a temporary
// file beside its place, is flushed and closed with every error checked, and
// only then is renamed into place. A full disk or a failed step never leaves
// half a picture or a recording under the real name.
#pragma once

#include <cstddef>
#include <string>

namespace radarctl {

// Writes `size` bytes as the file at `path`; false with the system's reason
// in `why`, and nothing left behind. A path that names something other than
// a regular file (a device, a pipe) is written directly, as it cannot be
// renamed onto.
bool write_file(const std::string &path, const void *data, std::size_t size, std::string &why);

// A file that something else writes (the library's recording), under a
// temporary name beside `path` until commit() renames it into place.
class PendingFile {
  public:
    explicit PendingFile(std::string path);
    ~PendingFile();  // removes the temporary file unless it was moved into place
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    const std::string &path() const { return path_; }
    const std::string &temporary() const { return temporary_; }
    // False with the reason in `why`; the temporary file is then removed.
    bool commit(std::string &why);

  private:
    std::string path_, temporary_;
    bool committed_ = false;
};

// Why the file at `path` cannot be opened for reading, in the system's
// words; empty when it can.
std::string why_unreadable(const std::string &path);

// Why a file cannot be created at `path`, in the system's words, for a
// writer that does not say (the library); a file it creates is removed.
std::string why_unwritable(const std::string &path);

// Creates the folder and its parents; false with the reason in `why`.
bool make_directories(const std::string &folder, std::string &why);

// The free space of the folder that holds `path`, in words
// ("1.5 MiB free in demo").
std::string free_space_beside(const std::string &path);

}  // namespace radarctl
