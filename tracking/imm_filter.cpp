#include "imm_filter.h"

#include <algorithm>
#include <cmath>

namespace radartrack {

namespace {
constexpr int n = 4;
}  // namespace

void ImmFilter::start(const NcvFilter &from, const ImmTuning &tuning) {
    t_ = from.time();
    double p[4][4];
    from.covariance(p);
    for (int m = 0; m < models; ++m)
        for (int i = 0; i < n; ++i) {
            x_[m][i] = from.state()[i];
            for (int j = 0; j < n; ++j) p_[m][i][j] = p[i][j];
        }
    mu_[manoeuvring] = tuning.new_manoeuvring;
    mu_[steady] = 1 - tuning.new_manoeuvring;
    manoeuvre_ = false;
}

void ImmFilter::mix_and_predict(double t, const ImmTuning &tuning, Step &step) const {
    // The chance of a switch in the time gone by, from each model's mean
    // time.
    const double dt = t - t_, d = std::max(dt, 0.0);
    const double to_manoeuvre = 1 - std::exp(-d / tuning.steady_s);
    const double to_steady = 1 - std::exp(-d / tuning.manoeuvre_s);
    const double pi[models][models] = {{1 - to_manoeuvre, to_manoeuvre},
                                       {to_steady, 1 - to_steady}};
    for (int j = 0; j < models; ++j) {
        double c = 0;
        for (int i = 0; i < models; ++i) c += pi[i][j] * mu_[i];
        step.c[j] = c;
        double w[models];
        for (int i = 0; i < models; ++i) w[i] = c > 0 ? pi[i][j] * mu_[i] / c : (i == j);
        // While the ship holds its course the steady model takes nothing
        // from the other: it averages undisturbed, and that is what is shown.
        if (j == steady && !manoeuvre_)
            for (int i = 0; i < models; ++i) w[i] = i == steady;
        double x0[4] = {}, p0[4][4] = {};
        for (int i = 0; i < models; ++i)
            for (int k = 0; k < n; ++k) x0[k] += w[i] * x_[i][k];
        for (int i = 0; i < models; ++i) {
            double dx[4];
            for (int k = 0; k < n; ++k) dx[k] = x_[i][k] - x0[k];
            for (int a = 0; a < n; ++a)
                for (int b = 0; b < n; ++b) p0[a][b] += w[i] * (p_[i][a][b] + dx[a] * dx[b]);
        }
        predict_constant_velocity(x0, p0, dt, j == steady ? tuning.steady_q : tuning.manoeuvre_q,
                                  step.x[j], step.p[j]);
    }
}

Prediction ImmFilter::predicted(double t, const ImmTuning &tuning) const {
    Step step;
    mix_and_predict(t, tuning, step);
    Prediction out{t, {0, 0, 0, 0}, {0, 0, 0}};
    for (int j = 0; j < models; ++j)
        for (int k = 0; k < n; ++k) out.s[k] += step.c[j] * step.x[j][k];
    for (int j = 0; j < models; ++j) {
        const double dx = step.x[j][0] - out.s[0], dy = step.x[j][1] - out.s[1];
        out.p.xx += step.c[j] * (step.p[j][0][0] + dx * dx);
        out.p.xy += step.c[j] * (step.p[j][0][1] + dx * dy);
        out.p.yy += step.c[j] * (step.p[j][1][1] + dy * dy);
    }
    return out;
}

void ImmFilter::shown(double t, const ImmTuning &tuning, double s[4]) const {
    if (manoeuvre_) {
        const Prediction p = predicted(t, tuning);
        for (int k = 0; k < n; ++k) s[k] = p.s[k];
        return;
    }
    const double dt = t - t_;
    s[0] = x_[steady][0] + dt * x_[steady][2];
    s[1] = x_[steady][1] + dt * x_[steady][3];
    s[2] = x_[steady][2];
    s[3] = x_[steady][3];
}

void ImmFilter::update(double t, double x, double y, const Cov2 &r, const ImmTuning &tuning) {
    Step step;
    mix_and_predict(t, tuning, step);
    double log_l[models];
    for (int j = 0; j < models; ++j) {
        const double(&xs)[4] = step.x[j];
        const double(&p)[4][4] = step.p[j];
        const double nx = x - xs[0], ny = y - xs[1];
        const double sxx = p[0][0] + r.xx, sxy = p[0][1] + r.xy, syy = p[1][1] + r.yy;
        const double det = std::max(sxx * syy - sxy * sxy, 1e-12);
        const double ixx = syy / det, ixy = -sxy / det, iyy = sxx / det;
        log_l[j] = -0.5 * (nx * nx * ixx + 2 * nx * ny * ixy + ny * ny * iyy) - 0.5 * std::log(det);
        // K = P H^T S^-1, H taking the position; P = P - K H P, kept symmetric.
        double k[4][2];
        for (int i = 0; i < n; ++i) {
            k[i][0] = p[i][0] * ixx + p[i][1] * ixy;
            k[i][1] = p[i][0] * ixy + p[i][1] * iyy;
        }
        for (int i = 0; i < n; ++i) step.x[j][i] = xs[i] + k[i][0] * nx + k[i][1] * ny;
        double pu[4][4];
        for (int a = 0; a < n; ++a)
            for (int b = 0; b < n; ++b) pu[a][b] = p[a][b] - k[a][0] * p[0][b] - k[a][1] * p[1][b];
        for (int a = 0; a < n; ++a)
            for (int b = 0; b < n; ++b) step.p[j][a][b] = (pu[a][b] + pu[b][a]) / 2;
    }
    // Each model's new weight: its weight before the plot times how likely it
    // found the plot.
    const double top = std::max(log_l[0], log_l[1]);
    for (int j = 0; j < models; ++j) step.c[j] *= std::exp(log_l[j] - top);
    t_ = t;
    take(step);
    if (!manoeuvre_ && mu_[manoeuvring] > tuning.turn_on) manoeuvre_ = true;
    if (manoeuvre_ && mu_[manoeuvring] < tuning.turn_off) manoeuvre_ = false;
    for (double &m : mu_) m = std::max(m, tuning.floor);
    const double sum = mu_[0] + mu_[1];
    for (double &m : mu_) m /= sum;
}

void ImmFilter::coast(double t, const ImmTuning &tuning) {
    if (!(t > t_)) return;
    Step step;
    mix_and_predict(t, tuning, step);
    t_ = t;
    take(step);
}

void ImmFilter::take(const Step &step) {
    const double sum = step.c[0] + step.c[1];
    for (int j = 0; j < models; ++j) {
        mu_[j] = sum > 0 ? step.c[j] / sum : (j == steady);
        for (int a = 0; a < n; ++a) {
            x_[j][a] = step.x[j][a];
            for (int b = 0; b < n; ++b) p_[j][a][b] = step.p[j][a][b];
        }
    }
}

double ImmFilter::speed_sigma() const {
    const int m = manoeuvre_ ? manoeuvring : steady;
    return std::sqrt((p_[m][2][2] + p_[m][3][3]) / 2);
}

}  // namespace radartrack
