// The steps every handler shares, run with the row of its command code.
#include "handlers.h"

#include "radar.h"
#include "scanner.h"
#include "session/session.h"

namespace radar::incoming {
namespace {

constexpr uint16_t answer_kind = RADAR_KIND_ANNOUNCE;  // "N"

bool in_range(const Range &range, bool wide, int64_t value) {
    if (!range.checked) return true;
    int64_t v;
    if (range.is_signed)
        v = wide ? static_cast<int32_t>(value) : static_cast<int16_t>(value);
    else
        v = wide ? static_cast<uint32_t>(value) : static_cast<uint16_t>(value);
    return v >= range.lo && v <= range.hi;
}

// A message whose fields carry values: "$S03,2,50" CR LF on the Gain row.
int16_t handle_values(const HandlerRow &row, int16_t code, const char *text) {
    StringRecord<4> head{untouched, {}};
    ScanRecord records[most_fields];
    void *targets[1 + most_fields] = {&head};
    for (std::size_t i = 0; i < most_fields; ++i) {
        records[i] = ScanRecord{untouched, 0, 0};
        targets[1 + i] = &records[i];
    }
    scan(text, row.format, targets);

    int64_t values[most_fields] = {};
    for (std::size_t i = 0; i < row.fields; ++i)
        values[i] = row.wide[i] ? records[i].long_value : records[i].short_value;

    // The kind letter follows "$" in field 1; a shorter field 1 has none.
    const char kind = head.status == converted && head.text[0] != '\0' ? head.text[1] : '\0';

    if (kind == 'R') {
        // A request is answered from the record; its own values are not looked at,
        // except the entry number a selector group needs.
        if (row.rule == Rule::selector &&
            (records[0].status != converted || (values[0] != 1 && values[0] != 2)))
            return RADAR_REFUSED;
        row.get(values);
        return row.put(answer_kind, values);
    }

    for (std::size_t i = 0; i < row.fields; ++i)
        if (records[i].status != converted) return RADAR_REFUSED;
    for (std::size_t i = 0; i < row.fields; ++i)
        if (!in_range(row.ranges[i], row.wide[i], values[i])) return RADAR_OUT_OF_RANGE;

    // "$S4B,512": the target index plus one rides in the high byte.
    if (row.rule == Rule::erase) values[0] = (static_cast<uint16_t>(values[0]) >> 8) - 1;

    if (kind == 'S') row.put(answer_kind, values);  // the answer carries the new values
    row.set(values);
    session::notify(code);
    return RADAR_OK;
}

}  // namespace

int16_t handle(int16_t code, const char *text) {
    const HandlerRow &row = handler_table[static_cast<std::size_t>(code)];
    switch (row.rule) {
        case Rule::none:
            return RADAR_REFUSED;
        case Rule::event:
            session::notify(code);
            return RADAR_OK;
        case Rule::pulse: {
            // The flag reads 1 only while the notify callback runs.
            const int64_t on = 1, off = 0;
            row.set(&on);
            session::notify(code);
            row.set(&off);
            return RADAR_OK;
        }
        default:
            return handle_values(row, code, text);
    }
}

}  // namespace radar::incoming
