// fourbar-report: the output panel after one execute, the result tables or the animation's frames
// as CSV, or the data listing, for scripts.
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
#include "core/lenient_number.h"
#include "core/listing.h"
#include "core/messages.h"
#include "core/motion_parameters.h"
#include "core/result_tables.h"

namespace {

constexpr const char* kUsage =
    "usage: fourbar-report [--table | --listing[=START:END:INTERVAL] | --frames=STEP:COUNT]\n"
    "                      L1 L2 L3 L4 n M\n"
    "       fourbar-report --help | --version\n"
    "  L1..L4 link lengths in mm (crank, coupler, output link, frame), each above 0; n crank\n"
    "  speed in r/min; M assembly type, 1 or -1. Without an option the output panel is printed;\n"
    "  --table prints the result tables as CSV, --listing the data table's display command,\n"
    "  --frames the animation's frames. STEP is the animation's scroll bar (1 to 10), COUNT the\n"
    "  frames to list (1 to 1000000); START, END and INTERVAL the data table's boxes in degrees.\n"
    "  --help prints this text, --version the version.\n";

// Shortest text that reads back to the same double; "nan" for no value.
std::string csvNumber(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void printTable(const fourbar::ResultTables& tables) {
    std::printf("i,theta1,theta2,theta3,omega2,omega3,alpha2,alpha3\n");
    const fourbar::IndexRange rows = tables.rows();
    for (int i = rows.first; i <= rows.last; ++i) {
        const fourbar::TableRow r = tables.row(i);
        std::printf("%d,%s,%s,%s,%s,%s,%s,%s\n", i, csvNumber(r.theta1).c_str(),
                    csvNumber(r.theta2).c_str(), csvNumber(r.theta3).c_str(),
                    csvNumber(r.omega2).c_str(), csvNumber(r.omega3).c_str(),
                    csvNumber(r.alpha2).c_str(), csvNumber(r.alpha3).c_str());
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

// A whole decimal number filling `text`; one too large for a long long comes back as LLONG_MAX
// (or LLONG_MIN), out of every range asked for here.
std::optional<long long> wholeNumber(std::string_view text) {
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
    const auto step = wholeNumber(text.substr(0, colon));
    const auto count = colon == text.npos ? std::nullopt : wholeNumber(text.substr(colon + 1));
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

// The output panel as the main window shows it after the execute: caption, tab, text; a box the
// execute did not write is empty, as in a freshly started program.
void printPanel(const fourbar::ExecuteOutputs& outputs) {
    for (const fourbar::OutputPanelRow& row : fourbar::kOutputPanel) {
        const fourbar::OutputField& field = outputs.*row.field;
        std::printf("%s\t%s\n", std::string(row.caption).c_str(),
                    field.written ? field.text.c_str() : "");
    }
}

enum class View { Panel, Table, Listing, Frames };

// What the command line asks for.
struct Request {
    View view = View::Panel;
    fourbar::ListingBoxes listing;
    FrameRequest frames;
    std::vector<std::string_view> values;  // L1 L2 L3 L4 n M
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
// thing wrong is returned as the text of the usage error.
std::variant<Action, std::string> parseArguments(int argc, char** argv, Request& request) {
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (!isOption(arg)) {
            if (request.values.size() == std::size(kValueNames)) {
                return "unexpected argument " + std::string(arg) + " after M";
            }
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
        } else {
            return "unknown option " + std::string(arg);
        }
        if (request.view != View::Panel) {
            return std::string(arg) + ": only one of --table, --listing and --frames";
        }
        request.view = view;
    }
    if (request.values.size() < std::size(kValueNames)) {
        return std::string("missing argument ") + kValueNames[request.values.size()];
    }
    return Action::Run;
}

// One execute of a freshly started program with the six values confirmed, then the view asked for;
// 1 with the program's message on standard error when it refuses.
int run(const Request& request) {
    fourbar::SharedState shared;
    for (std::size_t k = 0; k < fourbar::kInputFields.size(); ++k) {
        shared.inputs.*fourbar::kInputFields[k] = fourbar::readNumber(request.values[k]);
    }
    const fourbar::ExecuteOutputs outputs = fourbar::executeAnalysis(shared);
    if (outputs.message != fourbar::ExecuteMessage::None) {
        std::fprintf(stderr, "%s\n",
                     std::string(fourbar::executeMessageText(outputs.message)).c_str());
        return 1;
    }
    switch (request.view) {
        case View::Panel:
            printPanel(outputs);
            return 0;
        case View::Table:
            printTable(shared.analysis->tables);
            return 0;
        case View::Listing:
            return printListing(shared, request.listing);
        case View::Frames:
            return printFrames(*shared.analysis, request.frames);
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
