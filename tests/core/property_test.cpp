// Seeded random executes: nothing faults, only a run replaces the analysis, the analysis holds the
// inputs it used and the range its kind promises its readers, and every held entry is finite, or
// NaN just where the coupler and output link lie in line.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/motion_parameters.h"
#include "tests/core/confirmed_inputs.h"

namespace fourbar {
namespace {

TEST(Property, RandomExecutesStaySound) {
    std::mt19937_64 engine(20240611);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); };
    const auto uniform = [&](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(engine);
    };
    SharedState shared;
    LinkageState& state = shared.inputs;
    double* const inputs[] = {&state.L1, &state.L2, &state.L3, &state.L4, &state.n};
    int completed = 0;
    for (int run = 0; run < 100000; ++run) {
        // Lengths and speed mostly 0..1000, with whole numbers, repeats, zeros, negatives and huge
        // magnitudes mixed in.
        for (int k = 0; k < 5; ++k) {
            const int kind = pick(20);
            *inputs[k] = kind < 9             ? uniform(0, 1000)
                         : kind < 12          ? std::round(uniform(0, 1000))
                         : kind < 15 && k > 0 ? *inputs[pick(k)]
                         : kind < 16          ? 0
                         : kind < 18          ? -uniform(0, 1000)
                                     : std::pow(10.0, uniform(3, 308)) * (pick(4) ? 1 : -1);
        }
        state.M = pick(5) ? (pick(2) ? 1 : -1) : uniform(-3, 3);
        const auto before = shared.analysis;
        const ExecuteOutcome out = executeAnalysis(shared);
        const Maxima& now = shared.maxima;
        ASSERT_TRUE(std::isfinite(now.theta3 + now.omega3 + now.alpha3)) << run;
        for (const auto& box : out.boxes) {
            // Neither "nan" nor "inf" is shown: a box without a value is empty.
            ASSERT_EQ(box.value_or("").find_first_of("ni"), std::string::npos) << run;
        }
        if (out.message == ExecuteMessage::ClosureFailed) {
            ASSERT_EQ(shared.analysis, before) << run;
            continue;
        }
        ASSERT_NE(shared.analysis, before) << run;
        const Analysis& analysis = *shared.analysis;
        ASSERT_EQ(testing_support::fields(analysis.linkage), testing_support::fields(state)) << run;
        const ResultTables& tables = analysis.tables;
        if (out.message == ExecuteMessage::RunFailed) {
            ASSERT_TRUE(tables.empty()) << run;
            continue;
        }
        ++completed;
        const IndexRange expected = analysis.kindRows();
        ASSERT_EQ(tables.rows(), expected.empty() ? IndexRange{} : expected) << run;
        const bool direct = state.mechanismName == names::parallelogram;  // no in-line rows
        for (int i = expected.first; i <= expected.last; ++i) {
            const TableRow r = tables.row(i);
            ASSERT_TRUE(std::isfinite(r.theta1 + r.theta2 + r.theta3) && r.theta3 >= 0) << run;
            const bool inLine = !direct && std::sin(r.theta2 - r.theta3) == 0;
            for (const double x : {r.omega2, r.omega3, r.alpha2, static_cast<double>(r.alpha3)}) {
                ASSERT_TRUE(inLine ? std::isnan(x) : std::isfinite(x)) << run << " row " << i;
            }
        }
    }
    // The mix must exercise the engine, not only the refusals.
    EXPECT_GT(completed, 20000);
}

}  // namespace
}  // namespace fourbar
