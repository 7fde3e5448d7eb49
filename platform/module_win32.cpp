// Pinning the library on Windows.
#include <windows.h>

#include <atomic>

#include "module.h"

namespace radar::platform {
namespace {
std::atomic<bool> pinned{false};
}  // namespace

void pin_library() {
    if (pinned.exchange(true)) return;
    // The module that holds this function, marked to stay until the process
    // ends; FreeLibrary then leaves it mapped.
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&pin_library), &module);
}

}  // namespace radar::platform
