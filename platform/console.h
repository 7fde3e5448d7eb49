// The console a program writes to.
#pragma once

namespace radar::platform {

// Whether standard output is a terminal (progress can run in place there).
bool stdout_is_terminal();

}  // namespace radar::platform
