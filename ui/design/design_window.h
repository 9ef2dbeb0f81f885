// The design window "机构设计": a crank-rocker from its travel speed ratio coefficient K, its
// rocker's swing and length, every solution listed and the selected one's construction drawn.
#pragma once

#include <QStringList>
#include <vector>

#include "core/crank_rocker_design.h"
#include "ui/toolkit/child_window.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace fourbar::ui {

class DrawingArea;

class DesignWindow : public ChildWindow {
    Q_OBJECT

  public:
    // The window reads and writes no shared state: "应用" hands its lengths over by a signal.
    explicit DesignWindow(QWidget* parent = nullptr);

    // "计算", or Enter in a box: reads the boxes, designs, lists the solutions with the first
    // selected; a refusal shows its message and leaves the list and the drawing empty.
    void onDesignClicked();
    // "应用": the selected solution's lengths go to the main window, and the window is left.
    void onApplyClicked();

    // The solutions listed, largest minimum transmission angle first.
    const std::vector<DesignSolution>& solutions() const { return solutions_; }
    DrawingArea* constructionView() const { return view_; }

  signals:
    // L1..L4 of the selected solution as the main window's Text1..Text4 are to show them.
    void applyRequested(const QStringList& lengthTexts);

  private:
    void createWidgets(QWidget* client);
    // The radio buttons: only the box of the way chosen takes input.
    void onWayChanged();
    // The list's selection: the construction of the selected solution, or nothing.
    void drawSelected();
    // Lists `solutions`, the first selected; an empty list empties the drawing.
    void showSolutions(std::vector<DesignSolution> solutions);

    std::vector<DesignSolution> solutions_;
    QLineEdit* ratioBox_ = nullptr;   // K
    QLineEdit* swingBox_ = nullptr;   // degrees
    QLineEdit* rockerBox_ = nullptr;  // L3, mm
    QLineEdit* frameBox_ = nullptr;   // L4, mm
    QLineEdit* crankBox_ = nullptr;   // L1, mm
    QRadioButton* byFrame_ = nullptr;
    QRadioButton* byCrank_ = nullptr;
    QRadioButton* bestTransmission_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QTableWidget* table_ = nullptr;  // solutionList
    DrawingArea* view_ = nullptr;    // constructionView
};

}  // namespace fourbar::ui
