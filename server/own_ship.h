// Own ship's heading, motion over ground and position, from the radar's own
// announcements (0x38 heading, 0x37 position, 0x55 course; speed from
// successive positions) and from the boat's NMEA network (nmea_in.h). Each
// part is taken from the NMEA input when it is given and has sent that part
// lately, else from the radar; a part older than `stale_after` is not used.
// The server's thread alone uses it.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <nlohmann/json.hpp>
#include <vector>

#include "radar_tracking.h"

namespace radarctl::serve {

class OwnShip {
  public:
    using Clock = std::chrono::steady_clock;
    enum Part { heading, velocity, position, parts };
    enum Source { none, radar, nmea };
    static constexpr auto stale_after = std::chrono::seconds(10);

    // `nmea_given`: --nmea-in was given, and its parts come first.
    // `epoch`: time 0 of the tracker's seconds.
    OwnShip(bool nmea_given, Clock::time_point epoch) : nmea_given_(nmea_given), epoch_(epoch) {}

    // After the radar announced `code`: its values read from the mirror.
    void radar_announced(int32_t code, Clock::time_point now);
    void nmea_heading(double heading_deg, Clock::time_point now);
    void nmea_velocity(double course_deg, double speed_kn, Clock::time_point now);
    void nmea_position(double lat_deg, double lon_deg, Clock::time_point now);

    // The samples for the tracker since the last call, oldest first: each
    // part as it came from the source chosen for it.
    std::vector<RadarTrackOwnShip> take_samples();

    // Which source each part comes from now (none when stale or never heard).
    Source source_of(Part part, Clock::time_point now) const;
    // "nmea" when any part comes from the NMEA input, else "radar" when any
    // from the radar, else "none".
    const char *source_name(Clock::time_point now) const;
    // The "own" object of /api/targets (without "nmea").
    nlohmann::json describe(Clock::time_point now) const;

  private:
    struct Fix {
        double a = 0, b = 0;  // heading; course and speed; latitude and longitude
        Clock::time_point at{};
        bool known = false;
    };
    void put(Source source, Part part, double a, double b, Clock::time_point now);
    void radar_motion(Clock::time_point now);

    bool nmea_given_;
    Clock::time_point epoch_;
    std::array<std::array<Fix, parts>, 3> fixes_{};  // by source, by part
    struct Place {
        Clock::time_point at;
        double lat, lon;
    };
    std::deque<Place> radar_track_;  // the radar's recent positions, for its speed
    Fix radar_course_;               // 0x55, when the radar announces one
    std::vector<RadarTrackOwnShip> samples_;
};

}  // namespace radarctl::serve
