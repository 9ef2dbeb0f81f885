// The data table window: the computed values listed as text over a chosen range and interval.
#pragma once

#include <QByteArray>
#include <optional>

#include "core/listing.h"
#include "core/shared_state.h"
#include "ui/toolkit/child_window.h"

namespace fourbar::ui {

class InputBox;
class ListingView;

class TableWindow : public ChildWindow {
    Q_OBJECT

  public:
    explicit TableWindow(SharedState& state, QWidget* parent = nullptr);

    // "       显  示       ": lists the rows from the start to the end box at the interval box.
    void onDisplayClicked();
    // The quarter-turn buttons "0--90   度", "--180   度", "--270   度", "--360   度".
    template <ListingCommand Quarter>
    void onQuarterClicked() {
        list(Quarter);
    }
    // "清零": empties the three boxes; the listing stays.
    void onClearBoxesClicked();

    ListingView* listingArea() const { return listingArea_; }

  protected:
    // "退出" empties the listing.
    void beforeExit() override;

  private:
    // Prints the title and the heading, then the command's rows down to the area's bottom edge,
    // or shows the message the command gives instead.
    void list(ListingCommand command);
    // What "导出CSV..." of the listing's context menu writes: every row of the last analysis;
    // before any analysis a message and nothing.
    std::optional<QByteArray> analysisCsvBytes();

    SharedState& state_;
    ListingView* listingArea_ = nullptr;
    InputBox* intervalBox_ = nullptr;  // degrees
    InputBox* startBox_ = nullptr;     // degrees
    InputBox* endBox_ = nullptr;       // degrees
};

}  // namespace fourbar::ui
