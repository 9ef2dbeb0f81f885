// What the program sets up once in the running Qt application.
#include "ui/toolkit/program_setup.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <utility>

namespace fourbar::ui {

namespace {

const QString kTranslatorName = QStringLiteral("qtbaseChineseTranslator");

// Sets the program's icon once, at the first paint of the window it watches or when its timer
// runs out, and then goes.
class IconAfterFirstPaint : public QObject {
  public:
    IconAfterFirstPaint(QWidget* window, QString iconFile, int latestMs)
        : QObject(window), iconFile_(std::move(iconFile)) {
        window->installEventFilter(this);
        QTimer::singleShot(latestMs, this, &IconAfterFirstPaint::setIcon);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // At the next turn of the event loop, once the painted window has reached the screen
            // and what came in meanwhile has been handled.
            QTimer::singleShot(0, this, &IconAfterFirstPaint::setIcon);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void setIcon() {
        if (done_) {
            return;
        }
        done_ = true;
        QApplication::setWindowIcon(QIcon(iconFile_));
        deleteLater();
    }

    QString iconFile_;
    bool done_ = false;
};

}  // namespace

bool setUpProgram() {
    QCoreApplication* app = QCoreApplication::instance();
    QCoreApplication::setOrganizationName(QStringLiteral("fourbar"));
    QCoreApplication::setApplicationName(QStringLiteral("fourbar"));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    if (app->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly) != nullptr) {
        return true;
    }
    auto* translator = new QTranslator(app);
    translator->setObjectName(kTranslatorName);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

void setWindowIconAfterFirstPaint(QWidget* window, const QString& iconFile, int latestMs) {
    new IconAfterFirstPaint(window, iconFile, latestMs);
}

}  // namespace fourbar::ui
