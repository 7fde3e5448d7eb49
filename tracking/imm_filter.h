// A target's motion as two models that take turns (an interacting multiple
// model filter): a ship holding course and speed, whose filter averages for
// minutes, and a ship manoeuvring, whose filter follows a turn or a change of
// speed within a few revolutions. Each pass mixes the two by how likely a
// switch is in the time gone by, predicts each, updates each with the plot,
// and weighs them by how well each foresaw it.
//
// Why: a single filter quiet enough for a steady course and speed cannot
// follow a turn. The one this replaced raised its noise once its own
// innovations said the ship had turned, but by then the plots of a ship
// turning along the line of sight had left its narrow gate; with no plot it
// learnt nothing more, and the track was lost. Here the gate is the blend of
// both models' predictions, so the manoeuvring model keeps the plots of a
// turn in it from the first revolution, and the weights move to it as soon
// as the plots say so.
//
// What is shown: while the steady model holds most of the weight, its own
// estimate, and it takes nothing from the other when the two are mixed, so
// its average over minutes stays undisturbed; once the manoeuvring model
// holds most (turn_on), the blend, and mixing goes both ways again until the
// ship is steady once more (turn_off), when the steady model starts its
// average from where the turn left it.
//
// State of each model: east, north (m), east and north speed (m/s).
#pragma once

#include "ncv_filter.h"

namespace radartrack {

struct ImmTuning {
    double steady_q = 5e-5;        // m^2/s^3: a ship holding course and speed
    double manoeuvre_q = 0.3;      // m^2/s^3: a ship turning at up to 3 degrees a second
    double steady_s = 240;         // mean time a ship holds course before it manoeuvres
    double manoeuvre_s = 40;       // mean time a manoeuvre lasts
    double new_manoeuvring = 0.2;  // a new target's weight on manoeuvring
    double floor = 1e-3;           // no model's weight falls below this
    double turn_on = 0.5;          // the manoeuvring weight that means a manoeuvre
    double turn_off = 0.2;         // ... and the one that means it is over
};

// A prediction as the association needs it: where and how fast, and the
// covariance of the position.
struct Prediction {
    double t;
    double s[4];  // east, north, east speed, north speed
    Cov2 p;       // of the position
};

class ImmFilter {
  public:
    static constexpr int models = 2;
    static constexpr int steady = 0, manoeuvring = 1;

    // Takes over from a constant-velocity filter (a tentative track, or a
    // plot with its speed unknown).
    void start(const NcvFilter &from, const ImmTuning &tuning);

    // The blend predicted to `t` (the filter is unchanged): where the
    // association looks for the next plot.
    Prediction predicted(double t, const ImmTuning &tuning) const;
    // What is shown at `t` (east, north, east speed, north speed).
    void shown(double t, const ImmTuning &tuning, double s[4]) const;
    // Takes a plot at `t`.
    void update(double t, double x, double y, const Cov2 &r, const ImmTuning &tuning);
    // A pass at `t` without a plot: the models move on and mix, and the
    // prediction's uncertainty grows with them.
    void coast(double t, const ImmTuning &tuning);

    double time() const { return t_; }
    // Standard deviation of the speed shown, m/s (root mean of the two axes).
    double speed_sigma() const;
    double manoeuvring_weight() const { return mu_[manoeuvring]; }
    bool manoeuvre() const { return manoeuvre_; }

  private:
    struct Step {
        double x[models][4];
        double p[models][4][4];
        double c[models];  // each model's weight before the plot
    };
    void mix_and_predict(double t, const ImmTuning &tuning, Step &step) const;
    void take(const Step &step);

    double t_ = 0;
    double x_[models][4] = {};
    double p_[models][4][4] = {};
    double mu_[models] = {1, 0};
    bool manoeuvre_ = false;
};

}  // namespace radartrack
