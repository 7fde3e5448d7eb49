// Building and sending one sentence from a catalogue row: the steps every Put
// function shares.
#pragma once

#include <cstddef>
#include <cstdint>

#include "catalogue.h"

namespace radar::sentences {

// Each call formats into its own buffer of this size. The longest sentence,
// code 56 with ten five-digit fields, is 66 characters and its zero byte.
constexpr std::size_t buffer_size = 80;

// Writes the sentence of `row` for `kind` (0-5) with the data arguments
// `values` into `out`, zero-terminated, and returns its length. The arguments
// are not checked here.
std::size_t build(const Sentence &row, uint16_t kind, const int64_t *values,
                  char (&out)[buffer_size]);

// The Put steps: the kind, then every data argument in order, checked against
// the row (-2 at the first failure, nothing sent); then the sentence is built
// and handed to the sender (0, or -3 when it did not go out whole).
int16_t put(const Sentence &row, uint16_t kind, const int64_t *values);

}  // namespace radar::sentences
