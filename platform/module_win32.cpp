// Pinning the library on Windows.
#include <windows.h>

#include "module.h"

namespace radar::platform {

void pin_this_module() {
    // The module that holds this function, marked to stay until the process
    // ends; FreeLibrary then leaves it mapped.
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&pin_this_module), &module);
}

}  // namespace radar::platform
