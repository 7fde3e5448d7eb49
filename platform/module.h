// The library's hold on its own code.
#pragma once

#include <atomic>

namespace radar::platform {

// Marks the module that holds this code to stay loaded until the process
// ends (one file per system).
void pin_this_module();

// Keeps the module that holds this code loaded until the process ends: a
// later FreeLibrary or dlclose no longer unmaps it. Called before the
// library hands out an address of its own code to anything that may call it
// on another thread (its own threads, the network library's callbacks), which
// would otherwise run on in unmapped code after an unload. Linked into a
// program instead of a library, it pins the program itself, which is
// harmless. Only the first call does anything.
inline void pin_library() {
    static std::atomic<bool> pinned{false};
    if (!pinned.exchange(true)) pin_this_module();
}

}  // namespace radar::platform
