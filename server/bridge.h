// Between the library's threads and the server's: the echo callback (the
// receiver thread) and the notify callback (the network library's thread)
// copy what they are given into a hand-off under a lock and return at once;
// the server's thread takes it from there. Nothing here waits on a socket.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "radar.h"

namespace radarctl::serve {

class Bridge {
  public:
    static Bridge &instance();

    // The library's callbacks, to be registered with it.
    static void RADAR_CALLBACK echo_callback(EchoLineRecord *line);
    static void RADAR_CALLBACK notify_callback(int32_t code);

    // Called (on the network library's thread) after a notify: wakes the
    // server's thread, which then takes the codes.
    void on_codes(std::function<void()> wake);

    // Playback at the antenna's pace: lines are held back in the callback
    // so that a revolution takes 60 / rpm seconds. 0: unpaced.
    void pace(double rpm);

    // The lines since the last call as one frame of the wire format (empty
    // when none came); `lines` is their count, `times` when each came (steady
    // clock, nanoseconds), for the tracker.
    std::string take_batch(uint32_t &lines, std::vector<int64_t> &times);
    std::vector<int32_t> take_codes();

    uint64_t lines_received() const { return received_.load(); }
    uint64_t lines_dropped() const { return dropped_.load(); }
    // When the latest line came; none before the first.
    std::optional<std::chrono::steady_clock::time_point> last_line() const;
    // Whether the latest line was of a playback file's last datagram: the
    // recording has played to its end (until it is started again).
    bool playback_at_end() const { return last_mode_.load() == mode_last_played; }
    // A scale code other than `except` that a line carried after `since`
    // (another range's picture among the radar's own); none when there is none.
    std::optional<uint16_t> other_scale_since(uint16_t except,
                                              std::chrono::steady_clock::time_point since) const;
    // Set when a line of a playback file's last datagram has come.
    std::atomic<bool> playback_ended{false};
    static constexpr uint16_t mode_last_played = 3;

  private:
    Bridge();
    void take_line(const EchoLineRecord &line);
    void wait_for_pace(const EchoLineRecord &line);

    std::mutex lock_;
    std::string pending_;  // the frame being filled: a count, then lines
    std::string spare_;    // the other buffer; the server's thread only
    std::vector<int64_t> pending_times_, spare_times_;  // beside them, a time for each line
    uint32_t pending_lines_ = 0;
    std::vector<int32_t> codes_;
    std::function<void()> wake_;
    std::atomic<uint64_t> received_{0}, dropped_{0};
    std::atomic<int64_t> last_line_ns_{0};  // steady clock; 0: none yet
    std::atomic<uint16_t> last_mode_{0};
    static constexpr std::size_t scale_codes = 64;      // six bits in the datagram
    std::atomic<int64_t> scale_seen_ns_[scale_codes] = {};  // steady clock; when a line last carried each

    // Pacing, on the receiver thread only.
    std::atomic<double> rpm_{0};
    int previous_sweep_ = -1;
    double paced_seconds_ = 0;
    int64_t pace_start_ns_ = 0;
};

}  // namespace radarctl::serve
