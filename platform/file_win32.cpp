// Files on Windows.
#include <windows.h>
#include <io.h>
#include <stdio.h>

#include "file.h"

namespace radar::platform {

bool cut_file(std::FILE *file, uint64_t size) {
    std::clearerr(file);
    // Positioned first (which puts the system's file pointer there), then
    // the file ends at that pointer.
    if (_fseeki64(file, static_cast<__int64>(size), SEEK_SET) != 0) return false;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return handle != INVALID_HANDLE_VALUE && SetEndOfFile(handle) != 0;
}

}  // namespace radar::platform
