// Results an analysis gives beyond the output panel: the transmission angle of every row, the limit
// positions of a crank-rocker, and the rows where the coupler and the output link peak.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/shared_state.h"

namespace fourbar {

// Degrees: the usual lower bound of the transmission angle for good running.
inline constexpr double kAllowedTransmissionAngle = 40;

// The kinds of linkage as far as these results differ between them.
enum class LinkageFamily { CrankRocker, RockerCrank, DoubleCrank, DoubleRocker, Parallelogram };

// What these results and the report read of an analysis: its inputs, what its run set, and its
// family.
struct AnalysedLinkage {
    double L1 = 0;      // mm
    double L2 = 0;      // mm
    double L3 = 0;      // mm
    double L4 = 0;      // mm
    double n = 0;       // r/min
    double M = 0;       // assembly type
    double omega1 = 0;  // rad/s
    std::string mechanismName;  // the kind's display name, UTF-8
    LinkageFamily family = LinkageFamily::DoubleCrank;
};

// The one place that reads these off an analysis.
// The family: the limited kinds by the rows the analysis holds, the parallelogram and the
// crank-rocker by name; a crank-rocker name whose frame is a shortest link as well (100, 200, 200,
// 100) is a double crank, as the output panel shows it.
AnalysedLinkage analysedLinkage(const Analysis& analysis);

// The transmission angle gamma in degrees, in [0, 90]: the acute angle between the lines of the
// coupler (theta2) and the output link (theta3), both in radians; the degree factor is the rounded
// one the panel uses. NaN when either angle is NaN.
double transmissionAngle(double theta2, double theta3);

// The crank angle of row i in degrees: its stored theta1 over the degree factor. For a
// rocker-crank this runs up over the forward swing and back over the return swing, so it is not
// the row index.
double crankAngleOfRow(const ResultTables& tables, int i);

// The largest (or smallest) value of a quantity over the rows, and the first row where it occurs.
// Rows whose value is NaN never count.
struct RowExtreme {
    double value = 0;  // in the quantity's unit
    int row = 0;       // index into the result tables
    // Degrees; absent when every counted row has the same value, so that no row stands out.
    std::optional<double> crankAngle;
    bool operator==(const RowExtreme&) const = default;
};

// The two limit positions of a crank-rocker's output link, on the assembly branch the rows follow:
// crank and coupler stretched in line, and folded onto each other.
struct LimitPositions {
    // Degrees: the limit-position angle theta between the two crank positions (their difference
    // less 180). The panel's K is (180 + theta) / (180 - theta) of the same two crank angles.
    double angle = 0;
    double stretchedCrankAngle = 0;  // degrees in [0, 360)
    double foldedCrankAngle = 0;     // degrees in [0, 360)
    bool operator==(const LimitPositions&) const = default;
};

struct FurtherResults {
    LinkageFamily family = LinkageFamily::CrankRocker;
    // Crank-rockers only. The rows change the sign of omega3 between the whole degrees on either
    // side of each crank angle.
    std::optional<LimitPositions> limits;
    // The smallest gamma of the rows, degrees. For a crank-rocker it is the panel's
    // "最小传动角（度）" (which takes the crank along the frame, at 0 and 180 degrees) up to the
    // single precision of theta3; for the other kinds the panel shows 0 (the dead point), while
    // the rows start a degree past it and give the smallest angle actually passed.
    std::optional<RowExtreme> minTransmission;
    std::optional<RowExtreme> maxOmega2;  // |omega2|, 1/s
    std::optional<RowExtreme> maxAlpha2;  // |alpha2|, 1/s^2
    // |omega3| and |alpha3|: after a single execute the panel's maxima, taken over the same rows;
    // the panel's are running maxima and can be larger after several executes without a clear.
    std::optional<RowExtreme> maxOmega3;  // 1/s
    std::optional<RowExtreme> maxAlpha3;  // 1/s^2
};

// Everything above for an analysis; absent where the tables hold no row with a value.
FurtherResults furtherResults(const Analysis& analysis);

// A result as the report shows it: its caption and its text.
struct CaptionedText {
    std::string caption;
    std::string text;
    bool operator==(const CaptionedText&) const = default;
};

// The further results with their captions, such as "极位夹角（度）", in the panel's number form
// (numberText), so that they read like the panel's values beside them. Absent results and
// crank angles are left out.
std::vector<CaptionedText> furtherResultLines(const FurtherResults& results);

}  // namespace fourbar
