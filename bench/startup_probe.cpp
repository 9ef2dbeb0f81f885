// fourbar-startup-probe: start-up time of the program to its main window's first paint, and its
// resident memory after the crank-rocker preset was executed with all four windows opened once.
//
// Timing: run without the environment variable below, the probe stamps CLOCK_MONOTONIC (and its
// CPU time so far) and execs itself at once; the new image reads the stamp. The measured interval
// therefore starts right before execve and contains all the program pays for: loading and
// relocating the Qt libraries, static initialisers, QApplication, the main window's widgets and
// fonts, the platform's expose and the first paint. The process start time of /proc/self/stat
// would serve less well: it counts in 10 ms clock ticks and from the fork, not the exec.
#include <unistd.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "ui/application.h"

namespace {

constexpr const char* kExecStampVariable = "FOURBAR_PROBE_EXEC_NS";
constexpr const char* kExecCpuVariable = "FOURBAR_PROBE_EXEC_CPU_NS";
constexpr int kFirstPaintTimeoutMs = 10000;

long long nowNs(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

double ms(long long ns) {
    return static_cast<double>(ns) / 1e6;
}

// A value of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 when missing.
long statusKb(const char* key) {
    std::FILE* file = std::fopen("/proc/self/status", "r");
    if (file == nullptr) {
        return -1;
    }
    const std::string prefix = std::string(key) + ':';
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (prefix.compare(0, prefix.size(), line, prefix.size()) == 0) {
            kb = std::strtol(line + prefix.size(), nullptr, 10);
            break;
        }
    }
    std::fclose(file);
    return kb;
}

// Ends the event loop once the watched window's first paint has been flushed: the call is queued
// behind the paint event, so it runs after the repaint of the whole window (children included).
class FirstPaintWatcher : public QObject {
  public:
    explicit FirstPaintWatcher(QObject* parent) : QObject(parent) {}
    long long paintedAt() const { return paintedAt_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    paintedAt_ = nowNs(CLOCK_MONOTONIC);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
    long long paintedAt_ = 0;
};

QWidget* topLevel(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name)) {
            return widget;
        }
    }
    return nullptr;
}

bool click(const char* window, const char* button) {
    QWidget* w = topLevel(window);
    auto* b = w != nullptr ? w->findChild<QAbstractButton*>(QLatin1String(button)) : nullptr;
    if (b == nullptr) {
        std::fprintf(stderr, "startup-probe: no %s in %s\n", button, window);
        return false;
    }
    b->click();
    QCoreApplication::processEvents();
    return true;
}

bool trigger(const char* action) {
    QWidget* w = topLevel("Form1");
    auto* a = w != nullptr ? w->findChild<QAction*>(QLatin1String(action)) : nullptr;
    if (a == nullptr) {
        std::fprintf(stderr, "startup-probe: no menu item %s\n", action);
        return false;
    }
    a->trigger();
    QCoreApplication::processEvents();
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    const char* stamp = std::getenv(kExecStampVariable);
    if (stamp == nullptr) {
        const std::string cpu = std::to_string(nowNs(CLOCK_PROCESS_CPUTIME_ID));
        setenv(kExecCpuVariable, cpu.c_str(), 1);
        setenv(kExecStampVariable, std::to_string(nowNs(CLOCK_MONOTONIC)).c_str(), 1);
        execv("/proc/self/exe", argv);
        std::perror("startup-probe: execv");
        return 1;
    }
    const long long execAt = std::atoll(stamp);
    const char* cpuStamp = std::getenv(kExecCpuVariable);
    const long long cpuBeforeExec = cpuStamp != nullptr ? std::atoll(cpuStamp) : 0;
    const long long mainAt = nowNs(CLOCK_MONOTONIC);

    QApplication qtApp(argc, argv);
    const long long qtAppAt = nowNs(CLOCK_MONOTONIC);

    // What app/main.cpp does: the application object creates and shows the main window.
    fourbar::ui::Application app;
    const long long windowAt = nowNs(CLOCK_MONOTONIC);

    QWidget* form1 = topLevel("Form1");
    if (form1 == nullptr) {
        std::fprintf(stderr, "startup-probe: no main window\n");
        return 1;
    }
    auto* watcher = new FirstPaintWatcher(&app);
    form1->installEventFilter(watcher);
    QTimer::singleShot(kFirstPaintTimeoutMs, &qtApp, [] { QCoreApplication::exit(2); });
    if (qtApp.exec() != 0 || watcher->paintedAt() == 0) {
        std::fprintf(stderr, "startup-probe: the main window was not painted\n");
        return 1;
    }
    const long long paintedAt = watcher->paintedAt();
    const long long cpuAtPaint = nowNs(CLOCK_PROCESS_CPUTIME_ID) - cpuBeforeExec;
    form1->removeEventFilter(watcher);

    // The crank-rocker executed, then each other window opened once and left by its "退出".
    bool ok = trigger("crankrocker") && trigger("affirm") && trigger("opration");
    ok = ok && click("Form1", "Command3") && click("Form3", "Command4");
    ok = ok && click("Form1", "Command4") && click("Form4", "Command2");
    ok = ok && click("Form1", "Command6") && click("Form2", "Command5");
    if (!ok || !form1->isVisible()) {
        return 1;
    }
    const long rssKb = statusKb("VmRSS");
    const long peakKb = statusKb("VmHWM");

    std::printf(
        "startup_ms=%.1f cpu_ms=%.1f load_ms=%.1f qapplication_ms=%.1f main_window_ms=%.1f "
        "first_paint_ms=%.1f rss_mb=%.1f peak_rss_mb=%.1f platform=%s\n",
        ms(paintedAt - execAt), ms(cpuAtPaint), ms(mainAt - execAt), ms(qtAppAt - mainAt),
        ms(windowAt - qtAppAt), ms(paintedAt - windowAt), rssKb / 1024.0, peakKb / 1024.0,
        qUtf8Printable(QGuiApplication::platformName()));
    return 0;
}
