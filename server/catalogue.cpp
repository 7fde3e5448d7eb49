#include "catalogue.h"

#include <array>
#include <limits>
#include <tuple>
#include <type_traits>
#include <utility>

#include "radar.h"

namespace radarctl::serve {
namespace {

template <class T>
constexpr FieldType type_of() {
    if constexpr (std::is_same_v<T, uint16_t>) return FieldType::u16;
    if constexpr (std::is_same_v<T, int16_t>) return FieldType::s16;
    if constexpr (std::is_same_v<T, uint32_t>) return FieldType::u32;
    if constexpr (std::is_same_v<T, int32_t>) return FieldType::s32;
}

// ---- Put: int16_t Put(uint16_t kind, A... values) ---------------------------

template <class... A>
constexpr std::size_t put_arity(int16_t(RADAR_API *)(uint16_t, A...)) {
    return sizeof...(A);
}

template <class... A>
constexpr std::array<FieldType, 10> put_types(int16_t(RADAR_API *)(uint16_t, A...)) {
    static_assert(sizeof...(A) <= 10);
    std::array<FieldType, 10> types{};
    std::size_t i = 0;
    ((types[i++] = type_of<A>()), ...);
    return types;
}

template <class... A, std::size_t... I>
int16_t call_put(int16_t(RADAR_API *put)(uint16_t, A...), uint16_t kind, const int64_t *values,
                 std::index_sequence<I...>) {
    return put(kind, static_cast<A>(values[I])...);
}

template <auto Put>
int16_t put_thunk(uint16_t kind, const int64_t *values) {
    return call_put(Put, kind, values, std::make_index_sequence<put_arity(Put)>{});
}

// `fields`: how many the header's row names, checked against the function.
template <auto Put, std::size_t fields>
PutCall put_call() {
    static_assert(put_arity(Put) == fields, "the Put takes other values than the row names");
    constexpr auto types = put_types(Put);
    PutCall call{&put_thunk<Put>, put_arity(Put), {}};
    for (std::size_t i = 0; i < types.size(); ++i) call.types[i] = types[i];
    return call;
}

// ---- Get: int16_t Get(A *...values), or Get(S selector, A *...values) -------

template <class... A>
constexpr std::size_t get_arity(int16_t(RADAR_API *)(A *...)) {
    return sizeof...(A);
}

template <class... A, std::size_t... I>
int16_t call_get(int16_t(RADAR_API *get)(A *...), int64_t *out, std::index_sequence<I...>) {
    std::tuple<A...> values{};
    const int16_t status = get(&std::get<I>(values)...);
    ((out[I] = std::get<I>(values)), ...);
    return status;
}

template <auto Get>
int16_t get_thunk(int64_t, int64_t *out) {
    return call_get(Get, out, std::make_index_sequence<get_arity(Get)>{});
}

template <auto Get, std::size_t values>
GetCall getter() {
    static_assert(get_arity(Get) == values, "the Get gives other values than the row names");
    return {&get_thunk<Get>, get_arity(Get)};
}

template <class S, class... A>
constexpr std::size_t selector_get_arity(int16_t(RADAR_API *)(S, A *...)) {
    return sizeof...(A);
}

template <class S, class... A, std::size_t... I>
int16_t call_selector_get(int16_t(RADAR_API *get)(S, A *...), int64_t selector, int64_t *out,
                          std::index_sequence<I...>) {
    std::tuple<A...> values{};
    const int16_t status = get(static_cast<S>(selector), &std::get<I>(values)...);
    ((out[I] = std::get<I>(values)), ...);
    return status;
}

template <auto Get>
int16_t selector_get_thunk(int64_t selector, int64_t *out) {
    return call_selector_get(Get, selector, out,
                             std::make_index_sequence<selector_get_arity(Get)>{});
}

template <auto Get, std::size_t values>
GetCall selector_getter() {
    static_assert(selector_get_arity(Get) == values, "the Get gives other values than the row names");
    return {&selector_get_thunk<Get>, selector_get_arity(Get)};
}

#include "groups.inc"

int64_t type_min(FieldType t) {
    switch (t) {
        case FieldType::u16: case FieldType::u32: return 0;
        case FieldType::s16: return std::numeric_limits<int16_t>::min();
        case FieldType::s32: return std::numeric_limits<int32_t>::min();
    }
    return 0;
}

int64_t type_max(FieldType t) {
    switch (t) {
        case FieldType::u16: return std::numeric_limits<uint16_t>::max();
        case FieldType::s16: return std::numeric_limits<int16_t>::max();
        case FieldType::u32: return std::numeric_limits<uint32_t>::max();
        case FieldType::s32: return std::numeric_limits<int32_t>::max();
    }
    return 0;
}

}  // namespace

const char *type_name(FieldType type) {
    switch (type) {
        case FieldType::u16: return "u16";
        case FieldType::s16: return "s16";
        case FieldType::u32: return "u32";
        case FieldType::s32: return "s32";
    }
    return "";
}

int64_t Group::min(std::size_t field) const {
    return fields[field].ranged ? fields[field].min : type_min(put.types[field]);
}

int64_t Group::max(std::size_t field) const {
    return fields[field].ranged ? fields[field].max : type_max(put.types[field]);
}

const std::vector<const Group *> &groups() {
    static const std::vector<const Group *> all = [] {
        std::vector<const Group *> list;
        for (const Group &g : group_table) list.push_back(&g);
        return list;
    }();
    return all;
}

const Group *find_group(std::string_view stem) {
    for (const Group &g : group_table)
        if (stem == g.stem) return &g;
    return nullptr;
}

std::vector<Reading> read_group(const Group &group) {
    std::vector<Reading> readings;
    auto read = [&](int64_t selector, std::string key) {
        Reading r{std::move(key), std::vector<int64_t>(group.get.arity)};
        group.get.call(selector, r.values.data());
        readings.push_back(std::move(r));
    };
    if (group.selector.name == nullptr) {
        read(0, group.stem);
    } else {
        for (int64_t s = group.selector.first; s <= group.selector.last; ++s)
            read(s, std::string(group.stem) + "/" + std::to_string(s));
    }
    return readings;
}

std::optional<std::string> check_values(const Group &group, const std::vector<int64_t> &values) {
    if (values.size() != group.fields.size())
        return std::string(group.stem) + " takes " + std::to_string(group.fields.size()) +
               " values, not " + std::to_string(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] < group.min(i) || values[i] > group.max(i))
            return std::string(group.fields[i].name) + ": " + std::to_string(values[i]) +
                   " is outside " + std::to_string(group.min(i)) + "-" +
                   std::to_string(group.max(i));
    }
    return std::nullopt;
}

}  // namespace radarctl::serve
