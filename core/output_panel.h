// The output panel of the main window: the execute command's message and its seven fields, each
// with its number and its text, and the captions they are shown under.
#pragma once

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "core/linkage.h"

namespace fourbar {

// What stopped the execute command, if anything. Every refusal before the run leaves the last
// analysis and its maxima in place.
enum class ExecuteMessage {
    None,
    ValueOutOfRange,    // an input beyond double range: nothing run, every box emptied
    LengthNotPositive,  // L1..L4 0 or negative: nothing run, every box emptied
    AssemblyNotUnit,    // M is neither 1 nor -1: nothing run, every box emptied
    ClosureFailed,      // the longest length is at least the sum of the other three: nothing run,
                        // every box emptied
    RunFailed,          // the run met a crank angle where the loop cannot close: the name is
                        // shown, the value boxes emptied, and the analysis has no rows
};

// The message box text of `message` (core/messages.h); empty for None.
std::string_view executeMessageText(ExecuteMessage message);

// One box of the output panel as the execute command leaves it.
struct OutputField {
    // False: the box keeps whatever it showed, and value and text say nothing.
    bool written = false;
    // The number in the box's unit; NaN where the box shows no number.
    double value = std::numeric_limits<double>::quiet_NaN();
    // Exactly as the box shows it (UTF-8); empty where it shows nothing.
    std::string text;
};

// The output panel after one execute, field by field in the panel's order.
struct ExecuteOutputs {
    ExecuteMessage message = ExecuteMessage::None;
    // The kind the name box shows; nullopt when it shows none.
    std::optional<Mechanism> mechanism;
    OutputField name;              // the kind's name; its value is always NaN
    OutputField maxSwing;          // degrees, output link
    OutputField minTransmission;   // degrees
    OutputField travelSpeedRatio;  // K; a crank-rocker's, emptied for every other kind
    OutputField maxDisplacement;   // degrees, largest output-link angle from the frame
    OutputField maxVelocity;       // 1/s (rad/s), output link
    OutputField maxAcceleration;   // 1/s² (rad/s²), output link, single precision
};

// A row of the output panel: its caption, shown beside the box, and its field.
struct OutputPanelRow {
    std::string_view caption;
    OutputField ExecuteOutputs::*field;
};

// The seven rows from top to bottom, as the main window and the report tool show them.
inline constexpr std::array<OutputPanelRow, 7> kOutputPanel{{
    {"机构名称", &ExecuteOutputs::name},
    {"最大摆角（度）", &ExecuteOutputs::maxSwing},
    {"最小传动角（度）", &ExecuteOutputs::minTransmission},
    {"行程速比系数K", &ExecuteOutputs::travelSpeedRatio},
    {"最大角位移（度）", &ExecuteOutputs::maxDisplacement},
    {"最大角速度（1/s)", &ExecuteOutputs::maxVelocity},
    {"  最大角加速度(1/ s2)", &ExecuteOutputs::maxAcceleration},
}};

}  // namespace fourbar
