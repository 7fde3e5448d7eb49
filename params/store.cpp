// The two routines every Set and Get function runs with its row.
#include <atomic>
#include <cstddef>

#include "groups.h"
#include "radar.h"

namespace radar::params {
namespace {

// The record is shared without a lock between the application's threads and
// the network library's thread: every field is written and read with one
// access of its own width, so a reader may see a group half-updated but never
// a torn field.
Record record;

template <class T>
std::atomic_ref<T> cell(std::size_t offset) {
    return std::atomic_ref<T>(
        *reinterpret_cast<T *>(reinterpret_cast<unsigned char *>(&record) + offset));
}

// Runs `use` with the field at `offset` as an atomic cell of its own width.
template <class Use>
void with_cell(Width width, std::size_t offset, Use use) {
    switch (width) {
        case Width::u16:
            use(cell<uint16_t>(offset));
            break;
        case Width::s16:
            use(cell<int16_t>(offset));
            break;
        case Width::u32:
            use(cell<uint32_t>(offset));
            break;
        case Width::s32:
            use(cell<int32_t>(offset));
            break;
    }
}

void write_field(Width width, std::size_t offset, int64_t value) {
    with_cell(width, offset, [value](auto cell) {
        using T = typename decltype(cell)::value_type;
        cell.store(static_cast<T>(value), std::memory_order_relaxed);
    });
}

void read_field(Width width, std::size_t offset, void *target) {
    with_cell(width, offset, [target](auto cell) {
        using T = typename decltype(cell)::value_type;
        *static_cast<T *>(target) = cell.load(std::memory_order_relaxed);
    });
}

std::size_t place(const Group &group, const Field &field, int64_t entry) {
    return field.offset +
           (field.per_entry ? static_cast<std::size_t>(entry - 1) * group.entry_stride : 0);
}

}  // namespace

// `values` holds the Set arguments in argument order, each as the number its
// declared type makes of it (so -1 passed as uint16_t arrives as 65535).
// Every check runs before any store: a refused call leaves the group as it was.
int16_t store(const Group &group, const int64_t *values) {
    int64_t entry = 1;
    for (std::size_t i = 0; i < group.count; ++i) {
        const Field &field = group.fields[i];
        if (field.checked && (values[i] < field.lo || values[i] > field.hi))
            return RADAR_OUT_OF_RANGE;
        if (field.role == Role::selector) entry = values[i];
    }
    for (std::size_t i = 0; i < group.count; ++i) {
        const Field &field = group.fields[i];
        if (field.role == Role::value)
            write_field(field.width, place(group, field, entry), values[i]);
    }
    return RADAR_OK;
}

// `targets` holds the Get pointers in argument order; when the row's Get takes
// its first argument by value, that value is `lead` and targets[0] is unused.
int16_t load(const Group &group, int64_t lead, void *const *targets) {
    int64_t entry = 1;
    if (group.lead == Lead::selector) {
        if (lead != 1 && lead != 2) return RADAR_REFUSED;
        entry = lead;
    }
    const std::size_t first = group.lead == Lead::pointer ? 0 : 1;
    for (std::size_t i = first; i < group.count; ++i) {
        const Field &field = group.fields[i];
        read_field(field.width, place(group, field, entry), targets[i]);
    }
    return RADAR_OK;
}

}  // namespace radar::params
