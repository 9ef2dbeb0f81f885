// fourbar-report: the output panel and the further results after one execute, the result tables,
// the animation's frames or a coupler point's path as CSV, the data listing, or crank-rockers
// designed from K and the swing, for scripts.
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/animation.h"
#include "core/coupler_path.h"
#include "core/crank_rocker_design.h"
#include "core/further_results.h"
#include "core/lenient_number.h"
#include "core/listing.h"
#include "core/messages.h"
#include "core/motion_parameters.h"
#include "core/number_text.h"
#include "core/result_tables.h"

namespace {

constexpr const char* kUsage =
    "usage: fourbar-report [--table | --listing[=START:END:INTERVAL] | --frames=STEP:COUNT |\n"
    "                       --coupler=BP:ANGLE] L1 L2 L3 L4 n M\n"
    "       fourbar-report --design K=RATIO swing=DEGREES L3=LENGTH [L4=LENGTH | L1=LENGTH]\n"
    "       fourbar-report --help | --version\n"
    "  L1..L4 link lengths in mm (crank, coupler, output link, frame), each above 0; n crank\n"
    "  speed in r/min; M assembly type, 1 or -1. Without an option the output panel is printed,\n"
    "  then the further results; --table prints the result tables as CSV with the transmission\n"
    "  angle gamma in degrees, --listing the data table's display command, --frames the\n"
    "  animation's frames, --coupler the path and velocity of the coupler point BP mm from B at\n"
    "  ANGLE degrees from BC. STEP is the animation's scroll bar (1 to 10), COUNT the frames to\n"
    "  list (1 to 1000000); START, END and INTERVAL the data table's boxes in degrees.\n"
    "  --design prints as CSV the crank-rockers with travel speed ratio K (at least 1), rocker\n"
    "  swing in degrees (above 0, below 180) and rocker length L3, with the frame L4 or the crank\n"
    "  L1 given, or else the largest minimum transmission angle; named values in any order.\n"
    "  --help prints this text, --version the version.\n";

// Shortest text that reads back to the same value at its own precision, so that a single-precision
// column shows no false digits (106.76621, not 106.7662124633789); "nan" for no value.
template <class Number>
std::string csvNumber(Number value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value > 0 ? "inf" : "-inf";
    }
    return fourbar::shortestNumberText(value);
}

// The result tables, each row with its transmission angle in degrees.
void printTable(const fourbar::ResultTables& tables) {
    std::printf("i,theta1,theta2,theta3,omega2,omega3,alpha2,alpha3,gamma\n");
    const fourbar::IndexRange rows = tables.rows();
    for (int i = rows.first; i <= rows.last; ++i) {
        const fourbar::TableRow r = tables.row(i);
        std::printf("%d,%s,%s,%s,%s,%s,%s,%s,%s\n", i, csvNumber(r.theta1).c_str(),
                    csvNumber(r.theta2).c_str(), csvNumber(r.theta3).c_str(),
                    csvNumber(r.omega2).c_str(), csvNumber(r.omega3).c_str(),
                    csvNumber(r.alpha2).c_str(), csvNumber(r.alpha3).c_str(),
                    csvNumber(fourbar::transmissionAngle(r.theta2, r.theta3)).c_str());
    }
}

// The boxes of "--listing=START:END:INTERVAL", each part read as its box reads it, an empty part
// as an empty box; nullopt when the value has not three parts.
std::optional<fourbar::ListingBoxes> parseListing(std::string_view value) {
    const std::size_t colon1 = value.find(':');
    const std::size_t colon2 = value.find(':', colon1 + 1);
    if (colon1 == value.npos || colon2 == value.npos || value.find(':', colon2 + 1) != value.npos) {
        return std::nullopt;
    }
    return fourbar::ListingBoxes{
        .start = fourbar::readNumber(value.substr(0, colon1)),
        .end = fourbar::readNumber(value.substr(colon1 + 1, colon2 - colon1 - 1)),
        .interval = fourbar::readNumber(value.substr(colon2 + 1)),
    };
}

// What the table window's display command lists for these boxes, every row (the window stops at
// its bottom edge), each field at its column; 1 when the command refuses.
int printListing(const fourbar::SharedState& shared, fourbar::ListingBoxes boxes) {
    const fourbar::Listing listing(shared);
    const fourbar::ListingPlan plan = listing.plan(fourbar::ListingCommand::Display, boxes);
    if (!plan.refusal.empty()) {
        std::fprintf(stderr, "%s\n", std::string(plan.refusal).c_str());
        return 1;
    }
    // Stops when the output is gone, as a tiny interval lists for very long.
    const auto print = [](const fourbar::ListingLine& line) {
        for (const std::string& text : fourbar::paddedLines(line)) {
            if (std::printf("%s\n", text.c_str()) < 0) {
                return false;
            }
        }
        return true;
    };
    print(fourbar::listingTitle());
    print(fourbar::listingHeading());
    listing.listRows(plan, print);
    return 0;
}

