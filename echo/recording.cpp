// Recording the echo stream, recording one revolution, and playing a
// recording back in place of the live stream.
//
// A recording file is the datagrams as received, back to back, with no header
// and nothing between them; the reader finds each next datagram through its
// word count (10 + 2 x words bytes).
#include "recording.h"

#include <atomic>
#include <cstdio>

#include "platform/lock.h"
#include "radar.h"
#include "receiver.h"
#include "socket_table.h"

namespace radar::echo::recording {
namespace {

constexpr uint16_t state_live = 0;
constexpr uint16_t state_playing = 1;
constexpr uint16_t state_ended = 0xFFFF;
constexpr uint16_t last_one_screen_sweep = 8190;

// Guards the record/playback file, the recording flag, the playback state and
// the look-ahead, and (here also) the one-revolution file. The receiver holds
// it for one read or one append at a time, never while it decodes or delivers.
platform::Lock file_lock;
std::atomic<bool> started{false};

std::FILE *file;  // recording or playback, never both
std::atomic<uint16_t> recording_flag{0};
std::atomic<uint16_t> playback_state{state_live};

// The byte read after each played-back datagram: it tells, while the receiver
// still holds the datagram, whether the file ends there.
uint8_t look_ahead_byte;
std::atomic<bool> look_ahead{false};

std::FILE *one_screen_file;
std::atomic<uint16_t> one_screen_flag{0};
bool one_screen_started;

bool read_exactly(std::FILE *from, uint8_t *into, std::size_t count) {
    return count == 0 || std::fread(into, 1, count, from) == count;
}

// The file cannot yield another whole datagram: playback ends here, cleanly.
void end_playback() {
    std::fclose(file);
    file = nullptr;
    playback_state.store(state_ended);
    look_ahead.store(false);
}

}  // namespace

void start() {
    file_lock.init();
    started.store(true);
}

Source source() {
    switch (playback_state.load()) {
        case state_live: return Source::live;
        case state_playing: return Source::playing;
        default: return Source::ended;
    }
}

std::size_t read_datagram(std::FILE *from, uint8_t (&buffer)[datagram_capacity], int &ahead) {
    std::size_t have = 0;
    if (ahead >= 0) buffer[have++] = static_cast<uint8_t>(ahead);
    ahead = no_look_ahead;
    // An empty file, or one that ends inside a header.
    if (!read_exactly(from, buffer + have, 10 - have)) return 0;
    const std::size_t words = (buffer[9] & 3u) * 256u + buffer[8];
    const std::size_t length = 10 + 2 * words;
    // A word count the receive buffer cannot hold, or a file that ends inside
    // the datagram: nothing of it is delivered.
    if (length > datagram_capacity || !read_exactly(from, buffer + 10, length - 10)) return 0;
    const int next = std::fgetc(from);
    if (next != EOF) ahead = static_cast<uint8_t>(next);
    return length;
}

std::size_t read_playback(uint8_t (&buffer)[datagram_capacity], uint16_t &mode) {
    platform::Held held(file_lock);
    if (playback_state.load() != state_playing || file == nullptr) return 0;
    int ahead = look_ahead.load() ? look_ahead_byte : no_look_ahead;
    const std::size_t length = read_datagram(file, buffer, ahead);
    if (length == 0) {
        end_playback();
        return 0;
    }
    if (ahead == no_look_ahead) {
        end_playback();
        mode = mode_playback_last;
    } else {
        look_ahead_byte = static_cast<uint8_t>(ahead);
        look_ahead.store(true);
        mode = mode_playback;
    }
    return length;
}

void forget_look_ahead() {
    if (!look_ahead.load()) return;
    platform::Held held(file_lock);
    look_ahead.store(false);
}

void append(const uint8_t *datagram, std::size_t length) {
    if (recording_flag.load() == 0) return;
    platform::Held held(file_lock);
    if (recording_flag.load() != 0 && file != nullptr) std::fwrite(datagram, 1, length, file);
}

void one_screen_step(uint16_t sweep, const uint8_t *datagram, std::size_t length) {
    if (one_screen_flag.load() == 0) return;
    platform::Held held(file_lock);
    if (one_screen_flag.load() == 0 || one_screen_file == nullptr) return;
    if (!one_screen_started) {
        if (sweep != 0) return;  // waits for the start of a revolution
        one_screen_started = true;
    }
    std::fwrite(datagram, 1, length, one_screen_file);
    if (sweep >= last_one_screen_sweep) {
        one_screen_started = false;
        one_screen_flag.store(0);
        std::fclose(one_screen_file);
        one_screen_file = nullptr;
    }
}

}  // namespace radar::echo::recording

