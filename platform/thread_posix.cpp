// Threads, priority and sleeping on POSIX systems.
#include <pthread.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <new>

#include "thread.h"

namespace radar::platform {

namespace {

struct Start {
    ThreadEntry entry;
    void *argument;
};

void *run(void *start) {
    const Start s = *static_cast<Start *>(start);
    delete static_cast<Start *>(start);
    s.entry(s.argument);
    return nullptr;
}

}  // namespace

bool start_thread(ThreadEntry entry, void *argument) {
    auto *start = new (std::nothrow) Start{entry, argument};
    if (start == nullptr) return false;
    pthread_t thread;
    if (pthread_create(&thread, nullptr, &run, start) != 0) {
        delete start;
        return false;
    }
    pthread_detach(thread);
    return true;
}

void set_current_priority(Priority priority) {
    // A lower nice value for this one thread, not a real-time class: a
    // real-time thread that spins could take a core from everything else.
    const auto tid = static_cast<id_t>(syscall(SYS_gettid));
    const int nice_value = priority == Priority::highest ? -10 : 0;
    if (setpriority(PRIO_PROCESS, tid, nice_value) != 0 && errno == EACCES) {
        // Without the privilege the thread keeps its priority.
    }
}

void sleep_ms(uint32_t milliseconds) {
    timespec left{static_cast<time_t>(milliseconds / 1000),
                  static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

}  // namespace radar::platform
