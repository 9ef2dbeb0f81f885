// The joint position tables of the animated linkage.
#include "core/position_tables.h"

#include <cmath>

#include "core/check.h"

namespace fourbar {

JointPositions jointPositions(const LinkageState& linkage, double theta1, double theta3) {
    return {
        .bx = linkage.L1 * std::cos(theta1),
        .by = linkage.L1 * std::sin(theta1),
        .cx = linkage.L3 * std::cos(theta3) + linkage.L4,
        .cy = static_cast<float>(linkage.L3 * std::sin(theta3)),
    };
}

void PositionTables::rebuild(IndexRange range) {
    range_ = range.empty() ? IndexRange{} : range;
    const auto count = static_cast<std::size_t>(range_.count());
    bx_.assign(count, 0.0);
    by_.assign(count, 0.0);
    cx_.assign(count, 0.0);
    cy_.assign(count, 0.0f);
}

void PositionTables::store(int i, const JointPositions& joints) {
    const std::size_t k = slot(i);
    bx_[k] = joints.bx;
    by_[k] = joints.by;
    cx_[k] = joints.cx;
    cy_[k] = joints.cy;
}

JointPositions PositionTables::at(int i) const {
    const std::size_t k = slot(i);
    return {bx_[k], by_[k], cx_[k], cy_[k]};
}

std::size_t PositionTables::slot(int i) const {
    FOURBAR_CHECK(contains(i));
    return static_cast<std::size_t>(i - range_.first);
}

}  // namespace fourbar
