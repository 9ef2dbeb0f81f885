// Crank-rocker design from K and the swing: the construction, its valid arcs, and the three ways
// of fixing the crank pivot on them.
#include "core/crank_rocker_design.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "core/messages.h"
#include "core/motion_parameters.h"
#include "core/shared_state.h"

namespace fourbar {

namespace {

// The design is exact geometry; only its check goes through the analysis and its rounded pi.
constexpr double kPiExact = std::numbers::pi;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// An arc shorter than this (rad of the angle u below) exists only through the rounding of K and
// the swing, as the far side does for swing + 2 theta = 180 degrees: its placements are flat.
constexpr double kShortestArc = 1e-9;
// A given length that changes by less than this fraction along an arc does not fix a placement on
// it; such a length is met when it lies within this fraction of the arc's length.
constexpr double kFlat = 1e-9;
// Samples of the scan for the best placement on one arc; a golden-section search between the
// neighbours of the best sample then finds the optimum to double precision.
constexpr int kScanSamples = 4096;
constexpr int kGoldenSteps = 120;

// The construction, with lengths in units of the rocker (L3 = 1). The chord C1C2 of the rocker's
// limit positions lies on the x axis, C1 = (-h, 0) at the stretched position (AC1 = L2 + L1),
// C2 = (h, 0) at the folded one (AC2 = L2 - L1), and the rocker pivot D = (0, -c) below it, so
// that angle C1DC2 is the swing psi.
//
// A sees C1C2 under theta. A placement is fixed by e = AC2 and the side sigma: +1 above the
// chord (far from D), -1 below it (D's side). With u = angle AC1C2, the law of sines in A C1 C2
// (circumradius h / sin theta) gives e = 2 h sin u / sin theta, and the exterior angle at C2
// makes C2A point at phi = theta + u from the x axis: A = (h + e cos phi, sigma e sin phi). For
// K = 1 (theta = 0) u is 0 and A = (h + e, 0) lies on the line C1C2 beyond C2 for any e > 0.
//
// Which placements are valid. L1 > 0 needs AC1 > AC2, u < (pi - theta) / 2. The analysis
// measures the swing as angle ADC1 - angle ADC2 and the crank angle between the limit positions
// as |angle DAC2 - angle DAC1|: these are psi and theta only if C1 and C2 lie strictly on one
// side of the frame line AD; on opposite sides it would see sums. Neither limit triangle (L2 -/+
// L1, L3, L4) may be flat. Together: 0 < angle ADC2 and angle ADC1 = angle ADC2 + psi < pi, i.e.
// the ray DA lies strictly inside the wedge between the ray DC2 and the ray opposite DC1:
// |h (Ay + c)| < c Ax. With both limit triangles proper, every AC from L2 - L1 to L2 + L1 closes
// a triangle with L3 and L4, so the crank turns fully, and the strict L2 - L1 > |L3 - L4| and
// L2 + L1 < L3 + L4 make L1 strictly the shortest link and the Grashof sum strict: the analysis
// names it a crank-rocker whose limit positions are C1 and C2. Putting A into the wedge:
// - far side: h e sin phi < c e cos phi, so phi < (pi - psi) / 2 and u < (pi - psi) / 2 - theta;
//   at the end A lies on DC2 beyond C2. The far side exists only when psi + 2 theta < pi.
// - D's side: the edge DC2 gives cos(phi - psi / 2) > 0, u < (pi + psi) / 2 - theta; the edge
//   through C1 and D gives sin(2u + theta + psi / 2) > sin(psi / 2 - theta), u < (pi - psi) / 2.
// So each side's valid placements form one arc from A = C2 (e = 0: L1 = L2, angle ADC2 = 0) to
// the first bound, and e grows with u along it. At both ends a limit triangle is flat and the
// transmission angle 0, so the best placement lies inside; only K = 1 leaves the arc unbounded.
// Each arc lies on one half of a circle centred on the y axis, as D is, so L4 is monotonic along
// it, and L1 = h cos(theta / 2 + u) / cos(theta / 2) falls as u grows: a given frame or crank
// fixes at most one placement per side. With C1C2 and D fixed, a linkage and its mirror image
// about the frame line are the same placement.
struct Construction {
    double theta;  // rad, crank angle between the limit positions
    double psi;    // rad, swing
    double h;      // half the chord, sin(psi / 2)
    double c;      // distance of D from the chord, cos(psi / 2)
};

struct Arc {
    double sigma;  // +1 far side, -1 D's side
    double eEnd;   // the valid placements are 0 < e < eEnd; infinite for K = 1
    PivotSide side;
};

// A placement in units of the rocker.
struct Placement {
    double L1 = 0;
    double L2 = 0;
    double L4 = 0;
};

// Smaller of the coupler-rocker angle with the crank pointing at D and the supplement of that
// angle with the crank pointing away: the extremes of the transmission angle over a turn (rad).
double minTransmission(double L1, double L2, double L3, double L4) {
    const auto couplerRockerAngle = [&](double bd) {
        // L2² - bd² as a product: the coupler and frame of a near-K = 1 design are long and
        // nearly equal.
        const double k = ((L2 - bd) * (L2 + bd) + L3 * L3) / (2 * L2 * L3);
        return std::acos(std::clamp(k, -1.0, 1.0));
    };
    return std::min(couplerRockerAngle(L4 - L1), kPiExact - couplerRockerAngle(L4 + L1));
}

Placement placementAt(const Construction& g, const Arc& arc, double e) {
    const double u = std::asin(std::min(1.0, e * std::sin(g.theta) / (2 * g.h)));
    const double phi = g.theta + u;
    const double ax = g.h + e * std::cos(phi);
    // AC1, and L1 = (AC1 - AC2) / 2 without the cancellation.
    const double f = std::hypot(e + 2 * g.h * std::cos(phi), 2 * g.h * std::sin(phi));
    return {.L1 = 2 * g.h * ax / (f + e),
            .L2 = f / 2 + e / 2,
            .L4 = std::hypot(ax, g.c + arc.sigma * e * std::sin(phi))};
}

std::vector<Arc> validArcs(const Construction& g) {
    if (g.theta == 0) {
        return {{1, kInfinity, PivotSide::OnChord}};
    }
    const double farEnd = (kPiExact - g.psi) / 2 - g.theta;
    const double nearEnd = std::min(
        {(kPiExact - g.theta) / 2, (kPiExact - g.psi) / 2, (kPiExact + g.psi) / 2 - g.theta});
    std::vector<Arc> arcs;
    const auto add = [&](double sigma, double uEnd, PivotSide side) {
        if (uEnd > kShortestArc) {
            arcs.push_back({sigma, 2 * g.h * std::sin(uEnd) / std::sin(g.theta), side});
        }
    };
    add(1, farEnd, PivotSide::FarSide);
    add(-1, nearEnd, PivotSide::FrameSide);
    return arcs;
}

// The placement on a bounded arc with the largest minimum transmission angle; the scan runs over
// p = e / (e + 1), which spreads the long arcs of K near 1 evenly.
double bestOnArc(const Construction& g, const Arc& arc) {
    const double pEnd = arc.eEnd / (arc.eEnd + 1);
    const auto transmissionAt = [&](double p) {
        const Placement a = placementAt(g, arc, p / (1 - p));
        return minTransmission(a.L1, a.L2, 1, a.L4);
    };
    int best = 1;
    double bestValue = -1;
    for (int i = 1; i < kScanSamples; ++i) {
        const double value = transmissionAt(pEnd * i / kScanSamples);
        if (value > bestValue) {
            best = i;
            bestValue = value;
        }
    }
    // Golden section between the neighbouring samples; the ends themselves are degenerate.
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double lo = pEnd * (best - 1) / kScanSamples;
    double hi = pEnd * (best + 1) / kScanSamples;
    double x1 = hi - ratio * (hi - lo);
    double x2 = lo + ratio * (hi - lo);
    double f1 = transmissionAt(x1);
    double f2 = transmissionAt(x2);
    for (int step = 0; step < kGoldenSteps && x1 < x2; ++step) {
        if (f1 < f2) {
            lo = x1;
            x1 = x2;
            f1 = f2;
            x2 = lo + ratio * (hi - lo);
            f2 = transmissionAt(x2);
        } else {
            hi = x2;
            x2 = x1;
            f2 = f1;
            x1 = hi - ratio * (hi - lo);
            f1 = transmissionAt(x1);
        }
    }
    const double p = f1 >= f2 ? x1 : x2;
    return std::max(f1, f2) >= bestValue ? p / (1 - p) : pEnd * best / kScanSamples;
}

// The length that ByFrame or ByCrank gives, in units of the rocker.
using KeptLength = double Placement::*;

// The placement on an arc where `kept` takes `target`, by bisection over e (the kept length is
// monotonic along the arc). nullopt when the arc does not reach the target.
std::optional<double> solveOnArc(const Construction& g, const Arc& arc, KeptLength kept,
                                 double start, double target) {
    double lo = 0;
    double hi = arc.eEnd;
    if (std::isinf(hi)) {
        // K = 1 by frame: L4 grows without bound along the line.
        hi = 1;
        for (int i = 0; i < 2100 && placementAt(g, arc, hi).*kept < target; ++i) {
            hi *= 2;
        }
    }
    const double end = placementAt(g, arc, hi).*kept;
    if (!(std::min(start, end) < target && target < std::max(start, end))) {
        return std::nullopt;
    }
    const bool rising = end > start;
    while (true) {
        const double mid = lo + (hi - lo) / 2;
        if (!(mid > lo && mid < hi)) {
            break;
        }
        const double value = placementAt(g, arc, mid).*kept;
        if (std::isnan(value)) {
            return std::nullopt;
        }
        ((value < target) == rising ? lo : hi) = mid;
    }
    return lo + (hi - lo) / 2;
}

// True when the lengths make a proper crank-rocker: L1 strictly shortest and neither limit
// triangle flat, tested as they stand in double precision.
bool isProperCrankRocker(double L1, double L2, double L3, double L4) {
    return L1 > 0 && L1 < std::min({L2, L3, L4}) && L2 - L1 > std::fabs(L3 - L4) &&
           L2 + L1 < L3 + L4;
}

DesignStatus validate(const DesignRequest& r) {
    const auto positive = [](double length) { return std::isfinite(length) && length > 0; };
    if (!(std::isfinite(r.K) && r.K >= 1)) {
        return DesignStatus::InvalidRatio;
    }
    if (!(std::isfinite(r.swing) && r.swing > 0 && r.swing < 180)) {
        return DesignStatus::InvalidSwing;
    }
    if (!positive(r.L3) || (r.way == DesignWay::ByFrame && !positive(r.L4)) ||
        (r.way == DesignWay::ByCrank && !positive(r.L1))) {
        return DesignStatus::InvalidLength;
    }
    return DesignStatus::Solved;
}

}  // namespace

std::string_view designMessageText(DesignStatus status) {
    switch (status) {
        case DesignStatus::Solved:
            return {};
        case DesignStatus::InvalidRatio:
        case DesignStatus::InvalidSwing:
        case DesignStatus::InvalidLength:
            return messages::designParametersInvalid;
        case DesignStatus::NoCrankRocker:
        case DesignStatus::NoBestPlacement:
        case DesignStatus::Unconfirmed:
            return messages::noCrankRockerFound;
    }
    return messages::noCrankRockerFound;
}

DesignCheck analysisCheck(double L1, double L2, double L3, double L4) {
    SharedState state;
    state.inputs = {.L1 = L1, .L2 = L2, .L3 = L3, .L4 = L4, .n = 100, .M = -1};
    const ExecuteOutputs out = executeAnalysis(state);
    const auto value = [](const OutputField& field) { return field.written ? field.value : kNaN; };
    return {.swing = value(out.maxSwing), .K = value(out.travelSpeedRatio)};
}

DesignResult designCrankRocker(const DesignRequest& request) {
    DesignResult result;
    result.status = validate(request);
    if (result.status != DesignStatus::Solved) {
        return result;
    }
    const double psi = request.swing * kPiExact / 180;
    const Construction g{.theta = kPiExact * (request.K - 1) / (request.K + 1),
                         .psi = psi,
                         .h = std::sin(psi / 2),
                         .c = std::cos(psi / 2)};
    const double scale = request.L3;

    // Per arc the placement (e), and the given length where it replaces the computed one.
    struct Found {
        Arc arc;
        double e;
    };
    std::vector<Found> found;
    bool unbounded = false;
    for (const Arc& arc : validArcs(g)) {
        if (request.way == DesignWay::Best) {
            if (std::isinf(arc.eEnd)) {
                unbounded = true;
            } else {
                found.push_back({arc, bestOnArc(g, arc)});
            }
            continue;
        }
        const bool byFrame = request.way == DesignWay::ByFrame;
        const KeptLength kept = byFrame ? &Placement::L4 : &Placement::L1;
        // At e = 0 A sits on C2: L1 = L2 = h and L4 = L3.
        const double start = byFrame ? 1.0 : g.h;
        const double target = (byFrame ? request.L4 : request.L1) / scale;
        const double end = std::isinf(arc.eEnd) ? (byFrame ? kInfinity : g.h)
                                                : placementAt(g, arc, arc.eEnd).*kept;
        if (std::fabs(end - start) <= kFlat * start) {
            // The given length is the same all along the arc (every K = 1 crank; the frame when
            // D is the centre of the circle, theta = psi / 2): it leaves the placement free, and
            // the best one on the arc is taken.
            if (std::fabs(target - start) <= kFlat * start) {
                if (std::isinf(arc.eEnd)) {
                    unbounded = true;
                } else {
                    found.push_back({arc, bestOnArc(g, arc)});
                }
            }
        } else if (const auto e = solveOnArc(g, arc, kept, start, target)) {
            found.push_back({arc, *e});
        }
    }

    bool unconfirmed = false;
    for (const Found& f : found) {
        const Placement a = placementAt(g, f.arc, f.e);
        DesignSolution s;
        s.L1 = request.way == DesignWay::ByCrank ? request.L1 : a.L1 * scale;
        s.L2 = a.L2 * scale;
        s.L3 = request.L3;
        s.L4 = request.way == DesignWay::ByFrame ? request.L4 : a.L4 * scale;
        s.limitAngle = 180 * (request.K - 1) / (request.K + 1);
        s.minTransmissionAngle = minTransmission(s.L1, s.L2, s.L3, s.L4) * 180 / kPiExact;
        s.side = f.arc.side;
        if (!std::isfinite(s.L1) || !std::isfinite(s.L2) || !std::isfinite(s.L4) ||
            !std::isfinite(s.minTransmissionAngle)) {
            unconfirmed = true;
            continue;
        }
        if (!isProperCrankRocker(s.L1, s.L2, s.L3, s.L4) || !(s.minTransmissionAngle > 0)) {
            // Rounding left a placement at the very end of its arc, where it is flat.
            continue;
        }
        s.check = analysisCheck(s.L1, s.L2, s.L3, s.L4);
        if (!std::isfinite(s.check.swing) || !std::isfinite(s.check.K)) {
            unconfirmed = true;
            continue;
        }
        result.solutions.push_back(s);
    }
    std::sort(result.solutions.begin(), result.solutions.end(),
              [](const DesignSolution& a, const DesignSolution& b) {
                  return a.minTransmissionAngle > b.minTransmissionAngle;
              });
    if (!result.solutions.empty()) {
        result.status = DesignStatus::Solved;
    } else if (unconfirmed) {
        result.status = DesignStatus::Unconfirmed;
    } else if (unbounded) {
        result.status = DesignStatus::NoBestPlacement;
    } else {
        result.status = DesignStatus::NoCrankRocker;
    }
    return result;
}

}  // namespace fourbar
