// A nearly-constant-velocity Kalman filter in the ground frame: state east,
// north, east speed, north speed (m, m/s), measured in position.
//
// Manoeuvres: the normalised innovation squared (NIS) of each update is
// averaged; while the average says the target no longer moves straight, the
// process noise is raised from quiet_q to manoeuvre_q, so the filter follows
// a turn, and it drops back once the innovations are small again. A single
// model with switched noise rather than an interacting pair: it needs half
// the arithmetic and, with the hysteresis below, follows the turns ships
// make (a few tenths of a degree a second) within a few revolutions.
#pragma once

namespace radartrack {

// A measurement's covariance: xx, xy, yy.
struct Cov2 {
    double xx, xy, yy;
};

struct FilterTuning {
    double quiet_q = 2e-4;     // m^2/s^3: ships hold course and speed
    double manoeuvre_q = 0.1;  // m^2/s^3: a ship turning at up to about a degree a second
    double nis_weight = 0.3;   // of each new NIS in the average
    double nis_on = 4.0;       // average NIS (2 on a straight course) that means a turn
    double nis_off = 2.5;      // ... and the one that means it has ended
};

// A nearly-constant-velocity state (east, north, and their speeds) and its
// covariance moved on by dt: x' = F x, P' = F P F^T + Q, with white
// acceleration of density q (m^2/s^3) on each axis.
void predict_constant_velocity(const double x[4], const double p[4][4], double dt, double q,
                               double xo[4], double po[4][4]);

class NcvFilter {
  public:
    // Starts at a measured position with its covariance, speed unknown (its
    // standard deviation `speed_sigma` on each axis).
    void start(double t, double x, double y, const Cov2 &r, double speed_sigma);

    // The state and covariance predicted to `t` (the filter is unchanged).
    void predicted(double t, const FilterTuning &tuning, double s[4], double p[4][4]) const;

    // The NIS of a measurement at `t` and, when asked, the log-determinant
    // of its innovation covariance.
    double nis(double t, double x, double y, const Cov2 &r, const FilterTuning &tuning,
               double *log_det = nullptr) const;

    // Takes a measurement at `t`.
    void update(double t, double x, double y, const Cov2 &r, const FilterTuning &tuning);

    double time() const { return t_; }
    const double *state() const { return s_; }
    void covariance(double p[4][4]) const {
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) p[i][j] = p_[i][j];
    }
    // Standard deviation of the speed, m/s (root mean of the two axes).
    double speed_sigma() const;
    bool manoeuvring() const { return manoeuvring_; }

  private:
    double t_ = 0;
    double s_[4] = {};
    double p_[4][4] = {};
    double nis_average_ = 2;
    bool manoeuvring_ = false;
};

}  // namespace radartrack
