// Preloaded into a Qt program (LD_PRELOAD), ends its event loop at the loop's first turn, so that the
// whole process's run time is its start-up: bench/startup.sh times the program against a bare window.
#include <QCoreApplication>
#include <QTimer>

namespace {

// Runs when the program's application object is made: the zero timer fires at the event loop's first
// turn, after what the program posted before it (the main window's showing).
void quitAtFirstTurn() {
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(quitAtFirstTurn)
