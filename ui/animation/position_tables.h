// The joint positions of the animated linkage, one entry per position index.
#pragma once

#include <vector>

#include "core/result_tables.h"

namespace fourbar::ui {

// Joints B and C of one linkage position, in mm of the linkage plane (A at the origin, D at (L4,
// 0)).
struct JointPositions {
    double bx = 0;  // mm
    double by = 0;  // mm
    double cx = 0;  // mm
    float cy = 0;   // mm, single precision like the table it comes from
};

// The four tables jointBX, jointBY, jointCX and jointCY over one common index range. Access
// outside the range stops the program (checked in every build); callers test contains() first.
class PositionTables {
  public:
    // Replaces every entry by 0 over `range`; an empty range leaves no entries.
    void rebuild(IndexRange range);

    IndexRange range() const { return range_; }
    bool contains(int i) const { return range_.contains(i); }

    // Entry i from the crank angle theta1 and the output-link angle theta3 (rad) and the lengths
    // L1, L3, L4 (mm): B = L1 (cos theta1, sin theta1), C = (L4, 0) + L3 (cos theta3, sin theta3).
    void storePosition(int i, double theta1, double theta3, double L1, double L3, double L4);

    double jointBX(int i) const { return bx_[slot(i)]; }
    double jointBY(int i) const { return by_[slot(i)]; }
    double jointCX(int i) const { return cx_[slot(i)]; }
    float jointCY(int i) const { return cy_[slot(i)]; }
    JointPositions at(int i) const;

  private:
    std::size_t slot(int i) const;

    IndexRange range_;
    std::vector<double> bx_;
    std::vector<double> by_;
    std::vector<double> cx_;
    std::vector<float> cy_;
};

}  // namespace fourbar::ui
