// The animation window: layout, Demonstrate with its two alternating timers, Stop, Continue,
// Exit and Range.
#include "ui/animation/animation_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

#include "core/analysis.h"
#include "core/lenient_number.h"
#include "core/messages.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/timer.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widgets.h"

namespace fourbar::ui {

namespace {

constexpr int kClientWidth = 7260;   // twips
constexpr int kClientHeight = 5280;  // twips
constexpr double kDefaultCoefficient = 5;
constexpr int kCrankSampleStep = 5;    // degrees between the figures of a crank-driven range
constexpr int kCrankSampleLast = 350;  // degrees, the last figure of a crank-driven range
constexpr int kLimitedSampleStep = 2;  // indices between the figures of a limited-range kind

// mm of linkage per twip of the client area.
float drawScaleOf(double coefficient) {
    return static_cast<float>(coefficient * 1.4 / 56.693);
}

}  // namespace

AnimationWindow::AnimationWindow(SharedState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      picture_(makeDrawingArea(this, "Picture1", {240, 60, 6255, 4635})),
      figure_(*picture_) {
    setupWindow(this, "Form2", QStringLiteral("动态演示"), kClientWidth, kClientHeight);
    buildWidgets();
}

void AnimationWindow::buildWidgets() {
    const QFont font = defaultFont();
    makeLabel(this, "Label1", QStringLiteral("比例系数"), {6480, 180, 735, 255}, font);
    text1_ = makeInputBox(this, "Text1", {6540, 420, 615, 285}, font);
    auto* command1 =
        makeButton(this, "Command1", QStringLiteral("演示"), {6600, 1440, 495, 495}, font);
    auto* command2 =
        makeButton(this, "Command2", QStringLiteral("停止"), {6600, 2160, 495, 495}, font);
    auto* command3 =
        makeButton(this, "Command3", QStringLiteral("继续"), {6600, 2880, 495, 495}, font);
    auto* command4 =
        makeButton(this, "Command4", QStringLiteral("范围"), {6600, 3720, 495, 495}, font);
    auto* command5 = makeButton(this, "Command5", QStringLiteral("退出"), {6480, 4440, 615, 375},
                                designFont(DesignFont::MsSansSerif, 9.75));

    // Text2 only shows the frame step; it has no focus behaviour, so it is a plain text box.
    text2_ = new QLineEdit(this);
    text2_->setObjectName("Text2");
    text2_->setFont(font);
    text2_->setGeometry(twipsRect(720, 4800, 375, 375));

    hScroll1_ = makeHorizontalScrollBar(this, "HScroll1", {1440, 4800, 4695, 375}, 1, 10, 3);
    hScroll1_->setSingleStep(1);
    hScroll1_->setPageStep(1);

    timer1_ = new Timer(this);
    timer1_->setObjectName("Timer1");
    timer2_ = new Timer(this);
    timer2_->setObjectName("Timer2");

    setTabOrder(picture_, command5);
    setTabOrder(command5, hScroll1_);
    setTabOrder(hScroll1_, text1_);
    setTabOrder(text1_, text2_);
    setTabOrder(text2_, command1);
    setTabOrder(command1, command2);
    setTabOrder(command2, command3);
    setTabOrder(command3, command4);

    connect(command1, &QPushButton::clicked, this, &AnimationWindow::onCommand1Clicked);
    connect(command2, &QPushButton::clicked, this, &AnimationWindow::onCommand2Clicked);
    connect(command3, &QPushButton::clicked, this, &AnimationWindow::onCommand3Clicked);
    connect(command4, &QPushButton::clicked, this, &AnimationWindow::onCommand4Clicked);
    connect(command5, &QPushButton::clicked, this, &AnimationWindow::onCommand5Clicked);
    connect(hScroll1_, &QScrollBar::valueChanged, this, &AnimationWindow::onHScroll1Changed);
    connect(text1_, &InputBox::focusReset, this, &AnimationWindow::onText1FocusReset);
    connect(timer1_, &Timer::tick, this, &AnimationWindow::onTimer1Tick);
    connect(timer2_, &Timer::tick, this, &AnimationWindow::onTimer2Tick);
}

int AnimationWindow::drawWidth() const {
    return picture_->drawWidth();
}

// ---- Commands -------------------------------------------------------------------------------

void AnimationWindow::onCommand1Clicked() {
    const MechanismKind kind = currentKind();
    if (!tablesCoverKind(kind)) {
        return;
    }
    picture_->clear();
    scaleCoefficient_ = readCoefficient();
    frameStep_ = hScroll1_->value();
    text2_->setText(QString::number(frameStep_));

    built_ = state_.analysis;
    const ResultTables& t = built_->tables;
    const IndexRange range = kindRange(kind, t);
    frameIndex_ = range.first;
    positions_.rebuild(range);
    hasPosition_ = true;
    setDrawingScale();
    for (int i = range.first; i <= range.last; ++i) {
        // The double rocker's crank angle is recomputed; it equals the stored theta1 of row i.
        const double theta1 = kind == MechanismKind::RockerCrank ? t.theta1(i) : i * kDegree;
        storePosition(i, theta1, t.theta3(i));
    }
    runProcedure(kind, true);
    showScreen();
}

void AnimationWindow::onCommand2Clicked() {
    timer2_->setEnabled(false);
    timer1_->setEnabled(false);
    if (positionCurrent()) {
        redrawOnStop();
    }
    showScreen();
}

void AnimationWindow::onCommand3Clicked() {
    // Without a current position of the linkage as it now is, the first tick could only stop.
    // While the cycle runs, restarting Timer1 right after an erase step would let it erase again
    // before the draw step that is due.
    if (!positionCurrent() || timer1_->isTicking() || timer2_->isTicking()) {
        return;
    }
    restartTimer(timer1_, 3);
}

void AnimationWindow::onCommand4Clicked() {
    const MechanismKind kind = currentKind();
    if (!tablesCoverKind(kind)) {
        return;
    }
    // The sampled tables leave the linkage without a current position, so nothing may step on.
    stopTimers();
    hasPosition_ = false;

    scaleCoefficient_ = readCoefficient();
    picture_->clear();
    setDrawingScale();

    built_ = state_.analysis;
    const ResultTables& t = built_->tables;
    const IndexRange range = kindRange(kind, t);
    positions_.rebuild(range);
    const bool crankDriven = kind == MechanismKind::FullTurn;
    const int last = crankDriven ? kCrankSampleLast : range.last;
    const int step = crankDriven ? kCrankSampleStep : kLimitedSampleStep;
    const double L4 = built_->linkage.L4;
    const int w = width() * kTwipsPerPixel;
    const int h = height() * kTwipsPerPixel;
    // frameIndex is the loop counter and is left at the first sample past the end.
    for (frameIndex_ = range.first; frameIndex_ <= last; frameIndex_ += step) {
        const int i = frameIndex_;
        const double theta1 = crankDriven ? static_cast<float>(i * kDegree) : t.theta1(i);
        storePosition(i, theta1, t.theta3(i));
        // Every shape at the width the last drawing left: 1 before any demonstration.
        figure_.axes(drawScale_, w, h);
        figure_.pivotCircles(L4, kDrawingColour);
        figure_.groundSymbol(0);
        figure_.groundSymbol(L4);
        figure_.movingParts(positions_.at(i), L4, kDrawingColour);
        emit stepTaken(Step::Figure, i);
    }
    showScreen();
}

void AnimationWindow::onCommand5Clicked() {
    timer1_->setEnabled(false);
    timer2_->setEnabled(false);
    showScreen();
    hide();
    emit exitRequested();
}

void AnimationWindow::closeEvent(QCloseEvent* event) {
    // The window lives on and is only hidden, as "退出" does.
    event->ignore();
    onCommand5Clicked();
}

void AnimationWindow::onHScroll1Changed(int value) {
    frameStep_ = value;
    text2_->setText(QString::number(value));
}

void AnimationWindow::onText1FocusReset() {
    scaleCoefficient_ = 0;
}

// ---- Timer cycle ----------------------------------------------------------------------------

void AnimationWindow::onTimer1Tick() {
    if (stopUnlessCurrent()) {
        runProcedure(currentKind(), false);
        holdScreen();
    }
}

void AnimationWindow::onTimer2Tick() {
    if (stopUnlessCurrent()) {
        runProcedure(currentKind(), true);
        showScreen();
    }
}

void AnimationWindow::runProcedure(MechanismKind kind, bool draw) {
    switch (kind) {
        case MechanismKind::FullTurn:
            draw ? dongtai1() : dongtai2();
            break;
        case MechanismKind::DoubleRocker:
            draw ? demonstrate1() : demonstrate2();
            break;
        case MechanismKind::RockerCrank:
            draw ? rocrankdemo1() : rocrankdemo2();
            break;
    }
}

// ---- Checks ---------------------------------------------------------------------------------

MechanismKind AnimationWindow::currentKind() const {
    return state_.analysis ? kindFromName(state_.analysis->linkage.mechanismName)
                           : MechanismKind::FullTurn;
}

bool AnimationWindow::tablesCoverKind(MechanismKind kind) {
    if (state_.analysis) {
        const ResultTables& tables = state_.analysis->tables;
        const IndexRange range = kindRange(kind, tables);
        if (!range.empty() && tables.covers(range)) {
            return true;
        }
    }
    showMessage(this, messages::analyseFirst);
    return false;
}

bool AnimationWindow::positionCurrent() const {
    return hasPosition_ && built_ != nullptr && built_ == state_.analysis &&
           positions_.contains(frameIndex_);
}

bool AnimationWindow::stopUnlessCurrent() {
    if (positionCurrent()) {
        return true;
    }
    stopTimers();
    return false;
}

double AnimationWindow::readCoefficient() const {
    const QByteArray text = text1_->text().toUtf8();
    const double value = readNumber(std::string_view(text.constData(), text.size()));
    // A coefficient so small or so large that the picture's bounds vanish or overflow in single
    // precision gives no usable scale either.
    const float scale = drawScaleOf(value);
    const auto span = static_cast<float>(static_cast<double>(scale) * kClientWidth);
    if (value == 0 || scale == 0 || !std::isfinite(span)) {
        return kDefaultCoefficient;
    }
    return value;
}

// ---- Figure ---------------------------------------------------------------------------------

void AnimationWindow::setDrawingScale() {
    drawScale_ = drawScaleOf(scaleCoefficient_);
    figure_.setScale(drawScale_, width() * kTwipsPerPixel, height() * kTwipsPerPixel);
}

void AnimationWindow::storePosition(int i, double theta1, double theta3) {
    const LinkageState& s = built_->linkage;
    positions_.storePosition(i, theta1, theta3, s.L1, s.L3, s.L4);
}

void AnimationWindow::drawFigure(bool withAxes) {
    const double L4 = built_->linkage.L4;
    picture_->setDrawWidth(1);
    if (withAxes) {
        figure_.axes(drawScale_, width() * kTwipsPerPixel, height() * kTwipsPerPixel);
    }
    figure_.groundSymbol(0);
    figure_.groundSymbol(L4);
    picture_->setDrawWidth(2);
    figure_.pivotCircles(L4, kDrawingColour);
    figure_.movingParts(positions_.at(frameIndex_), L4, kDrawingColour);
    emit stepTaken(Step::Draw, frameIndex_);
    restartTimer(timer1_, 1);
}

void AnimationWindow::dongtai1() {
    drawFigure(false);
}
void AnimationWindow::demonstrate1() {
    drawFigure(true);
}
void AnimationWindow::rocrankdemo1() {
    drawFigure(true);
}

void AnimationWindow::eraseFigure(bool withPivots) {
    const double L4 = built_->linkage.L4;
    picture_->setDrawWidth(2);
    if (withPivots) {
        figure_.pivotCircles(L4, kEraseColour);
    }
    figure_.movingParts(positions_.at(frameIndex_), L4, kEraseColour);
    emit stepTaken(Step::Erase, frameIndex_);
}

void AnimationWindow::dongtai2() {
    eraseFigure(true);
    frameIndex_ += frameStep_;
    if (frameIndex_ >= 360) {
        frameIndex_ = 0;
    }
    restartTimer(timer2_, 1);
}

void AnimationWindow::demonstrate2() {
    eraseFigure(false);
    const ResultTables& t = built_->tables;
    frameIndex_ += frameStep_;
    // The upper test includes equality and the lower one does not, so the lower end shows twice.
    if (frameIndex_ >= t.endAngle) {
        frameIndex_ = static_cast<int>(t.endAngle);
        frameStep_ = -frameStep_;
    }
    if (frameIndex_ < t.startAngle) {
        frameIndex_ = static_cast<int>(t.startAngle);
        frameStep_ = -frameStep_;
    }
    restartTimer(timer2_, 1);
}

void AnimationWindow::rocrankdemo2() {
    eraseFigure(false);
    const ResultTables& t = built_->tables;
    frameIndex_ += frameStep_;
    // The tables hold the forward swing and then the return swing: start the cycle again.
    if (frameIndex_ > 2 * t.endAngle - t.startAngle) {
        frameIndex_ = static_cast<int>(t.startAngle);
    }
    restartTimer(timer2_, 1);
}

void AnimationWindow::redrawOnStop() {
    picture_->setDrawWidth(2);
    figure_.movingParts(positions_.at(frameIndex_), built_->linkage.L4, kDrawingColour);
    emit stepTaken(Step::Redraw, frameIndex_);
}

// ---- Timers and screen ----------------------------------------------------------------------

void AnimationWindow::restartTimer(Timer* timer, int milliseconds) {
    timer->setEnabled(true);
    timer->setInterval(milliseconds);
}

void AnimationWindow::stopTimers() {
    timer2_->setEnabled(false);
    timer1_->setEnabled(false);
    showScreen();
}

void AnimationWindow::holdScreen() {
    picture_->setUpdatesEnabled(false);
}

void AnimationWindow::showScreen() {
    picture_->setUpdatesEnabled(true);
    picture_->update();
}

}  // namespace fourbar::ui
