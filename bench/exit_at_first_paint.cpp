// Preloaded into a Qt Widgets program (LD_PRELOAD), ends the process as soon as its first window
// has been painted, so that the whole process's run time is its start-up: bench/startup.sh times
// the program against a bare window with it.
//
// The end comes right after the first paint event of a widget has been handled: the repaint of the
// whole window (its children included) and the flush to the screen run in one pass, and the call
// queued from that paint runs after the pass. It names the widget painted first on standard error,
// and the process ends at once (_Exit, status 0), so that neither work the program deferred until
// after its first paint nor its teardown counts. A program that never paints ends with status 3
// after kNoPaintMs, which the script reports.
#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kNoPaintMs = 10000;

class ExitAtFirstPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(
                this,
                [painted = QByteArray(watched->metaObject()->className())] {
                    std::fprintf(stderr, "exit-at-first-paint: %s painted\n", painted.constData());
                    std::fflush(nullptr);
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

// Runs when the program's application object is made, before the program creates its windows.
void exitAtFirstPaint() {
    QCoreApplication* app = QCoreApplication::instance();
    auto* watcher = new ExitAtFirstPaint(app);
    app->installEventFilter(watcher);
    QTimer::singleShot(kNoPaintMs, watcher, [] {
        std::fputs("exit-at-first-paint: no widget was painted\n", stderr);
        std::fflush(nullptr);
        std::_Exit(3);
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(exitAtFirstPaint)
