// Tests of what the toolkit leaves out of a window's start: the program's icon, set only once the
// window has been painted (or when the time for that runs out), and the caption of a label too low
// to show it, never measured nor drawn.
#include <QtTest>
#include <QtWidgets>

#include "tests/ui/ui_test_support.h"
#include "ui/toolkit/program_setup.h"
#include "ui/toolkit/widget_table.h"

using namespace fourbar::ui;

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString iconFile_;

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        iconFile_ = dir_.filePath("icon.png");
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(iconFile_));
    }

    void init() { QApplication::setWindowIcon(QIcon()); }

    // Nothing is loaded while the window is being shown; the icon comes after its first paint, or
    // after `latestMs` for a window never painted, and then only once: an icon set afterwards
    // stays. The window carries it, and nothing is left behind on it.
    void iconAfterFirstPaint_data() {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("latestMs");
        QTest::newRow("painted long before the limit") << true << 60000;
        QTest::newRow("painted, limit soon after") << true << 300;
        QTest::newRow("never painted") << false << 50;
    }
    void iconAfterFirstPaint() {
        QFETCH(bool, shown);
        QFETCH(int, latestMs);
        QWidget window;
        window.resize(120, 60);
        const qsizetype children = window.children().size();
        setWindowIconAfterFirstPaint(&window, iconFile_, latestMs);
        if (shown) {
            window.show();
        }
        QVERIFY(QApplication::windowIcon().isNull());
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::windowIcon().isNull(), 5000);
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(QApplication::windowIcon().pixmap(16).toImage().pixelColor(8, 8),
                 QColor(Qt::darkGreen));
        QTRY_COMPARE(window.children().size(), children);

        QPixmap other(16, 16);
        other.fill(Qt::blue);
        QApplication::setWindowIcon(QIcon(other));
        QTest::qWait(qMin(latestMs, 400) + 100);
        QCOMPARE(QApplication::windowIcon().pixmap(16).toImage().pixelColor(8, 8),
                 QColor(Qt::blue));
    }

    // A label one pixel high keeps its caption as its text but has no line to show, draws no ink
    // and keeps its laid-out width; two pixels high, it shows the caption on one line, widened for
    // it.
    void captionTooLowToShow_data() {
        QTest::addColumn<int>("heightTwips");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("width");
        QTest::newRow("one pixel") << 15 << 0 << 25;
        QTest::newRow("two pixels") << 30 << 1 << 51;
    }
    void captionTooLowToShow() {
        QFETCH(int, heightTwips);
        QWidget window;
        QWidget* label = createWidget(WidgetKind::Label, &window, "Label3", "Label3 Label3",
                                      {0, 0, 375, heightTwips}, {DesignFont::Arial, 6});
        QCOMPARE(qobject_cast<QLabel*>(label)->text(), QString("Label3 Label3"));
        QFETCH(int, lines);
        QCOMPARE(captionLines(label).size(), lines);
        QFETCH(int, width);
        QCOMPARE(label->width(), width);
        if (lines == 0) {
            QVERIFY(fourbar::test::inkBox(label->grab().toImage()).isEmpty());
        }
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
