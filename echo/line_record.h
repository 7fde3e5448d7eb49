// The echo line record is part of the binary interface: its layout is fixed
// here, at compile time, for every platform the library is built for.
#pragma once

#include <cstddef>

#include "radar.h"

namespace radar::echo {

constexpr std::size_t address_size = sizeof(void *);

static_assert(offsetof(EchoLineRecord, Mode) == 0);
static_assert(offsetof(EchoLineRecord, Data) == 2);
static_assert(offsetof(EchoLineRecord, SampleCount) == 2 + address_size);
static_assert(offsetof(EchoLineRecord, HeaderNibble) == 4 + address_size);
static_assert(offsetof(EchoLineRecord, Sweep) == 6 + address_size);
static_assert(offsetof(EchoLineRecord, BearingOffset) == 8 + address_size);
static_assert(offsetof(EchoLineRecord, LineFlag) == 10 + address_size);
static_assert(offsetof(EchoLineRecord, ScaleCode) == 12 + address_size);
static_assert(sizeof(EchoLineRecord) == 14 + address_size, "packed: no padding anywhere");
static_assert(address_size != 4 || sizeof(EchoLineRecord) == 18);
static_assert(address_size != 8 || sizeof(EchoLineRecord) == 22);

}  // namespace radar::echo
