// Golden output panels: the seven presets of the "运动模式" menu, confirmed and executed once in a
// freshly started program. Shared by the core, main window and report tool tests.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace fourbar::golden {

struct PresetOutputs {
    std::string_view preset;  // objectName of the menu item
    // The texts of the panel's boxes from top to bottom, exactly as shown; nullopt where the
    // execute leaves the box as it was.
    std::array<std::optional<std::string_view>, 7> texts;
};

// clang-format off
inline constexpr PresetOutputs kPresetOutputs[] = {
    {"crankrocker",   {"B型曲柄摇杆机构", " 73.767340617148", " 33.6200736089135", " 1.03051257105492", " 169.736383970466", " 10.5279152691898", " 187.7075"}},
    {"rockercrank",   {"B型摇杆曲柄机构", " 360", " 0", "", " 360", " 291.490842375463", " 2830125"}},
    {"doublecrank",   {"双曲柄机构", " 360", " 0", "", " 360", " 36.3389224045975", " 753.9048"}},
    {"doublerocker1", {"双摇杆机构", " 92.6328952619087", " 0", "", " 125.096348855039", " 202.134753440254", " 1929905"}},
    {"doublerocker2", {"双摇杆机构", "255.903852056737", " 12.3049860825041", "", " 296.419467557007", " 50.0102633392581", " 16261.27"}},
    {"doublerocker3", {"双摇杆机构", "280.513824221746", " 0", "", " 358.891376100664", " 28.2539025684975", " 6157.451"}},
    {"doublerocker4", {"双摇杆机构", "186.185311253965", " 0", "", " 357.759832446017", " 88.0612767696255", " 28543.58"}},
};
// clang-format on

}  // namespace fourbar::golden
