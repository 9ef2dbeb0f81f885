// The execute command: input checks, branch by kind of linkage, crank-angle range, run, and the
// output panel's fields.
#include "core/motion_parameters.h"

#include <cmath>
#include <limits>
#include <memory>
#include <utility>

#include "core/analysis.h"
#include "core/messages.h"
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

// A box showing `text`, the form of `value`. A value that is not finite shows as the empty text
// and counts as no number (NaN).
OutputField shown(double value, std::string text) {
    OutputField field{.written = true, .text = std::move(text)};
    if (std::isfinite(value)) {
        field.value = value;
    }
    return field;
}

// The 15-digit number text.
OutputField number(double value) {
    return shown(value, numberText(value));
}

// A value held in single precision: up to 7 significant digits.
OutputField singleNumber(float value) {
    return shown(value, singleNumberText(value));
}

// Without the leading blank and with a zero before the point.
OutputField plainNumber(double value) {
    return shown(value, plainNumberText(value));
}

// A box written empty.
OutputField emptied() {
    OutputField field;
    field.written = true;
    return field;
}

// A refusal before any run: every box emptied, so that no result stands beside inputs that were
// not analysed.
ExecuteOutputs refused(ExecuteMessage message) {
    ExecuteOutputs out;
    out.message = message;
    for (const OutputPanelRow& row : kOutputPanel) {
        out.*row.field = emptied();
    }
    return out;
}

// The name box of a kind.
void writeName(Mechanism mechanism, ExecuteOutputs& out) {
    out.mechanism = mechanism;
    out.name = emptied();
    out.name.text = mechanismName(mechanism);
}

// A run that cannot close: the name stays, every value box is emptied so no stale number remains.
ExecuteOutputs runFailed(Mechanism mechanism) {
    ExecuteOutputs out = refused(ExecuteMessage::RunFailed);
    writeName(mechanism, out);
    return out;
}

// A crank-angle range of whole degrees; not valid when a limit position does not exist (NaN).
struct AngleRange {
    double start = 0;
    double end = 0;
    bool valid() const { return std::isfinite(start) && std::isfinite(end); }
};

// The double-rocker cases, tested in order: the range, the maximum swing and the minimum
// transmission angle.
struct DoubleRockerCase {
    AngleRange range;
    OutputField maxSwing;
    OutputField minTransmission;
};

DoubleRockerCase doubleRockerCase(double L1, double L2, double L3, double L4) {
    DoubleRockerCase c;
    if (L1 + L2 <= L3 + L4 && L2 + L3 <= L1 + L4) {
        c.range = {std::trunc(1 + degrees(angle(L1 + L2, L4, L3))),
                   std::trunc(degrees(angle(L1, L4, L2 + L3)))};
        c.maxSwing = number(degrees(std::fabs(angle(L3, L4, L1 + L2) - angle(L4, L2 + L3, L1))));
        c.minTransmission = number(0);
    } else if (L2 + L3 - L1 <= L4 && L4 <= L1 + L2 - L3) {
        // Symmetric about 0: truncation toward zero on both sides.
        c.range = {std::trunc(-degrees(angle(L1, L4, L2 + L3))),
                   std::trunc(degrees(angle(L1, L4, L2 + L3)))};
        c.maxSwing = plainNumber(360 - 2 * degrees(angle(L4, L2 + L3, L1)));
        c.minTransmission = number(0);
    } else if (L1 + L2 - L3 <= L4 && L4 <= L2 + L3 - L1) {
        c.range = {std::trunc(1 + degrees(angle(L1 + L2, L4, L3))),
                   std::trunc(degrees(kFullTurn - angle(L1, L4, L3 - L2)))};
        c.maxSwing = plainNumber(2 * degrees(angle(L3, L4, L1 + L2)));
        c.minTransmission = number(degrees(angle(L1 + L2, L3, L4)));
    } else {
        c.range = {std::trunc(1 + degrees(angle(L1, L4, L2 - L3))),
                   std::trunc(360 - degrees(angle(L1, L4, L2 - L3)))};
        c.maxSwing =
            plainNumber(degrees(angle(L4, L2 - L3, L1)) + 180 - degrees(angle(L4, L3, L2 - L1)));
        c.minTransmission = number(0);
    }
    return c;
}

// A crank or output link that turns fully: swing and displacement a full turn, no transmission
// angle to speak of.
void writeFullSwing(ExecuteOutputs& out) {
    out.maxSwing = number(360);
    out.minTransmission = number(0);
    out.maxDisplacement = number(360);
}

// The velocity and acceleration maxima as stored.
void writeVelocityMaxima(const Maxima& maxima, ExecuteOutputs& out) {
    out.maxVelocity = number(maxima.omega3);
    out.maxAcceleration = singleNumber(maxima.alpha3);
}

using RangedRun = RunStatus (*)(const LinkageState&, ResultTables&, Maxima&, int, int);

// Stores the range as startAngle and endAngle and runs over it. False when a limit position does
// not exist or the run cannot close.
bool runOverRange(const LinkageState& inputs, ResultTables& tables, Maxima& maxima,
                  AngleRange range, RangedRun analyse) {
    if (!range.valid()) {
        return false;
    }
    tables.startAngle = range.start;
    tables.endAngle = range.end;
    return analyse(inputs, tables, maxima, static_cast<int>(range.start),
                   static_cast<int>(range.end)) == RunStatus::Completed;
}

