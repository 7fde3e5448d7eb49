#include "own_motion.h"

#include <cmath>

#include "units.h"

namespace radartrack {

void OwnMotion::reset() { *this = OwnMotion{}; }

void OwnMotion::position_at(double t, double &x, double &y) const {
    if (!anchored_) {
        x = y = 0;
        return;
    }
    x = anchor_x_ + vx_ * (t - anchor_t_);
    y = anchor_y_ + vy_ * (t - anchor_t_);
}

void OwnMotion::set_velocity(double t, double vx, double vy) {
    // Move the anchor to `t` on the old velocity so the track of own ship
    // stays continuous when the velocity changes.
    double x = 0, y = 0;
    position_at(t, x, y);
    const double dt = anchored_ ? t - anchor_t_ : 0;
    anchor_t_ = t;
    anchor_x_ = x;
    anchor_y_ = y;
    anchored_ = true;
    // The speed is smoothed, the course taken as it comes: smoothing the
    // velocity would lag a turn, and every target would seem to turn the
    // other way with own ship.
    const double speed = std::hypot(vx, vy);
    if (!velocity_known_) {
        speed_ = speed;
    } else {
        const double a = dt > 0 ? 1 - std::exp(-dt / smoothing_s) : 1.0;
        speed_ += a * (speed - speed_);
    }
    if (speed > 0) {  // a ship stopped keeps the course it had
        ux_ = vx / speed;
        uy_ = vy / speed;
    }
    vx_ = speed_ * ux_;
    vy_ = speed_ * uy_;
    velocity_known_ = true;
}

bool OwnMotion::fit_fixes(double t, double &vx, double &vy) const {
    // Least-squares slope of the fixes of the last fit window.
    double n = 0, st = 0, sx = 0, sy = 0, stt = 0, stx = 0, sty = 0, first = t, last = t;
    for (uint32_t i = 0; i < fix_count_; ++i) {
        const Fix &f = fixes_[i];
        if (f.t < t - fit_window_s || f.t > t) continue;
        const double u = f.t - t;
        n += 1;
        st += u;
        sx += f.x;
        sy += f.y;
        stt += u * u;
        stx += u * f.x;
        sty += u * f.y;
        first = std::fmin(first, f.t);
        last = std::fmax(last, f.t);
    }
    const double d = n * stt - st * st;
    if (n < 3 || last - first < 5 || d <= 0) return false;
    vx = (n * stx - st * sx) / d;
    vy = (n * sty - st * sy) / d;
    return true;
}

void OwnMotion::sample(const RadarTrackOwnShip &own) {
    const double t = own.time_s;
    if (own.has & RADARTRACK_OWN_HEADING) {
        heading_deg_ = own.heading_deg;
        have_heading_ = true;
    }
    if (own.has & RADARTRACK_OWN_VELOCITY) {
        const double c = own.course_deg * rad_per_deg, v = own.speed_kn * mps_per_knot;
        set_velocity(t, v * std::sin(c), v * std::cos(c));
        last_cog_t_ = t;
        have_cog_ = true;
    }
    if (own.has & RADARTRACK_OWN_POSITION) {
        if (!have_fix_) {
            ref_lat_ = own.lat_deg;
            ref_lon_ = own.lon_deg;
            metres_per_deg_lon_ = metres_per_degree_latitude * std::cos(ref_lat_ * rad_per_deg);
        }
        double dlon = own.lon_deg - ref_lon_;
        if (dlon > 180) dlon -= 360;
        if (dlon < -180) dlon += 360;
        fixes_[fix_next_] = {t, dlon * metres_per_deg_lon_,
                             (own.lat_deg - ref_lat_) * metres_per_degree_latitude};
        fix_next_ = (fix_next_ + 1) % max_fixes;
        if (fix_count_ < max_fixes) ++fix_count_;
        fix_t_ = t;
        fix_lat_ = own.lat_deg;
        fix_lon_ = own.lon_deg;
        have_fix_ = true;
        double vx = 0, vy = 0;
        if ((!have_cog_ || t - last_cog_t_ > cog_fresh_s) && fit_fixes(t, vx, vy))
            set_velocity(t, vx, vy);
    }
}

bool OwnMotion::lat_lon_at(double t, double dx, double dy, double &lat, double &lon) const {
    if (!have_fix_) return false;
    const double north = vy_ * (t - fix_t_) + dy, east = vx_ * (t - fix_t_) + dx;
    lat = fix_lat_ + north / metres_per_degree_latitude;
    const double c = std::cos(fix_lat_ * rad_per_deg);
    lon = fix_lon_ + (c > 1e-6 ? east / (metres_per_degree_latitude * c) : 0);
    lon = std::fmod(lon + 540.0, 360.0) - 180.0;
    return true;
}

uint32_t OwnMotion::known() const {
    return (have_heading_ ? RADARTRACK_OWN_HEADING : 0u) |
           (velocity_known_ ? RADARTRACK_OWN_VELOCITY : 0u) |
           (have_fix_ ? RADARTRACK_OWN_POSITION : 0u);
}

}  // namespace radartrack
