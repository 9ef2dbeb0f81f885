// Tests of the drawing area: its scale, erasing by drawing again, and refitting the picture to a
// new device pixel ratio; and of the listing view drawn on it: lines one below the other, the copy
// as text and as an HTML table, and forgetting them (fields at their cells and the bottom edge are
// the table window's test). The erasing also runs at 200 %, the refit on two screens of 100 % and
// 200 %.
#include <QtTest>
#include <QtWidgets>

#include "tests/ui/ui_test_support.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/listing_view.h"

using fourbar::test::inkBox;
using fourbar::ui::DrawingArea;
using fourbar::ui::ListingView;
using Role = ListingView::LineRole;

namespace {

// One field on text line `line` of its listing line, whose text lines are padded as a caller
// lays them out (a field's text one column per character here).
ListingView::Line oneField(int line, int column, const QString& text, Role role = Role::Cells) {
    QStringList lines(line + 1);
    lines[line] = QString(column, QLatin1Char(' ')) + text;
    return {role, {{line, column, text}}, lines};
}

const QFont kSongTi = fourbar::ui::designFont(fourbar::ui::DesignFont::SongTi, 8);

}  // namespace

class DrawingAreaTest : public QObject {
    Q_OBJECT

  private slots:
    // A point drawn as a zero-length line lands on one pixel, wherever the axes run (in twips, 15
    // to the pixel, until a scale is set: the refit's test); a circle's radius is in x units.
    void mapping_data() {
        QTest::addColumn<QRectF>("scale");  // left, top, right - left, bottom - top
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<double>("radius");  // 0: a point
        QTest::addColumn<QRect>("ink");
        QTest::newRow("y up") << QRectF(QPointF(-50, 40), QPointF(50, -40)) << QPointF(25, 20)
                              << 0.0 << QRect(75, 20, 1, 1);
        QTest::newRow("x to the left") << QRectF(QPointF(597.6, 0), QPointF(-298.8, 80))
                                       << QPointF(0, 20) << 0.0 << QRect(67, 20, 1, 1);
        QTest::newRow("circle") << QRectF(QPointF(0, 10), QPointF(10, -40)) << QPointF(5, -15)
                                << 3.0 << QRect(20, 10, 61, 61);
    }
    void mapping() {
        QFETCH(QRectF, scale);
        QFETCH(QPointF, point);
        QFETCH(double, radius);
        DrawingArea area;
        area.resize(100, 80);
        area.setScale(scale.left(), scale.top(), scale.right(), scale.bottom());
        radius > 0 ? area.circle(point.x(), point.y(), radius, Qt::red)
                   : area.line(point.x(), point.y(), point.x(), point.y(), Qt::red);
        QFETCH(QRect, ink);
        QCOMPARE(inkBox(area.image()), ink);
    }

    // Drawing a bold figure again in the background colour must leave no fringe.
    void redrawInBlackErases() {
        DrawingArea area;
        area.resize(200, 150);
        area.setBackColor(Qt::black);
        area.setScale(-100, 75, 100, -75);
        area.setDrawWidth(3);
        const QImage black = area.image();
        for (const QColor& color : {QColor(Qt::yellow), QColor(Qt::black)}) {
            for (int k = 0; k < 36; ++k) {
                const double a = k * 3.141593 / 18 + 0.1;
                area.line(0.3, -0.7, 70 * std::cos(a) + 0.25, 60 * std::sin(a) - 0.4, color);
            }
            area.circle(10.4, 5.3, 33.3, color);
            area.line(-1000, -3, 1000, 2.5, color);
            QCOMPARE(area.image() == black, color == Qt::black);
        }
    }

