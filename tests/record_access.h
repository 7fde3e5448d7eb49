// Typed access to one Set/Get pair through uniform calls, for tests that
// drive many groups from one table: values travel as 64-bit numbers in
// argument order and are cast to each function's own parameter types.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

namespace record_access {

using Values = std::vector<int64_t>;

enum class Shape { plain, numbered, by_value_item };

// A value behind a Get pointer, fenced so that a write of the wrong width
// shows: a wider write hits `after`, a narrower one leaves filler behind.
template <class T>
struct Fenced {
    uint16_t before = 0xA5A5;
    T value = static_cast<T>(0x5B5B5B5B);
    uint16_t after = 0x5A5A;
    bool intact() const { return before == 0xA5A5 && after == 0x5A5A; }
    bool written() const { return value != Fenced{}.value; }
};

struct Access {
    Shape shape;
    std::vector<int64_t> type_min, type_max;  // per Set argument
    std::function<int16_t(const Values &)> set;
    // Reads every pointer argument; `lead` is the by-value first argument, if
    // any. `fenced` reports whether every write had the field's width, and
    // `touched` whether anything was written at all.
    std::function<int16_t(int64_t lead, Values &out, bool &fenced, bool &touched)> get;
};

template <class T>
inline void limits(Access &a) {
    a.type_min.push_back(std::numeric_limits<T>::min());
    a.type_max.push_back(std::numeric_limits<T>::max());
}

template <class... A, std::size_t... I>
int16_t call_set(int16_t (*set)(A...), const Values &v, std::index_sequence<I...>) {
    return set(static_cast<A>(v[I])...);
}

// Wraps a Get call `get(lead, pointers...)` for pointer types A*...
template <class... A, class F>
std::function<int16_t(int64_t, Values &, bool &, bool &)> reader(std::tuple<A...> *, F get) {
    return [get](int64_t lead, Values &out, bool &fenced, bool &touched) {
        std::tuple<Fenced<A>...> cells;
        const int16_t status =
            std::apply([&](auto &...c) { return get(lead, &c.value...); }, cells);
        out.clear();
        fenced = true;
        touched = false;
        std::apply(
            [&](auto &...c) {
                ((out.push_back(static_cast<int64_t>(c.value)), fenced = fenced && c.intact(),
                  touched = touched || c.written()),
                 ...);
            },
            cells);
        return status;
    };
}

template <class... A>
Access plain(int16_t (*set)(A...), int16_t (*get)(A *...)) {
    Access a{Shape::plain, {}, {}, {}, {}};
    (limits<A>(a), ...);
    a.set = [set](const Values &v) { return call_set(set, v, std::index_sequence_for<A...>{}); };
    a.get = reader(static_cast<std::tuple<A...> *>(nullptr),
                   [get](int64_t, A *...p) { return get(p...); });
    return a;
}

template <class L, class... A>
Access led(Shape shape, int16_t (*set)(L, A...), int16_t (*get)(L, A *...)) {
    Access a{shape, {}, {}, {}, {}};
    limits<L>(a);
    (limits<A>(a), ...);
    a.set = [set](const Values &v) { return call_set(set, v, std::index_sequence_for<L, A...>{}); };
    a.get = reader(static_cast<std::tuple<A...> *>(nullptr),
                   [get](int64_t lead, A *...p) { return get(static_cast<L>(lead), p...); });
    return a;
}
template <class L, class... A>
Access numbered(int16_t (*set)(L, A...), int16_t (*get)(L, A *...)) {
    return led(Shape::numbered, set, get);
}
template <class L, class... A>
Access by_value_item(int16_t (*set)(L, A...), int16_t (*get)(L, A *...)) {
    return led(Shape::by_value_item, set, get);
}

// What a Get reads back for a Set of `v`: the pointer arguments only.
inline Values stored_part(const Access &a, const Values &v) {
    return a.shape == Shape::plain ? v : Values(v.begin() + 1, v.end());
}

}  // namespace record_access
