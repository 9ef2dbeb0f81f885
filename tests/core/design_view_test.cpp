// What the design window and the coupler dialog show and read: the construction's geometry
// against the lengths and angles it stands for, the requests read from boxes (their refusals'
// messages are the window test's), the table's texts, the applied lengths, the coupler point's
// reading and its overlay on the report's figure.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/coupler_path.h"
#include "core/design_view.h"
#include "core/messages.h"
#include "core/motion_parameters.h"
#include "core/report_model.h"
#include "tests/core/executed.h"

namespace fourbar {
namespace {

using enum DesignWay;

double distance(SketchPoint p, SketchPoint q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

struct ConstructionRow {
    const char* label;
    DesignRequest request;  // its best solution is drawn
};

class Construction : public ::testing::TestWithParam<ConstructionRow> {};

// Every length of the construction is the solution's, which fixes its angles: C1 and C2 above
// the frame at L3 from D and L2 +- L1 from A, A on the circle through C1 and C2, B1 and B2 each at
// L1 from A and L2 from its C: so B1 lies between A and C1, and A between B2 and C2.
TEST_P(Construction, DrawsTheSolutionsLengths) {
    const DesignResult result = designCrankRocker(GetParam().request);
    ASSERT_FALSE(result.solutions.empty());
    const DesignSolution& s = result.solutions[0];
    const DesignConstruction c = designConstruction(s);
    const double tol = 1e-9 * s.L4;
    EXPECT_EQ(c.a, (SketchPoint{0, 0}));
    EXPECT_EQ(c.d, (SketchPoint{s.L4, 0}));
    for (const auto& [b, cc, sign] : {std::tuple(c.b1, c.c1, 1), std::tuple(c.b2, c.c2, -1)}) {
        EXPECT_NEAR(distance(c.d, cc), s.L3, tol);
        EXPECT_NEAR(distance(c.a, cc), s.L2 + sign * s.L1, tol);
        EXPECT_GT(cc.y, 0);
        EXPECT_NEAR(distance(c.a, b), s.L1, tol);
        EXPECT_NEAR(distance(b, cc), s.L2, tol);
    }
    if (s.limitAngle > 0) {
        ASSERT_TRUE(c.circle.has_value());
        for (const SketchPoint& p : {c.a, c.c1, c.c2}) {
            EXPECT_NEAR(distance(c.circle->centre, p), c.circle->radius, 1e-9 * c.circle->radius);
        }
    } else {
        EXPECT_FALSE(c.circle.has_value());
        EXPECT_TRUE(c.limitArc.empty());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Solutions, Construction, ::testing::Values(
    ConstructionRow{"twinFrameSide", {test::kTwinK, test::kTwinSwing, 90, ByFrame, 120}},
    ConstructionRow{"best", {1.4, 60, 100, Best}},
    ConstructionRow{"centred", {1, 60, 100, ByFrame, 200}}),
    test::byLabel);
// clang-format on

struct ReadingRow {
    const char* label;
    DesignBoxes boxes;
    bool read;
    DesignRequest request = {};  // when read
};

class ReadDesign : public ::testing::TestWithParam<ReadingRow> {};

TEST_P(ReadDesign, RefusesABoxWithoutANumber) {
    const std::optional<DesignRequest> r = readDesignRequest(GetParam().boxes);
    ASSERT_EQ(r.has_value(), GetParam().read);
    if (r) {
        const DesignRequest& q = GetParam().request;
        EXPECT_EQ(std::tuple(r->K, r->swing, r->L3, r->way, r->L4, r->L1),
                  std::tuple(q.K, q.swing, q.L3, q.way, q.L4, q.L1));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boxes, ReadDesign, ::testing::Values(
    ReadingRow{"byFrame", {"1.4", "60", "100", ByFrame, "200", "x"}, true, {1.4, 60, 100, ByFrame, 200, 0}},
    ReadingRow{"byCrank", {" 1.4", "60", "100", ByCrank, "", "40mm"}, true, {1.4, 60, 100, ByCrank, 0, 40}},
    ReadingRow{"emptyK", {"", "60", "100", Best, "", ""}, false},
    ReadingRow{"lettersInSwing", {"1.4", "abc", "100", Best, "", ""}, false},
    ReadingRow{"emptyFrame", {"1.4", "60", "100", ByFrame, "", "40"}, false}),
    test::byLabel);
// clang-format on

// The twin's two rows as the table lists them, and as "应用" writes them.
TEST(SolutionTexts, TwinRowsAndAppliedLengths) {
    const DesignResult r = designCrankRocker({test::kTwinK, test::kTwinSwing, 90, ByFrame, 120});
    ASSERT_EQ(r.solutions.size(), 2u);
    const SolutionRow first = solutionRow(r.solutions[0]);
    const std::array<std::string, 9> firstCells{"60.0000",  "120.0000", "90.0000",
                                                "120.0000", "20.183",   "28.955",
                                                "1.252578", "88.3246",  "小于许用传动角40°"};
    EXPECT_EQ(first.cells, firstCells);
    EXPECT_TRUE(first.belowAllowed);
    EXPECT_EQ(first.exact[3], "120");
    EXPECT_EQ(appliedLengthTexts(r.solutions[0]),
              (std::array<std::string, 4>{" 60", " 120", " 90", " 120"}));
    EXPECT_EQ(appliedLengthTexts(r.solutions[1]),
              (std::array<std::string, 4>{" 61.499", " 93.012", " 90", " 120"}));
}

struct CouplerRow {
    const char* label;
    const char* distance;
    const char* angle;
    std::optional<CouplerPoint> point;
    std::string_view refusal = {};
};

class ReadCoupler : public ::testing::TestWithParam<CouplerRow> {};

TEST_P(ReadCoupler, SetsThePointOrRefuses) {
    const CouplerPointReading r = readCouplerPoint(GetParam().distance, GetParam().angle);
    EXPECT_EQ(r.point, GetParam().point);
    EXPECT_EQ(r.refusal, GetParam().refusal);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boxes, ReadCoupler, ::testing::Values(
    CouplerRow{"onB", " 0", "-45.5deg", CouplerPoint{0, -45.5}},
    CouplerRow{"negativeDistance", "-1", "30", std::nullopt, messages::couplerDistanceInvalid},
    CouplerRow{"hugeDistance", "1e400", "30", std::nullopt, messages::couplerDistanceInvalid},
    CouplerRow{"lettersAngle", "100", "abc", std::nullopt, messages::couplerAngleInvalid}),
    test::byLabel);
// clang-format on

// The report's overlay: P in the figure's first position, a quarter turn counterclockwise from BC.
TEST(CouplerOverlay, PointInTheFigure) {
    const auto analysis = test::analysed(test::Inputs{150, 220, 250, 300});
    const ReportModel report = buildReport(*analysis, {}, "");
    const LinkagePose& pose = report.figure.poses.front();
    const CouplerOverlay off = couplerOverlay(*analysis, {100, 90});
    const double ux = (pose.c.x - pose.b.x) / 220;
    const double uy = (pose.c.y - pose.b.y) / 220;
    EXPECT_NEAR(off.point.x, pose.b.x - 100 * uy, 1e-9);
    EXPECT_NEAR(off.point.y, pose.b.y + 100 * ux, 1e-9);
}

}  // namespace
}  // namespace fourbar
