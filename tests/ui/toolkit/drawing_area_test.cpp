// Tests of the drawing area: coordinates, aliased erasing, persistence, text columns and copying.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"

using fourbar::ui::DrawingArea;

namespace {

int countPixels(const QImage& image, QRgb color, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += image.pixel(x, y) == color ? 1 : 0;
        }
    }
    return n;
}

}  // namespace

class DrawingAreaTest : public QObject {
    Q_OBJECT

  private slots:
    void defaults() {
        DrawingArea area;
        area.resize(40, 30);
        QCOMPARE(area.backColor(), QColor(Qt::white));
        QCOMPARE(area.foreColor(), QColor(Qt::black));
        QCOMPARE(area.drawWidth(), 1);
        // Until a scale is set, the area measures itself in twips.
        QCOMPARE(area.scaleRight(), 600.0);
        QCOMPARE(area.scaleBottom(), 450.0);
        QCOMPARE(area.image().pixel(39, 29), qRgb(255, 255, 255));
    }

    void mapping_data() {
        QTest::addColumn<QRectF>("scale");  // left, top, right, bottom as x, y, x2, y2
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("pixels") << QRectF(QPointF(0, 0), QPointF(100, 80)) << QPointF(10, 20)
                                << QPoint(10, 20);
        QTest::newRow("y up, centred")
            << QRectF(QPointF(-50, 40), QPointF(50, -40)) << QPointF(25, 20) << QPoint(75, 20);
        QTest::newRow("x reversed")
            << QRectF(QPointF(100, 0), QPointF(0, 80)) << QPointF(10, 20) << QPoint(90, 20);
        QTest::newRow("millimetres") << QRectF(QPointF(-298.8, 325.97), QPointF(597.6, -325.97))
                                     << QPointF(0, 0) << QPoint(33, 40);
    }
    void mapping() {
        QFETCH(QRectF, scale);
        QFETCH(QPointF, point);
        QFETCH(QPoint, pixel);
        DrawingArea area;
        area.resize(100, 80);
        area.setScale(scale.left(), scale.top(), scale.right(), scale.bottom());
        area.line(point.x(), point.y(), point.x(), point.y(), Qt::red);
        const QImage& image = area.image();
        QCOMPARE(image.pixel(pixel), qRgb(255, 0, 0));
        QCOMPARE(countPixels(image, qRgb(255, 0, 0), image.rect()), 1);
    }

    void circleRadiusInXUnits() {
        DrawingArea area;
        area.resize(100, 100);
        area.setScale(0, 10, 10, -40);  // 10 px per x unit, 2 px per y unit
        area.circle(5, -15, 3, Qt::blue);
        const QImage& image = area.image();
        QCOMPARE(image.pixel(80, 50), qRgb(0, 0, 255));  // 30 px right of the centre
        QCOMPARE(image.pixel(50, 20), qRgb(0, 0, 255));  // 30 px above
        QCOMPARE(image.pixel(50, 50), qRgb(255, 255, 255));
    }

