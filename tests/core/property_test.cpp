// Seeded random executes: nothing faults, held entries are finite or NaN just where the coupler and
// output link lie in line, and the rows held are the range each kind promises its readers.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/motion_parameters.h"

namespace fourbar {
namespace {

class Inputs {
  public:
    explicit Inputs(std::uint64_t seed) : engine_(seed) {}

    // Mostly 0..1000, with whole numbers, repeats, zeros, negatives and huge magnitudes mixed in.
    double length(const double* earlier, int count) {
        const int kind = pick(20);
        if (kind < 9) {
            return uniform(0, 1000);
        }
        if (kind < 12) {
            return std::round(uniform(0, 1000));
        }
        if (kind < 15 && count > 0) {
            return earlier[pick(count)];
        }
        if (kind < 16) {
            return 0;
        }
        if (kind < 18) {
            return -uniform(0, 1000);
        }
        return std::pow(10.0, uniform(3, 308)) * (pick(4) == 0 ? -1 : 1);
    }

    double assembly() {
        const int kind = pick(10);
        return kind < 4 ? -1 : kind < 8 ? 1 : uniform(-3, 3);
    }

    bool chance(int in) { return pick(in) == 0; }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    double uniform(double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(engine_);
    }

    std::mt19937_64 engine_;
};

// `direct`: the rows were filled by the parallelogram fill, which has no in-line rows.
void checkRows(const ResultTables& tables, bool direct, int run) {
    const IndexRange rows = tables.rows();
    for (int i = rows.first; i <= rows.last; ++i) {
        const TableRow r = tables.row(i);
        ASSERT_TRUE(std::isfinite(r.theta1) && std::isfinite(r.theta2) && std::isfinite(r.theta3))
            << "run " << run << " row " << i;
        ASSERT_GE(r.theta3, 0) << "run " << run << " row " << i;
        const bool inLine = !direct && std::sin(r.theta2 - r.theta3) == 0;
        for (const double v : {r.omega2, r.omega3, r.alpha2, static_cast<double>(r.alpha3)}) {
            if (inLine) {
                ASSERT_TRUE(std::isnan(v)) << "run " << run << " row " << i;
            } else {
                ASSERT_TRUE(std::isfinite(v)) << "run " << run << " row " << i;
            }
        }
    }
}

TEST(Property, RandomExecutesStaySound) {
    Inputs inputs(20240611);
    LinkageState state;
    ResultTables tables;
    int completed = 0;
    bool direct = false;  // the held rows come from a parallelogram fill
    for (int run = 0; run < 100000; ++run) {
        double values[6];
        for (int k = 0; k < 5; ++k) {
            values[k] = inputs.length(values, k);
        }
        state.L1 = values[0];
        state.L2 = values[1];
        state.L3 = values[2];
        state.L4 = values[3];
        state.n = values[4];
        state.M = inputs.assembly();
        if (inputs.chance(50)) {
            tables.resetMaxima();
            state.mechanismName.clear();
        }

        const ExecuteOutcome out = executeAnalysis(state, tables);
        ASSERT_TRUE(std::isfinite(tables.maxTheta3) && std::isfinite(tables.maxOmega3) &&
                    std::isfinite(tables.maxAlpha3))
            << "run " << run;
        for (const auto& box : out.boxes) {
            ASSERT_TRUE(!box || (box->find("nan") == std::string::npos &&
                                 box->find("inf") == std::string::npos))
                << "run " << run;
        }
        if (out.message == ExecuteMessage::RunFailed) {
            ASSERT_TRUE(tables.empty()) << "run " << run;
        }
        if (out.message == ExecuteMessage::None) {
            ++completed;
            direct = state.mechanismName == names::parallelogram;
            const IndexRange expected = kindRange(kindFromNameAndLengths(state), tables);
            if (expected.empty()) {
                ASSERT_TRUE(tables.empty()) << "run " << run;
            } else {
                ASSERT_EQ(tables.rows(), expected) << "run " << run;
            }
        }
        checkRows(tables, direct, run);
        if (HasFatalFailure()) {
            return;
        }
    }
    // The mix must exercise the engine, not only the refusals.
    EXPECT_GT(completed, 20000);
}

}  // namespace
}  // namespace fourbar