// Runs the analysis that the classified lengths call for and says what the boxes show; the
// tables are filled, or left without rows when the run cannot close.
ExecuteOutputs runAnalysis(const Analysis& analysis, ResultTables& tables, Maxima& maxima) {
    const LinkageState& inputs = analysis.linkage;
    const Mechanism mechanism = analysis.mechanism;
    ExecuteOutputs out;
    writeName(mechanism, out);
    // K belongs to a crank-rocker alone; any other kind empties the box rather than leave an
    // earlier linkage's K beside its own results.
    out.travelSpeedRatio = emptied();
    const double L1 = inputs.L1;
    const double L2 = inputs.L2;
    const double L3 = inputs.L3;
    const double L4 = inputs.L4;

    if (mechanism == Mechanism::Parallelogram) {
        if (analyseParallelogram(inputs, tables) != RunStatus::Completed) {
            return runFailed(mechanism);
        }
        writeFullSwing(out);
        out.maxVelocity = number(analysis.omega1);
        out.maxAcceleration = number(0);
        return out;
    }

    switch (analysis.sweep) {
        case Sweep::DoubleRocker: {
            DoubleRockerCase c = doubleRockerCase(L1, L2, L3, L4);
            if (!runOverRange(inputs, tables, maxima, c.range, analyseRange)) {
                return runFailed(mechanism);
            }
            out.maxSwing = std::move(c.maxSwing);
            out.minTransmission = std::move(c.minTransmission);
            out.maxDisplacement = number(degrees(maxima.theta3));
            writeVelocityMaxima(maxima, out);
            return out;
        }
        case Sweep::RockerCrank: {
            // The crank rocks between the folded and the stretched position of coupler and output
            // link.
            const AngleRange range{std::trunc(1 + degrees(angle(L1, L4, L2 - L3))),
                                   std::trunc(degrees(angle(L1, L4, L2 + L3)))};
            if (!runOverRange(inputs, tables, maxima, range, analyseRockerDriven)) {
                return runFailed(mechanism);
            }
            writeFullSwing(out);
            writeVelocityMaxima(maxima, out);
            return out;
        }
        case Sweep::FullTurn:
            break;
    }

    if (analyseFullTurn(inputs, tables, maxima) != RunStatus::Completed) {
        return runFailed(mechanism);
    }
    if (isShortestLink(L4, analysis.shortestLink)) {
        // The frame is the shortest link: both links turn fully, whatever the kind's name says
        // (100, 200, 200, 100 is named a crank-rocker).
        writeFullSwing(out);
    } else {
        out.maxSwing = number(degrees(angle(L3, L4, L1 + L2)) - degrees(angle(L3, L4, L2 - L1)));
        out.minTransmission = number(minTransmissionAngle(L1, L2, L3, L4));
        out.travelSpeedRatio = number(travelSpeedRatio(L1, L2, L3, L4));
        out.maxDisplacement = number(degrees(maxima.theta3));
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

std::string_view executeMessageText(ExecuteMessage message) {
    switch (message) {
        case ExecuteMessage::None:
            return {};
        case ExecuteMessage::ValueOutOfRange:
        case ExecuteMessage::RunFailed:
            return messages::runFailed;
        case ExecuteMessage::LengthNotPositive:
        case ExecuteMessage::ClosureFailed:
            return messages::closureFailed;
        case ExecuteMessage::AssemblyNotUnit:
            return messages::assemblyNotUnit;
    }
    return {};
}

ExecuteOutputs executeAnalysis(SharedState& shared) {
    const LinkageState& in = shared.inputs;
    // A value beyond double range is refused as a run that overflows is: the closure test would
    // otherwise call an infinite length one that cannot close.
    for (const double value : {in.L1, in.L2, in.L3, in.L4, in.n, in.M}) {
        if (!std::isfinite(value)) {
            return refused(ExecuteMessage::ValueOutOfRange);
        }
    }
    // A length of 0 (an empty box, text that is no number, a box that took the focus) or below
    // would divide by zero or describe no linkage at all.
    for (const double length : {in.L1, in.L2, in.L3, in.L4}) {
        if (!(length > 0)) {
            return refused(ExecuteMessage::LengthNotPositive);
        }
    }
    // Any other M scales the root of the position solution and yields angles of no assembly.
    if (in.M != 1 && in.M != -1) {
        return refused(ExecuteMessage::AssemblyNotUnit);
    }
    const Classification classification = classifyLinkage(in);
    if (!classification.mechanism) {
        return refused(ExecuteMessage::ClosureFailed);
    }

    auto analysis = std::make_shared<Analysis>();
    analysis->linkage = in;
    analysis->omega1 = crankAngularVelocity(in.n);
    analysis->mechanism = *classification.mechanism;
    analysis->shortestLink = classification.shortestLink;
    analysis->sweep = sweepOf(in, analysis->mechanism, analysis->shortestLink);
    // The panel and the curves show this linkage alone, never a maximum of an earlier run.
    shared.maxima = {};
    ExecuteOutputs out = runAnalysis(*analysis, analysis->tables, shared.maxima);
    analysis->outputs = out;
    shared.analysis = std::move(analysis);
    return out;
}

}  // namespace fourbar
