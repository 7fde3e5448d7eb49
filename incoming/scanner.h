// The message scanner: cuts an incoming message into comma-separated fields
// and converts each as a format says, into one scan record per conversion.
//
// Formats begin with "n" and hold conversions "%" width letter:
//   %Ns  up to N characters of text          -> a string record
//   %Nd  a decimal with N - 1 decimal places -> short value
//   %Nl  (or %Nld) the same                  -> long value
//   %Nx  a hexadecimal number                -> short value
#pragma once

#include <cstddef>
#include <cstdint>

namespace radar::incoming {

// Record statuses. The scanner stores only the first three; callers set
// `untouched` beforehand to tell a record the scan never reached.
constexpr uint8_t converted = '@';
constexpr uint8_t empty_field = 1;
constexpr uint8_t bad_character = 2;
constexpr uint8_t untouched = 127;

// The destination of one numeric conversion. A conversion writes the status
// and the one value it produces; the other value keeps what was there.
struct ScanRecord {
    uint8_t status;
    int16_t short_value;  // "d" and "x": the low 16 bits of the result
    int32_t long_value;   // "l"
};

// The destination of a "%Ns" conversion: the status, then up to N characters
// and a terminating zero byte.
template <std::size_t N>
struct StringRecord {
    uint8_t status;
    char text[N + 1];
};
static_assert(sizeof(StringRecord<4>) == 6);

// A message is read up to its zero byte, and never past this many characters,
// whatever buffer the network library hands over.
constexpr std::size_t longest_message = 1024;

// Scans `text` by `format` into `records`, one address per conversion in
// format order. Always returns 0: the outcome of each field is its status.
int scan(const char *text, const char *format, void *const *records);

}  // namespace radar::incoming