struct FrameRequest {
    int step = 0;   // the scroll bar's value, 1 to 10
    int count = 0;  // frames, 1 to kMaxFrames
};
constexpr int kMaxFrames = 1'000'000;

// A whole decimal integer filling `text`; one too large for a long long comes back as LLONG_MAX
// (or LLONG_MIN), out of every range asked for here.
std::optional<long long> wholeInteger(std::string_view text) {
    long long value = 0;
    const char* const end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ptr != end || ec == std::errc::invalid_argument) {
        return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range) {
        return text.starts_with('-') ? LLONG_MIN : LLONG_MAX;
    }
    return value;
}

// "STEP:COUNT" of --frames=, or the text of the usage error.
std::variant<FrameRequest, std::string> parseFrames(std::string_view text) {
    const std::size_t colon = text.find(':');
    const auto step = wholeInteger(text.substr(0, colon));
    const auto count = colon == text.npos ? std::nullopt : wholeInteger(text.substr(colon + 1));
    if (!step || !count) {
        return "--frames: expected STEP:COUNT, not " + std::string(text);
    }
    if (*step < 1 || *step > 10) {
        return std::string("--frames: STEP must be 1 to 10");
    }
    if (*count < 1 || *count > kMaxFrames) {
        return std::string("--frames: COUNT must be 1 to 1000000");
    }
    return FrameRequest{static_cast<int>(*step), static_cast<int>(*count)};
}

// The frames Demonstrate draws, with joints B and C in mm; 1 when the animation would refuse.
int printFrames(const fourbar::Analysis& analysis, FrameRequest request) {
    const auto frames = fourbar::demonstrationFrames(analysis, request.step, request.count);
    if (!frames) {
        std::fprintf(stderr, "%s\n", std::string(fourbar::messages::analyseFirst).c_str());
        return 1;
    }
    std::printf("index,Bx,By,Cx,Cy\n");
    for (const fourbar::Frame& f : *frames) {
        std::printf("%d,%s,%s,%s,%s\n", f.frameIndex, csvNumber(f.joints.bx).c_str(),
                    csvNumber(f.joints.by).c_str(), csvNumber(f.joints.cx).c_str(),
                    csvNumber(f.joints.cy).c_str());
    }
    return 0;
}

// "BP:ANGLE" of --coupler=, or the text of the usage error.
std::variant<fourbar::CouplerPoint, std::string> parseCoupler(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == text.npos || text.find(':', colon + 1) != text.npos) {
        return "--coupler: expected BP:ANGLE, not " + std::string(text);
    }
    const std::string_view distanceText = text.substr(0, colon);
    const std::string_view angleText = text.substr(colon + 1);
    const auto distance = fourbar::wholeNumber(distanceText);
    if (!distance || *distance < 0 || !std::isfinite(*distance)) {
        return "--coupler: BP must be a finite length of 0 or more, not " +
               std::string(distanceText);
    }
    const auto angle = fourbar::wholeNumber(angleText);
    if (!angle || !std::isfinite(*angle)) {
        return "--coupler: ANGLE must be a finite number of degrees, not " + std::string(angleText);
    }
    return fourbar::CouplerPoint{.distance = *distance, .angle = *angle};
}

// The coupler point at every row of the analysis: the crank angle in degrees, the point in mm and
// its velocity in mm/s.
void printCouplerPath(const fourbar::Analysis& analysis, fourbar::CouplerPoint point) {
    std::printf("index,crank,Px,Py,vx,vy\n");
    for (const fourbar::CouplerPathRow& row : fourbar::couplerPath(analysis, point)) {
        std::printf("%d,%s,%s,%s,%s,%s\n", row.index, csvNumber(row.crankAngle).c_str(),
                    csvNumber(row.x).c_str(), csvNumber(row.y).c_str(), csvNumber(row.vx).c_str(),
                    csvNumber(row.vy).c_str());
    }
}

// A named value of --design and the field it fills.
struct DesignName {
    std::string_view name;
    double fourbar::DesignRequest::*field;
};
// K, swing and L3 are required; L4 and L1 exclude each other.
constexpr DesignName kDesignNames[] = {
    {"K", &fourbar::DesignRequest::K},   {"swing", &fourbar::DesignRequest::swing},
    {"L3", &fourbar::DesignRequest::L3}, {"L4", &fourbar::DesignRequest::L4},
    {"L1", &fourbar::DesignRequest::L1},
};
constexpr std::size_t kRequiredDesignNames = 3;

