// The seven result tables of the last analysis run over one index range, with the running maxima.
#pragma once

#include <cstddef>
#include <vector>

#include "core/linkage.h"

namespace fourbar {

// A closed range of row indices; empty when first > last.
struct IndexRange {
    int first = 0;
    int last = -1;

    bool empty() const { return first > last; }
    int count() const { return empty() ? 0 : last - first + 1; }
    bool contains(int i) const { return i >= first && i <= last; }
    bool operator==(const IndexRange&) const = default;
};

// One row of the tables, as stored: theta3 and alpha3 in single precision on purpose, because the
// numbers users check against were computed that way.
struct TableRow {
    double theta1 = 0;  // rad, crank angle
    double theta2 = 0;  // rad, coupler angle, in (-pi, 2pi]
    float theta3 = 0;   // rad, output-link angle, in [0, 2pi]
    double omega2 = 0;  // rad/s, coupler; NaN where the coupler and output link lie in line
    double omega3 = 0;  // rad/s, output link; NaN as omega2
    double alpha2 = 0;  // rad/s^2, coupler; NaN as omega2
    float alpha3 = 0;   // rad/s^2, output link; NaN as omega2
};

// Maxima of |theta3|, |omega3| and |alpha3| over the rows of the last run; NaN never counts. Each
// execute starts them at 0 and the clear command resets them; the curves are scaled to them.
struct Maxima {
    float theta3 = 0;   // rad, single precision
    double omega3 = 0;  // rad/s
    float alpha3 = 0;   // rad/s^2, single precision
    // Raises each maximum to the row's magnitude where that is larger.
    void raise(const TableRow& row);
    bool operator==(const Maxima&) const = default;
};

class ResultTables {
  public:
    // Replaces all rows by rows first..last, every entry 0. first > last leaves no rows.
    void resize(int first, int last);
    void clearRows();

    IndexRange rows() const { return {first_, first_ + static_cast<int>(theta3_.size()) - 1}; }
    bool empty() const { return theta3_.empty(); }
    bool holds(int i) const { return rows().contains(i); }
    // True when every index of `range` is held (an empty range is covered by any tables).
    bool covers(IndexRange range) const;

    // Element access; `i` must be held (checked in every build).
    double theta1(int i) const { return theta1_[slot(i)]; }
    double theta2(int i) const { return theta2_[slot(i)]; }
    float theta3(int i) const { return theta3_[slot(i)]; }
    double omega2(int i) const { return omega2_[slot(i)]; }
    double omega3(int i) const { return omega3_[slot(i)]; }
    double alpha2(int i) const { return alpha2_[slot(i)]; }
    float alpha3(int i) const { return alpha3_[slot(i)]; }
    TableRow row(int i) const;
    void setRow(int i, const TableRow& row);

    // Crank-angle range of the last rocker-crank or double-rocker run: whole degrees, as doubles.
    double startAngle = 0;
    double endAngle = 0;

  private:
    std::size_t slot(int i) const;

    int first_ = 0;
    std::vector<double> theta1_;
    std::vector<double> theta2_;
    std::vector<float> theta3_;
    std::vector<double> omega2_;
    std::vector<double> omega3_;
    std::vector<double> alpha2_;
    std::vector<float> alpha3_;
};

// The index range that the tables hold for a sweep: 0..360 for a full turn, startAngle..endAngle
// for a double rocker, startAngle..2*endAngle-startAngle for a rocker-crank. A range whose bounds
// are not finite or lie outside the 16-bit index comes back empty.
IndexRange sweepRange(Sweep sweep, const ResultTables& tables);

}  // namespace fourbar
