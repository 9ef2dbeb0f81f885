// Tests of twips, fonts, the widget helpers, the message box and the drawing area.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <climits>

#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widgets.h"

using namespace fourbar::ui;

namespace {

// Glyph index 0 is the missing-glyph box.
int missingGlyphs(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        missing += int(run.glyphIndexes().count(0));
    }
    return missing;
}

// Bounding box of the pixels clearly darker than the pixel at (margin, margin), `margin` pixels in
// from the image's edges (a border).
QRect inkBox(const QImage& image, int margin = 0) {
    const int background = qGray(image.pixel(margin, margin));
    QRect box;
    for (int y = margin; y < image.height() - margin; ++y) {
        for (int x = margin; x < image.width() - margin; ++x) {
            box |= qGray(image.pixel(x, y)) + 60 < background ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return box;
}

bool uniform(const QImage& image, const QColor& color) {
    QImage expected(image.size(), image.format());
    expected.fill(color);
    return image == expected;
}

}  // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

  private slots:
    void twipsToPixels_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("expected");
        QTest::newRow("7 rounds down") << 7 << 0;
        QTest::newRow("8 rounds up") << 8 << 1;
        QTest::newRow("7365") << 7365 << 491;
        QTest::newRow("-120") << -120 << -8;
    }
    void twipsToPixels() {
        QFETCH(int, twips);
        QFETCH(int, expected);
        QCOMPARE(pixels(twips), expected);
        QCOMPARE(twipsRect(twips, 15, 30, twips), QRect(expected, 1, 2, expected));
    }

    void fonts_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("Times 9.75")
            << int(DesignFont::TimesNewRoman) << 9.75 << "Liberation Serif" << 13;
        QTest::newRow("MS Sans 8.25")
            << int(DesignFont::MsSansSerif) << 8.25 << "Liberation Sans" << 11;
        QTest::newRow("Arial 6") << int(DesignFont::Arial) << 6.0 << "Liberation Sans" << 8;
        QTest::newRow("SongTi 9") << int(DesignFont::SongTi) << 9.0 << "Noto Serif CJK SC" << 12;
    }
    void fonts() {
        QFETCH(int, face);
        QFETCH(double, points);
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        const QFont font = designFont(static_cast<DesignFont>(face), points);
        const QFontInfo info(font);
        QCOMPARE(info.family(), family);
        QCOMPARE(info.pixelSize(), pixelSize);
        // Chinese captions in Latin faces fall back to a CJK face instead of boxes.
        QCOMPARE(missingGlyphs(QStringLiteral("请输入已知条件 L1(mm):"), font), 0);
    }

    void wrapCaption_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("widthTwips");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("narrow Chinese") << "角加速度" << 375 << QStringList{"角", "加", "速", "度"};
        QTest::newRow("blanks dropped") << "动态  演示" << 495 << QStringList{"动态", "演示"};
        QTest::newRow("one line") << "确 定" << 795 << QStringList{"确 定"};
    }
    void wrapCaption() {
        QFETCH(QString, caption);
        QFETCH(int, widthTwips);
        QFETCH(QStringList, lines);
        QCOMPARE(fourbar::ui::wrapCaption(caption, defaultFont(), pixels(widthTwips) - 6), lines);
    }

    // The ink of a caption in pixels: tall narrow buttons and labels stack it one character per
    // line with every character inside; a label without word wrap keeps one line; a frame's
    // caption sits on its top line, above a child placed 12 px down.
    void captionInk_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("twips");
        QTest::addColumn<double>("points");
        QTest::addColumn<QList<int>>("limits");  // top, width at most; height at least; bottom
        QTest::newRow("button") << "button"
                                << "角加速度" << QSize(375, 795) << 8.25
                                << QList<int>{53, 12, 38, 49};
        QTest::newRow("label") << "label"
                               << "机构简图" << QSize(255, 1035) << 9.75
                               << QList<int>{69, 14, 45, 65};
        QTest::newRow("one-line label")
            << "line"
            << "n(r/min):" << QSize(675, 375) << 9.75 << QList<int>{25, 45, 8, 15};
        QTest::newRow("frame") << "frame"
                               << "动态演示" << QSize(855, 915) << 8.25 << QList<int>{2, 57, 8, 11};
    }
    void captionInk() {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QSize, twips);
        QFETCH(double, points);
        QFETCH(QList<int>, limits);
        QWidget window;
        const QFont font = designFont(DesignFont::TimesNewRoman, points);
        const TwipRect rect{0, 0, twips.width(), twips.height()};
        QWidget* widget = nullptr;
        if (kind == "button") {
            widget = makeButton(&window, "Command3", caption, rect, font);
        } else if (kind == "frame") {
            widget = makeFrame(&window, "Frame3", caption, rect, font);
        } else {
            QLabel* label = makeLabel(&window, "Label12", caption, rect, font);
            label->setWordWrap(kind == "label");
            widget = label;
        }
        const QRect ink =
            inkBox(widget->grab().toImage(), kind == "button" || kind == "frame" ? 3 : 0);
        const QList<int> seen{ink.top(), ink.width(), ink.height(), ink.bottom()};
        QVERIFY2(seen[0] <= limits[0] && seen[1] <= limits[1] && seen[2] >= limits[2] &&
                     seen[3] <= limits[3],
                 qPrintable(QStringLiteral("top %1 width %2 height %3 bottom %4")
                                .arg(seen[0])
                                .arg(seen[1])
                                .arg(seen[2])
                                .arg(seen[3])));
    }

    void windowAndScrollBar() {
        QWidget window;
        setupWindow(&window, "Form3", "运动线图", 6645, 4845);
        QCOMPARE(window.minimumSize(), QSize(443, 323));
        QCOMPARE(window.maximumSize(), QSize(443, 323));
        QScrollBar* bar = makeHorizontalScrollBar(&window, "HScroll1", {0, 0, 1500, 255}, 1, 10, 3);
        QCOMPARE(QList<int>({bar->minimum(), bar->maximum(), bar->value(), bar->pageStep()}),
                 QList<int>({1, 10, 3, 1}));
    }

    void messageBox() {
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen << box->windowTitle() << box->text() << box->objectName();
            QCOMPARE(box->buttons().size(), 1);
            box->button(QMessageBox::Ok)->click();
        });
        showMessage(nullptr, std::string_view("杆长设计不当,请重新输入"));
        QCOMPARE(seen, QStringList({"四杆机构", "杆长设计不当,请重新输入", "messageBox"}));
    }

    // A point drawn as a zero-length line lands on one pixel; until setScale the area measures
    // itself in twips. Scale rectangle: left, top as x, y; right, bottom as x2, y2.
    void mapping_data() {
        QTest::addColumn<QRectF>("scale");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("twips") << QRectF() << QPointF(150, 300) << QPoint(10, 20);
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
        if (!scale.isNull()) {
            area.setScale(scale.left(), scale.top(), scale.right(), scale.bottom());
        }
        area.line(point.x(), point.y(), point.x(), point.y(), Qt::red);
        QCOMPARE(area.image().pixel(pixel), qRgb(255, 0, 0));
        QCOMPARE(inkBox(area.image()), QRect(pixel, QSize(1, 1)));
    }

    void circleRadiusInXUnits() {
        DrawingArea area;
        area.resize(100, 100);
        area.setScale(0, 10, 10, -40);  // 10 px per x unit, 2 px per y unit
        area.circle(5, -15, 3, Qt::blue);
        QCOMPARE(inkBox(area.image()), QRect(20, 20, 61, 61));
    }

    // Drawing a figure again in the background colour must leave no fringe.
    void redrawInBlackErases_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("1 px") << 1;
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
            area.line(-1000, -3, 1000, 2.5, color);
        };
        figure(Qt::yellow);
        QVERIFY(!uniform(area.image(), Qt::black));
        figure(Qt::black);
        QVERIFY(uniform(area.image(), Qt::black));
    }

    void drawingPersistsUntilCleared() {
        QWidget window;
        auto* area = new DrawingArea(&window);
        area->setGeometry(0, 0, 60, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        area->setScale(0, 0, 60, 50);
        area->line(5, 5, 50, 40, Qt::red);
        area->printAt(1, QStringLiteral("x"));
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(area->grab().toImage().convertToFormat(QImage::Format_RGB32), area->image());
        // A smaller size hides part of the drawing; growing back shows it again.
        area->resize(20, 20);
        area->resize(80, 60);
        QCOMPARE(area->image().pixel(50, 40), qRgb(255, 0, 0));
        QCOMPARE(area->image().pixel(79, 59), qRgb(255, 255, 255));
        area->setBackColor(QColor(0, 128, 0));
        QVERIFY(uniform(area->image(), QColor(0, 128, 0)));
        QCOMPARE(area->printedText(), QString());
    }

    void printColumns_data() {
        QTest::addColumn<QList<int>>("columns");  // -1 ends the line
        QTest::addColumn<QString>("text");
        QTest::newRow("columns pad") << QList<int>{1, 10, 20} << "a        b         c\n";
        QTest::newRow("column 0 is the edge") << QList<int>{0, -1, 1} << "a\nc\n";
        QTest::newRow("left of position wraps") << QList<int>{10, 5} << "         a\n    b\n";
        QTest::newRow("empty line") << QList<int>{1, -1, -1, 2} << "a\n\n c\n";
        QTest::newRow("far right") << QList<int>{INT_MAX} << QString(4095, ' ') + "a\n";
    }
    void printColumns() {
        QFETCH(QList<int>, columns);
        QFETCH(QString, text);
        DrawingArea area;
        area.resize(300, 200);
        area.setTextFont(designFont(DesignFont::SongTi, 8));
        for (qsizetype i = 0; i < columns.size(); ++i) {
            columns[i] < 0 ? area.endLine() : area.printAt(columns[i], QString(QChar('a' + i)));
        }
        QCOMPARE(area.printedText(), text);
    }

    // The ink of column n starts n - 1 column widths in, the font's average or the cell's own;
    // in a cell a Chinese character takes two columns, and a field left of them wraps.
    void printPixels_data() {
        QTest::addColumn<QSize>("cell");
        QTest::addColumn<int>("secondColumn");  // 0: none
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        const QString indent(10, ' ');
        QTest::newRow("font") << QSize() << 0 << indent + "四杆\n" << 1;
        QTest::newRow("cell, right after") << QSize(5, 11) << 15 << indent + "四杆  |\n" << 1;
        QTest::newRow("cell, one column left")
            << QSize(5, 11) << 14 << indent + "四杆\n" + QString(13, ' ') + "|\n"
            << 2;
    }
    void printPixels() {
        QFETCH(QSize, cell);
        QFETCH(int, secondColumn);
        QFETCH(QString, text);
        QFETCH(int, lines);
        DrawingArea area;
        area.resize(300, 100);
        const QFont font = designFont(DesignFont::SongTi, 8);
        area.setTextFont(font, cell);
        area.printAt(11, QStringLiteral("四杆"));
        if (secondColumn > 0) {
            area.printAt(secondColumn, QStringLiteral("|"));
        }
        QCOMPARE(area.printedText(), text);
        const QFontMetrics metrics(font);
        const int left = 10 * (cell.isValid() ? cell.width() : metrics.averageCharWidth());
        const int height = cell.isValid() ? cell.height() : metrics.lineSpacing();
        const QRect ink = inkBox(area.image());
        QVERIFY2(ink.left() >= left && ink.left() <= left + 6,
                 qPrintable(QString::number(ink.left())));
        QVERIFY2(ink.bottom() >= (lines - 1) * height && ink.bottom() < lines * height + 3,
                 qPrintable(QString::number(ink.bottom())));
    }

    void printPositionBelowBottom() {
        DrawingArea area;
        const int spacing = QFontMetrics(area.textFont()).lineSpacing();
        area.resize(100, 3 * spacing + 2);
        QList<bool> below;
        for (int line = 0; line < 5; ++line) {  // before and after each line is printed
            below << area.printPositionBelowBottom();
            area.printAt(1, QStringLiteral("line"));
            below << area.printPositionBelowBottom();
            area.endLine();
        }
        // The fourth line starts 3 * spacing down, still inside; the fifth would not.
        QCOMPARE(below,
                 QList<bool>({false, false, false, false, false, false, false, true, true, true}));
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

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
