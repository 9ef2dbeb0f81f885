// The animation window: layout, Demonstrate with its two alternating timers, Stop, Continue,
// Exit and Range.
#include "ui/animation/animation_window.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>

#include "core/lenient_number.h"
#include "core/messages.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/timer.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widget_table.h"

namespace fourbar::ui {

namespace {

constexpr int kClientWidth = 7260;   // twips
constexpr int kClientHeight = 5280;  // twips
constexpr double kDefaultCoefficient = 5;
constexpr int kStepMinimum = 1;  // position indices per erase step, the scroll bar's range
constexpr int kStepMaximum = 10;
constexpr int kStepInitial = 3;
constexpr int kTickMs = 1;          // each step asks for the other one this soon
constexpr int kContinueTickMs = 3;  // the first erase step after Continue

constexpr FontSpec kButtonFont{DesignFont::MsSansSerif, 9.75};

using W = AnimationWindow;

// Every widget of the window; the label takes no place in the tab order.
// clang-format off
constexpr WidgetSpec<AnimationWindow> kWidgets[] = {
    {WidgetKind::Picture, "Picture1", "", {240, 60, 6255, 4635}, kDefaultFontSpec, 1, nullptr},
    {WidgetKind::Label, "Label1", "比例系数", {6480, 180, 735, 255}, kDefaultFontSpec, 0, nullptr},
    {WidgetKind::Input, "Text1", "", {6540, 420, 615, 285}, kDefaultFontSpec, 4, &W::onCoefficientFocusReset},
    {WidgetKind::Button, "Command1", "演示", {6600, 1440, 495, 495}, kDefaultFontSpec, 6, &W::onDemonstrateClicked},
    {WidgetKind::Button, "Command2", "停止", {6600, 2160, 495, 495}, kDefaultFontSpec, 7, &W::onStopClicked},
    {WidgetKind::Button, "Command3", "继续", {6600, 2880, 495, 495}, kDefaultFontSpec, 8, &W::onContinueClicked},
    {WidgetKind::Button, "Command4", "范围", {6600, 3720, 495, 495}, kDefaultFontSpec, 9, &W::onRangeClicked},
    {WidgetKind::Button, "Command5", "退出", {6480, 4440, 615, 375}, kButtonFont, 2, &W::exitWindow},
    // Only shows the frame step; nothing reads it back.
    {WidgetKind::Output, "Text2", "", {720, 4800, 375, 375}, kDefaultFontSpec, 5, nullptr},
    {WidgetKind::ScrollBar, "HScroll1", "", {1440, 4800, 4695, 375}, kDefaultFontSpec, 3, &W::onStepChanged},
};
// clang-format on

// Names and sizes the window and builds its widgets on the client area it returns.
QWidget* buildWindow(AnimationWindow* window) {
    QWidget* client =
        setupWindow(window, "Form2", QStringLiteral("动态演示"), kClientWidth, kClientHeight);
    buildWidgets<AnimationWindow>(window, client, kWidgets);
    return client;
}

// mm of linkage per twip of the client area.
float drawScaleOf(double coefficient) {
    return static_cast<float>(coefficient * 1.4 / 56.693);
}

void restartTimer(Timer* timer, int milliseconds) {
    timer->setEnabled(true);
    timer->setInterval(milliseconds);
}

}  // namespace

AnimationWindow::AnimationWindow(SharedState& state, QWidget* parent)
    : ChildWindow(parent),
      state_(state),
      client_(buildWindow(this)),
      picture_(widget<DrawingArea>(client_, "Picture1")),
      figure_(*picture_) {
    coefficientBox_ = widget<InputBox>(this, "Text1");
    stepBox_ = widget<QLineEdit>(this, "Text2");
    stepBar_ = widget<QScrollBar>(this, "HScroll1");
    {
        // Text2 stays empty until the first Demonstrate or scroll-bar change.
        const QSignalBlocker quiet(stepBar_);
        stepBar_->setRange(kStepMinimum, kStepMaximum);
        stepBar_->setValue(kStepInitial);
    }
    picture_->enableSavePicture(true, QStringLiteral("机构运动.png"));
    eraseTimer_ = new Timer(this);
    eraseTimer_->setObjectName("Timer1");
    drawTimer_ = new Timer(this);
    drawTimer_->setObjectName("Timer2");
    connect(eraseTimer_, &Timer::tick, this, &AnimationWindow::eraseStep);
    connect(drawTimer_, &Timer::tick, this, &AnimationWindow::drawStep);
}

int AnimationWindow::drawWidth() const {
    return picture_->drawWidth();
}

// ---- Commands -------------------------------------------------------------------------------

void AnimationWindow::onDemonstrateClicked() {
    std::shared_ptr<const Analysis> analysis = coveredAnalysis();
    if (!analysis) {
        return;
    }
    picture_->clear();
    scaleCoefficient_ = readCoefficient();
    onStepChanged();  // the frame step as the scroll bar stands, shown in Text2

    built_ = std::move(analysis);
    sweep_ = animationSweep(*built_);
    positions_ = demonstrationTables(*built_);
    position_.frameIndex = positions_.range().first;
    hasPosition_ = true;
    setDrawingScale();
    drawFigure();
    showScreen();
}

void AnimationWindow::onStopClicked() {
    drawTimer_->setEnabled(false);
    eraseTimer_->setEnabled(false);
    if (positionCurrent()) {
        redrawOnStop();
    }
    showScreen();
}

void AnimationWindow::onContinueClicked() {
    // Without a current position of the linkage as it now is, the first tick could only stop.
    // While the cycle runs, restarting the erase timer right after an erase step would let it erase
    // again before the draw step that is due.
    if (!positionCurrent() || eraseTimer_->isTicking() || drawTimer_->isTicking()) {
        return;
    }
    restartTimer(eraseTimer_, kContinueTickMs);
}

void AnimationWindow::onRangeClicked() {
    std::shared_ptr<const Analysis> analysis = coveredAnalysis();
    if (!analysis) {
        return;
    }
    // The sampled tables leave the linkage without a current position, so nothing may step on.
    stopTimers();
    hasPosition_ = false;

    scaleCoefficient_ = readCoefficient();
    picture_->clear();
    setDrawingScale();

    built_ = std::move(analysis);
    const RangeSamples range = rangeSamples(*built_);
    positions_.rebuild(range.tables);
    const double L4 = built_->linkage.L4;
    for (const Frame& sample : range.samples) {
        position_.frameIndex = sample.frameIndex;
        positions_.store(sample.frameIndex, sample.joints);
        // Every shape at the width the last drawing left: 1 before any demonstration.
        figure_.axes(drawScale_, clientWidthTwips(), clientHeightTwips());
        figure_.pivotCircles(L4, kDrawingColour);
        figure_.groundSymbol(0);
        figure_.groundSymbol(L4);
        figure_.movingParts(sample.joints, L4, kDrawingColour);
        emit stepTaken(Step::Figure, sample.frameIndex);
    }
    position_.frameIndex = range.frameIndexAfter;
    showScreen();
}

void AnimationWindow::beforeExit() {
    stopTimers();
}

void AnimationWindow::onStepChanged() {
    position_.frameStep = stepBar_->value();
    stepBox_->setText(QString::number(position_.frameStep));
}

void AnimationWindow::onCoefficientFocusReset() {
    scaleCoefficient_ = 0;
}

// ---- Timer cycle ----------------------------------------------------------------------------

void AnimationWindow::eraseStep() {
    if (!stopUnlessCurrent()) {
        return;
    }
    // Held before the figure goes, so that the screen, and copy and save, keep the whole figure
    // until the draw step shows the next one.
    holdScreen();
    const double L4 = built_->linkage.L4;
    picture_->setDrawWidth(2);
    // A turning crank's figure has no axes, and its pivot circles go with it.
    if (sweep_ == Sweep::FullTurn) {
        figure_.pivotCircles(L4, kEraseColour);
    }
    figure_.movingParts(positions_.at(position_.frameIndex), L4, kEraseColour);
    emit stepTaken(Step::Erase, position_.frameIndex);
    const ResultTables& t = built_->tables;
    position_ = nextFrame(sweep_, position_, t.startAngle, t.endAngle);
    restartTimer(drawTimer_, kTickMs);
}

void AnimationWindow::drawStep() {
    if (stopUnlessCurrent()) {
        drawFigure();
        showScreen();
    }
}

// ---- Checks ---------------------------------------------------------------------------------

std::shared_ptr<const Analysis> AnimationWindow::coveredAnalysis() {
    if (state_.analysis && coversAnimation(*state_.analysis)) {
        return state_.analysis;
    }
    showMessage(this, messages::analyseFirst);
    return nullptr;
}

bool AnimationWindow::positionCurrent() const {
    return hasPosition_ && built_ != nullptr && built_ == state_.analysis &&
           positions_.contains(position_.frameIndex);
}

bool AnimationWindow::stopUnlessCurrent() {
    if (positionCurrent()) {
        return true;
    }
    stopTimers();
    return false;
}

double AnimationWindow::readCoefficient() const {
    const QByteArray text = coefficientBox_->text().toUtf8();
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

int AnimationWindow::clientWidthTwips() const {
    return client_->width() * kTwipsPerPixel;
}

int AnimationWindow::clientHeightTwips() const {
    return client_->height() * kTwipsPerPixel;
}

void AnimationWindow::setDrawingScale() {
    drawScale_ = drawScaleOf(scaleCoefficient_);
    figure_.setScale(drawScale_, clientWidthTwips(), clientHeightTwips());
}

void AnimationWindow::drawFigure() {
    const double L4 = built_->linkage.L4;
    picture_->setDrawWidth(1);
    // The limited kinds swing about the axes; a turning crank's figure is drawn without them.
    if (sweep_ != Sweep::FullTurn) {
        figure_.axes(drawScale_, clientWidthTwips(), clientHeightTwips());
    }
    figure_.groundSymbol(0);
    figure_.groundSymbol(L4);
    picture_->setDrawWidth(2);
    figure_.pivotCircles(L4, kDrawingColour);
    figure_.movingParts(positions_.at(position_.frameIndex), L4, kDrawingColour);
    emit stepTaken(Step::Draw, position_.frameIndex);
    restartTimer(eraseTimer_, kTickMs);
}

void AnimationWindow::redrawOnStop() {
    picture_->setDrawWidth(2);
    figure_.movingParts(positions_.at(position_.frameIndex), built_->linkage.L4, kDrawingColour);
    emit stepTaken(Step::Redraw, position_.frameIndex);
}

// ---- Timers and screen ----------------------------------------------------------------------

void AnimationWindow::stopTimers() {
    drawTimer_->setEnabled(false);
    eraseTimer_->setEnabled(false);
    showScreen();
}

void AnimationWindow::holdScreen() {
    picture_->holdScreen(true);
}

void AnimationWindow::showScreen() {
    picture_->holdScreen(false);
}

}  // namespace fourbar::ui
