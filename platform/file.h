// Files the library writes.
#pragma once

#include <cstdint>
#include <cstdio>

namespace radar::platform {

// Makes `file` end after its first `size` bytes and go on writing there:
// whatever a failed write left beyond that point is gone. False when the
// system refused either step.
bool cut_file(std::FILE *file, uint64_t size);

}  // namespace radar::platform
