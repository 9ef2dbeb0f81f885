// Benchmarks of the full-turn analysis and the execute decision for the seven presets, against a
// floor that makes only the transcendental calls of a full turn on the same values.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/analysis.h"
#include "core/motion_parameters.h"
#include "core/presets.h"

namespace {

using fourbar::Preset;

void BM_FullTurn(benchmark::State& bm, const Preset& preset) {
    fourbar::ResultTables tables;
    fourbar::Maxima maxima;
    for (auto _ : bm) {
        benchmark::DoNotOptimize(fourbar::analyseFullTurn(preset.inputs, tables, maxima));
        benchmark::ClobberMemory();
    }
}

void BM_Execute(benchmark::State& bm, const Preset& preset) {
    fourbar::SharedState state;
    state.inputs = preset.inputs;
    for (auto _ : bm) {
        benchmark::DoNotOptimize(fourbar::executeAnalysis(state));
    }
}

// The arguments of every sin, cos, atan and sqrt call of one full turn: per row 4 sin, 4 cos,
// 2 atan and 2 sqrt. A row where the loop cannot close ends the run after the calls made so far.
struct CallArguments {
    std::vector<double> sinArgs, cosArgs, atanArgs, sqrtArgs;
};

CallArguments fullTurnArguments(const Preset& p) {
    const fourbar::LinkageState& state = p.inputs;
    fourbar::ResultTables tables;
    CallArguments args;
    const double L1 = state.L1, L2 = state.L2, L3 = state.L3, L4 = state.L4, s = state.M;
    for (int i = 0; i <= 360; ++i) {
        const double t1 = i * fourbar::kDegree;
        const double sin1 = std::sin(t1), cos1 = std::cos(t1);
        args.sinArgs.push_back(t1);
        args.cosArgs.push_back(t1);
        const double a3 = 2 * L1 * L3 * sin1, b3 = (L1 * cos1 - L4) * 2 * L3;
        const double c3 = L2 * L2 - L1 * L1 - L3 * L3 - L4 * L4 + 2 * L1 * L4 * cos1;
        const double a2 = 2 * L1 * L2 * sin1, b2 = (L1 * cos1 - L4) * 2 * L2;
        const double c2 = L1 * L1 + L2 * L2 + L4 * L4 - L3 * L3 - 2 * L1 * L4 * cos1;
        const double q2 = a2 * a2 + b2 * b2 - c2 * c2;
        if (!(q2 >= 0)) {
            break;
        }
        args.sqrtArgs.push_back(q2);
        args.atanArgs.push_back((a2 + s * std::sqrt(q2)) / (b2 - c2));
        const double q3 = a3 * a3 + b3 * b3 - c3 * c3;
        if (!(q3 >= 0)) {
            break;
        }
        args.sqrtArgs.push_back(q3);
        args.atanArgs.push_back((a3 + s * std::sqrt(q3)) / (b3 - c3));
        // The stored angles of the row, as the engine reads them back.
        fourbar::Maxima maxima;
        fourbar::analyseRange(state, tables, maxima, i, i);
        const double t2 = tables.theta2(i);
        const double t3 = tables.theta3(i);
        args.sinArgs.insert(args.sinArgs.end(), {t2 - t3, t1 - t3, t1 - t2});
        args.cosArgs.insert(args.cosArgs.end(), {t2 - t3, t1 - t3, t1 - t2});
    }
    return args;
}

void BM_Floor(benchmark::State& bm, const Preset& preset) {
    const CallArguments args = fullTurnArguments(preset);
    for (auto _ : bm) {
        double sum = 0;
        for (std::size_t k = 0; k < args.sqrtArgs.size(); ++k) {
            sum += std::sqrt(args.sqrtArgs[k]);
        }
        for (std::size_t k = 0; k < args.atanArgs.size(); ++k) {
            sum += std::atan(args.atanArgs[k]);
        }
        for (std::size_t k = 0; k < args.sinArgs.size(); ++k) {
            sum += std::sin(args.sinArgs[k]);
        }
        for (std::size_t k = 0; k < args.cosArgs.size(); ++k) {
            sum += std::cos(args.cosArgs[k]);
        }
        benchmark::DoNotOptimize(sum);
    }
}

// Only the presets whose crank turns fully make a whole full turn; the others stop at the first
// row that cannot close, and their floor covers the calls made up to it.
const int registered = [] {
    for (const Preset& p : fourbar::kPresets) {
        const std::string label(p.objectName);
        benchmark::RegisterBenchmark(("FullTurn/" + label).c_str(), BM_FullTurn, p);
        benchmark::RegisterBenchmark(("Floor/" + label).c_str(), BM_Floor, p);
        benchmark::RegisterBenchmark(("Execute/" + label).c_str(), BM_Execute, p);
    }
    return 0;
}();

}  // namespace
