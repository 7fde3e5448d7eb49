// The echo lines the library delivers to radarctl: live ones and played-back
// ones each into a PPI picture, with counts a waiting thread can watch.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "ppi.h"
#include "radar.h"

namespace radarctl {

class Capture {
  public:
    // Starts the library's echo side with this capture as its echo callback.
    // Once per process.
    static Capture &start();

    // Copies of the pictures (taken under the capture's lock).
    void picture(bool played_back, PolarPicture &out);
    void clear(bool played_back);

    std::atomic<uint64_t> live_lines{0}, played_lines{0};
    std::atomic<uint64_t> live_revolutions{0};  // live sweep numbers wrapping round
    std::atomic<bool> last_played{false};  // a line of a playback's last datagram (Mode 3) came

  private:
    static void RADAR_CALLBACK on_line(EchoLineRecord *line);
    std::mutex lock_;
    PolarPicture live_, played_;
    int previous_sweep_ = -1;
};

}  // namespace radarctl