using namespace radar::echo::recording;
namespace echo = radar::echo;

extern "C" {

RADAR_EXPORT int16_t RADAR_API OrvaneRecStartRadarEcho(const char *path) {
    if (!started.load() || path == nullptr) return RADAR_REFUSED;
    radar::platform::Held held(file_lock);
    // Refused before the file is touched: "wb+" would empty it.
    if (playback_state.load() != state_live) return RADAR_REFUSED;
    std::FILE *opened = std::fopen(path, "wb+");
    if (opened == nullptr) return RADAR_REFUSED;
    if (file != nullptr) std::fclose(file);  // a running recording moves to the new file
    file = opened;
    recording_flag.store(1);
    return RADAR_OK;
}

RADAR_EXPORT int16_t RADAR_API OrvaneRecEndRadarEcho(void) {
    if (!started.load()) return RADAR_REFUSED;
    radar::platform::Held held(file_lock);
    if (playback_state.load() != state_live || recording_flag.load() == 0) return RADAR_REFUSED;
    recording_flag.store(0);
    std::fclose(file);
    file = nullptr;
    return RADAR_OK;
}

RADAR_EXPORT int16_t RADAR_API OrvaneRecStartRadarEchoOneScreen(const char *path) {
    if (!started.load() || path == nullptr) return RADAR_REFUSED;
    std::FILE *opened = std::fopen(path, "wb+");
    if (opened == nullptr) return RADAR_REFUSED;
    radar::platform::Held held(file_lock);
    if (one_screen_file != nullptr) std::fclose(one_screen_file);  // an armed one is replaced
    one_screen_file = opened;
    one_screen_started = false;
    one_screen_flag.store(1);
    return RADAR_OK;
}

RADAR_EXPORT int16_t RADAR_API OrvaneReadStartRadarEcho(const char *path) {
    if (!started.load() || path == nullptr) return RADAR_REFUSED;
    radar::platform::Held held(file_lock);
    if (recording_flag.load() != 0) return RADAR_REFUSED;
    std::FILE *opened = std::fopen(path, "rb");
    if (opened == nullptr) return RADAR_REFUSED;
    if (file != nullptr) std::fclose(file);  // a playback in progress moves to the new file
    file = opened;
    // A new playback starts at the first byte of its own file.
    look_ahead.store(false);
    // Closing the echo socket wakes the receive waiting on it; the receiver's
    // next pass reads the file. Only the first start has a socket to close.
    if (playback_state.load() == state_live) echo::close_slot(echo::echo_slot.load());
    playback_state.store(state_playing);
    return RADAR_OK;
}

RADAR_EXPORT int16_t RADAR_API OrvaneReadEndRadarEcho(void) {
    if (!started.load()) return RADAR_REFUSED;
    radar::platform::Held held(file_lock);
    if (recording_flag.load() != 0 || playback_state.load() == state_live) return RADAR_REFUSED;
    if (file != nullptr) {  // the receiver closed it itself at the end of the file
        std::fclose(file);
        file = nullptr;
    }
    look_ahead.store(false);
    echo::echo_slot.store(echo::open_free_slot(echo::echo_port));
    playback_state.store(state_live);
    return RADAR_OK;
}

}  // extern "C"
