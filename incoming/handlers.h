// The handler table: one row per command code 0x00..0x57, saying what the
// handler for that code does with a message.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace radar::incoming {

constexpr int16_t code_count = 88;
constexpr std::size_t most_fields = 10;

// What a handler does, beyond the steps every value handler shares.
enum class Rule : uint8_t {
    none,      // no handler: the message is not read, -1
    event,     // no scan: the notify callback hears the code
    pulse,     // no scan: the flag is set, the code notified, the flag cleared
    common,    // scan; R answers from the record; other letters validate and apply
    selector,  // value 1 picks entry 1 or 2; a request needs it, passed to Get by value
    bright,    // a request passes value 1 to Get by value, unchecked
    erase,     // the field carries (index + 1) * 256; the index is applied
};

// An accepted range, compared as the field's width and signedness say.
struct Range {
    bool checked;
    bool is_signed;
    int64_t lo, hi;
};

// The group's own functions, through adapters that take and give the field
// values as numbers in field order.
using GetValues = int16_t (*)(int64_t *values);
using SetValues = int16_t (*)(const int64_t *values);
using PutValues = int16_t (*)(uint16_t kind, const int64_t *values);

struct HandlerRow {
    uint8_t code;
    Rule rule;
    const char *format;  // null for rules without a scan
    uint8_t fields;      // value fields after field 1
    std::array<Range, most_fields> ranges;
    std::array<bool, most_fields> wide;  // 32-bit ("l") field, else 16-bit
    GetValues get;
    SetValues set;
    PutValues put;
};

extern const std::array<HandlerRow, code_count> handler_table;

// Runs the handler for `code` (0..87) on `text` and returns its status:
// 0 applied or passed on, -1 malformed or refused, -2 out of range, or the
// answer's Put result for a request.
int16_t handle(int16_t code, const char *text);

}  // namespace radar::incoming
