#include "capture.h"

namespace radarctl {
namespace {
Capture *instance = nullptr;
}

Capture &Capture::start() {
    static Capture capture;
    if (instance == nullptr) {
        instance = &capture;
        OrvaneInitRadarEchoFunc(&Capture::on_line);
    }
    return capture;
}

void RADAR_CALLBACK Capture::on_line(EchoLineRecord *line) {
    Capture &c = *instance;
    const uint16_t mode = line->Mode;
    const uint16_t sweep = line->Sweep;
    std::lock_guard<std::mutex> held(c.lock_);
    if (mode == 1) {
        c.live_.add(*line);
        if (c.previous_sweep_ >= 4096 && sweep < 4096) c.live_revolutions.fetch_add(1);
        c.previous_sweep_ = sweep;
        c.live_lines.fetch_add(1);
    } else {
        c.played_.add(*line);
        c.played_lines.fetch_add(1);
        if (mode == 3) c.last_played.store(true);
    }
}

void Capture::picture(bool played_back, PolarPicture &out) {
    std::lock_guard<std::mutex> held(lock_);
    out = played_back ? played_ : live_;
}

void Capture::clear(bool played_back) {
    std::lock_guard<std::mutex> held(lock_);
    (played_back ? played_ : live_).clear();
    if (played_back) {
        played_lines.store(0);
        last_played.store(false);
    }
}

}  // namespace radarctl