    // Drawing a figure again in the background colour must leave no fringe.
    void redrawInBlackErases_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("1 px") << 1;
        QTest::newRow("2 px") << 2;
        QTest::newRow("3 px") << 3;
    }
    void redrawInBlackErases() {
        QFETCH(int, width);
        DrawingArea area;
        area.resize(200, 150);
        area.setBackColor(Qt::black);
        area.setScale(-100, 75, 100, -75);
        area.setDrawWidth(width);
        auto figure = [&](const QColor& color) {
            for (int k = 0; k < 36; ++k) {
                const double a = k * 3.141593 / 18 + 0.1;
                area.line(0.3, -0.7, 70 * std::cos(a) + 0.25, 60 * std::sin(a) - 0.4, color);
            }
            area.circle(10.4, 5.3, 33.3, color);
            area.circle(-60.2, -20.7, 7.7, color);
            area.line(-1000, -3, 1000, 2.5, color);
        };
        figure(Qt::yellow);
        QVERIFY(countPixels(area.image(), qRgb(255, 255, 0), area.image().rect()) > 500);
        figure(Qt::black);
        QCOMPARE(countPixels(area.image(), qRgb(0, 0, 0), area.image().rect()), 200 * 150);
    }

    void drawingPersists() {
        QWidget window;
        window.resize(120, 100);
        auto* area = new DrawingArea(&window);
        area->setGeometry(0, 0, 60, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        area->setScale(0, 0, 60, 50);
        area->line(5, 5, 50, 40, Qt::red);
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(area->grab().toImage().convertToFormat(QImage::Format_RGB32), area->image());
        // A smaller size hides part of the drawing; growing back shows it again.
        area->resize(20, 20);
        area->resize(80, 60);
        QCOMPARE(area->image().pixel(50, 40), qRgb(255, 0, 0));
        QCOMPARE(area->image().pixel(79, 59), qRgb(255, 255, 255));
    }

    void setBackColorClears() {
        DrawingArea area;
        area.resize(30, 20);
        area.printAt(1, QStringLiteral("x"));
        area.line(0, 0, 450, 300, Qt::black);
        area.setBackColor(QColor(0, 128, 0));
        QCOMPARE(countPixels(area.image(), qRgb(0, 128, 0), area.image().rect()), 30 * 20);
        QCOMPARE(area.printedText(), QString());
    }

    void printColumns_data() {
        QTest::addColumn<QList<int>>("columns");  // -1 ends the line
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("text");
        QTest::newRow("columns pad")
            << QList<int>{1, 10, 20} << QStringList{"a", "b", "c"} << "a        b         c\n";
        QTest::newRow("column 0 is the edge")
            << QList<int>{0, -1, 1} << QStringList{"x", "", "y"} << "x\ny\n";
        QTest::newRow("left of position wraps")
            << QList<int>{10, 5} << QStringList{"x", "y"} << "         x\n    y\n";
        QTest::newRow("overlap keeps a blank")
            << QList<int>{1, 3} << QStringList{"abcdefgh", "z"} << "abcdefgh\n  z\n";
        QTest::newRow("empty line")
            << QList<int>{1, -1, -1, 2} << QStringList{"a", "", "", "b"} << "a\n\n b\n";
    }
    void printColumns() {
        QFETCH(QList<int>, columns);
        QFETCH(QStringList, fields);
        QFETCH(QString, text);
        DrawingArea area;
        area.resize(300, 200);
        area.setTextFont(fourbar::ui::designFont(fourbar::ui::DesignFont::SongTi, 8));
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (columns[i] < 0) {
                area.endLine();
            } else {
                area.printAt(columns[i], fields[i]);
            }
        }
        QCOMPARE(area.printedText(), text);
    }

    // A field that starts right of what the line holds in pixels but overlaps it in characters
    // is kept one blank apart in the text; and the ink of column n starts at (n-1) widths.
    void printPixels() {
        DrawingArea area;
        area.resize(300, 60);
        const QFont font = fourbar::ui::designFont(fourbar::ui::DesignFont::SongTi, 9);
        area.setTextFont(font);
        area.printAt(11, QStringLiteral("|"));
        const int x = 10 * QFontMetrics(font).averageCharWidth();
        int firstInk = -1;
        const QImage& image = area.image();
        for (int col = 0; col < image.width() && firstInk < 0; ++col) {
            for (int y = 0; y < image.height(); ++y) {
                if (image.pixel(col, y) != qRgb(255, 255, 255)) {
                    firstInk = col;
                    break;
                }
            }
        }
        QVERIFY2(firstInk >= x && firstInk <= x + 6, qPrintable(QString::number(firstInk)));
    }

    // With a character cell of its own, columns and lines follow the cell, and a Chinese
    // character takes two columns of it.
    void printInCell_data() {
        QTest::addColumn<int>("secondColumn");
        QTest::addColumn<QString>("text");
        QTest::newRow("right after") << 7 << "  四杆  x\n";
        QTest::newRow("one column too far left") << 6 << "  四杆\n     x\n";
    }
    void printInCell() {
        QFETCH(int, secondColumn);
        QFETCH(QString, text);
        DrawingArea area;
        area.resize(200, 100);
        area.setTextFont(fourbar::ui::designFont(fourbar::ui::DesignFont::SongTi, 8), QSize(5, 11));
        area.printAt(3, QStringLiteral("四杆"));
        area.printAt(secondColumn, QStringLiteral("x"));
        QCOMPARE(area.printedText(), text);
        const int lines = int(text.count(QLatin1Char('\n')));
        const QImage& image = area.image();
        int lastInkRow = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                lastInkRow = image.pixel(x, y) != qRgb(255, 255, 255) ? y : lastInkRow;
            }
        }
        QVERIFY2(lastInkRow >= (lines - 1) * 11 && lastInkRow < lines * 11 + 3,
                 qPrintable(QString::number(lastInkRow)));
    }

    void printPositionBelowBottom() {
        DrawingArea area;
        const int spacing = QFontMetrics(area.textFont()).lineSpacing();
        area.resize(100, 3 * spacing + 2);
        for (int line = 0; line < 3; ++line) {
            QVERIFY(!area.printPositionBelowBottom());
            area.printAt(1, QStringLiteral("line"));
        }
        // The fourth line would start 3 * spacing down, still inside; the fifth would not be.
        QVERIFY(!area.printPositionBelowBottom());
        area.endLine();
        area.printAt(1, QStringLiteral("line"));
        QVERIFY(area.printPositionBelowBottom());
        area.endLine();
        QVERIFY(area.printPositionBelowBottom());
    }

    void copy() {
        QWidget window;
        auto* area = new DrawingArea(&window);
        area->setGeometry(0, 0, 200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        area->printAt(1, QStringLiteral("四杆机构运动分析"));
        area->printAt(20, QStringLiteral("12.5"));

        QApplication::clipboard()->clear();
        QTest::mouseClick(area, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), area);
        QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), area->printedText());
        QVERIFY(area->printedText().startsWith(QStringLiteral("四杆机构运动分析")));

        QApplication::clipboard()->clear();
        QString item;
        QTimer::singleShot(0, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            item = menu->actions().value(0)->text();
            menu->actions().value(0)->trigger();
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                area->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(area, &event);
        QCOMPARE(item, QStringLiteral("复制"));
        QCOMPARE(QApplication::clipboard()->text(), area->printedText());
    }
};

QTEST_MAIN(DrawingAreaTest)
#include "drawing_area_test.moc"
