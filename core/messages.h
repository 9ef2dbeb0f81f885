// The fixed texts that the program shows in its message boxes and captions.
#pragma once

#include <string_view>

namespace fourbar::messages {

inline constexpr std::string_view appTitle = "四杆机构";
// The four link lengths cannot close (the longest is at least the sum of the other three), or one
// of them is 0 or negative.
inline constexpr std::string_view closureFailed = "杆长设计不当,请重新输入";
// An analysis run met a crank angle at which the loop cannot close, or an input lies beyond double
// range.
inline constexpr std::string_view runFailed = "杆长设置不当,请重新输入!";
// The assembly type M is neither 1 nor -1.
inline constexpr std::string_view assemblyNotUnit = "装配型式M应为1或-1,请重新输入";
// Data table: the analysed double-rocker range does not meet the chosen quarter turn.
inline constexpr std::string_view notInRange = "数据不在此范围内";
// Data table: a quarter-turn button was pressed for a rocker-crank.
inline constexpr std::string_view chooseRange = "请选择范围及间隔";
// Animation: the result tables do not cover the range of the linkage's kind. Report: no analysis
// yet.
inline constexpr std::string_view analyseFirst = "请先执行运动分析";
// Crank-rocker design: a box the request needs does not begin with a number, K is below 1, the
// swing lies outside (0, 180) degrees, or a length is not positive.
inline constexpr std::string_view designParametersInvalid = "设计参数不当,请重新输入";
// Crank-rocker design: the parameters are sound, but no crank-rocker meets them (with K = 1 the
// best placement is none either: the minimum transmission angle grows without limit).
inline constexpr std::string_view noCrankRockerFound = "无满足要求的曲柄摇杆机构";
// Animation: the coupler path is asked for while no coupler point is set.
inline constexpr std::string_view setCouplerPointFirst = "请先设置连杆点";
// Coupler point: BP does not begin with a number, or is negative or not finite.
inline constexpr std::string_view couplerDistanceInvalid = "BP应为不小于0的数,请重新输入";
// Coupler point: the angle does not begin with a number, or is not finite.
inline constexpr std::string_view couplerAngleInvalid = "∠CBP应为数,请重新输入";

}  // namespace fourbar::messages
