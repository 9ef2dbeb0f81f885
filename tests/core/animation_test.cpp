// Tests of the animation's rules: the advance rules, the figure closing on every frame Demonstrate
// and Range draw, the range picture's samples and the frames Demonstrate draws.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/animation.h"
#include "core/motion_parameters.h"

namespace fourbar {
namespace {

using Kind = Sweep;

// One execute of a freshly started program with these lengths (mm), n = 100 r/min and M.
Analysis execute(double L1, double L2, double L3, double L4, double M) {
    SharedState s;
    s.inputs = {.L1 = L1, .L2 = L2, .L3 = L3, .L4 = L4, .n = 100, .M = M};
    executeAnalysis(s);
    return *s.analysis;
}

struct StepRow {
    const char* what;
    Kind kind;
    int startAngle, endAngle;  // degrees
    FramePosition from;
    std::vector<int> indices;  // frameIndex of `from` and of each position after it
};

class NextFrame : public testing::TestWithParam<StepRow> {};

TEST_P(NextFrame, GivesTheGoldenSequence) {
    const StepRow& row = GetParam();
    std::vector<int> seen{row.from.frameIndex};
    for (FramePosition at = row.from; seen.size() < row.indices.size();) {
        at = nextFrame(row.kind, at, row.startAngle, row.endAngle);
        seen.push_back(at.frameIndex);
    }
    EXPECT_EQ(seen, row.indices) << row.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, NextFrame, testing::Values(
    // 360 is never shown either: the report's frames.
    StepRow{"turn restarts at 0, not 4", Kind::FullTurn, 0, 0, {350, 7}, {350, 357, 0, 7}},
    StepRow{"rocker, lower end twice", Kind::DoubleRocker, 30, 36, {30, 3}, {30, 33, 36, 33, 30, 30, 33}},
    StepRow{"rocker, upper end clamped", Kind::DoubleRocker, 30, 35, {30, 3}, {30, 33, 35, 32, 30, 33}},
    StepRow{"rocker-crank, through 280 to 20", Kind::RockerCrank, 20, 150, {274, 3}, {274, 277, 280, 20, 23}}));
// clang-format on

struct LinkageRow {
    const char* what;
    double L1, L2, L3, L4, M;
    int firstSample, samples, frameIndexAfter;  // Range's samples and where it leaves frameIndex
};

class Frames : public testing::TestWithParam<LinkageRow> {};

// Every frame Demonstrate and Range draw closes the figure, |BC| = L2 (theta3 and Cy are single
// precision, about 1e-7 of the lengths each). Range samples a turning crank every 5 degrees from 0
// to 350, a limited kind every second index of its rows.
TEST_P(Frames, CloseTheFigureAndSampleTheRange) {
    const LinkageRow& r = GetParam();
    const Analysis a = execute(r.L1, r.L2, r.L3, r.L4, r.M);
    ASSERT_TRUE(coversAnimation(a));
    const RangeSamples range = rangeSamples(a);
    EXPECT_EQ(range.samples.front().frameIndex, r.firstSample);
    EXPECT_EQ(range.samples.size(), static_cast<std::size_t>(r.samples));
    EXPECT_EQ(range.frameIndexAfter, r.frameIndexAfter);
    std::vector<Frame> frames = range.samples;
    const PositionTables tables = demonstrationTables(a);
    ASSERT_EQ(tables.range(), animationRange(a));
    for (int i = tables.range().first; i <= tables.range().last; ++i) {
        frames.push_back({i, tables.at(i)});
    }
    for (const auto& [i, j] : frames) {
        EXPECT_NEAR(std::hypot(j.cx - j.bx, j.cy - j.by), r.L2, 1e-6 * (r.L1 + r.L2 + r.L3 + r.L4))
            << r.what << ", index " << i;
    }
}

// On the centred rocker-crank's return swing, indices 60 to 117, the crank swings back from 58 to 1
// degree: drawn at i degrees instead, those figures would not close.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, Frames, testing::Values(
    LinkageRow{"crank-rocker", 150, 220, 250, 300, -1, 0, 71, 355},
    LinkageRow{"double rocker", 300, 150, 220, 100, -1, -127, 128, 129},
    LinkageRow{"centred rocker-crank", 200, 100, 100, 200, 1, 1, 59, 119}));
// clang-format on

// A turning crank's range takes the crank angle in single precision (5 degrees: 150 sin gives
// ...850032106 in double precision).
TEST(RangeSamples, TurningCrankAngleInSinglePrecision) {
    const Analysis a = execute(150, 220, 250, 300, -1);
    EXPECT_EQ(rangeSamples(a).samples[1].joints.by, 13.073363259469961);
}

// Tables that do not hold every row of the sweep: Demonstrate and Range refuse.
TEST(CoversAnimation, RefusesRowsOfAnotherSweep) {
    std::vector<Analysis> refused(3, execute(300, 150, 220, 100, -1));  // a double rocker
    refused[0] = execute(100, 200, 100.000001, 200, -1);  // the loop cannot close: no rows
    refused[1].mechanism = Mechanism::RockerCrankA;       // needs the return swing's rows too
    refused[2].tables.startAngle -= 1;                    // one row below the tables
    for (const Analysis& a : refused) {
        EXPECT_FALSE(coversAnimation(a)) << mechanismName(a.mechanism) << a.tables.startAngle;
        EXPECT_EQ(demonstrationFrames(a, 3, 1), std::nullopt);
    }
}

// What the report prints for a rocker-crank: from startAngle through both swings and round (the
// crank-rocker's cycle: the report's frames).
TEST(DemonstrationFrames, RunThroughTheCycle) {
    const auto rocking = demonstrationFrames(execute(200, 100, 100, 200, 1), 3, 40);
    ASSERT_TRUE(rocking);
    EXPECT_EQ(rocking->front().frameIndex, 1);   // startAngle
    EXPECT_EQ(rocking->at(38).frameIndex, 115);  // 2 endAngle - startAngle is 117
    EXPECT_EQ(rocking->at(39).frameIndex, 1);
}

}  // namespace
}  // namespace fourbar
