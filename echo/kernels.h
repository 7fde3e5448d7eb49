// Choosing among the kernels of one step (the scalar reference first, then
// vector ones for wider instruction sets): those this processor runs, and the
// widest of them, chosen once.
#pragma once

#include <atomic>
#include <cstddef>

namespace radar::echo {

template <class Kernel, std::size_t N, std::size_t M>
std::size_t kernels_that_run(const Kernel (&kernels)[N], bool (*runs_here)(const Kernel &),
                             const Kernel *(&out)[M]) {
    std::size_t n = 0;
    for (const Kernel &k : kernels)
        if (runs_here(k) && n < M) out[n++] = &k;
    return n;
}

// The last kernel this processor runs, remembered in `chosen` on first use.
template <class Kernel, std::size_t N>
decltype(Kernel::run) widest_kernel(const Kernel (&kernels)[N], bool (*runs_here)(const Kernel &),
                                    std::atomic<decltype(Kernel::run)> &chosen) {
    auto run = chosen.load(std::memory_order_relaxed);
    if (run == nullptr) {
        run = kernels[0].run;
        for (const Kernel &k : kernels)
            if (runs_here(k)) run = k.run;
        chosen.store(run, std::memory_order_relaxed);
    }
    return run;
}

}  // namespace radar::echo
