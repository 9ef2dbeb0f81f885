// Tests of the toolkit layer: twips, fonts, captions, the drawing area (scale, erasing,
// persistence, columns, device resolution, copy and save), the input box's focus emptying, the
// output box and Enter on buttons. Run at 100 % and, the functions that hold at any ratio, at
// QT_SCALE_FACTOR=2.
#include <QtTest>
#include <QtWidgets>

#include "tests/ui/ui_test_support.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/output_box.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widget_table.h"

using namespace fourbar::ui;

namespace {

// Bounding box of the pixels of `image` clearly darker than its top-left pixel.
QRect inkBox(const QImage& image) {
    const int background = qGray(image.pixel(0, 0));
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            box |= qGray(image.pixel(x, y)) + 60 < background ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return box;
}

// Fills a text box's panel red where the style is told the box is read-only, as some styles grey
// it.
class ReadOnlyRedStyle : public QProxyStyle {
  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element == PE_PanelLineEdit && (option->state & State_ReadOnly)) {
            painter->fillRect(option->rect, Qt::red);
        }
    }
};

}  // namespace

class ToolkitTest : public QObject {
    Q_OBJECT

  private slots:
    // Twips to pixels, 15 to the pixel, rounded (the windows' fixed sizes are the main window's
    // test). The installed stand-in of each face, and point sizes at 96 dots per inch rounded to
    // whole pixels (8 pt is 10.67 px, 8.25 pt 11 px).
    void twipsAndFonts() {
        QCOMPARE(twipsRect(7, 8, 7365, -120), QRect(0, 1, 491, -8));
        // clang-format off
        const std::tuple<DesignFont, double, QString, int> fonts[] = {{DesignFont::TimesNewRoman, 9.75, "Liberation Serif", 13},
            {DesignFont::MsSansSerif, 8.25, "Liberation Sans", 11}, {DesignFont::SongTi, 8, "Noto Serif CJK SC", 11}};
        // clang-format on
        for (const auto& [face, points, family, pixels] : fonts) {
            QCOMPARE(QFontInfo(designFont(face, points)).family(), family);
            QCOMPARE(designFont(face, points).pixelSize(), pixels);
        }
    }

    // The ink of a caption: tall narrow buttons and labels stack it one character per line with
    // every character inside, blank lines dropped; a one-line label keeps one line, widened to
    // hold it (45 to 47 pixels); a frame's caption sits on its top line. Inside the borders,
    // which the frame's caption runs through.
    void captionInk() {
        // The kind, caption, size in twips and points; the border left out; the ink's top, width
        // and bottom at most and height at least, in pixels from the border's inner corner.
        // clang-format off
        const std::tuple<WidgetKind, const char*, QSize, double, QMargins, QList<int>> rows[] = {
            {WidgetKind::Button, "       显  示       ", {375, 615}, 9.75, {3, 3, 3, 3}, {7, 16, 24, 32}},
            {WidgetKind::Label, "机构简图", {255, 1035}, 9.75, {}, {69, 14, 45, 65}},
            {WidgetKind::OneLineLabel, "n(r/min):", {675, 375}, 9.75, {}, {25, 47, 8, 15}},
            {WidgetKind::Frame, "动态演示", {855, 915}, 8.25, {3, 0, 3, 3}, {4, 57, 8, 11}}};
        // clang-format on
        for (const auto& [kind, caption, twips, points, border, limits] : rows) {
            QWidget window;
            QWidget* w = createWidget(kind, &window, "Caption", caption,
                                      {0, 0, twips.width(), twips.height()},
                                      {DesignFont::TimesNewRoman, points});
            const QRect ink = inkBox(w->grab().toImage().copy(w->rect() - border));
            QVERIFY2(ink.top() <= limits[0] && ink.width() <= limits[1] &&
                         ink.height() >= limits[2] && ink.bottom() <= limits[3],
                     caption);
        }
    }

