// The report tool end to end: exit statuses and the stream each text goes to, argument bounds, and
// whole golden rows of its views and of the design.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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
    std::string out;  // what standard output begins with; empty: nothing on it
};

// A design request with `extra` after it.
std::vector<std::string> design(std::vector<std::string> extra) {
    std::vector<std::string> args = {"--design", "K=1.2", "swing=60", "L3=100"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

// clang-format off
const StatusRow kStatuses[] = {
    {"version", {"--version"}, 0, "", "fourbar-report " FOURBAR_VERSION "\n"},
    {"helpAmongValues", {"150", "220", "--help", "250"}, 0, "", "usage: fourbar-report [--table | --listing"},
    // "-.5" is a value, not an option.
    {"negativeFraction", {"150", "220", "250", "300", "-.5", "-1"}, 0, "", "机构名称\t"},
    // Refusals: the program's message on standard error, nothing on standard output.
    {"cannotClose", {"100", "100", "100", "300", "100", "-1"}, 1, "杆长设计不当,请重新输入\n", ""},
    {"beyondDoubleRange", {"150", "220", "250", "300", "1e400", "-1"}, 1, "杆长设置不当,请重新输入!\n", ""},
    // The limit positions lie less than a degree apart: no rows for the animation.
    {"framesWithoutRows", {"--frames=3:5", "100", "100.1", ".05", "100.04", "100", "-1"}, 1, "请先执行运动分析\n", ""},
    // Usage errors name the argument, then the usage, on standard error.
    {"unknownOption", withCrankRocker({"--bogus"}), 2, "unknown option --bogus", ""},
    {"stepZero", withCrankRocker({"--frames=0:5"}), 2, "--frames: STEP must be 1 to 10", ""},
    {"stepEleven", withCrankRocker({"--frames=11:5"}), 2, "--frames: STEP must be 1 to 10", ""},
    {"countZero", withCrankRocker({"--frames=3:0"}), 2, "--frames: COUNT must be 1 to 1000000", ""},
    {"countTooLarge", withCrankRocker({"--frames=3:1000001"}), 2, "--frames: COUNT must be 1 to 1000000", ""},
    {"listingFourParts", withCrankRocker({"--listing=0:90:5:1"}), 2, "--listing: expected START:END:INTERVAL, not 0:90:5:1", ""},
    {"twoViews", withCrankRocker({"--table", "--listing"}), 2, "--listing: only one of --table, --listing, --frames, --coupler and --design", ""},
    {"seventhArgument", {"150", "220", "250", "300", "100", "-1", "7"}, 2, "unexpected argument 7 after M", ""},
    {"missingArgument", {"150", "220", "250", "300", "100"}, 2, "missing argument M", ""},
    // A typing slip is not read as the number it begins with.
    {"valueNotWhole", {"15O", "220", "250", "300", "100", "-1"}, 2, "L1: 15O is not a number", ""},
    // The design: bad parameters and requests no crank-rocker meets are refused with a message.
    {"designBest", design({}), 0, "", "L1,L2,L3,L4,theta,gammaMin,K,swing\n"},
    {"designRatioBelowOne", {"--design", "K=0.5", "swing=60", "L3=100"}, 1, "设计参数不当,请重新输入\n", ""},
    {"designRatioNotNumber", {"--design", "K=abc", "swing=60", "L3=100"}, 2, "--design: K=abc is not a number", ""},
    {"designTwice", design({"K=1.3"}), 2, "--design: K given twice", ""},
    {"designMissingRocker", {"--design", "swing=60", "K=1.2"}, 2, "--design: missing L3", ""},
    // The coupler point: bad points named.
    {"couplerNegative", withCrankRocker({"--coupler=-1:30"}), 2, "--coupler: BP must be a finite length of 0 or more, not -1", ""},
    {"couplerAngleInfinite", withCrankRocker({"--coupler=100:-1e400"}), 2, "--coupler: ANGLE must be a finite number of degrees, not -1e400", ""},
};
// clang-format on

class Statuses : public testing::TestWithParam<StatusRow> {};

TEST_P(Statuses, ExitAndStreams) {
    const StatusRow& row = GetParam();
    const Outcome run = report(row.args);
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.err, row.status == 2 ? usageError(row.err) : row.err);
    EXPECT_TRUE(run.out.starts_with(row.out) && run.out.empty() == row.out.empty()) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Arguments, Statuses, testing::ValuesIn(kStatuses),
                         [](const auto& info) { return std::string(info.param.label); });

// Output that cannot be written is a failure, with a message: every view ends at one check.
TEST(Report, FullDisk) {
    const Outcome run = report(withCrankRocker({"--coupler=100:30"}), "/dev/full");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "fourbar-report: cannot write the output\n");
}

