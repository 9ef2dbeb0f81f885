// The animation window: layout, and the demonstration's commands and steps replayed on the
// picture from one timer.
#include "ui/animation/animation_window.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include "core/coupler_path.h"
#include "core/lenient_number.h"
#include "core/messages.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/save_file.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widget_table.h"

namespace fourbar::ui {

namespace {

constexpr int kClientWidth = 7260;   // twips
constexpr int kClientHeight = 5280;  // twips
constexpr int kStepMinimum = 1;      // position indices per step, the scroll bar's range
constexpr int kStepMaximum = 10;
constexpr int kStepInitial = 3;
// One step, an erase and the following draw, every 32 ms: about 31 steps a second, the pace of
// the program's erase and draw ticks, one 16 ms round of the platform's timer each.
constexpr int kStepIntervalMs = 32;

constexpr FontSpec kButtonFont{DesignFont::MsSansSerif, 9.75};

QColor colourOf(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

}  // namespace

QWidget* AnimationWindow::buildWindow(AnimationWindow* window) {
    using W = AnimationWindow;
    // Every widget of the window; the label takes no place in the tab order.
    // clang-format off
    static constexpr WidgetSpec<AnimationWindow> kWidgets[] = {
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
    QWidget* client =
        setupWindow(window, "Form2", QStringLiteral("动态演示"), kClientWidth, kClientHeight);
    buildWidgets<AnimationWindow>(window, client, kWidgets);
    return client;
}

AnimationWindow::AnimationWindow(SharedState& state, QWidget* parent)
    : ChildWindow(parent), state_(state), client_(buildWindow(this)) {
    picture_ = widget<DrawingArea>(client_, "Picture1");
    coefficientBox_ = widget<InputBox>(this, "Text1");
    stepBox_ = widget<QLineEdit>(this, "Text2");
    stepBar_ = widget<QScrollBar>(this, "HScroll1");
    {
        // Text2 stays empty until the first Demonstrate or scroll-bar change.
        const QSignalBlocker quiet(stepBar_);
        stepBar_->setRange(kStepMinimum, kStepMaximum);
        stepBar_->setValue(kStepInitial);
    }
    demonstration_.setFrameStep(kStepInitial);
    picture_->enableSavePicture(true, QStringLiteral("机构运动.png"));
    auto* exportCsv = new QAction(QStringLiteral("导出连杆点轨迹CSV..."), picture_);
    exportCsv->setObjectName(QStringLiteral("exportCouplerCsv"));
    picture_->addAction(exportCsv);
    connect(exportCsv, &QAction::triggered, this, &AnimationWindow::onExportCouplerCsvTriggered);

    timer_ = new QTimer(this);
    timer_->setInterval(kStepIntervalMs);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &AnimationWindow::onTimerTick);
}

// ---- Commands -------------------------------------------------------------------------------

void AnimationWindow::onDemonstrateClicked() {
    const std::optional<Drawing> drawing = demonstration_.demonstrate(
        state_.analysis, typedCoefficient(), stepBar_->value(), state_.couplerPoint, viewport());
    if (!drawing) {
        showMessage(this, messages::analyseFirst);
        return;
    }
    stepBox_->setText(QString::number(demonstration_.frameStep()));
    replay(*drawing);
    // Afresh, so that the first figure is shown a whole step.
    timer_->start();
}

void AnimationWindow::onStopClicked() {
    replay(demonstration_.stop(state_.analysis.get()));
    followDemonstration();
}

void AnimationWindow::onContinueClicked() {
    demonstration_.resume(state_.analysis.get());
    followDemonstration();
}

void AnimationWindow::onRangeClicked() {
    const std::optional<Drawing> drawing =
        demonstration_.range(state_.analysis, typedCoefficient(), state_.couplerPoint, viewport());
    if (!drawing) {
        showMessage(this, messages::analyseFirst);
        return;
    }
    replay(*drawing);
    followDemonstration();
}

void AnimationWindow::beforeExit() {
    demonstration_.leave();
    followDemonstration();
}

void AnimationWindow::onStepChanged() {
    demonstration_.setFrameStep(stepBar_->value());
    stepBox_->setText(QString::number(stepBar_->value()));
}

void AnimationWindow::onCoefficientFocusReset() {
    demonstration_.resetCoefficient();
}

void AnimationWindow::onTimerTick() {
    replay(demonstration_.step(state_.analysis.get(), viewport()));
    followDemonstration();
}

void AnimationWindow::onExportCouplerCsvTriggered() {
    if (!state_.analysis || state_.analysis->tables.empty()) {
        showMessage(this, messages::analyseFirst);
        return;
    }
    if (!state_.couplerPoint) {
        showMessage(this, messages::setCouplerPointFirst);
        return;
    }
    const QString fileName = askSaveFileName(
        this, QStringLiteral("导出连杆点轨迹CSV"), QStringLiteral("CSV 文件 (*.csv)"),
        QStringLiteral("csv"), QStringLiteral("连杆点轨迹.csv"));
    if (!fileName.isEmpty()) {
        const std::string csv = couplerPathCsv(*state_.analysis, *state_.couplerPoint);
        writeFileReporting(this, fileName, QByteArray::fromStdString(csv));
    }
}

// ---- Replay ---------------------------------------------------------------------------------

double AnimationWindow::typedCoefficient() const {
    const QByteArray text = coefficientBox_->text().toUtf8();
    return readNumber(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

Viewport AnimationWindow::viewport() const {
    return {.clientWidth = client_->width() * kTwipsPerPixel,
            .clientHeight = client_->height() * kTwipsPerPixel,
            .pictureWidth = picture_->width(),
            .pictureHeight = picture_->height()};
}

void AnimationWindow::replay(const Drawing& drawing) {
    if (drawing.reset) {
        const PictureScale& s = *drawing.reset;
        picture_->clear();
        picture_->setScale(s.left, s.top, s.right, s.bottom);
        picture_->setBackColor(colourOf(kBackgroundColour));
    }
    for (const Shape& shape : drawing.shapes) {
        if (const auto* segment = std::get_if<Segment>(&shape)) {
            picture_->setDrawWidth(segment->width);
            picture_->line(segment->x1, segment->y1, segment->x2, segment->y2,
                           colourOf(segment->colour));
        } else {
            const Circle& circle = std::get<Circle>(shape);
            picture_->setDrawWidth(circle.width);
            picture_->circle(circle.x, circle.y, circle.radius, colourOf(circle.colour));
        }
    }
}

void AnimationWindow::followDemonstration() {
    if (!demonstration_.running()) {
        timer_->stop();
    } else if (!timer_->isActive()) {
        timer_->start();
    }
}

}  // namespace fourbar::ui
