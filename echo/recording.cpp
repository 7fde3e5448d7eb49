// Recording and playback are not in place yet: the receiver always reads the
// echo socket and nothing is written.
#include "recording.h"

namespace radar::echo::recording {

void start() {}
Source source() { return Source::live; }
std::size_t read_playback(uint8_t (&)[datagram_capacity], uint16_t &) { return 0; }
void forget_look_ahead() {}
void append(const uint8_t *, std::size_t) {}
void one_screen_step(uint16_t, const uint8_t *, std::size_t) {}

}  // namespace radar::echo::recording
