// The lock on POSIX systems: a pthread mutex in the lock's storage.
#include <pthread.h>

#include <new>

#include "lock.h"

namespace radar::platform {

static_assert(sizeof(pthread_mutex_t) <= 64 && alignof(pthread_mutex_t) <= 16);

void Lock::init() { pthread_mutex_init(new (storage_) pthread_mutex_t, nullptr); }
void Lock::acquire() { pthread_mutex_lock(reinterpret_cast<pthread_mutex_t *>(storage_)); }
void Lock::release() { pthread_mutex_unlock(reinterpret_cast<pthread_mutex_t *>(storage_)); }

}  // namespace radar::platform
