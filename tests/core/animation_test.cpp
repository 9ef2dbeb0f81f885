// Tests of the animation's rules: the advance rules, the figure closing on every frame Demonstrate
// and Range draw, the range picture's samples and the frames Demonstrate draws.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/animation.h"
#include "tests/core/executed.h"

namespace fourbar {
namespace {

using test::Inputs;

struct StepRow {
    const char* label;
    Sweep sweep;
    int startAngle, endAngle;  // degrees
    FramePosition from;
    std::vector<int> indices;  // frameIndex of `from` and of each position after it
};

class NextFrame : public testing::TestWithParam<StepRow> {};

TEST_P(NextFrame, GivesTheGoldenSequence) {
    const StepRow& row = GetParam();
    std::vector<int> seen{row.from.frameIndex};
    for (FramePosition at = row.from; seen.size() < row.indices.size();) {
        at = nextFrame(row.sweep, at, row.startAngle, row.endAngle);
        seen.push_back(at.frameIndex);
    }
    EXPECT_EQ(seen, row.indices);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, NextFrame, testing::Values(
    // Never at the remainder 4, and never at 360 either: the report tool's frames.
    StepRow{"turnRestartsAtZero",        Sweep::FullTurn,     0,  0,   {350, 7}, {350, 357, 0, 7}},
    StepRow{"rockerLowerEndTwice",       Sweep::DoubleRocker, 30, 36,  {30, 3},  {30, 33, 36, 33, 30, 30, 33}},
    StepRow{"rockerUpperEndClamped",     Sweep::DoubleRocker, 30, 35,  {30, 3},  {30, 33, 35, 32, 30, 33}},
    StepRow{"rockerCrankThroughTheTurn", Sweep::RockerCrank,  20, 150, {274, 3}, {274, 277, 280, 20, 23}}),
    test::byLabel);
// clang-format on

struct LinkageRow {
    const char* label;
    Inputs inputs;
    int firstSample, samples, frameIndexAfter;  // Range's samples and where it leaves frameIndex
};

class Frames : public testing::TestWithParam<LinkageRow> {};

// Every frame Demonstrate and Range draw closes the figure, |BC| = L2 (theta3 and Cy are single
// precision, about 1e-7 of the lengths each). Range samples a turning crank every 5 degrees from 0
// to 350, a limited kind every second index of its rows.
TEST_P(Frames, CloseTheFigureAndSampleTheRange) {
    const LinkageRow& r = GetParam();
    const Analysis a = *test::analysed(r.inputs);
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
    const Inputs& s = r.inputs;
    for (const auto& [i, j] : frames) {
        EXPECT_NEAR(std::hypot(j.cx - j.bx, j.cy - j.by), s.L2, 1e-6 * (s.L1 + s.L2 + s.L3 + s.L4))
            << "index " << i;
    }
}

// On the centred rocker-crank's return swing, indices 60 to 117, the crank swings back from 58 to 1
// degree: drawn at i degrees instead, those figures would not close.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, Frames, testing::Values(
    LinkageRow{"crankRocker",        {150, 220, 250, 300},         0,    71,  355},
    LinkageRow{"doubleRocker",       {300, 150, 220, 100},         -127, 128, 129},
    LinkageRow{"centredRockerCrank", {200, 100, 100, 200, 100, 1}, 1,    59,  119}),
    test::byLabel);
// clang-format on

// A turning crank's range takes the crank angle in single precision (5 degrees: 150 sin gives
// ...850032106 in double precision).
TEST(RangeSamples, TurningCrankAngleInSinglePrecision) {
    EXPECT_EQ(rangeSamples(*test::analysed(Inputs{150, 220, 250, 300})).samples[1].joints.by,
              13.073363259469961);
}

// Tables that do not hold every row of the sweep: Demonstrate and Range refuse.
TEST(CoversAnimation, RefusesRowsOfAnotherSweep) {
    // A double rocker's tables (tables without rows: the report tool's test).
    std::vector<Analysis> refused(2, *test::analysed(Inputs{300, 150, 220, 100}));
    refused[0].mechanism = Mechanism::RockerCrankA;  // needs the return swing's rows too
    refused[1].tables.startAngle -= 1;               // one row below the tables
    for (const Analysis& a : refused) {
        EXPECT_FALSE(coversAnimation(a)) << mechanismName(a.mechanism) << a.tables.startAngle;
        EXPECT_EQ(demonstrationFrames(a, 3, 1), std::nullopt);
    }
}

}  // namespace
}  // namespace fourbar
