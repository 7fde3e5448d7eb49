// Global nearest neighbour: the assignment of rows (tracks) to columns
// (plots, then one "missed" column per track) of least total cost, by the
// Hungarian method in O(rows^2 columns). Fixed size, no allocation.
#pragma once

#include <cstdint>

namespace radartrack {

class Assignment {
  public:
    static constexpr uint32_t max_rows = 32;
    static constexpr uint32_t max_columns = 96;
    static constexpr double forbidden = 1e12;

    // cost[i][j] for i < rows <= max_rows, j < columns <= max_columns, rows <=
    // columns. Fills column_of[i] for every row.
    void solve(uint32_t rows, uint32_t columns);

    double cost[max_rows][max_columns];
    int32_t column_of[max_rows];

  private:
    double u_[max_rows + 1], v_[max_columns + 1], way_min_[max_columns + 1];
    uint32_t row_of_[max_columns + 1], way_[max_columns + 1];
    bool used_[max_columns + 1];
};

}  // namespace radartrack
