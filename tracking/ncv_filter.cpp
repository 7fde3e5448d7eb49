#include "ncv_filter.h"

#include <cmath>

namespace radartrack {

void NcvFilter::start(double t, double x, double y, const Cov2 &r, double speed_sigma) {
    t_ = t;
    s_[0] = x;
    s_[1] = y;
    s_[2] = s_[3] = 0;
    for (auto &row : p_)
        for (double &v : row) v = 0;
    p_[0][0] = r.xx;
    p_[0][1] = p_[1][0] = r.xy;
    p_[1][1] = r.yy;
    p_[2][2] = p_[3][3] = speed_sigma * speed_sigma;
    nis_average_ = 2;
    manoeuvring_ = false;
}

void predict_constant_velocity(const double x[4], const double p[4][4], double dt, double q,
                               double xo[4], double po[4][4]) {
    xo[0] = x[0] + dt * x[2];
    xo[1] = x[1] + dt * x[3];
    xo[2] = x[2];
    xo[3] = x[3];
    // P' = F P F^T + Q, F = [I dt I; 0 I], written out per block.
    double a[4][4];
    for (int j = 0; j < 4; ++j) {  // rows: F P
        a[0][j] = p[0][j] + dt * p[2][j];
        a[1][j] = p[1][j] + dt * p[3][j];
        a[2][j] = p[2][j];
        a[3][j] = p[3][j];
    }
    for (int i = 0; i < 4; ++i) {  // columns: (F P) F^T
        po[i][0] = a[i][0] + dt * a[i][2];
        po[i][1] = a[i][1] + dt * a[i][3];
        po[i][2] = a[i][2];
        po[i][3] = a[i][3];
    }
    const double d = std::fabs(dt);
    const double q11 = q * d * d * d / 3, q12 = q * d * d / 2 * (dt < 0 ? -1 : 1), q22 = q * d;
    po[0][0] += q11;
    po[1][1] += q11;
    po[0][2] += q12;
    po[2][0] += q12;
    po[1][3] += q12;
    po[3][1] += q12;
    po[2][2] += q22;
    po[3][3] += q22;
}

void NcvFilter::predicted(double t, const FilterTuning &tuning, double s[4], double p[4][4]) const {
    predict_constant_velocity(s_, p_, t - t_, manoeuvring_ ? tuning.manoeuvre_q : tuning.quiet_q, s,
                              p);
}

namespace {
struct Innovation {
    double nx, ny;         // innovation
    double sxx, sxy, syy;  // its covariance
    double ixx, ixy, iyy;  // and the inverse
    double det;
};

Innovation innovate(const double s[4], const double p[4][4], double x, double y, const Cov2 &r) {
    Innovation v;
    v.nx = x - s[0];
    v.ny = y - s[1];
    v.sxx = p[0][0] + r.xx;
    v.sxy = p[0][1] + r.xy;
    v.syy = p[1][1] + r.yy;
    v.det = v.sxx * v.syy - v.sxy * v.sxy;
    if (!(v.det > 1e-12)) v.det = 1e-12;
    v.ixx = v.syy / v.det;
    v.ixy = -v.sxy / v.det;
    v.iyy = v.sxx / v.det;
    return v;
}

double nis_of(const Innovation &v) {
    return v.nx * v.nx * v.ixx + 2 * v.nx * v.ny * v.ixy + v.ny * v.ny * v.iyy;
}
}  // namespace

double NcvFilter::nis(double t, double x, double y, const Cov2 &r, const FilterTuning &tuning,
                      double *log_det) const {
    double s[4], p[4][4];
    predicted(t, tuning, s, p);
    const Innovation v = innovate(s, p, x, y, r);
    if (log_det != nullptr) *log_det = std::log(v.det);
    return nis_of(v);
}

void NcvFilter::update(double t, double x, double y, const Cov2 &r, const FilterTuning &tuning) {
    double s[4], p[4][4];
    predicted(t, tuning, s, p);
    const Innovation v = innovate(s, p, x, y, r);
    // K = P H^T S^-1, with H taking the position.
    double k[4][2];
    for (int i = 0; i < 4; ++i) {
        k[i][0] = p[i][0] * v.ixx + p[i][1] * v.ixy;
        k[i][1] = p[i][0] * v.ixy + p[i][1] * v.iyy;
    }
    for (int i = 0; i < 4; ++i) s_[i] = s[i] + k[i][0] * v.nx + k[i][1] * v.ny;
    // P = P - K H P, kept symmetric.
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) p_[i][j] = p[i][j] - k[i][0] * p[0][j] - k[i][1] * p[1][j];
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) p_[i][j] = p_[j][i] = (p_[i][j] + p_[j][i]) / 2;
    t_ = t;

    nis_average_ += tuning.nis_weight * (nis_of(v) - nis_average_);
    if (!manoeuvring_ && nis_average_ > tuning.nis_on) manoeuvring_ = true;
    if (manoeuvring_ && nis_average_ < tuning.nis_off) manoeuvring_ = false;
}

double NcvFilter::speed_sigma() const { return std::sqrt((p_[2][2] + p_[3][3]) / 2); }

}  // namespace radartrack
