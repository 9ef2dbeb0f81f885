// Physics checks of the analysis over the presets and seeded random linkages: every row closes the
// loop, and the velocities and accelerations agree with differences of the rows around them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "core/analysis.h"
#include "core/motion_parameters.h"
#include "tests/core/confirmed_inputs.h"

namespace fourbar {
namespace {

using testing_support::byLabel;
using testing_support::confirmed;
using testing_support::Inputs;

struct Linkage {
    std::string label;
    Inputs inputs;
};

void PrintTo(const Linkage& l, std::ostream* os) {
    *os << l.label << " (" << l.inputs.L1 << ' ' << l.inputs.L2 << ' ' << l.inputs.L3 << ' '
        << l.inputs.L4 << ' ' << l.inputs.n << ' ' << l.inputs.M << ')';
}

// The shared state after confirming the inputs and executing; nullopt unless the run filled rows.
std::optional<SharedState> executed(const Inputs& inputs) {
    SharedState state;
    state.inputs = confirmed(inputs);
    if (executeAnalysis(state).message != ExecuteMessage::None || state.analysis->tables.empty()) {
        return std::nullopt;
    }
    return state;
}

// The preset menu's seven linkages, a parallelogram, then the first 100 seeded random ones whose
// execute completes: lengths 10 to 1000 mm, either sign of n, either assembly, and ten rows at
// least so that some lie away from the ends of the range.
std::vector<Linkage> linkages() {
    std::vector<Linkage> all = {
        {"crankrocker", {150, 220, 250, 300}},   {"rockercrank", {250, 220, 150, 300}},
        {"doublecrank", {220, 250, 300, 150}},   {"doublerocker1", {300, 150, 220, 250}},
        {"doublerocker2", {220, 150, 300, 100}}, {"doublerocker3", {300, 150, 220, 100}},
        {"doublerocker4", {150, 300, 100, 220}}, {"parallelogram", {100, 200, 100, 200, 60}},
    };
    std::mt19937 engine(9);
    std::uniform_real_distribution<double> length(10, 1000);
    std::uniform_real_distribution<double> speed(-300, 300);
    for (int random = 0; random < 100;) {
        const Inputs in{length(engine), length(engine), length(engine),
                        length(engine), speed(engine),  engine() % 2 ? 1.0 : -1.0};
        if (const auto state = executed(in);
            state && state->analysis->tables.rows().count() >= 10) {
            all.push_back({"random" + std::to_string(random++), in});
        }
    }
    return all;
}

// Closure: C from the crank and coupler must meet C from the frame and output link. The angles are
// off by up to 7e-7 rad, because the half-angle folds use pi rounded to 3.141593, and theta3 by
// 2.4e-7 rad more from single precision; 2e-6 of the arm lengths covers both, while a wrong length
// or branch misplaces C by a good part of a link.
constexpr double kClosure = 2e-6;
// A row counts as near a dead point when the coupler and output link lie within about 6 degrees
// of one line: the velocities grow as 1 / sin(theta2 - theta3) there.
constexpr double kDeadPoint = 0.1;
// Velocities and accelerations are compared as fractions of their magnitude over the three rows
// (plus omega1 or omega1^2, so a value passing through 0 is not held to 0). Measured over these
// linkages the differences stay below 0.3% for omega and 1.2% for alpha; 1% and 3% leave a margin,
// while a sign error (200%) or one link length in place of another (12% for the presets' closest
// lengths) lies beyond them: each such fault planted in the formulas fails nearly every linkage.
constexpr double kVelocity = 0.01;
constexpr double kAcceleration = 0.03;

// The Simpson mean (1, 4, 1) / 6 of a quantity over rows i-1, i, i+1, and its largest magnitude.
// The central difference of an angle over two degree steps equals the Simpson mean of its rate up
// to h^4 terms; against the rate at row i alone it would differ by h^2/6 times the third
// derivative, several per cent near the limit positions at one-degree steps, as much as a fault.
struct Mean {
    double value;
    double magnitude;
};

Mean mean(double before, double at, double after) {
    return {(before + 4 * at + after) / 6,
            std::max({std::fabs(before), std::fabs(at), std::fabs(after)})};
}

bool awayFromDeadPoint(const TableRow& r) {
    return !std::isnan(r.omega2) && std::fabs(std::sin(r.theta2 - r.theta3)) >= kDeadPoint;
}

class Physics : public ::testing::TestWithParam<Linkage> {};

TEST_P(Physics, RowsCloseTheLoopAndAgreeWithTheirDifferences) {
    const std::optional<SharedState> state = executed(GetParam().inputs);
    ASSERT_TRUE(state);
    const Analysis& analysis = *state->analysis;
    const ResultTables& t = analysis.tables;
    const LinkageState& s = analysis.linkage;
    const double w1 = s.omega1;
    const IndexRange rows = t.rows();
    // The ends of a range lie within a degree of a limit position, where the angles move as the
    // square root of the crank angle; at the rocker-crank's turning row the return swing starts on
    // the other assembly branch, back over the same crank angles. No difference may reach them.
    std::vector<int> ends = {rows.first, rows.last};
    if (analysis.kind == MechanismKind::RockerCrank) {
        ends.push_back(static_cast<int>(t.endAngle));
    }
    int checked = 0;
    for (int i = rows.first; i <= rows.last; ++i) {
        const TableRow r = t.row(i);
        const double cx = s.L1 * std::cos(r.theta1) + s.L2 * std::cos(r.theta2);
        const double cy = s.L1 * std::sin(r.theta1) + s.L2 * std::sin(r.theta2);
        const double miss =
            std::hypot(cx - (s.L4 + s.L3 * std::cos(r.theta3)), cy - s.L3 * std::sin(r.theta3));
        ASSERT_LE(miss, kClosure * (s.L2 + s.L3)) << "row " << i;

        if (std::any_of(ends.begin(), ends.end(),
                        [i](int end) { return std::abs(i - end) <= 1; })) {
            continue;
        }
        const TableRow p = t.row(i - 1);
        const TableRow q = t.row(i + 1);
        if (!awayFromDeadPoint(p) || !awayFromDeadPoint(r) || !awayFromDeadPoint(q)) {
            continue;
        }
        // d/dt = d/dtheta1 * omega1, over the stored crank angles: the rocker-crank's return swing
        // runs them backwards. Angles wrap by the program's full turn 6.283186.
        const double perCrankStep = w1 / (q.theta1 - p.theta1);
        const auto turn = [](double d) { return std::remainder(d, kFullTurn); };
        const Mean w2 = mean(p.omega2, r.omega2, q.omega2);
        const Mean w3 = mean(p.omega3, r.omega3, q.omega3);
        const Mean a2 = mean(p.alpha2, r.alpha2, q.alpha2);
        const Mean a3 = mean(p.alpha3, r.alpha3, q.alpha3);
        ASSERT_NEAR(turn(q.theta2 - p.theta2) * perCrankStep, w2.value,
                    kVelocity * (std::fabs(w1) + w2.magnitude))
            << "omega2, row " << i;
        ASSERT_NEAR(turn(double{q.theta3} - p.theta3) * perCrankStep, w3.value,
                    kVelocity * (std::fabs(w1) + w3.magnitude))
            << "omega3, row " << i;
        ASSERT_NEAR((q.omega2 - p.omega2) * perCrankStep, a2.value,
                    kAcceleration * (w1 * w1 + a2.magnitude))
            << "alpha2, row " << i;
        ASSERT_NEAR((q.omega3 - p.omega3) * perCrankStep, a3.value,
                    kAcceleration * (w1 * w1 + a3.magnitude))
            << "alpha3, row " << i;
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(Linkages, Physics, ::testing::ValuesIn(linkages()), byLabel);

}  // namespace
}  // namespace fourbar