    // A drawing made at 100 % and then shown on a screen at 200 % keeps its place, and
    // what is drawn from then on is drawn at 200 %, a 1-pixel line 2 device pixels wide; back at
    // 100 % the drawing is still there.
    void refitsWhenRatioChanges() {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() < 2 || screens[0]->devicePixelRatio() != 1 ||
            screens[1]->devicePixelRatio() != 2) {
            QSKIP("needs a screen at 100 % and one at 200 % (drawing_area_test_two_screens)");
        }
        QWidget window;
        auto* area = new DrawingArea(&window);
        area->setGeometry(0, 0, 100, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.windowHandle()->setScreen(screens[0]);
        area->line(150, 300, 1350, 300, Qt::blue);  // y = 20, x = 10 to 90
        QCOMPARE(inkBox(area->image()), QRect(10, 20, 81, 1));

        window.windowHandle()->setScreen(screens[1]);
        QCOMPARE(area->image().size(), QSize(200, 160));
        QCOMPARE(inkBox(area->image()), QRect(20, 40, 162, 2));
        area->line(150, 900, 1350, 900, Qt::red);  // y = 60
        QCOMPARE(inkBox(area->image().copy(0, 100, 200, 60)), QRect(19, 19, 162, 2));

        window.windowHandle()->setScreen(screens[0]);
        QCOMPARE(area->image().size(), QSize(100, 80));
        QCOMPARE(inkBox(area->image()), QRect(10, 20, 81, 41));
    }

    // Each line starts below the text lines of the one before, at the height of the cell it was
    // printed in.
    void linesFollowOneAnother() {
        ListingView view;
        view.resize(300, 100);
        view.setTextFont(kSongTi, QSize(6, 12));
        view.print(oneField(0, 0, "1"));
        view.setTextFont(kSongTi, QSize(5, 11));
        view.print(oneField(1, 0, "2"));  // two text lines
        view.print(oneField(0, 40, "3"));
        const QRect third = inkBox(view.image().copy(195, 0, 105, 100));
        QVERIFY2(third.top() >= 12 + 2 * 11 && third.bottom() < 12 + 3 * 11,
                 qPrintable(QString("%1..%2").arg(third.top()).arg(third.bottom())));
    }

    // The copy is the text lines as laid out, each ended by a line break, and an HTML table: a row
    // per line (a field that went on to the next text line stays in its row), a cell per field,
    // trimmed and escaped, headings as heading cells, the title in one cell across the table. A new
    // background colour forgets the lines: the copy is empty text without a table, and the next
    // line is printed at the top again.
    void copiesTheLinesAsLaidOut() {
        ListingView view;
        view.resize(400, 200);
        view.print(oneField(0, 29, "四杆机构运动分析", Role::Title));
        view.print(
            {Role::Headings, {{0, 0, "L1杆转角"}, {0, 10, "L2杆转角"}}, {"L1杆转角  L2杆转角"}});
        view.print({Role::Cells, {{0, 2, " 90 "}, {1, 3, "-3.1<4&"}}, {"   90 ", "   -3.1<4&"}});
        QCOMPARE(view.lines(), QStringList({QString(29, ' ') + "四杆机构运动分析",
                                            "L1杆转角  L2杆转角", "   90 ", "   -3.1<4&"}));
        view.copyToClipboard();
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QCOMPARE(copied->text(), view.lines().join('\n') + '\n');
        QCOMPARE(QString::fromUtf8(copied->data("text/html")),
                 "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body><table>\n"
                 "<tr><td colspan=\"2\">四杆机构运动分析</td></tr>\n"
                 "<tr><th>L1杆转角</th><th>L2杆转角</th></tr>\n"
                 "<tr><td>90</td><td>-3.1&lt;4&amp;</td></tr>\n</table></body></html>\n");
        view.setBackColor(Qt::white);
        view.copyToClipboard();
        QCOMPARE(QApplication::clipboard()->text(), QString());
        QVERIFY(!QApplication::clipboard()->mimeData()->hasHtml());
        view.setTextFont(kSongTi, QSize(5, 11));
        view.print(oneField(0, 0, "8"));
        QCOMPARE(view.lines(), QStringList("8"));
        QVERIFY(inkBox(view.image()).bottom() < 11);
    }
};

QTEST_MAIN(DrawingAreaTest)
#include "drawing_area_test.moc"
