#include "assignment.h"

namespace radartrack {

void Assignment::solve(uint32_t rows, uint32_t columns) {
    // Potentials u (rows) and v (columns), 1-based with column 0 a sentinel.
    for (uint32_t i = 0; i <= rows; ++i) u_[i] = 0;
    for (uint32_t j = 0; j <= columns; ++j) {
        v_[j] = 0;
        row_of_[j] = 0;
        way_[j] = 0;
    }
    for (uint32_t i = 1; i <= rows; ++i) {
        row_of_[0] = i;
        uint32_t j0 = 0;
        for (uint32_t j = 0; j <= columns; ++j) {
            way_min_[j] = 1e300;
            used_[j] = false;
        }
        do {
            used_[j0] = true;
            const uint32_t i0 = row_of_[j0];
            double delta = 1e300;
            uint32_t j1 = 0;
            for (uint32_t j = 1; j <= columns; ++j) {
                if (used_[j]) continue;
                const double c = cost[i0 - 1][j - 1] - u_[i0] - v_[j];
                if (c < way_min_[j]) {
                    way_min_[j] = c;
                    way_[j] = j0;
                }
                if (way_min_[j] < delta) {
                    delta = way_min_[j];
                    j1 = j;
                }
            }
            for (uint32_t j = 0; j <= columns; ++j) {
                if (used_[j]) {
                    u_[row_of_[j]] += delta;
                    v_[j] -= delta;
                } else {
                    way_min_[j] -= delta;
                }
            }
            j0 = j1;
        } while (row_of_[j0] != 0);
        do {
            const uint32_t j1 = way_[j0];
            row_of_[j0] = row_of_[j1];
            j0 = j1;
        } while (j0 != 0);
    }
    for (uint32_t i = 0; i < rows; ++i) column_of[i] = -1;
    for (uint32_t j = 1; j <= columns; ++j)
        if (row_of_[j] != 0) column_of[row_of_[j] - 1] = static_cast<int32_t>(j - 1);
}

}  // namespace radartrack
