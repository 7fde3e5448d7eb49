// A plain mutual-exclusion lock. Its storage is zero at load, like all of the
// library's state; it must be initialised once before first use.
#pragma once

#include <cstddef>

namespace radar::platform {

class Lock {
  public:
    void init();
    void acquire();
    void release();

  private:
    alignas(16) unsigned char storage_[64];
};

// Holds a lock for the life of a scope.
class Held {
  public:
    explicit Held(Lock &lock) : lock_(lock) { lock_.acquire(); }
    ~Held() { lock_.release(); }
    Held(const Held &) = delete;
    Held &operator=(const Held &) = delete;

  private:
    Lock &lock_;
};

}  // namespace radar::platform
