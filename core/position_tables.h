// The joint positions of the animated linkage, one entry per position index.
#pragma once

#include <vector>

#include "core/linkage.h"
#include "core/result_tables.h"

namespace fourbar {

// Joints B and C of one linkage position, in mm of the linkage plane (A at the origin, D at (L4,
// 0)), as the figure places them.
struct JointPositions {
    double bx = 0;  // mm
    double by = 0;  // mm
    double cx = 0;  // mm
    float cy = 0;   // mm, single precision like the table it is kept in
    bool operator==(const JointPositions&) const = default;
};

// B = L1 (cos theta1, sin theta1) and C = (L4, 0) + L3 (cos theta3, sin theta3) from the crank
// angle theta1 and the output-link angle theta3 (rad), in double precision; Cy rounded to single.
JointPositions jointPositions(const LinkageState& linkage, double theta1, double theta3);

// The four tables jointBX, jointBY, jointCX and jointCY over one common index range. Access
// outside the range stops the program (checked in every build); callers test contains() first.
class PositionTables {
  public:
    // Replaces every entry by 0 over `range`; an empty range leaves no entries.
    void rebuild(IndexRange range);

    IndexRange range() const { return range_; }
    bool contains(int i) const { return range_.contains(i); }

    void store(int i, const JointPositions& joints);
    JointPositions at(int i) const;

  private:
    std::size_t slot(int i) const;

    IndexRange range_;
    std::vector<double> bx_;
    std::vector<double> by_;
    std::vector<double> cx_;
    std::vector<float> cy_;
};

}  // namespace fourbar