    // A point drawn as a zero-length line lands on one pixel; a circle's radius is in x units.
    void mapping() {
        // The scale's left, top, right and bottom; the point; the radius, 0 for a point; the ink.
        // clang-format off
        const std::tuple<QList<double>, QPointF, double, QRect> rows[] = {{{-50, 40, 50, -40}, {25, 20}, 0, {75, 20, 1, 1}},
            {{597.6, 0, -298.8, 80}, {0, 20}, 0, {67, 20, 1, 1}}, {{0, 10, 10, -40}, {5, -15}, 3, {20, 10, 61, 61}}};
        // clang-format on
        for (const auto& [scale, p, radius, ink] : rows) {
            DrawingArea area;
            area.resize(100, 80);
            area.setScale(scale[0], scale[1], scale[2], scale[3]);
            radius > 0 ? area.circle(p.x(), p.y(), radius, Qt::red)
                       : area.line(p.x(), p.y(), p.x(), p.y(), Qt::red);
            QCOMPARE(inkBox(area.image()), ink);
        }
    }

    // Drawing a figure again in the background colour must leave no fringe.
    void redrawInBlackErases() {
        for (int width : {1, 3}) {
            DrawingArea area;
            area.resize(200, 150);
            area.setBackColor(Qt::black);
            area.setScale(-100, 75, 100, -75);
            area.setDrawWidth(width);
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
    }

    // Lines and text are drawn at the screen's ratio, not scaled up: a line keeps its logical place
    // (until setScale the area measures in twips), the image is ratio × the logical size, and at
    // 200 % there is detail finer than the 2 × 2 blocks of an image scaled up. "复制" copies the
    // picture as that image. "保存图片..." (the last item of the context menu once switched on)
    // adds ".png" to a name without suffix and writes the picture at device resolution, keeping its
    // physical size (96 dpi times the ratio); a place that cannot be written gets a message naming
    // the file and is left without one. Drawings and printed text survive hiding, a focused area
    // draws no focus frame (the grab is the image), "复制" (Ctrl+C) of an area that holds printed
    // text copies the text, as the listing does, and a new background colour clears both.
    void picture() {
        const int ratio = qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2 ? 2 : 1;
        QTemporaryDir dir;
        QWidget window;
        auto* area = new DrawingArea(&window);
        area->setGeometry(0, 0, 100, 80);
        window.show();
        area->line(150, 150, 1350, 600, Qt::blue);
        const QRect ink = inkBox(area->image());
        QCOMPARE(QRect(ink.topLeft() / ratio, ink.size() / ratio), QRect(10, 10, 81, 31));
        QCOMPARE(area->image().size(), QSize(100, 80) * ratio);
        QCOMPARE(area->actions().constFirst()->text(), QStringLiteral("复制"));
        area->actions().constFirst()->trigger();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 area->image());
        const QImage onScreen = area->image();
        area->holdScreen(true);  // as between an erase and a draw step: copy takes what is shown
        area->line(150, 600, 1350, 150, Qt::red);
        area->actions().constFirst()->trigger();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 onScreen);
        area->holdScreen(false);
        area->enableSavePicture(true);
        QCOMPARE(area->actions().constLast()->text(), QStringLiteral("保存图片..."));
        fourbar::test::dialogsDuring([area] { area->actions().constLast()->trigger(); },
                                     dir.filePath("picture"));
        QImage saved(dir.filePath("picture.png"), "PNG");
        QCOMPARE(saved.dotsPerMeterX(), qRound(96 / 0.0254 * ratio));
        QVERIFY(saved.convertToFormat(QImage::Format_RGB32) == area->image());  // ratio aside
        const QString missing = dir.filePath("missing/picture.png");
        const QStringList shown =
            fourbar::test::dialogsDuring([&] { QVERIFY(!area->savePicture(missing)); });
        QVERIFY2(shown.value(0).startsWith("四杆机构|无法保存文件 " + missing + "："),
                 qPrintable(shown.join('\n')));
        QCOMPARE(QDir(dir.path()).entryList(), QStringList({".", "..", "picture.png"}));
        area->printAt(2, QStringLiteral("四杆 L3杆角加速 12.5"));
        const QImage image = area->image();
        QVERIFY(ratio == 1 || image != image.scaled(image.size() / 2).scaled(image.size()));
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        area->setFocus();
        QCOMPARE(area->grab().toImage().convertToFormat(QImage::Format_RGB32), image);
        area->setCopiesText(true);  // as the data listing does
        QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral(" 四杆 L3杆角加速 12.5\n"));
        area->setBackColor(QColor(0, 128, 0));
        QCOMPARE(area->image().pixel(ink.center()), qRgb(0, 128, 0));
        QCOMPARE(area->printedText(), QString());
    }

    // Columns pad the text; a field left of the print position wraps. Column n starts n - 1
    // column widths in (the font's average or the cell's own, in pixels); in a cell a Chinese
    // character takes two columns.
    void printColumns() {
        // The cell, if any; after "四杆" (in a cell) or "a" at column 11, where its ink starts (up
        // to 6 pixels to the right; 110 is ten of the font's 11-pixel average widths); the columns
        // of the fields "b", "c", ..., -1 ending the line; the text.
        // clang-format off
        const std::tuple<QSize, int, QList<int>, QString> rows[] = {
            {{}, 110, {20, -1, -1, 0}, "          a        b\n\ne\n"}, {{5, 11}, 50, {15}, "          四杆  b\n"},
            {{5, 11}, 50, {14}, "          四杆\n             b\n"}};
        // clang-format on
        for (const auto& [cell, left, columns, text] : rows) {
            DrawingArea area;
            area.resize(300, 100);
            area.setTextFont(designFont(DesignFont::SongTi, 8), cell);
            area.printAt(11, cell.isValid() ? "四杆" : "a");
            QVERIFY(inkBox(area.image()).left() >= left && inkBox(area.image()).left() <= left + 6);
            for (qsizetype i = 0; i < columns.size(); ++i) {
                columns[i] < 0 ? area.endLine()
                               : area.printAt(columns[i], QString(QChar(char16_t('b' + i))));
            }
            QCOMPARE(area.printedText(), text);
        }
    }

    // Focus by mouse, Tab or Backtab empties the box; coming back from a menu keeps the text (the
    // box had the window's first focus before). Coming back to the window is the main window's
    // test.
    void inputBoxFocus() {
        QWidget window;
        auto* box = makeInputBox(&window, "Text1", {0, 0, 675, 360}, defaultFont());
        QSignalSpy resets(box, &InputBox::focusReset);
        window.show();
        QTRY_COMPARE(resets.count(), 1);  // the first focus of the opening window
        // clang-format off
        const std::pair<Qt::FocusReason, bool> rows[] = {{Qt::MouseFocusReason, true}, {Qt::TabFocusReason, true},
            {Qt::BacktabFocusReason, true}, {Qt::PopupFocusReason, false}};
        // clang-format on
        for (const auto& [reason, empties] : rows) {
            box->clearFocus();
            box->setText(QStringLiteral(" 150"));
            resets.clear();
            box->setFocus(reason);
            QCOMPARE(box->text().isEmpty(), empties);
            QCOMPARE(resets.count(), int(empties));
        }
    }

    // An output box keeps its text whatever the user types, and its text can be selected with the
    // cursor keys and copied. Its tooltip is its text, none while empty. It looks like a box that
    // can be edited, in a style that marks read-only boxes too.
    void outputBox() {
        ReadOnlyRedStyle style;
        QWidget window;
        auto* box = new OutputBox(&window);
        for (QLineEdit* b : {static_cast<QLineEdit*>(box), new QLineEdit(&window)}) {
            b->setStyle(&style);
            b->setText(" 73.767340617148");
        }
        QCOMPARE(box->grab().toImage(), window.findChildren<QLineEdit*>()[1]->grab().toImage());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        QApplication::clipboard()->setText("pasted");
        // clang-format off
        const std::pair<Qt::Key, Qt::KeyboardModifiers> edits[] = {{Qt::Key_9, {}}, {Qt::Key_Backspace, {}},
            {Qt::Key_Delete, {}}, {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier}};
        // clang-format on
        for (const auto& [key, modifiers] : edits) {
            box->selectAll();
            QTest::keyClick(box, key, modifiers);
        }
        QCOMPARE(box->text() + '|' + box->toolTip(), " 73.767340617148| 73.767340617148");
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), "48");
        box->clear();
        QCOMPARE(box->toolTip(), QString());
    }

    // Enter and Return press a focused button once, through its click, as Space does; a held key
    // (repeating after a delay) does not press it again, and Enter in a text box presses no button.
    void enterPressesFocusedButton() {
        const Qt::KeyboardModifiers none;
        // On the button or a text box beside it; the key; its modifiers; its repeats; the clicks.
        // clang-format off
        const std::tuple<bool, Qt::Key, Qt::KeyboardModifiers, int, int> rows[] = {{true, Qt::Key_Return, none, 0, 1},
            {true, Qt::Key_Enter, Qt::KeypadModifier, 0, 1}, {true, Qt::Key_Space, none, 0, 1},
            {true, Qt::Key_Return, none, 5, 1}, {true, Qt::Key_Return, Qt::ControlModifier, 0, 0},
            {false, Qt::Key_Return, none, 0, 0}};
        // clang-format on
        for (const auto& [onButton, key, modifiers, repeats, clicks] : rows) {
            QWidget window;
            QPushButton* button = makeButton(&window, "Command1", "确 定", {0, 0, 795, 375}, {});
            QWidget* box = createWidget(WidgetKind::Output, &window, "Text8", "",
                                        {0, 600, 675, 360}, kDefaultFontSpec);
            QSignalSpy clicked(button, &QPushButton::clicked);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QWidget* target = onButton ? static_cast<QWidget*>(button) : box;
            target->setFocus();
            QTest::keyPress(target, key, modifiers);
            QTest::qWait(repeats > 0 ? 150 : 0);
            for (int i = 0; i < repeats; ++i) {
                QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), true);
                QApplication::sendEvent(target, &repeat);
            }
            QTest::keyRelease(target, key, modifiers);
            QTest::qWait(250);  // a click shown pressed comes 100 ms later
            QCOMPARE(clicked.count(), clicks);
        }
    }

    // The printed text copies as text and as an HTML table: a row per line, a cell per field
    // (trimmed, escaped), headings as heading cells, the title in one cell across the table; a
    // field that went on to the next text line stays in its row. An empty listing copies no table.
    void listingCopy() {
        DrawingArea area;
        area.resize(400, 200);
        area.setCopiesText(true);
        using enum DrawingArea::LineRole;
        // clang-format off
        const std::tuple<DrawingArea::LineRole, int, const char*, int, const char*> lines[] = {
            {Title, 30, "四杆机构运动分析", 0, nullptr}, {Headings, 0, "L1杆转角", 11, "L2杆转角"}, {Cells, 3, " 90 ", 4, "-3.1<4&"}};
        // clang-format on
        for (const auto& [role, column1, field1, column2, field2] : lines) {
            area.setLineRole(role);
            area.printAt(column1, field1);
            field2 != nullptr ? area.printAt(column2, field2) : void();
            area.endLine();
        }
        QCOMPARE(area.printedLines().size(), 4);
        area.copyToClipboard();
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QCOMPARE(copied->text(), area.printedText());
        QCOMPARE(QString::fromUtf8(copied->data("text/html")),
                 "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body><table>\n"
                 "<tr><td "
                 "colspan=\"2\">四杆机构运动分析</td></tr>\n<tr><th>L1杆转角</th><th>L2杆转角</"
                 "th></tr>\n"
                 "<tr><td>90</td><td>-3.1&lt;4&amp;</td></tr>\n</table></body></html>\n");
        area.clear();
        area.copyToClipboard();
        QVERIFY(QApplication::clipboard()->mimeData()->hasText() &&
                !QApplication::clipboard()->mimeData()->hasHtml());
    }
};

QTEST_MAIN(ToolkitTest)
#include "toolkit_test.moc"
