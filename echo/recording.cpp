// Recording the echo stream, recording one revolution, and playing a
// recording back in place of the live stream.
//
// A recording file is the datagrams as received, back to back, with no header
// and nothing between them; the reader finds each next datagram through its
// word count (10 + 2 x words bytes).
#include "recording.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>

#include "platform/file.h"
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
constexpr std::size_t count_end = 10;  // bytes up to and with the word count

std::size_t word_count(const uint8_t *datagram) { return (datagram[9] & 3u) * 256u + datagram[8]; }

// A file being recorded. It only ever holds whole datagrams: writes go
// straight to the system (no stream buffer holds part of a datagram back),
// and a write that fails part way, as on a full disk, is taken back by
// cutting the file to the end of the last whole datagram. The datagram is
// lost and the recording goes on; once there is room again, the next ones
// are written whole. Only when the file cannot be cut either does the
// recording end.
class RecordFile {
  public:
    bool open(const char *path) {
        std::FILE *opened = std::fopen(path, "wb+");
        if (opened == nullptr) return false;
        std::setvbuf(opened, nullptr, _IONBF, 0);
        close();
        file_ = opened;
        whole_ = 0;
        return true;
    }

    bool is_open() const { return file_ != nullptr; }

    // False when the file could not be kept whole; it is then closed.
    bool append(const Framed &datagram) {
        if (std::fwrite(datagram.bytes, 1, datagram.length, file_) == datagram.length) {
            whole_ += datagram.length;
            return true;
        }
        if (platform::cut_file(file_, whole_)) return true;
        close();
        return false;
    }

    void close() {
        if (file_ != nullptr) std::fclose(file_);
        file_ = nullptr;
    }

  private:
    std::FILE *file_;
    uint64_t whole_;  // bytes of the whole datagrams in the file
};

// Guards the record/playback file, the recording flag, the playback state and
// the look-ahead, and (here also) the one-revolution file. The receiver holds
// it for one read or one append at a time, never while it decodes or delivers.
platform::Lock file_lock;
std::atomic<bool> started{false};

std::FILE *file;  // playback
RecordFile recording_file;  // never open while `file` is
std::atomic<uint16_t> recording_flag{0};
std::atomic<uint16_t> playback_state{state_live};

// The byte read after each played-back datagram: it tells, while the receiver
// still holds the datagram, whether the file ends there.
uint8_t look_ahead_byte;
std::atomic<bool> look_ahead{false};

RecordFile one_screen_file;
std::atomic<uint16_t> one_screen_flag{0};
bool one_screen_started;

uint8_t framed_copy[datagram_capacity];  // the receiver's

char playback_buffer[64 * 1024];  // the playback file's stream buffer

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
    if (!read_exactly(from, buffer + have, count_end - have)) return 0;
    const std::size_t length = count_end + 2 * word_count(buffer);
    // A word count the receive buffer cannot hold, or a file that ends inside
    // the datagram: nothing of it is delivered.
    if (length > datagram_capacity ||
        !read_exactly(from, buffer + count_end, length - count_end))
        return 0;
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

void retry_echo_socket() {
    // Under the file lock, like the playback exports that close and reopen
    // the socket, so that a retry never opens a socket that playback has
    // just closed, nor replaces the one its end has opened.
    platform::Held held(file_lock);
    if (playback_state.load() != state_live || echo_slot.load() >= 0) return;
    echo_slot.store(open_free_slot(echo_port));
}

void forget_look_ahead() {
    if (!look_ahead.load()) return;
    platform::Held held(file_lock);
    look_ahead.store(false);
}

Framed frame(const uint8_t *datagram, std::size_t length, bool decodable) {
    // Nothing longer than the receive buffer is ever received.
    if (length == 0 || length > datagram_capacity) return {datagram, 0};
    if (length >= count_end && count_end + 2 * word_count(datagram) == length)
        return {datagram, length};
    std::size_t framed = std::max(length, count_end);
    if (framed % 2 != 0) framed = decodable ? framed + 1 : framed - 1;
    const std::size_t kept = std::min(length, framed);
    std::memcpy(framed_copy, datagram, kept);
    std::memset(framed_copy + kept, 0, framed - kept);
    const std::size_t words = (framed - count_end) / 2;
    framed_copy[8] = static_cast<uint8_t>(words);
    framed_copy[9] = static_cast<uint8_t>((framed_copy[9] & ~3u) | words >> 8);
    return {framed_copy, framed};
}

void append(const Framed &datagram) {
    if (recording_flag.load() == 0 || datagram.length == 0) return;
    platform::Held held(file_lock);
    if (recording_flag.load() == 0 || !recording_file.is_open()) return;
    if (!recording_file.append(datagram)) recording_flag.store(0);  // ended, as by the export
}

void one_screen_step(uint16_t sweep, const Framed &datagram) {
    if (one_screen_flag.load() == 0) return;
    platform::Held held(file_lock);
    if (one_screen_flag.load() == 0 || !one_screen_file.is_open()) return;
    if (!one_screen_started) {
        if (sweep != 0) return;  // waits for the start of a revolution
        one_screen_started = true;
    }
    const bool kept = one_screen_file.append(datagram);
    if (!kept || sweep >= last_one_screen_sweep) {
        one_screen_started = false;
        one_screen_flag.store(0);
        one_screen_file.close();
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
    // A running recording moves to the new file.
    if (!recording_file.open(path)) return RADAR_REFUSED;
    recording_flag.store(1);
    return RADAR_OK;
}

RADAR_EXPORT int16_t RADAR_API OrvaneRecEndRadarEcho(void) {
    if (!started.load()) return RADAR_REFUSED;
    radar::platform::Held held(file_lock);
    if (playback_state.load() != state_live || recording_flag.load() == 0) return RADAR_REFUSED;
    recording_flag.store(0);
    recording_file.close();
    return RADAR_OK;
}

RADAR_EXPORT int16_t RADAR_API OrvaneRecStartRadarEchoOneScreen(const char *path) {
    if (!started.load() || path == nullptr) return RADAR_REFUSED;
    radar::platform::Held held(file_lock);
    // An armed one is replaced.
    if (!one_screen_file.open(path)) return RADAR_REFUSED;
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
    // One read for many datagrams: the file is read through a buffer of
    // its own, which only one playback uses at a time (the old file is
    // closed above).
    std::setvbuf(opened, playback_buffer, _IOFBF, sizeof playback_buffer);
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
