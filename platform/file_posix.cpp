// Files on POSIX systems.
#include <stdio.h>  // fileno, fseeko
#include <sys/types.h>
#include <unistd.h>

#include "file.h"

namespace radar::platform {

bool cut_file(std::FILE *file, uint64_t size) {
    std::clearerr(file);
    const auto at = static_cast<off_t>(size);
    // Positioned first, so that nothing the stream still held can land past
    // the new end after it was cut.
    return fseeko(file, at, SEEK_SET) == 0 && ftruncate(fileno(file), at) == 0;
}

}  // namespace radar::platform
