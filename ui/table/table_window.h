// The data table window: the computed values listed as text over a chosen range and interval.
#pragma once

#include <QWidget>

#include "core/shared_state.h"

namespace fourbar::ui {

class DrawingArea;
class InputBox;

class TableWindow : public QWidget {
    Q_OBJECT

  public:
    explicit TableWindow(SharedState& state, QWidget* parent = nullptr);

    // "       显  示       ": lists the rows from the start to the end box at the interval box.
    void onCommand1Clicked();
    // "退出": empties the listing, hides the window and asks for the main window.
    void onCommand2Clicked();
    // The quarter-turn buttons "0--90   度", "--180   度", "--270   度", "--360   度".
    void onCommand3Clicked();
    void onCommand4Clicked();
    void onCommand5Clicked();
    void onCommand6Clicked();
    // "清零": empties the three boxes; the listing stays.
    void onCommand7Clicked();

    // The listing area `Picture1`.
    DrawingArea* listing() const { return picture1_; }

  signals:
    // "退出" or the title bar's close button: the window has hidden itself; show the main window.
    void exitRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    const ResultTables& tables() const;
    MechanismKind listingKind() const;
    void printTitleAndHeading();
    // Lists the loop values first, first + step, ... while not past last (a counted loop), each
    // reading the nearest row (halves to even) when the tables hold it. Stops at the listing
    // area's bottom edge. `crankFromTheta1`: the first field is theta1 in degrees.
    void listRows(double first, double last, double step, bool crankFromTheta1);
    void printRow(double loopValue, int row, bool crankFromTheta1);
    // The quarter-turn command for [lo, hi] degrees.
    void listQuarter(int lo, int hi);

    SharedState& state_;
    DrawingArea* picture1_ = nullptr;
    InputBox* text1_ = nullptr;  // interval, degrees
    InputBox* text2_ = nullptr;  // start, degrees
    InputBox* text3_ = nullptr;  // end, degrees
};

}  // namespace fourbar::ui