// The NAME=VALUE arguments of --design, or the text of the usage error.
std::variant<fourbar::DesignRequest, std::string> parseDesign(
    const std::vector<std::string_view>& arguments) {
    std::optional<double> given[std::size(kDesignNames)];
    for (const std::string_view arg : arguments) {
        const std::size_t equals = arg.find('=');
        if (equals == arg.npos || equals == 0) {
            return "--design: expected NAME=VALUE, not " + std::string(arg);
        }
        const std::string_view name = arg.substr(0, equals);
        std::size_t k = 0;
        while (k < std::size(kDesignNames) && kDesignNames[k].name != name) {
            ++k;
        }
        if (k == std::size(kDesignNames)) {
            return "--design: unknown name " + std::string(name) + " (K, swing, L3, L4 or L1)";
        }
        if (given[k]) {
            return "--design: " + std::string(name) + " given twice";
        }
        given[k] = fourbar::wholeNumber(arg.substr(equals + 1));
        if (!given[k]) {
            return "--design: " + std::string(arg) + " is not a number";
        }
    }
    for (std::size_t k = 0; k < kRequiredDesignNames; ++k) {
        if (!given[k]) {
            return "--design: missing " + std::string(kDesignNames[k].name);
        }
    }
    if (given[3] && given[4]) {
        return std::string("--design: L4 and L1 exclude each other");
    }
    fourbar::DesignRequest request;
    for (std::size_t k = 0; k < std::size(kDesignNames); ++k) {
        if (given[k]) {
            request.*kDesignNames[k].field = *given[k];
        }
    }
    request.way = given[3]   ? fourbar::DesignWay::ByFrame
                  : given[4] ? fourbar::DesignWay::ByCrank
                             : fourbar::DesignWay::Best;
    return request;
}

// Every crank-rocker the design finds, largest minimum transmission angle first, with the swing and
// K the analysis gives for it; 1 with the program's message when it finds none.
int printDesign(const fourbar::DesignRequest& request) {
    const fourbar::DesignResult result = fourbar::designCrankRocker(request);
    if (result.status != fourbar::DesignStatus::Solved) {
        std::fprintf(stderr, "%s\n",
                     std::string(fourbar::designMessageText(result.status)).c_str());
        return 1;
    }
    std::printf("L1,L2,L3,L4,theta,gammaMin,K,swing\n");
    for (const fourbar::DesignSolution& s : result.solutions) {
        std::printf("%s,%s,%s,%s,%s,%s,%s,%s\n", csvNumber(s.L1).c_str(), csvNumber(s.L2).c_str(),
                    csvNumber(s.L3).c_str(), csvNumber(s.L4).c_str(),
                    csvNumber(s.limitAngle).c_str(), csvNumber(s.minTransmissionAngle).c_str(),
                    csvNumber(s.check.K).c_str(), csvNumber(s.check.swing).c_str());
    }
    return 0;
}

// The output panel as the main window shows it after the execute: caption, tab, text; a box the
// execute did not write is empty, as in a freshly started program. The further results of the
// rows follow in the same form.
void printPanel(const fourbar::ExecuteOutputs& outputs, const fourbar::Analysis& analysis) {
    for (const fourbar::OutputPanelRow& row : fourbar::kOutputPanel) {
        const fourbar::OutputField& field = outputs.*row.field;
        std::printf("%s\t%s\n", std::string(row.caption).c_str(),
                    field.written ? field.text.c_str() : "");
    }
    for (const fourbar::CaptionedText& line :
         fourbar::furtherResultLines(fourbar::furtherResults(analysis))) {
        std::printf("%s\t%s\n", line.caption.c_str(), line.text.c_str());
    }
}

enum class View { Panel, Table, Listing, Frames, Coupler, Design };

// What the command line asks for.
struct Request {
    View view = View::Panel;
    fourbar::ListingBoxes listing;
    FrameRequest frames;
    fourbar::CouplerPoint coupler;
    fourbar::DesignRequest design;
    // L1 L2 L3 L4 n M; for --design its NAME=VALUE arguments.
    std::vector<std::string_view> values;
};

enum class Action { Run, Help, Version };

// The names of the six values, to name a missing one.
constexpr const char* kValueNames[] = {"L1", "L2", "L3", "L4", "n", "M"};

