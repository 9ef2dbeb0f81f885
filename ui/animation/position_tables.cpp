// The joint position tables of the animated linkage.
#include "ui/animation/position_tables.h"

#include <cmath>

#include "core/check.h"

namespace fourbar::ui {

void PositionTables::rebuild(IndexRange range) {
    range_ = range.empty() ? IndexRange{} : range;
    const auto count = static_cast<std::size_t>(range_.count());
    bx_.assign(count, 0.0);
    by_.assign(count, 0.0);
    cx_.assign(count, 0.0);
    cy_.assign(count, 0.0f);
}

void PositionTables::storePosition(int i, double theta1, double theta3, double L1, double L3,
                                   double L4) {
    const std::size_t k = slot(i);
    bx_[k] = L1 * std::cos(theta1);
    by_[k] = L1 * std::sin(theta1);
    cx_[k] = L3 * std::cos(theta3) + L4;
    cy_[k] = static_cast<float>(L3 * std::sin(theta3));
}

JointPositions PositionTables::at(int i) const {
    const std::size_t k = slot(i);
    return {bx_[k], by_[k], cx_[k], cy_[k]};
}

std::size_t PositionTables::slot(int i) const {
    FOURBAR_CHECK(contains(i));
    return static_cast<std::size_t>(i - range_.first);
}

}  // namespace fourbar::ui
