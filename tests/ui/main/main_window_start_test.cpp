// Tests of the main window as it first shows: its own font on its client area, which only the
// hidden Label3 uses, and the fonts and captions of the widgets made before that font was set.
#include <QtTest>
#include <QtWidgets>

#include "ui/application.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/widgets.h"

class MainWindowStartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<fourbar::ui::Application> app_;

  private slots:
    void initTestCase() {
        app_ = std::make_unique<fourbar::ui::Application>();
        QVERIFY(QTest::qWaitForWindowExposed(&app_->mainWindow()));
    }
    void cleanupTestCase() { app_.reset(); }

    // Each widget's font (family and pixel size), how many lines of its caption it shows, and
    // whether it keeps its laid-out width.
    void fontsAndCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("laidOutWidth");
        // clang-format off
        QTest::newRow("client area: the window's own font") << "Form1Client" << "Liberation Sans" << 8 << 0 << true;
        QTest::newRow("Label3: one pixel high, caption hidden") << "Label3" << "Liberation Sans" << 8 << 0 << true;
        QTest::newRow("Frame1: made on the client area") << "Frame1" << "Liberation Sans" << 11 << 1 << true;
        QTest::newRow("Frame4") << "Frame4" << "Liberation Serif" << 11 << 1 << true;
        QTest::newRow("Label2: widened to its caption") << "Label2" << "Liberation Serif" << 13 << 1 << false;
        QTest::newRow("Label12: stacked") << "Label12" << "Liberation Serif" << 13 << 4 << true;
        // clang-format on
    }
    void fontsAndCaptions() {
        QFETCH(QString, name);
        const QWidget* w = app_->mainWindow().findChild<QWidget*>(name);
        QVERIFY(w != nullptr);
        QFETCH(QString, family);
        QCOMPARE(QFontInfo(w->font()).family(), family);
        QFETCH(int, pixelSize);
        QCOMPARE(w->font().pixelSize(), pixelSize);
        QFETCH(int, lines);
        QCOMPARE(fourbar::ui::captionLines(w).size(), lines);
        QFETCH(bool, laidOutWidth);
        QCOMPARE(w->width() == fourbar::ui::designGeometry(w).width(), laidOutWidth);
    }
};

QTEST_MAIN(MainWindowStartTest)
#include "main_window_start_test.moc"
