// The data listing: the lines of the display command and of the four quarter-turn commands.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared_state.h"

namespace fourbar {

// A text printed at a character column of the listing; columns 0 and 1 both start at the left
// edge.
struct ListingField {
    int column = 0;
    std::string text;
    bool operator==(const ListingField&) const = default;
};
using ListingLine = std::vector<ListingField>;

// The listing is printed in 宋体: the title at 9 pt, the heading and the rows at 8 pt.
inline constexpr double kListingTitlePoints = 9;
inline constexpr double kListingPoints = 8;

// "四杆机构运动分析" at column 30.
ListingLine listingTitle();
// The seven column headings, "L1杆转角" ... "L3杆角加速".
ListingLine listingHeading();

// The display command "       显  示       " and the quarter-turn buttons "0--90   度",
// "--180   度", "--270   度" and "--360   度".
enum class ListingCommand { Display, FirstQuarter, SecondQuarter, ThirdQuarter, FourthQuarter };

// The start, end and interval boxes as read (readNumber), degrees; 0 is an empty box.
struct ListingBoxes {
    double start = 0;
    double end = 0;
    double interval = 0;
};

// What a command lists: the loop values first, first + step, ... while not past last, each listing
// the row nearest to it when the tables hold one; or the message it shows instead.
struct ListingPlan {
    double first = 0;  // degrees
    double last = 0;   // degrees
    double step = 0;   // degrees; negative lists downwards
    // The first field is the row's theta1 in degrees (a rocker-crank's swing) rather than the
    // loop value.
    bool crankFromTheta1 = false;
    // Not empty: the command lists no row and shows this message (core/messages.h).
    std::string_view refusal = {};
    bool operator==(const ListingPlan&) const = default;
};

// The listing as the state stands when a command is given: the last analysis, whatever the inputs
// have become since. Before any analysis every command lists nothing (title and heading only) and
// shows no message.
class Listing {
  public:
    explicit Listing(const SharedState& state);

    // The defaults (interval 10 for the display command, 5 for the quarter turns; end 359 for a
    // full turn, as row 360 repeats row 0), the clamps to the analysed rows, and the quarter-turn
    // conditions of the double rocker. The quarter turns read the interval box only.
    ListingPlan plan(ListingCommand command, ListingBoxes boxes) const;

    // Gives the plan's rows in order to `take`, each as its seven fields, and stops early when
    // `take` returns false (the window stops at its bottom edge). The loop stops too once past
    // the held rows or once the step no longer changes the loop value, and jumps over long runs of
    // loop values short of the held rows, so that a tiny interval far from them costs no time.
    void listRows(const ListingPlan& plan,
                  const std::function<bool(const ListingLine&)>& take) const;

  private:
    const ResultTables& tables() const;

    std::shared_ptr<const Analysis> analysis_;
};

// A row's seven values as the listing shows them: the crank angle in degrees (the loop value, or
// theta1 for a rocker-crank's swing), the coupler and output-link angles in degrees, the angular
// velocities in 1/s and the angular accelerations in 1/s²; NaN where the row has no value.
std::array<double, 7> rowValues(const ResultTables& tables, int row, double loopValue,
                                bool crankFromTheta1);

// Every row of the analysis in index order as CSV: UTF-8 with a byte-order mark, the seven listing
// headings with their units, then each row's values (rowValues, with the row index as loop value)
// in the shortest form that reads back to the value as held: the output link's angular
// acceleration, held in single precision, to the same float ("106.76621"), every other column to
// the same double; an empty field where a row has no value. Lines end with '\n'.
std::string analysisCsv(const Analysis& analysis);

// True for the characters that take two columns of a cell with half-width Latin characters:
// Chinese, Japanese and Korean characters and the full-width forms.
bool isWideCharacter(char32_t c);
// Columns UTF-8 `text` takes in the listing's 宋体 cell: two per wide character, one per other.
int displayColumns(std::string_view text);

// A field where the listing area shows it. A field whose column lies left of the end of the field
// before it starts a new text line, as the listing area prints it.
struct PlacedField {
    std::size_t line = 0;  // text line of its listing line, from 0
    int column = 0;        // cells from the left edge, from 0 (a listing column n > 0 is n - 1)
    std::string text;
    bool operator==(const PlacedField&) const = default;
};

// A listing line laid out by display width, once for the window and the report: its fields in
// place, and the text lines it shows, each field padded with blanks to its column.
struct LaidOutLine {
    std::vector<PlacedField> fields;
    std::vector<std::string> text;
    bool operator==(const LaidOutLine&) const = default;
};
LaidOutLine layOutLine(const ListingLine& line);

// The text lines a listing line shows (layOutLine(line).text).
std::vector<std::string> paddedLines(const ListingLine& line);

}  // namespace fourbar
