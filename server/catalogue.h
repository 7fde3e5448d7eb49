// The parameter groups as the server offers them: one row per stem of
// radar.h, made from the header itself at build time (catalogue.cmake), with
// the group's Get and Put functions behind two plain calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace radarctl::serve {

enum class FieldType { u16, s16, u32, s32 };
const char *type_name(FieldType type);

struct Field {
    const char *name;
    bool ranged;   // false: any value the type holds
    int64_t min, max;  // when ranged
};

struct Selector {
    const char *name = nullptr;  // null: the group has none
    int64_t first = 0, last = 0;
};

// Calls a Put with its kind and one value per field (already checked).
struct PutCall {
    int16_t (*call)(uint16_t kind, const int64_t *values);
    std::size_t arity;
    FieldType types[10];
};

// Calls a Get (with the selector value, for a selector group) and writes
// its values; the Get's own status is returned.
struct GetCall {
    int16_t (*call)(int64_t selector, int64_t *values);
    std::size_t arity;
};

struct Group {
    uint8_t code;  // the group's command code
    uint8_t wire;  // the code its Put sends and its announcements carry
    const char *stem, *title;
    Selector selector;
    std::vector<Field> fields;          // what the Put takes after the kind
    std::vector<const char *> values;   // what the Get gives, in order
    PutCall put;
    GetCall get;

    int64_t min(std::size_t field) const;  // the field's range, from the row or its type
    int64_t max(std::size_t field) const;
};

const std::vector<const Group *> &groups();
const Group *find_group(std::string_view stem);

// One reading of a group: "RadarGain", or "RadarGuard/1" for selector 1.
struct Reading {
    std::string key;
    std::vector<int64_t> values;
};
std::vector<Reading> read_group(const Group &group);

// Checks values against the group's fields; the error names the field.
std::optional<std::string> check_values(const Group &group, const std::vector<int64_t> &values);

}  // namespace radarctl::serve