// An argument that starts with '-' and goes on with neither a digit nor a point is an option;
// "-1" and "-.5" are values.
bool isOption(std::string_view arg) {
    return arg.starts_with('-') &&
           (arg.size() == 1 ||
            !(std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.'));
}

// Reads the arguments from left to right: --help and --version end the reading at once; the first
// thing wrong is returned as the text of the usage error. The values are checked once every option
// is known, as --design takes named values instead of the six.
std::variant<Action, std::string> parseArguments(int argc, char** argv, Request& request) {
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (!isOption(arg)) {
            request.values.push_back(arg);
            continue;
        }
        if (arg == "--help") {
            return Action::Help;
        }
        if (arg == "--version") {
            return Action::Version;
        }
        View view = View::Panel;
        if (arg == "--table") {
            view = View::Table;
        } else if (arg == "--listing") {
            view = View::Listing;
            request.listing = {};
        } else if (arg.starts_with("--listing=")) {
            const std::string_view value = arg.substr(10);
            const auto boxes = parseListing(value);
            if (!boxes) {
                return "--listing: expected START:END:INTERVAL, not " + std::string(value);
            }
            view = View::Listing;
            request.listing = *boxes;
        } else if (arg.starts_with("--frames=")) {
            auto frames = parseFrames(arg.substr(9));
            if (auto* error = std::get_if<std::string>(&frames)) {
                return std::move(*error);
            }
            view = View::Frames;
            request.frames = std::get<FrameRequest>(frames);
        } else if (arg.starts_with("--coupler=")) {
            auto point = parseCoupler(arg.substr(10));
            if (auto* error = std::get_if<std::string>(&point)) {
                return std::move(*error);
            }
            view = View::Coupler;
            request.coupler = std::get<fourbar::CouplerPoint>(point);
        } else if (arg == "--coupler") {
            return std::string("--coupler: expected --coupler=BP:ANGLE");
        } else if (arg == "--design") {
            view = View::Design;
        } else {
            return "unknown option " + std::string(arg);
        }
        if (request.view != View::Panel) {
            return std::string(arg) +
                   ": only one of --table, --listing, --frames, --coupler and --design";
        }
        request.view = view;
    }
    if (request.view == View::Design) {
        auto design = parseDesign(request.values);
        if (auto* error = std::get_if<std::string>(&design)) {
            return std::move(*error);
        }
        request.design = std::get<fourbar::DesignRequest>(design);
        return Action::Run;
    }
    if (request.values.size() > std::size(kValueNames)) {
        return "unexpected argument " + std::string(request.values[std::size(kValueNames)]) +
               " after M";
    }
    if (request.values.size() < std::size(kValueNames)) {
        return std::string("missing argument ") + kValueNames[request.values.size()];
    }
    for (std::size_t k = 0; k < std::size(kValueNames); ++k) {
        if (!fourbar::wholeNumber(request.values[k])) {
            return std::string(kValueNames[k]) + ": " + std::string(request.values[k]) +
                   " is not a number";
        }
    }
    return Action::Run;
}

// One execute of a freshly started program with the six values confirmed, then the view asked for,
// or the design; 1 with the program's message on standard error when it refuses.
int run(const Request& request) {
    if (request.view == View::Design) {
        return printDesign(request.design);
    }
    fourbar::SharedState shared;
    for (std::size_t k = 0; k < fourbar::kInputFields.size(); ++k) {
        shared.inputs.*fourbar::kInputFields[k] = *fourbar::wholeNumber(request.values[k]);
    }
    const fourbar::ExecuteOutputs outputs = fourbar::executeAnalysis(shared);
    if (outputs.message != fourbar::ExecuteMessage::None) {
        std::fprintf(stderr, "%s\n",
                     std::string(fourbar::executeMessageText(outputs.message)).c_str());
        return 1;
    }
    const fourbar::Analysis& analysis = *shared.analysis;
    switch (request.view) {
        case View::Panel:
            printPanel(outputs, analysis);
            return 0;
        case View::Table:
            printTable(analysis.tables);
            return 0;
        case View::Listing:
            return printListing(shared, request.listing);
        case View::Frames:
            return printFrames(analysis, request.frames);
        case View::Coupler:
            printCouplerPath(analysis, request.coupler);
            return 0;
        case View::Design:
            break;  // designed above, without an analysis
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Request request;
    const auto parsed = parseArguments(argc, argv, request);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "fourbar-report: %s\n%s", error->c_str(), kUsage);
        return 2;
    }
    int status = 0;
    switch (std::get<Action>(parsed)) {
        case Action::Help:
            std::fputs(kUsage, stdout);
            break;
        case Action::Version:
            std::printf("fourbar-report %s\n", FOURBAR_VERSION);
            break;
        case Action::Run:
            status = run(request);
            break;
    }
    // Output that never arrived (a full disk, a closed pipe) is a failure, not a success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fputs("fourbar-report: cannot write the output\n", stderr);
        return 1;
    }
    return status;
}
