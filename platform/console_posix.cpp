// The console on POSIX systems.
#include <stdio.h>  // fileno
#include <unistd.h>

#include "console.h"

namespace radar::platform {

bool stdout_is_terminal() { return isatty(fileno(stdout)) != 0; }

}  // namespace radar::platform
