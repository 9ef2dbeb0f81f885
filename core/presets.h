// The example linkages of the main window's "运动模式" menu, for the window, the benchmarks, the
// fuzzer and the tests.
#pragma once

#include <array>
#include <string_view>

#include "core/linkage.h"

namespace fourbar {

struct Preset {
    std::string_view objectName;  // of the menu item
    std::string_view caption;     // of the menu item, UTF-8
    LinkageState inputs;          // the six numbers it writes into the input boxes
};

// In menu order; each writes its numbers with inputNumberText (core/number_text.h) and leaves them
// to be confirmed.
inline constexpr std::array<Preset, 7> kPresets{{
    {"crankrocker", "曲柄摇杆", {150, 220, 250, 300, 100, -1}},
    {"rockercrank", "摇杆曲柄", {250, 220, 150, 300, 100, -1}},
    {"doublecrank", " 双曲柄", {220, 250, 300, 150, 100, -1}},
    {"doublerocker1", "双摇杆1", {300, 150, 220, 250, 100, -1}},
    {"doublerocker2", "双摇杆2", {220, 150, 300, 100, 100, -1}},
    {"doublerocker3", "双摇杆3", {300, 150, 220, 100, 100, -1}},
    {"doublerocker4", "双摇杆4", {150, 300, 100, 220, 100, -1}},
}};

}  // namespace fourbar
