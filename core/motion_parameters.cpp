// The execute command's decision: branch by kind of linkage, crank-angle range, run, output texts.
#include "core/motion_parameters.h"

#include <cmath>
#include <limits>
#include <memory>
#include <utility>

#include "core/analysis.h"
#include "core/number_text.h"

namespace fourbar {

namespace {

// The cosine-rule angle, short because the limit-position formulas nest it deeply.
double angle(double a, double b, double c) {
    return triangleAngle(a, b, c);
}

// Radians to degrees with the rounded degree factor.
double degrees(double radians) {
    return radians / kDegree;
}

// Output box slots: Text8 is slot 0.
enum Box { Text8, Text9, Text10, Text11, Text12, Text13, Text14 };

// A run that cannot close: the name stays, every value box is emptied so no stale number remains.
ExecuteOutcome runFailed(const LinkageState& state) {
    ExecuteOutcome out;
    out.message = ExecuteMessage::RunFailed;
    out.boxes[Text8] = state.mechanismName;
    for (int box = Text9; box <= Text14; ++box) {
        out.boxes[box] = std::string();
    }
    return out;
}

// A crank-angle range of whole degrees; not valid when a limit position does not exist (NaN).
struct AngleRange {
    double start = 0;
    double end = 0;
    bool valid() const { return std::isfinite(start) && std::isfinite(end); }
};

// The double-rocker cases, tested in order: the range and the texts of Text9 and Text10.
struct DoubleRockerCase {
    AngleRange range;
    std::string maxSwing;         // "最大摆角（度）"
    std::string minTransmission;  // "最小传动角（度）"
};

DoubleRockerCase doubleRockerCase(double L1, double L2, double L3, double L4) {
    DoubleRockerCase c;
    if (L1 + L2 <= L3 + L4 && L2 + L3 <= L1 + L4) {
        c.range = {std::trunc(1 + degrees(angle(L1 + L2, L4, L3))),
                   std::trunc(degrees(angle(L1, L4, L2 + L3)))};
        c.maxSwing =
            numberText(degrees(std::fabs(angle(L3, L4, L1 + L2) - angle(L4, L2 + L3, L1))));
        c.minTransmission = " 0";
    } else if (L2 + L3 - L1 <= L4 && L4 <= L1 + L2 - L3) {
        // Symmetric about 0: truncation toward zero on both sides.
        c.range = {std::trunc(-degrees(angle(L1, L4, L2 + L3))),
                   std::trunc(degrees(angle(L1, L4, L2 + L3)))};
        c.maxSwing = plainNumberText(360 - 2 * degrees(angle(L4, L2 + L3, L1)));
        c.minTransmission = " 0";
    } else if (L1 + L2 - L3 <= L4 && L4 <= L2 + L3 - L1) {
        c.range = {std::trunc(1 + degrees(angle(L1 + L2, L4, L3))),
                   std::trunc(degrees(kFullTurn - angle(L1, L4, L3 - L2)))};
        c.maxSwing = plainNumberText(2 * degrees(angle(L3, L4, L1 + L2)));
        c.minTransmission = numberText(degrees(angle(L1 + L2, L3, L4)));
    } else {
        c.range = {std::trunc(1 + degrees(angle(L1, L4, L2 - L3))),
                   std::trunc(360 - degrees(angle(L1, L4, L2 - L3)))};
        c.maxSwing = plainNumberText(degrees(angle(L4, L2 - L3, L1)) + 180 -
                                     degrees(angle(L4, L3, L2 - L1)));
        c.minTransmission = " 0";
    }
    return c;
}

void writeFullSwing(ExecuteOutcome& out) {
    out.boxes[Text9] = " 360";
    out.boxes[Text10] = " 0";
    out.boxes[Text12] = " 360";
}

// Text13 and Text14 from the maxima as stored.
void writeVelocityMaxima(const Maxima& maxima, ExecuteOutcome& out) {
    out.boxes[Text13] = numberText(maxima.omega3);
    out.boxes[Text14] = singleNumberText(maxima.alpha3);
}

using RangedRun = RunStatus (*)(LinkageState&, ResultTables&, Maxima&, int, int);

// Stores the range as startAngle and endAngle and runs over it. False when a limit position does
// not exist or the run cannot close.
bool runOverRange(LinkageState& state, ResultTables& tables, Maxima& maxima, AngleRange range,
                  RangedRun analyse) {
    if (!range.valid()) {
        return false;
    }
    tables.startAngle = range.start;
    tables.endAngle = range.end;
    return analyse(state, tables, maxima, static_cast<int>(range.start),
                   static_cast<int>(range.end)) == RunStatus::Completed;
}

// Runs the analysis that the classified lengths call for and says what the boxes show; the
// tables are filled, or left without rows when the run cannot close.
ExecuteOutcome runAnalysis(LinkageState& state, ResultTables& tables, Maxima& maxima) {
    ExecuteOutcome out;
    out.boxes[Text8] = state.mechanismName;
    const double L1 = state.L1;
    const double L2 = state.L2;
    const double L3 = state.L3;
    const double L4 = state.L4;

    if (state.mechanismName == names::parallelogram) {
        if (analyseParallelogram(state, tables) != RunStatus::Completed) {
            return runFailed(state);
        }
        writeFullSwing(out);
        out.boxes[Text13] = numberText(state.omega1);
        out.boxes[Text14] = " 0";
        return out;
    }

    switch (kindFromNameAndLengths(state)) {
        case MechanismKind::DoubleRocker: {
            const DoubleRockerCase c = doubleRockerCase(L1, L2, L3, L4);
            if (!runOverRange(state, tables, maxima, c.range, analyseRange)) {
                return runFailed(state);
            }
            out.boxes[Text9] = c.maxSwing;
            out.boxes[Text10] = c.minTransmission;
            out.boxes[Text12] = numberText(degrees(maxima.theta3));
            writeVelocityMaxima(maxima, out);
            return out;
        }
        case MechanismKind::RockerCrank: {
            // The crank rocks between the folded and the stretched position of coupler and output
            // link.
            const AngleRange range{std::trunc(1 + degrees(angle(L1, L4, L2 - L3))),
                                   std::trunc(degrees(angle(L1, L4, L2 + L3)))};
            if (!runOverRange(state, tables, maxima, range, analyseRockerDriven)) {
                return runFailed(state);
            }
            writeFullSwing(out);
            writeVelocityMaxima(maxima, out);
            return out;
        }
        case MechanismKind::FullTurn:
            break;
    }

    if (analyseFullTurn(state, tables, maxima) != RunStatus::Completed) {
        return runFailed(state);
    }
    if (isShortestLink(L4, state.shortestLink)) {
        writeFullSwing(out);
    } else {
        out.boxes[Text9] =
            numberText(degrees(angle(L3, L4, L1 + L2)) - degrees(angle(L3, L4, L2 - L1)));
        out.boxes[Text10] = numberText(minTransmissionAngle(L1, L2, L3, L4));
        out.boxes[Text11] = numberText(travelSpeedRatio(L1, L2, L3, L4));
        out.boxes[Text12] = numberText(degrees(maxima.theta3));
    }
    writeVelocityMaxima(maxima, out);
    return out;
}

}  // namespace

double travelSpeedRatio(double L1, double L2, double L3, double L4) {
    const double t = std::fabs(angle(L2 - L1, L4, L3) - angle(L1 + L2, L4, L3));
    return (t + kPi) / (kPi - t);
}

double minTransmissionAngle(double L1, double L2, double L3, double L4) {
    const double g1 = angle(L2, L3, L4 - L1);
    const double g2 = angle(L2, L3, L1 + L4);
    if (std::isnan(g1) || std::isnan(g2)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return g1 < kPi - g2 ? degrees(g1) : 180 - degrees(g2);
}

ExecuteOutcome executeAnalysis(SharedState& shared) {
    LinkageState& state = shared.inputs;
    // A value beyond double range is refused as a run that overflows is: the closure test would
    // otherwise call an infinite length one that cannot close. Nothing was run, so the last
    // analysis stays.
    if (!std::isfinite(state.L1) || !std::isfinite(state.L2) || !std::isfinite(state.L3) ||
        !std::isfinite(state.L4) || !std::isfinite(state.n) || !std::isfinite(state.M)) {
        ExecuteOutcome out;
        out.message = ExecuteMessage::RunFailed;
        out.boxes.fill(std::string());
        return out;
    }
    // A name left over from other lengths must not choose an analysis: stop with the panel as it
    // is, and with the last analysis still the one the windows show.
    if (classifyLinkage(state) == Classification::CannotClose) {
        ExecuteOutcome out;
        out.message = ExecuteMessage::ClosureFailed;
        return out;
    }
    auto analysis = std::make_shared<Analysis>();
    ExecuteOutcome out = runAnalysis(state, analysis->tables, shared.maxima);
    analysis->linkage = state;
    analysis->kind = kindFromNameAndLengths(state);
    shared.analysis = std::move(analysis);
    return out;
}

}  // namespace fourbar
