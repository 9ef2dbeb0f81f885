// What the core tests start from: the inputs as confirmed, one execute of a freshly started
// program, a preset by its menu item, the design's twin request and the names of parameterised
// cases.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

#include "core/motion_parameters.h"
#include "core/presets.h"

namespace fourbar::test {

// The six boxes as confirmed: the lengths in mm, n in r/min and the assembly's sign M; n and M are
// the presets' 100 and -1 unless given.
struct Inputs {
    double L1, L2, L3, L4;
    double n = 100, M = -1;
    operator LinkageState() const { return {L1, L2, L3, L4, n, M}; }
};

// A freshly started program after one execute of `inputs`.
inline SharedState executed(const Inputs& inputs) {
    SharedState state;
    state.inputs = inputs;
    executeAnalysis(state);
    return state;
}

inline std::shared_ptr<const Analysis> analysed(const Inputs& inputs) {
    return executed(inputs).analysis;
}

// The inputs the "运动模式" menu item `objectName` writes.
inline Inputs preset(std::string_view objectName) {
    const LinkageState& s = std::ranges::find(kPresets, objectName, &Preset::objectName)->inputs;
    return {s.L1, s.L2, s.L3, s.L4, s.n, s.M};
}

// K and swing of 60/120/90/120 (crank, coupler, rocker, frame), and of its twins.
constexpr double kTwinK = 1.2525782686040976;
constexpr double kTwinSwing = 88.32458836411824;

// Names a parameterised case by its row's label.
inline constexpr auto byLabel = [](const auto& info) { return std::string(info.param.label); };

}  // namespace fourbar::test
