// Own ship's motion: where it is in the tracker's ground frame (metres east
// and north of where it was when the tracker started), dead-reckoned from its
// velocity over ground, and its latitude and longitude when fixes come.
//
// The velocity is course and speed over ground when given, the speed
// smoothed over a few seconds; else the slope of the position fixes of the last
// fit_window_s; else unknown, and own ship is taken as still.
#pragma once

#include <cstdint>

#include "radar_tracking.h"

namespace radartrack {

class OwnMotion {
  public:
    static constexpr uint32_t max_fixes = 64;
    static constexpr double fit_window_s = 30;
    static constexpr double smoothing_s = 3;
    static constexpr double cog_fresh_s = 10;  // after this, fixes give the velocity

    void reset();
    void sample(const RadarTrackOwnShip &own);

    // Own ship's position in the ground frame at `t` (metres east, north).
    void position_at(double t, double &x, double &y) const;
    double vx() const { return vx_; }
    double vy() const { return vy_; }
    bool velocity_known() const { return velocity_known_; }

    // The latitude and longitude of a point `dx`, `dy` metres east and north
    // of own ship at `t`; false without a fix.
    bool lat_lon_at(double t, double dx, double dy, double &lat, double &lon) const;

    // RADARTRACK_OWN_... bits for what is known now.
    uint32_t known() const;
    double heading_deg() const { return heading_deg_; }

  private:
    void set_velocity(double t, double vx, double vy);
    bool fit_fixes(double t, double &vx, double &vy) const;

    double anchor_t_ = 0, anchor_x_ = 0, anchor_y_ = 0;  // dead reckoning from here
    double vx_ = 0, vy_ = 0, speed_ = 0, ux_ = 0, uy_ = 1;
    bool velocity_known_ = false, anchored_ = false;
    double last_cog_t_ = 0;
    bool have_cog_ = false;
    double heading_deg_ = 0;
    bool have_heading_ = false;
    // Fixes, in metres from the first one (flat-earth about its latitude).
    struct Fix {
        double t, x, y;
    };
    Fix fixes_[max_fixes] = {};
    uint32_t fix_count_ = 0, fix_next_ = 0;
    double ref_lat_ = 0, ref_lon_ = 0, metres_per_deg_lon_ = 0;
    double fix_t_ = 0, fix_lat_ = 0, fix_lon_ = 0;
    bool have_fix_ = false;
};

}  // namespace radartrack
