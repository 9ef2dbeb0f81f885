// fourbar-report: the output panel after one execute, the result tables or the animation's frames
// as CSV, or the data listing, for scripts.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "core/animation.h"
#include "core/lenient_number.h"
#include "core/listing.h"
#include "core/messages.h"
#include "core/motion_parameters.h"
#include "core/result_tables.h"

namespace {

constexpr const char* kUsage =
    "usage: fourbar-report [--table | --frames=STEP:COUNT] L1 L2 L3 L4 n M\n"
    "       fourbar-report --listing[=START:END:INTERVAL] L1 L2 L3 L4 n M\n"
    "  L1..L4 link lengths in mm (crank, coupler, output link, frame), n crank speed in r/min,\n"
    "  M assembly type (+1 or -1); STEP the animation's scroll bar (1 to 10), COUNT the frames\n"
    "  to list (1 to 1000000); START, END and INTERVAL the data table's boxes in degrees\n";

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

// The boxes of "--listing" (all empty) or "--listing=START:END:INTERVAL", each part read as its
// box reads it, an empty part as an empty box; nullopt for any other argument.
std::optional<fourbar::ListingBoxes> listingBoxes(std::string_view arg) {
    if (arg == "--listing") {
        return fourbar::ListingBoxes{};
    }
    constexpr std::string_view prefix = "--listing=";
    if (!arg.starts_with(prefix)) {
        return std::nullopt;
    }
    arg.remove_prefix(prefix.size());
    const std::size_t colon1 = arg.find(':');
    const std::size_t colon2 = arg.find(':', colon1 + 1);
    if (colon1 == arg.npos || colon2 == arg.npos || arg.find(':', colon2 + 1) != arg.npos) {
        return std::nullopt;
    }
    return fourbar::ListingBoxes{
        .start = fourbar::readNumber(arg.substr(0, colon1)),
        .end = fourbar::readNumber(arg.substr(colon1 + 1, colon2 - colon1 - 1)),
        .interval = fourbar::readNumber(arg.substr(colon2 + 1)),
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

// "STEP:COUNT" of --frames=, or nullopt for anything else.
std::optional<FrameRequest> parseFrames(std::string_view text) {
    FrameRequest r;
    const char* end = text.data() + text.size();
    const auto step = std::from_chars(text.data(), end, r.step);
    if (step.ec != std::errc() || step.ptr == end || *step.ptr != ':') {
        return std::nullopt;
    }
    const auto count = std::from_chars(step.ptr + 1, end, r.count);
    if (count.ec != std::errc() || count.ptr != end || r.step < 1 || r.step > 10 || r.count < 1 ||
        r.count > kMaxFrames) {
        return std::nullopt;
    }
    return r;
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

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    bool table = false;
    std::optional<fourbar::ListingBoxes> listing;
    if (argc > 1 && std::string_view(argv[1]) == "--table") {
        table = true;
        first = 2;
    } else if (argc > 1 && (listing = listingBoxes(argv[1]))) {
        first = 2;
    }
    std::optional<FrameRequest> frames;
    if (argc > 1 && std::string_view(argv[1]).starts_with("--frames=")) {
        frames = parseFrames(std::string_view(argv[1]).substr(9));
        if (!frames) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        first = 2;
    }
    if (argc - first != 6) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    // A freshly started program with these six values confirmed.
    fourbar::SharedState shared;
    fourbar::LinkageState& state = shared.inputs;
    state.L1 = fourbar::readNumber(argv[first]);
    state.L2 = fourbar::readNumber(argv[first + 1]);
    state.L3 = fourbar::readNumber(argv[first + 2]);
    state.L4 = fourbar::readNumber(argv[first + 3]);
    state.n = fourbar::readNumber(argv[first + 4]);
    state.M = fourbar::readNumber(argv[first + 5]);

    const fourbar::ExecuteOutcome outcome = fourbar::executeAnalysis(shared);
    switch (outcome.message) {
        case fourbar::ExecuteMessage::ClosureFailed:
            std::fprintf(stderr, "%s\n", std::string(fourbar::messages::closureFailed).c_str());
            return 1;
        case fourbar::ExecuteMessage::RunFailed:
            std::fprintf(stderr, "%s\n", std::string(fourbar::messages::runFailed).c_str());
            return 1;
        case fourbar::ExecuteMessage::None:
            break;
    }

    if (listing) {
        return printListing(shared, *listing);
    }
    if (frames) {
        return printFrames(*shared.analysis, *frames);
    }
    if (table) {
        printTable(shared.analysis->tables);
        return 0;
    }
    for (std::size_t box = 0; box < outcome.boxes.size(); ++box) {
        std::printf("Text%zu\t%s\n", box + 8,
                    outcome.boxes[box] ? outcome.boxes[box]->c_str() : "");
    }
    return 0;
}
