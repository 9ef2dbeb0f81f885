// The result tables: storage with an arbitrary lower bound, checked access and the sweep's row
// range.
#include "core/result_tables.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/check.h"

namespace fourbar {

namespace {

constexpr int kIndexMin = std::numeric_limits<std::int16_t>::min();
constexpr int kIndexMax = std::numeric_limits<std::int16_t>::max();

bool isIndex(double value) {
    return std::isfinite(value) && value == std::trunc(value) && value >= kIndexMin &&
           value <= kIndexMax;
}

}  // namespace

void ResultTables::resize(int first, int last) {
    clearRows();
    if (first > last) {
        return;
    }
    // Row indices are 16-bit crank degrees; a wider range is a caller's bug, not an input error.
    FOURBAR_CHECK(first >= kIndexMin && last <= kIndexMax);
    const auto count = static_cast<std::size_t>(last - first + 1);
    first_ = first;
    theta1_.assign(count, 0.0);
    theta2_.assign(count, 0.0);
    theta3_.assign(count, 0.0f);
    omega2_.assign(count, 0.0);
    omega3_.assign(count, 0.0);
    alpha2_.assign(count, 0.0);
    alpha3_.assign(count, 0.0f);
}

void ResultTables::clearRows() {
    first_ = 0;
    theta1_.clear();
    theta2_.clear();
    theta3_.clear();
    omega2_.clear();
    omega3_.clear();
    alpha2_.clear();
    alpha3_.clear();
}

bool ResultTables::covers(IndexRange range) const {
    return range.empty() || (holds(range.first) && holds(range.last));
}

TableRow ResultTables::row(int i) const {
    const std::size_t k = slot(i);
    return {theta1_[k], theta2_[k], theta3_[k], omega2_[k], omega3_[k], alpha2_[k], alpha3_[k]};
}

void ResultTables::setRow(int i, const TableRow& row) {
    const std::size_t k = slot(i);
    theta1_[k] = row.theta1;
    theta2_[k] = row.theta2;
    theta3_[k] = row.theta3;
    omega2_[k] = row.omega2;
    omega3_[k] = row.omega3;
    alpha2_[k] = row.alpha2;
    alpha3_[k] = row.alpha3;
}

// Strict comparisons, so NaN entries never raise a maximum.
void Maxima::raise(const TableRow& row) {
    if (const float t = std::fabs(row.theta3); t > theta3) {
        theta3 = t;
    }
    if (const double w = std::fabs(row.omega3); w > omega3) {
        omega3 = w;
    }
    if (const float a = std::fabs(row.alpha3); a > alpha3) {
        alpha3 = a;
    }
}

std::size_t ResultTables::slot(int i) const {
    FOURBAR_CHECK(holds(i));
    return static_cast<std::size_t>(i - first_);
}

IndexRange sweepRange(Sweep sweep, const ResultTables& tables) {
    switch (sweep) {
        case Sweep::FullTurn:
            return {0, 360};
        case Sweep::DoubleRocker:
            if (isIndex(tables.startAngle) && isIndex(tables.endAngle)) {
                return {static_cast<int>(tables.startAngle), static_cast<int>(tables.endAngle)};
            }
            return {};
        case Sweep::RockerCrank:
            if (isIndex(tables.startAngle) && isIndex(tables.endAngle)) {
                const double last = 2 * tables.endAngle - tables.startAngle;
                if (isIndex(last)) {
                    return {static_cast<int>(tables.startAngle), static_cast<int>(last)};
                }
            }
            return {};
    }
    return {};
}

}  // namespace fourbar
