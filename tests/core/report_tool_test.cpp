// The report tool end to end: exit statuses and the stream each text goes to, argument bounds, the
// presets' panels and whole golden rows of its views.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "core/presets.h"
#include "tests/preset_outputs.h"

namespace fourbar {
namespace {

struct Outcome {
    int status = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

std::string fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs the tool with `args`, each passed as it stands; `out` is where standard output goes.
Outcome report(const std::vector<std::string>& args, const std::string& out = "") {
    // Tests run in parallel processes: each has files of its own.
    const std::string stem = testing::TempDir() + "fourbar-report-" + std::to_string(::getpid());
    const std::string outFile = out.empty() ? stem + ".out" : out;
    const std::string errFile = stem + ".err";
    std::string command = "'" FOURBAR_REPORT "'";
    for (const std::string& arg : args) {
        command += " '" + arg + "'";
    }
    command += " >'" + outFile + "' 2>'" + errFile + "'";
    const int raw = std::system(command.c_str());
    Outcome run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = out.empty() ? fileText(outFile) : "";
    run.err = fileText(errFile);
    return run;
}

const std::vector<std::string> kCrankRocker = {"150", "220", "250", "300", "100", "-1"};

std::vector<std::string> withCrankRocker(std::vector<std::string> args) {
    args.insert(args.end(), kCrankRocker.begin(), kCrankRocker.end());
    return args;
}

// What the usage error prints on standard error: its cause, then the usage.
std::string usageError(const std::string& cause) {
    return "fourbar-report: " + cause + "\n" + report({"--help"}).out;
}

struct StatusRow {
    const char* label;
    std::vector<std::string> args;
    int status;
    // Standard error: the program's message; for a usage error (2) its cause, which the usage
    // follows.
    std::string err;
    bool printsOut;  // something on standard output
};

const std::string kLengths = "杆长设计不当,请重新输入\n";

// clang-format off
const StatusRow kStatuses[] = {
    {"version", {"--version"}, 0, "", true},
    {"helpAmongValues", {"150", "220", "--help", "250"}, 0, "", true},
    {"panel", kCrankRocker, 0, "", true},
    {"stepOne", withCrankRocker({"--frames=1:3"}), 0, "", true},
    {"stepTen", withCrankRocker({"--frames=10:3"}), 0, "", true},
    // Refusals: the program's message on standard error, nothing on standard output.
    {"cannotClose", {"100", "100", "100", "300", "100", "-1"}, 1, kLengths, false},
    {"zeroLength", {"150", "0", "250", "300", "100", "-1"}, 1, kLengths, false},
    {"assemblyFive", {"150", "220", "250", "300", "100", "5"}, 1, "装配型式M应为1或-1,请重新输入\n", false},
    {"beyondDoubleRange", {"1e400", "220", "250", "300", "100", "-1"}, 1, "杆长设置不当,请重新输入!\n", false},
    // Usage errors name the argument, then the usage, on standard error.
    {"unknownOption", withCrankRocker({"--bogus"}), 2, "unknown option --bogus", false},
    {"shortOption", withCrankRocker({"-h"}), 2, "unknown option -h", false},
    {"stepZero", withCrankRocker({"--frames=0:5"}), 2, "--frames: STEP must be 1 to 10", false},
    {"stepEleven", withCrankRocker({"--frames=11:5"}), 2, "--frames: STEP must be 1 to 10", false},
    {"countZero", withCrankRocker({"--frames=3:0"}), 2, "--frames: COUNT must be 1 to 1000000", false},
    {"countTooLarge", withCrankRocker({"--frames=3:1000001"}), 2, "--frames: COUNT must be 1 to 1000000", false},
    {"framesMalformed", withCrankRocker({"--frames=3"}), 2, "--frames: expected STEP:COUNT, not 3", false},
    {"listingMalformed", withCrankRocker({"--listing=0:90"}), 2, "--listing: expected START:END:INTERVAL, not 0:90", false},
    {"twoViews", withCrankRocker({"--table", "--listing"}), 2, "--listing: only one of --table, --listing and --frames", false},
    {"seventhArgument", {"150", "220", "250", "300", "100", "-1", "7"}, 2, "unexpected argument 7 after M", false},
    {"missingArgument", {"150", "220", "250", "300", "100"}, 2, "missing argument M", false},
    {"noArgument", {}, 2, "missing argument L1", false},
};
// clang-format on

class Statuses : public testing::TestWithParam<StatusRow> {};

TEST_P(Statuses, ExitAndStreams) {
    const StatusRow& row = GetParam();
    const Outcome run = report(row.args);
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.err, row.status == 2 ? usageError(row.err) : row.err);
    EXPECT_EQ(!run.out.empty(), row.printsOut) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Arguments, Statuses, testing::ValuesIn(kStatuses),
                         [](const auto& info) { return std::string(info.param.label); });

// --help prints the usage on standard output, and the usage names every option.
TEST(Report, HelpAndVersion) {
    const Outcome help = report({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("usage: fourbar-report [--table | --listing"));
    for (const char* option : {"--table", "--listing", "--frames", "--help", "--version"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(report({"--version"}).out, "fourbar-report " FOURBAR_VERSION "\n");
}

// Output that cannot be written is a failure, with a message.
TEST(Report, FullDisk) {
    const Outcome run = report(kCrankRocker, "/dev/full");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "fourbar-report: cannot write the output\n");
}

// Each preset, as the menu writes its numbers: the output panel's captions and texts; a box the
// execute leaves alone is empty, as in a fresh program.
TEST(Report, PresetPanels) {
    for (const golden::PresetOutputs& golden : golden::kPresetOutputs) {
        const LinkageState* inputs = nullptr;
        for (const Preset& preset : kPresets) {
            if (preset.objectName == golden.preset) {
                inputs = &preset.inputs;
            }
        }
        ASSERT_NE(inputs, nullptr) << golden.preset;
        std::vector<std::string> args;
        for (const auto field : kInputFields) {
            args.push_back(inputNumberText(inputs->*field));
        }
        const char* const captions[] = {
            "机构名称",         "最大摆角（度）",   "最小传动角（度）",     "行程速比系数K",
            "最大角位移（度）", "最大角速度（1/s)", "  最大角加速度(1/ s2)"};
        std::string panel;
        for (std::size_t k = 0; k < golden.texts.size(); ++k) {
            panel +=
                std::string(captions[k]) + "\t" + std::string(golden.texts[k].value_or("")) + "\n";
        }
        EXPECT_EQ(report(args).out, panel) << golden.preset;
    }
}

// The lines of `text`.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        all.push_back(line);
    }
    return all;
}

struct ViewRow {
    const char* label;
    std::vector<std::string> args;
    std::size_t lines;
    std::vector<std::pair<std::size_t, std::string>> golden;  // line number from 0, whole line
};

// clang-format off
const ViewRow kViews[] = {
    // A double rocker's swing from -127 to 127 degrees; theta3 and alpha3 are floats.
    {"tableDoubleRocker", {"--table", "300", "150", "220", "100", "100", "-1"}, 256,
     {{0, "i,theta1,theta2,theta3,omega2,omega3,alpha2,alpha3"},
      {1, "-127,-2.2165683944444443,0.7990047790310042,3.7856130599975586,37.626376172917794,-11.626980314188822,-8980.85511096275,6157.45068359375"},
      {255, "127,2.2165683944444443,5.668544517017269,2.3719661235809326,-20.999179118556142,28.253902568497484,-9003.363715820231,6134.6337890625"}}},
    // A rocker-crank: row 84 is the turning row of the return swing.
    {"tableRockerCrank", {"--table", "250", "220", "150", "300", "100", "-1"}, 148,
     {{1, "11,0.19198623888888888,5.781317462990389,5.885217666625977,63.831939874214896,107.61840635722344,-36066.06203723265,-52093.5234375"},
      {74, "84,1.4660767333333333,5.526184297021356,2.4335997104644775,200.0354095137205,-283.1310423111269,1930090.4084039114,-2830125"},
      {147, "157,0.19198623888888888,5.3487814078549505,5.2448811531066895,-108.15135204136934,-151.93779754565756,39190.51785885455,55217.953125"}}},
    // Empty boxes: every tenth degree from 0 to 350.
    {"listing", withCrankRocker({"--listing"}), 38,
     {{0, "                             四杆机构运动分析"},
      {1, "L1杆转角  L2杆转角   L3杆转角   L2杆角速   L3杆角速    L2杆角加速   L3杆角加速"},
      {2, "   0      82.69      119.21     -10.47     -10.47      -122.62      28.14"},
      {37, "   350    91.45      129.15     -7.64      -10.07      -205.44      -68.61"}}},
    {"listingQuarter", withCrankRocker({"--listing=0:90:5"}), 21,
     {{3, "   5      77.48      114.3      -11.24     -10.        -61.9        85.17"},
      {20, "   90     21.62      112.45     -2.73      5.84        30.22        31.28"}}},
    // The crank-rocker's first 125 frames at step 3: 0, 3, ..., 357 (120 frames), then 0 again.
    {"frames", withCrankRocker({"--frames=3:125"}), 126,
     {{0, "index,Bx,By,Cx,Cy"},
      {1, "0,150,0,177.99997804852677,218.2108917236328"},
      {120, "357,149.79443560673928,-7.850290520639252,166.70268539893854,211.49899291992188"},
      {121, "0,150,0,177.99997804852677,218.2108917236328"},
      {125, "12,146.7221393898435,31.18675701106702,222.55781606606823,237.70298767089844"}}},
    {"framesStepTen", withCrankRocker({"--frames=10:3"}), 4,
     {{3, "20,140.9538911432317,51.30302692416886,246.66076568915275,244.2435760498047"}}},
};
// clang-format on

class Views : public testing::TestWithParam<ViewRow> {};

TEST_P(Views, PrintGoldenLines) {
    const ViewRow& row = GetParam();
    const Outcome run = report(row.args);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> printed = lines(run.out);
    ASSERT_EQ(printed.size(), row.lines);
    for (const auto& [number, line] : row.golden) {
        EXPECT_EQ(printed[number], line) << "line " << number;
    }
}

INSTANTIATE_TEST_SUITE_P(Arguments, Views, testing::ValuesIn(kViews),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace fourbar