// STEP's and COUNT's largest values are accepted: a million frames at step 10.
TEST(Report, MostFrames) {
    EXPECT_EQ(report(withCrankRocker({"--frames=10:1000000"}), "/dev/null").status, 0);
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
     {{0, "i,theta1,theta2,theta3,omega2,omega3,alpha2,alpha3,gamma"},
      {1, "-127,-2.2165683944444443,0.7990047790310042,3.785613,37.626376172917794,-11.626980314188822,-8980.85511096275,6157.4507,8.879949462639802"},
      {255, "127,2.2165683944444443,5.668544517017269,2.3719661,-20.999179118556142,28.253902568497484,-9003.363715820231,6134.634,8.880027798756169"}}},
    // A rocker-crank: row 84 is the turning row of the return swing.
    {"tableRockerCrank", {"--table", "250", "220", "150", "300", "100", "-1"}, 148,
     {{74, "84,1.4660767333333333,5.526184297021356,2.4335997,200.0354095137205,-283.1310423111269,1930090.4084039114,-2830125,2.80795509345883"},
      {147, "157,0.19198623888888888,5.3487814078549505,5.244881,-108.15135204136934,-151.93779754565756,39190.51785885455,55217.953,5.953045430992155"}}},
    // The coupler and output link in line at crank 0: no velocities, and gamma 0.
    {"tableInLine", {"--table", "50", "100", "125", "25", "100", "-1"}, 362,
     {{1, "0,0,0,0,nan,nan,nan,nan,0"}}},
    // The panel, a box the execute did not write left empty; then the further results (the
    // report model's golden lines).
    {"panelRockerCrank", {"250", "220", "150", "300", "100", "-1"}, 15,
     {{0, "机构名称\tB型摇杆曲柄机构"},
      {3, "行程速比系数K\t"},
      {7, "各位置最小传动角（度）\t 2.80795509345883"}}},
    // Row 360 repeats row 0's pose: the smallest angle is at 0, never at 360.
    {"furtherDoubleCrank", {"220", "250", "300", "150", "100", "-1"}, 15,
     {{8, "最小传动角时L1杆转角（度）\t 0"}}},
    // P 100 mm from B at 30 degrees from BC, every row of the crank-rocker's turn.
    {"coupler", withCrankRocker({"--coupler=100:30"}), 362,
     {{0, "index,crank,Px,Py,vx,vy"},
      {1, "0,0,111.42875351367155,92.26190408012884,966.1643211610647,1974.7136156215702"},
      {361, "360,360,111.42881743460009,92.26203472612598,966.1643026005692,1974.713276460022"}}},
    // Empty boxes: every tenth degree from 0 to 350.
    {"listing", withCrankRocker({"--listing"}), 38,
     {{0, "                             四杆机构运动分析"},
      {1, "L1杆转角  L2杆转角   L3杆转角   L2杆角速   L3杆角速    L2杆角加速   L3杆角加速"},
      {2, "   0      82.69      119.21     -10.47     -10.47      -122.62      28.14"},
      {37, "   350    91.45      129.15     -7.64      -10.07      -205.44      -68.61"}}},
    // The crank-rocker's first 125 frames at step 3: 0, 3, ..., 357 (120 frames), then 0 again.
    {"frames", withCrankRocker({"--frames=3:125"}), 126,
     {{0, "index,Bx,By,Cx,Cy"},
      {120, "357,149.79443560673928,-7.850290520639252,166.70268539893854,211.499"},
      {121, "0,150,0,177.99997804852677,218.21089"},
      {125, "12,146.7221393898435,31.18675701106702,222.55781606606823,237.70299"}}},
    // The K and swing of 60/120/90/120 with its frame: the linkage itself, then its twin on the far
    // side of C1C2 with a smaller transmission angle; K and swing as the analysis gives them back.
    {"designByFrame", {"L3=90", "--design", "K=+1.2525782686040976", "L4=120", "swing=88.32458836411824"}, 3,
     {{1, "60.00000000000001,119.99999999999997,90,120,20.18313369280227,28.955024371859874,1.2525782372361114,88.32459847277912"},
      {2, "61.49871962477114,93.01214478987633,90,120,20.18313369280227,14.749151720794783,1.2525782372361156,88.32459847277916"}}},
    // The best placement on each side, slightly better than 60/120/90/120.
    {"designBest", {"--design", "L3=90", "K=1.2525782686040976", "swing=88.32458836411824"}, 3,
     {{1, "60.20782092407941,116.66754781716061,90,118.00577143114094,20.18313369280227,28.979953192529283,1.2525782372361114,88.32459847277913"},
      {2, "61.32439833608844,96.57744979874322,90,123.7023744114536,20.18313369280227,14.793520061892599,1.2525782372361114,88.32459847277903"}}},
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
