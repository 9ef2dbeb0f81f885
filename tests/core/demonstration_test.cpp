// Tests of the demonstration: its command sequences by kind of linkage, the drawing each command
// and step asks for, the scale coefficient, the coupler triangle and path, and the path's CSV.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "core/analysis.h"
#include "core/coupler_path.h"
#include "core/demonstration.h"
#include "core/motion_parameters.h"

namespace fourbar {
namespace {

constexpr Viewport kView{7260, 5280, 417, 309};  // the window as laid out

// One execute of a freshly started program with these lengths (mm), n = 100 r/min and M.
std::shared_ptr<const Analysis> execute(double L1, double L2, double L3, double L4, double M) {
    SharedState s;
    s.inputs = {.L1 = L1, .L2 = L2, .L3 = L3, .L4 = L4, .n = 100, .M = M};
    executeAnalysis(s);
    return s.analysis;
}

// Tables of a kind over startAngle..endAngle with theta1 i degrees and theta3 a quarter turn,
// rows -90..360: they place B and C (C straight above D), though the figure does not close.
std::shared_ptr<const Analysis> tables(Mechanism mechanism, int start, int end) {
    Analysis a;
    a.linkage = {.L1 = 150, .L2 = 220, .L3 = 250, .L4 = 300};
    a.mechanism = mechanism;
    a.tables.startAngle = start;
    a.tables.endAngle = end;
    a.tables.resize(-90, 360);
    for (int i = -90; i <= 360; ++i) {
        a.tables.setRow(i, {.theta1 = i * kDegree, .theta3 = 1.5707965f});
    }
    return std::make_shared<const Analysis>(std::move(a));
}

std::shared_ptr<const Analysis> crankRocker() {
    static const auto a = execute(150, 220, 250, 300, -1);
    return a;
}
std::shared_ptr<const Analysis> centredRockerCrank() {  // "正置摇杆曲柄机构", rows 1..117
    static const auto a = execute(200, 100, 100, 200, 1);
    return a;
}

// ---- Sequences ------------------------------------------------------------------------------

// What a sequence does: the window's buttons, a tick, leaving the window, the scroll bar at 10, and
// an execute of another linkage while the window is hidden.
enum class Op { Demonstrate, Step, Stop, Continue, Range, Leave, StepTen, Execute };

struct SequenceRow {
    const char* what;
    std::shared_ptr<const Analysis> (*analysis)();
    int frameStep;
    std::vector<Op> script;
    // One word per operation: d<index> for Demonstrate's first figure (d! refused), s<index> for
    // the figure a step drew (s- nothing), x<index> for Stop's redraw (x nothing), c+ when
    // Continue started the cycle (c nothing), r<frameIndex after> for Range, l, k, e.
    const char* trace;
    bool runningAfter;
};

std::string traceOf(const SequenceRow& row) {
    Demonstration demo;
    std::shared_ptr<const Analysis> current = row.analysis();
    std::string trace;
    for (const Op op : row.script) {
        const std::string index = std::to_string(demo.frameIndex());
        std::string word;
        switch (op) {
            case Op::Demonstrate: {
                const bool drawn =
                    demo.demonstrate(current, 0, row.frameStep, {}, kView).has_value();
                word = drawn ? "d" + std::to_string(demo.frameIndex()) : "d!";
                break;
            }
            case Op::Step:
                word = demo.step(current.get(), kView).shapes.empty()
                           ? "s-"
                           : "s" + std::to_string(demo.frameIndex());
                break;
            case Op::Stop:
                word = demo.stop(current.get()).shapes.empty() ? "x" : "x" + index;
                break;
            case Op::Continue: {
                const bool was = demo.running();
                demo.resume(current.get());
                word = !was && demo.running() ? "c+" : "c";
                break;
            }
            case Op::Range:
                word = demo.range(current, 0, {}, kView) ? "r" + std::to_string(demo.frameIndex())
                                                         : "r!";
                break;
            case Op::Leave:
                demo.leave();
                word = "l";
                break;
            case Op::StepTen:
                demo.setFrameStep(10);
                word = "k";
                break;
            case Op::Execute:
                current = crankRocker();
                word = "e";
                break;
        }
        trace += (trace.empty() ? "" : " ") + word;
    }
    EXPECT_EQ(demo.running(), row.runningAfter) << row.what;
    return trace;
}

class Sequences : public testing::TestWithParam<SequenceRow> {};

TEST_P(Sequences, GiveTheGoldenTrace) {
    EXPECT_EQ(traceOf(GetParam()), GetParam().trace) << GetParam().what;
}

using enum Op;
const auto rocker30to36 = [] { return tables(Mechanism::DoubleRocker, 30, 36); };
const auto rocker30to35 = [] { return tables(Mechanism::DoubleRocker, 30, 35); };
const auto nothing = [] { return std::shared_ptr<const Analysis>(); };

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, Sequences, testing::Values(
    SequenceRow{"turning crank: stop, continue", crankRocker, 3,
        {Demonstrate, Step, Step, Stop, Continue, Step}, "d0 s3 s6 x6 c+ s9", true},
    SequenceRow{"continue while running does nothing", crankRocker, 3,
        {Demonstrate, Continue, Step}, "d0 c s3", true},
    SequenceRow{"double rocker: upper end once, lower end twice", rocker30to36, 3,
        {Demonstrate, Step, Step, Step, Step, Step, Step}, "d30 s33 s36 s33 s30 s30 s33", true},
    SequenceRow{"double rocker: 36 clamped to 35, 29 to 30", rocker30to35, 3,
        {Demonstrate, Step, Step, Step, Step, Step, Step}, "d30 s33 s35 s32 s30 s33 s35", true},
    SequenceRow{"double rocker: step 10 on the way down goes up", rocker30to36, 3,
        {Demonstrate, Step, Step, Step, StepTen, Step}, "d30 s33 s36 s33 k s36", true},
    SequenceRow{"centred rocker-crank: both swings, then round", centredRockerCrank, 10,
        {Demonstrate, Step, Step, Step, Step, Step, Step, Step, Step, Step, Step, Step, Step},
        "d1 s11 s21 s31 s41 s51 s61 s71 s81 s91 s101 s111 s1", true},
    SequenceRow{"left and continued where it was", crankRocker, 3,
        {Demonstrate, Step, Leave, Step, Continue, Step}, "d0 s3 l s- c+ s6", true},
    SequenceRow{"a new analysis while running stops the cycle", rocker30to36, 3,
        {Demonstrate, Step, Execute, Step, Continue, Stop}, "d30 s33 e s- c x", false},
    SequenceRow{"range stops a running demonstration", crankRocker, 3,
        {Demonstrate, Step, Range}, "d0 s3 r355", false},
    SequenceRow{"range after demonstrate: nothing to stop or continue", crankRocker, 3,
        {Demonstrate, Step, Range, Stop, Continue, Step}, "d0 s3 r355 x c s-", false},
    SequenceRow{"range of a double rocker leaves frameIndex past the tables", rocker30to35, 3,
        {Range, Continue, Stop}, "r36 c x", false},
    SequenceRow{"before any demonstration", crankRocker, 3,
        {Stop, Continue, Step}, "x c s-", false},
    SequenceRow{"no analysis: refused", nothing, 3, {Demonstrate, Range, Step}, "d! r! s-", false}));
// clang-format on

// ---- Drawings -------------------------------------------------------------------------------

struct Census {
    int segments = 0, circles = 0, black = 0, thin = 0;
    bool operator==(const Census&) const = default;
};

void PrintTo(const Census& c, std::ostream* out) {
    *out << c.segments << " segments, " << c.circles << " circles, " << c.black << " black, "
         << c.thin << " thin";
}

Census censusOf(const std::vector<Shape>& shapes) {
    Census c;
    for (const Shape& shape : shapes) {
        const bool segment = std::holds_alternative<Segment>(shape);
        const Rgb colour =
            segment ? std::get<Segment>(shape).colour : std::get<Circle>(shape).colour;
        const int width = segment ? std::get<Segment>(shape).width : std::get<Circle>(shape).width;
        (segment ? c.segments : c.circles) += 1;
        c.black += colour == kBackgroundColour;
        c.thin += width == 1;
    }
    return c;
}

struct DrawingRow {
    const char* what;
    std::shared_ptr<const Analysis> (*analysis)();
    Census demonstrate, step, stop;
};

class Drawings : public testing::TestWithParam<DrawingRow> {};

// A turning crank's figure has no axes, and its erase takes the pivot circles too; every kind's
// erase comes before the figure drawn at the next position. Ground symbols and axes are thin.
TEST_P(Drawings, OfEachCommand) {
    const DrawingRow& row = GetParam();
    Demonstration demo;
    const auto a = row.analysis();
    const auto first = demo.demonstrate(a, 0, 3, {}, kView);
    ASSERT_TRUE(first);
    EXPECT_EQ(censusOf(first->shapes), row.demonstrate) << row.what;
    const Drawing step = demo.step(a.get(), kView);
    EXPECT_FALSE(step.reset);
    EXPECT_EQ(censusOf(step.shapes), row.step) << row.what;
    for (std::size_t k = 0; k < step.shapes.size(); ++k) {
        const bool black = censusOf({step.shapes[k]}).black == 1;
        EXPECT_EQ(black, k < static_cast<std::size_t>(row.step.black)) << row.what << " " << k;
    }
    EXPECT_EQ(censusOf(demo.stop(a.get()).shapes), row.stop) << row.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, Drawings, testing::Values(
    DrawingRow{"turning crank", crankRocker, {15, 4, 0, 12}, {18, 8, 7, 12}, {3, 2, 0, 0}},
    DrawingRow{"double rocker", rocker30to36, {17, 4, 0, 14}, {20, 6, 5, 14}, {3, 2, 0, 0}},
    DrawingRow{"rocker-crank", centredRockerCrank, {17, 4, 0, 14}, {20, 6, 5, 14}, {3, 2, 0, 0}}));
// clang-format on

// The picture's bounds and axes at coefficient 5 over the window as laid out (mm).
TEST(Scale, DefaultCoefficient) {
    EXPECT_NEAR(drawScaleOf(5), 0.123472, 5e-7);
    const PictureScale s = pictureScale(drawScaleOf(5), 7260, 5280);
    EXPECT_NEAR(s.left, -298.80, 0.005);
    EXPECT_NEAR(s.top, 325.97, 0.005);
    EXPECT_NEAR(s.right, 597.60, 0.005);
    EXPECT_NEAR(s.bottom, -325.97, 0.005);
    Demonstration demo;
    const auto drawing = demo.demonstrate(rocker30to36(), 0, 3, {}, kView);
    ASSERT_TRUE(drawing && drawing->reset);
    EXPECT_EQ(*drawing->reset, s);
    const auto& x = std::get<Segment>(drawing->shapes[0]);
    const auto& y = std::get<Segment>(drawing->shapes[1]);
    EXPECT_EQ(x.colour, kAxisColour);
    EXPECT_NEAR(x.x1, -89.64, 0.005);
    EXPECT_NEAR(x.x2, 537.84, 0.005);
    EXPECT_NEAR(y.y1, -65.19, 0.005);
    EXPECT_NEAR(y.y2, 260.77, 0.005);
}

struct CoefficientRow {
    double typed, used;
};

class Coefficient : public testing::TestWithParam<CoefficientRow> {};

// 0, and a value whose picture would have no extent or no finite bound, give 5; a negative one
// turns the figure.
TEST_P(Coefficient, FallsBackToFive) {
    Demonstration demo;
    ASSERT_TRUE(demo.range(crankRocker(), GetParam().typed, {}, kView));
    EXPECT_EQ(demo.scaleCoefficient(), GetParam().used);
}

INSTANTIATE_TEST_SUITE_P(Typed, Coefficient,
                         testing::Values(CoefficientRow{0, 5}, CoefficientRow{-5, -5},
                                         CoefficientRow{10, 10}, CoefficientRow{1e-300, 5},
                                         CoefficientRow{1e40, 5}, CoefficientRow{INFINITY, 5},
                                         CoefficientRow{NAN, 5}));

// Range draws every shape at the width the last figure left: 1 before any demonstration, 2 after;
// the turning crank's 71 figures of 21 shapes each.
TEST(Range, WidthOfTheLastFigure) {
    Demonstration demo;
    const auto before = demo.range(crankRocker(), 0, {}, kView);
    ASSERT_TRUE(before);
    EXPECT_EQ(censusOf(before->shapes), (Census{71 * 17, 71 * 4, 0, 71 * 21}));
    demo.demonstrate(crankRocker(), 0, 3, {}, kView);
    EXPECT_EQ(censusOf(demo.range(crankRocker(), 0, {}, kView)->shapes).thin, 0);
    EXPECT_EQ(demo.drawWidth(), 2);
}

// ---- Coupler point --------------------------------------------------------------------------

struct CouplerRow {
    const char* what;
    std::shared_ptr<const Analysis> (*analysis)();
    int frameStep;
    std::size_t pathSegments;
    bool closed;
};

class Coupler : public testing::TestWithParam<CouplerRow> {};

// Each figure is the triangle B-C-P with BP as set and the angle CBP counterclockwise from BC.
// The path joins P over every row of the sweep: closed for a full turn, whose row 360 is its row 0
// again (within 1e-3 mm: the degree factor and theta3's single precision); the rocker-crank's
// swings end apart, on either side of its limit position. A step erases the triangle before it
// draws the path again where P was (the segments meeting there, not the far side of the path),
// and only then the new figure.
TEST_P(Coupler, TriangleAndPath) {
    const CouplerRow& row = GetParam();
    constexpr CouplerPoint point{100, 30};
    const auto a = row.analysis();
    Demonstration demo;
    ASSERT_TRUE(demo.demonstrate(a, 0, row.frameStep, point, kView));
    const std::vector<Segment>& path = demo.couplerPathSegments();
    ASSERT_EQ(path.size(), row.pathSegments) << row.what;
    EXPECT_EQ(path.front().colour, kCouplerPathColour);
    const bool closed =
        std::hypot(path.back().x2 - path.front().x1, path.back().y2 - path.front().y1) < 1e-3;
    EXPECT_EQ(closed, row.closed) << row.what;
    for (int k = 0; k < 12; ++k) {
        const int erased = demo.frameIndex() - demo.positionTables().range().first;
        const Drawing step = demo.step(a.get(), kView);
        std::vector<Segment> black, yellow, magenta;
        for (const Shape& s : step.shapes) {
            if (const auto* segment = std::get_if<Segment>(&s)) {
                EXPECT_TRUE(magenta.empty() || segment->colour != kBackgroundColour);
                EXPECT_TRUE(yellow.empty() || segment->colour == kDrawingColour);
                (segment->colour == kBackgroundColour ? black
                 : segment->colour == kDrawingColour  ? yellow
                                                      : magenta)
                    .push_back(*segment);
            }
        }
        // AB, BC, CD, BP, CP, whichever the ground symbols come before.
        const Segment &bc = yellow.end()[-4], &bp = yellow.end()[-2], &cp = yellow.end()[-1];
        EXPECT_NEAR(std::hypot(bp.x2 - bp.x1, bp.y2 - bp.y1), point.distance, 1e-9);
        const double cbp =
            std::atan2(bp.y2 - bp.y1, bp.x2 - bp.x1) - std::atan2(bc.y2 - bc.y1, bc.x2 - bc.x1);
        EXPECT_NEAR(
            std::remainder(cbp - point.angle * std::numbers::pi / 180, 2 * std::numbers::pi), 0,
            1e-9);
        EXPECT_EQ(cp.x2, bp.x2);
        EXPECT_LT(magenta.size(), path.size() / 2) << "only near the erased figure";
        for (const int s : {erased - 1, erased}) {
            if (s >= 0 && s < static_cast<int>(path.size())) {
                EXPECT_NE(std::find(magenta.begin(), magenta.end(), path[s]), magenta.end())
                    << row.what << ", path segment " << s;
            }
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, Coupler, testing::Values(
    CouplerRow{"turning crank", crankRocker, 3, 360, true},
    CouplerRow{"double rocker", [] { return execute(300, 150, 220, 250, -1); }, 3, 68, false},
    CouplerRow{"centred rocker-crank", centredRockerCrank, 10, 116, false}));
// clang-format on

// The headings and the first row, every number as it reads back; a row without the coupler's
// angular velocity leaves its velocity empty.
TEST(CouplerPathCsv, HeadingsAndFirstRow) {
    const std::string csv = couplerPathCsv(*crankRocker(), {100, 30});
    EXPECT_EQ(csv.substr(0, csv.find('\n', csv.find('\n') + 1) + 1),
              "\xEF\xBB\xBF序号,曲柄转角(度),Px(mm),Py(mm),vx(mm/s),vy(mm/s)\n"
              "0,0,111.42875351367155,92.26190408012884,966.1643211610647,1974.7136156215702\n");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 361);
    Analysis a = *crankRocker();
    TableRow r = a.tables.row(0);
    r.omega2 = NAN;
    a.tables.setRow(0, r);
    const std::string rows = couplerPathCsv(a, {100, 30}).substr(csv.find('\n') + 1);
    EXPECT_TRUE(rows.substr(0, rows.find('\n')).ends_with(",,")) << rows.substr(0, 80);
}

}  // namespace
}  // namespace fourbar
