// Two pages: the first readable and writable, the second not, so that a read
// past bytes placed at the end of the first ends the test program even
// without sanitizers.
#pragma once

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#undef near
#undef far
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <cstddef>
#include <cstring>
#include <string>

class GuardPage {
  public:
    GuardPage() {
#if defined(_WIN32)
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        page_ = info.dwPageSize;
        void *p = VirtualAlloc(nullptr, 2 * page_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (p == nullptr) return;
        base_ = static_cast<char *>(p);
        DWORD was = 0;
        if (!VirtualProtect(base_ + page_, page_, PAGE_NOACCESS, &was)) release();
#else
        page_ = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        void *p =
            mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) return;
        base_ = static_cast<char *>(p);
        if (mprotect(base_ + page_, page_, PROT_NONE) != 0) release();
#endif
    }
    ~GuardPage() { release(); }
    GuardPage(const GuardPage &) = delete;
    GuardPage &operator=(const GuardPage &) = delete;

    bool ready() const { return base_ != nullptr; }
    std::size_t size() const { return page_; }
    // The first byte that cannot be read.
    char *end() const { return base_ + page_; }
    // Copies `bytes` so that the last one sits right before the unreadable page.
    const char *place(const std::string &bytes) {
        char *start = end() - bytes.size();
        std::memcpy(start, bytes.data(), bytes.size());
        return start;
    }

  private:
    void release() {
        if (base_ == nullptr) return;
#if defined(_WIN32)
        VirtualFree(base_, 0, MEM_RELEASE);
#else
        munmap(base_, 2 * page_);
#endif
        base_ = nullptr;
    }

    std::size_t page_ = 0;
    char *base_ = nullptr;
};
