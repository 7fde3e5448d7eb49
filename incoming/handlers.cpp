#include "handlers.h"

#include "radar.h"

namespace radar::incoming {
namespace {

// Codes without a handler: the message is not read.
int16_t no_handler(const char *) { return RADAR_REFUSED; }

}  // namespace

// Indexed by command code. Every code has "no handler" until the incoming
// handlers are in place.
constinit const std::array<Handler, code_count> handlers = []() constexpr {
    std::array<Handler, code_count> table{};
    table.fill(&no_handler);
    return table;
}
();

}  // namespace radar::incoming
