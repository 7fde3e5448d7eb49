// The lock on Windows: a critical section in the lock's storage.
#include <windows.h>

#include <new>

#include "lock.h"

namespace radar::platform {

static_assert(sizeof(CRITICAL_SECTION) <= 64 && alignof(CRITICAL_SECTION) <= 16);

void Lock::init() { InitializeCriticalSection(new (storage_) CRITICAL_SECTION); }
void Lock::acquire() { EnterCriticalSection(reinterpret_cast<CRITICAL_SECTION *>(storage_)); }
void Lock::release() { LeaveCriticalSection(reinterpret_cast<CRITICAL_SECTION *>(storage_)); }

}  // namespace radar::platform
