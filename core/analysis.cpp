// The kinematic analysis: closed-form loop closure per crank degree, its derivatives, and the runs.
#include "core/analysis.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>

#include "core/check.h"

namespace fourbar {

namespace {

// Sign as -1, 0 or +1.
double sgn(double value) {
    return value > 0 ? 1.0 : value < 0 ? -1.0 : 0.0;
}

// Twice a half-angle in (-pi/2, 3pi/2], folded so the full angle lies in (-pi, 2pi].
double fullAngle(double halfAngle) {
    return halfAngle > kPi ? 2 * (halfAngle - kPi) : 2 * halfAngle;
}

bool isIndex(int value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

// One row at crank angle `degrees` on branch `sign`. False when the loop cannot close there or a
// value overflows its storage; then `row` is unspecified.
bool computeRow(const LinkageState& s, double w1, double degrees, double sign, TableRow& row) {
    const double L1 = s.L1;
    const double L2 = s.L2;
    const double L3 = s.L3;
    const double L4 = s.L4;

    row.theta1 = degrees * kDegree;
    const double t1 = row.theta1;
    const double sin1 = std::sin(t1);
    const double cos1 = std::cos(t1);

    const double a3 = 2 * L1 * L3 * sin1;
    const double b3 = (L1 * cos1 - L4) * 2 * L3;
    const double c3 = L2 * L2 - L1 * L1 - L3 * L3 - L4 * L4 + 2 * L1 * L4 * cos1;
    const double a2 = 2 * L1 * L2 * sin1;
    const double b2 = (L1 * cos1 - L4) * 2 * L2;
    const double c2 = L1 * L1 + L2 * L2 + L4 * L4 - L3 * L3 - 2 * L1 * L4 * cos1;

    // A discriminant that overflowed (inf or NaN) cannot close the loop any better than a negative
    // one.
    const double q2 = a2 * a2 + b2 * b2 - c2 * c2;
    if (!(q2 >= 0) || !std::isfinite(q2)) {
        return false;
    }
    row.theta2 = fullAngle(vectorAngle(b2 - c2, a2 + sign * std::sqrt(q2)));

    const double q3 = a3 * a3 + b3 * b3 - c3 * c3;
    if (!(q3 >= 0) || !std::isfinite(q3)) {
        return false;
    }
    row.theta3 = static_cast<float>(fullAngle(vectorAngle(b3 - c3, a3 + sign * std::sqrt(q3))));
    if (!(row.theta3 >= 0)) {
        row.theta3 = static_cast<float>(row.theta3 + kFullTurn);
    }

    const double t2 = row.theta2;
    const double t3 = row.theta3;
    const double sin23 = std::sin(t2 - t3);
    if (sin23 == 0) {
        // Coupler and output link in line: the velocities and accelerations have no finite value.
        const double none = std::numeric_limits<double>::quiet_NaN();
        row.omega2 = none;
        row.omega3 = none;
        row.alpha2 = none;
        row.alpha3 = static_cast<float>(none);
        return std::isfinite(row.theta2) && std::isfinite(row.theta3);
    }
    // sin and cos are exactly odd and even, so sin(t3 - t2) = -sin23 and cos(t3 - t2) = cos23.
    const double sin32 = -sin23;
    const double cos23 = std::cos(t2 - t3);
    const double cos32 = cos23;

    row.omega2 = ((-L1 * w1) * std::sin(t1 - t3)) / L2 / sin23;
    row.omega3 = ((L1 * w1) * std::sin(t1 - t2)) / L3 / sin32;
    const double w2 = row.omega2;
    const double w3 = row.omega3;
    row.alpha2 = (-L1 * (w1 * w1) * std::cos(t1 - t3) - L2 * (w2 * w2) * cos23 + L3 * (w3 * w3)) /
                 L2 / sin23;
    row.alpha3 = static_cast<float>(
        (L1 * (w1 * w1) * std::cos(t1 - t2) + L2 * (w2 * w2) - L3 * (w3 * w3) * cos32) / L3 /
        sin32);

    return std::isfinite(row.theta2) && std::isfinite(row.theta3) && std::isfinite(row.omega2) &&
           std::isfinite(row.omega3) && std::isfinite(row.alpha2) && std::isfinite(row.alpha3);
}

// Rolls a failed run back: no rows, and the maxima as they were before it.
class RunGuard {
  public:
    RunGuard(ResultTables& tables, Maxima& maxima)
        : tables_(tables), maxima_(maxima), before_(maxima) {}

    RunStatus fail() {
        tables_.clearRows();
        maxima_ = before_;
        return RunStatus::CannotClose;
    }

  private:
    ResultTables& tables_;
    Maxima& maxima_;
    Maxima before_;
};

// A coupler or output link of length 0 would divide every row by zero.
bool canRun(const LinkageState& inputs) {
    return inputs.L2 != 0 && inputs.L3 != 0;
}

// One pass of a run: rows first..last, row i at crank angle base + step * i on branch `sign`.
struct Pass {
    int first;
    int last;
    double sign;
    int base = 0;
    int step = 1;
};

// Rows first..last of the tables, written pass by pass in order; a later pass may rewrite a row.
RunStatus run(const LinkageState& inputs, ResultTables& tables, Maxima& maxima, int first, int last,
              std::initializer_list<Pass> passes) {
    RunGuard guard(tables, maxima);
    if (!canRun(inputs)) {
        return guard.fail();
    }
    tables.clearRows();
    if (first > last) {
        return RunStatus::Completed;
    }
    FOURBAR_CHECK(isIndex(first) && isIndex(last));
    const double w1 = crankAngularVelocity(inputs.n);
    TableRow row;
    for (const Pass& pass : passes) {
        for (int i = pass.first; i <= pass.last; ++i) {
            if (!computeRow(inputs, w1, pass.base + pass.step * i, pass.sign, row)) {
                return guard.fail();
            }
            // Resized only once the first row is known, so a refused run never fills the tables.
            if (tables.empty()) {
                tables.resize(first, last);
            }
            tables.setRow(i, row);
            maxima.raise(row);
        }
    }
    return RunStatus::Completed;
}

}  // namespace

double vectorAngle(double x, double y) {
    if (std::fabs(x) < 1e-10) {
        return kPi / 2 - (sgn(y) - 1) * kPi / 2;
    }
    return std::atan(y / x) - (sgn(x) - 1) * kPi / 2;
}

double triangleAngle(double a, double b, double c) {
    if (a == 0 || b == 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double k = (a * a + b * b - c * c) * 0.5 / a / b;
    // Rounding can carry the cosine of a straight or zero angle just past 1.
    constexpr double kTolerance = 1e-12;
    if (!(std::fabs(k) <= 1 + kTolerance)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (std::fabs(k) > 1) {
        // Only a cosine past 1 is brought back; one just below 1 is a real, small angle.
        k = k < 0 ? -1.0 : 1.0;
    }
    if (k == 0) {
        return kPi / 2;
    }
    const double t = std::atan(std::sqrt(1 / (k * k) - 1));
    return k < 0 ? kPi - t : t;
}

double crankAngularVelocity(double n) {
    return n * kPi / 30;
}

RunStatus analyseFullTurn(const LinkageState& inputs, ResultTables& tables, Maxima& maxima) {
    return run(inputs, tables, maxima, 0, 360, {{0, 360, inputs.M}});
}

RunStatus analyseRange(const LinkageState& inputs, ResultTables& tables, Maxima& maxima, int first,
                       int last) {
    return run(inputs, tables, maxima, first, last, {{first, last, inputs.M}});
}

RunStatus analyseRockerDriven(const LinkageState& inputs, ResultTables& tables, Maxima& maxima,
                              int first, int last) {
    if (first > last) {
        return run(inputs, tables, maxima, first, last, {});
    }
    FOURBAR_CHECK(isIndex(first) && isIndex(last));
    // Forward swing on branch M, then back over the same angles on the other assembly branch; the
    // return swing's row at `last` replaces the forward one.
    const int end = 2 * last - first;
    return run(inputs, tables, maxima, first, end,
               {{first, last, inputs.M}, {last, end, -inputs.M, 2 * last, -1}});
}

RunStatus analyseParallelogram(const LinkageState& inputs, ResultTables& tables) {
    const double w1 = crankAngularVelocity(inputs.n);
    if (!std::isfinite(w1)) {
        tables.clearRows();
        return RunStatus::CannotClose;
    }
    tables.resize(0, 360);
    for (int i = 0; i <= 360; ++i) {
        TableRow row;
        row.theta1 = i * kDegree;
        row.theta3 = static_cast<float>(row.theta1);
        row.omega3 = w1;
        tables.setRow(i, row);
    }
    return RunStatus::Completed;
}

}  // namespace fourbar
