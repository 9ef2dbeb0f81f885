// fourbar-screenshots: PNG pictures of the windows for the crank-rocker preset, and of the design
// window for a request with two solutions, taken by driving the real program through its buttons
// and menu items.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <cstdint>
#include <cstdio>

#include "ui/animation/animation_window.h"
#include "ui/application.h"
#include "ui/main/main_window.h"

namespace {

using fourbar::ui::Application;

// Demonstration steps before the running frame is taken: each tick of the window's timer erases
// the figure, advances frameIndex by the scroll bar's step (3 degrees) and draws it again.
constexpr std::uint64_t kDemonstrationSteps = 20;
constexpr int kStoppedFrame = 60;  // degrees: 20 steps of 3 from 0
constexpr qint64 kStepsTimeoutMs = 60'000;
// The coupler point of the coupler-path picture: BP 100 mm at 30 degrees from BC.
constexpr fourbar::CouplerPoint kCouplerPoint{100, 30};

int failures = 0;

void fail(const QString& what) {
    std::fprintf(stderr, "fourbar-screenshots: %s\n", qUtf8Printable(what));
    ++failures;
}

QWidget* topLevel(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name)) {
            return widget;
        }
    }
    fail(QStringLiteral("no window %1").arg(QLatin1String(name)));
    return nullptr;
}

// `settle`: let queued events (paints, timer ticks) run after the click.
void click(QWidget* window, const char* button, bool settle = true) {
    if (window == nullptr) {
        return;
    }
    auto* widget = window->findChild<QAbstractButton*>(QLatin1String(button));
    if (widget == nullptr) {
        fail(QStringLiteral("no button %1 in %2").arg(QLatin1String(button), window->objectName()));
        return;
    }
    widget->click();
    if (settle) {
        QCoreApplication::processEvents();
    }
}

void trigger(QWidget* window, const char* action) {
    auto* item = window->findChild<QAction*>(QLatin1String(action));
    if (item == nullptr) {
        fail(QStringLiteral("no menu item %1").arg(QLatin1String(action)));
        return;
    }
    item->trigger();
    QCoreApplication::processEvents();
}

void type(QWidget* window, const char* box, const char* text) {
    if (window == nullptr) {
        return;
    }
    auto* widget = window->findChild<QLineEdit*>(QLatin1String(box));
    if (widget == nullptr) {
        fail(QStringLiteral("no box %1 in %2").arg(QLatin1String(box), window->objectName()));
        return;
    }
    widget->setText(QString::fromUtf8(text));
}

void save(QWidget* window, const QDir& dir, const char* file) {
    if (window == nullptr) {
        return;
    }
    QCoreApplication::processEvents();
    if (!window->isVisible()) {
        fail(QStringLiteral("%1 is not shown").arg(window->objectName()));
    }
    const QString path = dir.filePath(QLatin1String(file));
    if (!window->grab().save(path, "PNG")) {
        fail(QStringLiteral("cannot write %1").arg(path));
        return;
    }
    std::printf("%s\n", qUtf8Printable(path));
}

// "演示", then the window's own timer until the demonstration has taken kDemonstrationSteps steps,
// then "停止". The timer ticks at most once per pass of the event loop, so the count is met
// exactly and the picture is the same every run.
void demonstrateAndStop(QWidget* form2, const fourbar::ui::AnimationWindow& animation) {
    click(form2, "Command1", false);
    const fourbar::Demonstration& demonstration = animation.demonstration();
    QElapsedTimer clock;
    clock.start();
    while (demonstration.running() && demonstration.stepsTaken() < kDemonstrationSteps &&
           clock.elapsed() < kStepsTimeoutMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    click(form2, "Command2");
    if (demonstration.stepsTaken() != kDemonstrationSteps ||
        demonstration.frameIndex() != kStoppedFrame) {
        fail(QStringLiteral("the demonstration stopped after %1 steps at %2 degrees")
                 .arg(demonstration.stepsTaken())
                 .arg(demonstration.frameIndex()));
    }
}

// A message box would stop the tour at a modal loop; record its text and close it instead.
void watchForMessageBoxes(QObject* parent) {
    auto* timer = new QTimer(parent);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            fail(QStringLiteral("message box: %1").arg(box->text()));
            box->accept();
        }
    });
    timer->start(50);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fourbar-screenshots DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "fourbar-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }

    Application app;
    watchForMessageBoxes(&app);
    QCoreApplication::processEvents();

    // Input to results: preset, "确 定", "执行".
    QWidget* form1 = topLevel("Form1");
    if (form1 == nullptr) {
        return 1;
    }
    trigger(form1, "crankrocker");
    trigger(form1, "affirm");
    trigger(form1, "opration");
    // Every picture shows the analysis the execute installed.
    const auto& analysis = app.state().analysis;
    if (analysis == nullptr || analysis->mechanism != fourbar::Mechanism::CrankRockerB) {
        fail(QStringLiteral("the execute did not analyse the crank-rocker"));
    }
    save(form1, dir, "form1-main.png");

    // "运动线图": the three curves overlaid, then "退出".
    click(form1, "Command3");
    QWidget* form3 = topLevel("Form3");
    click(form3, "Command1");
    click(form3, "Command2");
    click(form3, "Command3");
    save(form3, dir, "form3-diagrams.png");
    click(form3, "Command4");

    // "数据显示": "       显  示       " with empty boxes lists every tenth degree.
    click(form1, "Command4");
    QWidget* form4 = topLevel("Form4");
    click(form4, "Command1");
    save(form4, dir, "form4-table.png");
    click(form4, "Command2");

    // "动态  演示": "范围", then a demonstration stopped after a few steps, then the same with a
    // coupler point, whose path the picture adds.
    click(form1, "Command6");
    QWidget* form2 = topLevel("Form2");
    click(form2, "Command4");
    save(form2, dir, "form2-range.png");
    if (const fourbar::ui::AnimationWindow* animation = app.animationWindow()) {
        demonstrateAndStop(form2, *animation);
        save(form2, dir, "form2-demonstration.png");
        app.state().couplerPoint = kCouplerPoint;
        demonstrateAndStop(form2, *animation);
        save(form2, dir, "form2-coupler-path.png");
    }
    click(form2, "Command5");

    // "机构设计": by frame, the K and swing of 60/120/90/120, which a second linkage shares.
    trigger(form1, "designByRatio");
    QWidget* form5 = topLevel("Form5");
    type(form5, "ratioBox", "1.25257827");
    type(form5, "swingBox", "88.3245884");
    type(form5, "rockerBox", "90");
    click(form5, "byFrame");
    type(form5, "frameBox", "120");
    click(form5, "designButton");
    save(form5, dir, "form5-design.png");
    click(form5, "exitButton");

    if (form1->isHidden()) {
        fail(QStringLiteral("the main window did not come back"));
    }
    return failures == 0 ? 0 : 1;
}
