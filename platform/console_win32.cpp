// The console on Windows.
#include <io.h>
#include <stdio.h>

#include "console.h"

namespace radar::platform {

bool stdout_is_terminal() { return _isatty(_fileno(stdout)) != 0; }

}  // namespace radar::platform
