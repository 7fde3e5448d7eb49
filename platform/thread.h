// Threads, sleeping and thread priority.
#pragma once

#include <cstdint>

namespace radar::platform {

using ThreadEntry = void (*)(void *argument);

// Starts `entry(argument)` on a new detached thread. False when it could not.
bool start_thread(ThreadEntry entry, void *argument);

enum class Priority { normal, highest };

// Raises or lowers the calling thread's priority. Where raising needs
// privileges the process lacks, the thread carries on as it was.
void set_current_priority(Priority priority);

void sleep_ms(uint32_t milliseconds);

}  // namespace radar::platform
