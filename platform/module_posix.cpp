// Pinning the library on POSIX systems: -z nodelete, taken at run time.
#include <dlfcn.h>

#include "module.h"

namespace radar::platform {

void pin_this_module() {
    // The object that holds this function, found by one of its addresses.
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&pin_this_module), &info) == 0 || info.dli_fname == nullptr) return;
    // Already loaded, so this only takes one more reference and marks the
    // object never to be unloaded. The handle is never closed.
    dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

}  // namespace radar::platform
