// Threads, priority and sleeping on Windows.
#include <windows.h>

#include <new>

#include "thread.h"

namespace radar::platform {
namespace {

struct Start {
    ThreadEntry entry;
    void *argument;
};

DWORD WINAPI run(LPVOID start) {
    const Start s = *static_cast<Start *>(start);
    delete static_cast<Start *>(start);
    s.entry(s.argument);
    ExitThread(0);
}

}  // namespace

bool start_thread(ThreadEntry entry, void *argument) {
    auto *start = new (std::nothrow) Start{entry, argument};
    if (start == nullptr) return false;
    const HANDLE thread = CreateThread(nullptr, 0, &run, start, 0, nullptr);
    if (thread == nullptr) {
        delete start;
        return false;
    }
    CloseHandle(thread);  // the thread is not waited for
    return true;
}

void set_current_priority(Priority priority) {
    SetThreadPriority(GetCurrentThread(),
                      priority == Priority::highest ? THREAD_PRIORITY_HIGHEST : THREAD_PRIORITY_NORMAL);
}

void sleep_ms(uint32_t milliseconds) { Sleep(milliseconds); }

}  // namespace radar::platform
