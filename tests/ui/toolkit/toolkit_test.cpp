// Tests of the toolkit layer: twips, fonts, captions, the drawing area (at device resolution, copy
// and save), the input box's focus emptying and the 16 ms timers. Run at 100 %, at
// QT_SCALE_FACTOR=2 (the functions that hold at any ratio) and across two screens of 100 % and
// 200 % (screenChange).
#include <QtTest>
#include <QtWidgets>

#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/timer.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widgets.h"

using namespace fourbar::ui;

namespace {

// Bounding box of the pixels in `area` (default: all) clearly darker than its top-left pixel.
QRect inkBox(const QImage& image, QRect area = QRect()) {
    area = area.isNull() ? image.rect() : area;
    const int background = qGray(image.pixel(area.topLeft()));
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            box |= qGray(image.pixel(x, y)) + 60 < background ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return box;
}

// True when every aligned `ratio` × `ratio` block of `area` is of one colour, as in an image
// scaled up from one at ratio 1.
bool blockwiseUniform(const QImage& image, QRect area, int ratio) {
    for (int y = area.top() / ratio * ratio; y + ratio - 1 <= area.bottom(); y += ratio) {
        for (int x = area.left() / ratio * ratio; x + ratio - 1 <= area.right(); x += ratio) {
            for (int k = 1; k < ratio * ratio; ++k) {
                if (image.pixel(x + k % ratio, y + k / ratio) != image.pixel(x, y)) {
                    return false;
                }
            }
        }
    }
    return true;
}

enum class Figure { Diagonal, Circle, Text };

}  // namespace

Q_DECLARE_METATYPE(Figure)

class ToolkitTest : public QObject {
    Q_OBJECT

  private slots:
    void twipsAndWindows() {
        QCOMPARE(twipsRect(7, 8, 7365, -120), QRect(0, 1, 491, -8));
        QWidget window;
        setupWindow(&window, "Form3", "运动线图", 6645, 4845);
        QCOMPARE(QList({window.minimumSize(), window.maximumSize()}),
                 QList<QSize>(2, QSize(443, 323)));
    }

    // The installed faces; Chinese text in a Latin face falls back to a CJK face
    // instead of boxes (glyph index 0).
    void fonts() {
        const std::tuple<DesignFont, QString> rows[] = {
            {DesignFont::TimesNewRoman, "Liberation Serif"},
            {DesignFont::MsSansSerif, "Liberation Sans"},
            {DesignFont::SongTi, "Noto Serif CJK SC"}};
        for (const auto& [face, family] : rows) {
            const QFont font = designFont(face, 9.75);
            QCOMPARE(QFontInfo(font).family(), family);
            QTextLayout layout(QStringLiteral("请输入已知条件 L1(mm):"), font);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun& run : layout.glyphRuns()) {
                QVERIFY(!run.glyphIndexes().contains(0));
            }
        }
    }

    // Point sizes at 96 logical dots per inch, rounded to the nearest pixel: the listing's 8 pt
    // and 9 pt and the layout's 8.25 pt fall between whole pixels.
    void fontPixelSizes_data() {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("pixels");
        QTest::newRow("6 pt") << 6.0 << 8;
        QTest::newRow("8 pt") << 8.0 << 11;
        QTest::newRow("8.25 pt") << 8.25 << 11;
        QTest::newRow("9 pt") << 9.0 << 12;
        QTest::newRow("9.75 pt") << 9.75 << 13;
        QTest::newRow("12 pt") << 12.0 << 16;
    }
    void fontPixelSizes() {
        QFETCH(double, points);
        QFETCH(int, pixels);
        QCOMPARE(designFont(DesignFont::SongTi, points).pixelSize(), pixels);
    }

    // The ink of a caption in pixels: tall narrow buttons and labels stack it one character per
    // line with every character inside; a label without word wrap keeps one line; a frame's
    // caption sits on its top line, above a child placed 12 px down.
    void captionInk_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("twips");
        QTest::addColumn<double>("points");
        QTest::addColumn<QList<int>>("limits");  // top, width at most; height at least; bottom
        QTest::newRow("button") << "角加速度" << QSize(375, 795) << 8.25 << QList{53, 12, 38, 49};
        QTest::newRow("label") << "机构简图" << QSize(255, 1035) << 9.75 << QList{69, 14, 45, 65};
        QTest::newRow("one-line label")
            << "n(r/min):" << QSize(675, 375) << 9.75 << QList{25, 45, 8, 15};
        QTest::newRow("frame") << "动态演示" << QSize(855, 915) << 8.25 << QList{4, 57, 8, 11};
        // Blank lines of a wrapped caption are dropped, so both characters stay inside.
        QTest::newRow("padded button")
            << "       显  示       " << QSize(375, 615) << 9.75 << QList{10, 16, 24, 35};
    }
    void captionInk() {
        QFETCH(QString, caption);
        QFETCH(QSize, twips);
        QFETCH(double, points);
        QFETCH(QList<int>, limits);
        QWidget window;
        const QFont font = designFont(DesignFont::TimesNewRoman, points);
        const TwipRect rect{0, 0, twips.width(), twips.height()};
        const QString kind = QTest::currentDataTag();
        QLabel* label = makeLabel(&window, "Label12", caption, rect, font);
        label->setWordWrap(kind == "label");
        QWidget* widget = kind.contains("button")
                              ? makeButton(&window, "Command3", caption, rect, font)
                          : kind == "frame" ? makeFrame(&window, "Frame3", caption, rect, font)
                                            : static_cast<QWidget*>(label);
        // Inside the borders; the frame's top line runs through its caption.
        const QRect inner = widget->rect().adjusted(3, kind == "frame" ? 0 : 3, -3, -3);
        const QRect ink =
            inkBox(widget->grab().toImage(), kind.contains("label") ? QRect() : inner);
        const QList<int> seen{ink.top(), ink.width(), ink.height(), ink.bottom()};
        QVERIFY2(seen[0] <= limits[0] && seen[1] <= limits[1] && seen[2] >= limits[2] &&
                     seen[3] <= limits[3],
                 qPrintable(QDebug::toString(seen)));
    }

    // A point drawn as a zero-length line lands on one pixel; a circle's radius is in x units.
    // Scale: left, top as x, y; right, bottom as x2, y2.
    void mapping_data() {
        QTest::addColumn<QRectF>("scale");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<double>("radius");
        QTest::addColumn<QRect>("ink");
        QTest::newRow("y up, centred") << QRectF(QPointF(-50, 40), QPointF(50, -40))
                                       << QPointF(25, 20) << 0.0 << QRect(75, 20, 1, 1);
        QTest::newRow("x reversed, mm") << QRectF(QPointF(597.6, 0), QPointF(-298.8, 80))
                                        << QPointF(0, 20) << 0.0 << QRect(67, 20, 1, 1);
        QTest::newRow("circle") << QRectF(QPointF(0, 10), QPointF(10, -40)) << QPointF(5, -15)
                                << 3.0 << QRect(20, 10, 61, 61);
    }
    void mapping() {
        QFETCH(QRectF, scale);
        QFETCH(QPointF, point);
        QFETCH(double, radius);
        QFETCH(QRect, ink);
        DrawingArea area;
        area.resize(100, 80);
        area.setScale(scale.left(), scale.top(), scale.right(), scale.bottom());
        radius > 0 ? area.circle(point.x(), point.y(), radius, Qt::red)
                   : area.line(point.x(), point.y(), point.x(), point.y(), Qt::red);
        QCOMPARE(inkBox(area.image()), ink);
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

    // Drawings and printed text survive hiding and resizing, a focused area draws no focus frame
    // (the grab is the image), and a new background colour clears both.
    void drawingPersists() {
        QWidget window;
        auto* area = new DrawingArea(&window);
        area->setGeometry(0, 0, 60, 50);
        window.show();
        area->line(75, 75, 750, 600, Qt::red);  // until setScale, the area measures in twips
        area->printAt(1, QStringLiteral("四杆"));
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        area->setFocus();
        QCOMPARE(area->grab().toImage().convertToFormat(QImage::Format_RGB32), area->image());
        area->resize(20, 20);
        area->resize(80, 60);
        QCOMPARE(area->image().pixel(50, 40), qRgb(255, 0, 0));
        QCOMPARE(area->image().pixel(79, 59), qRgb(255, 255, 255));
        area->setBackColor(QColor(0, 128, 0));
        QCOMPARE(area->image().pixel(50, 40), qRgb(0, 128, 0));
        QCOMPARE(area->printedText(), QString());
    }

    // Lines, circles and text are drawn at the screen's ratio, not scaled up: the image and a grab
    // are ratio × the logical size, the grab is the image, shapes keep their logical place and
    // their colour (aliased), and at 200 % they have detail finer than 2 × 2 device pixels.
    void deviceResolution_data() {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<QRect>("ink");  // logical pixels; null: depends on the font
        QTest::newRow("diagonal") << Figure::Diagonal << QRect(10, 10, 81, 31);
        QTest::newRow("circle") << Figure::Circle << QRect(20, 10, 61, 61);
        QTest::newRow("text") << Figure::Text << QRect();
    }
    void deviceResolution() {
        QFETCH(Figure, figure);
        QFETCH(QRect, ink);
        QWidget window;
        auto* area = new DrawingArea(&window);
        area->setGeometry(0, 0, 100, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int ratio = qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2 ? 2 : 1;
        QCOMPARE(area->devicePixelRatioF(), qreal(ratio));
        area->setScale(0, 0, 100, 80);
        const QColor colour(0, 0, 255);
        switch (figure) {
            case Figure::Diagonal:
                area->line(10, 10, 90, 40, colour);
                break;
            case Figure::Circle:
                area->circle(50, 40, 30, colour);
                break;
            case Figure::Text:
                area->setTextFont(designFont(DesignFont::SongTi, 9));
                area->printAt(2, QStringLiteral("四杆 L3杆角加速 12.5"));
                break;
        }
        const QImage image = area->image();
        QCOMPARE(image.size(), QSize(100, 80) * ratio);
        QCOMPARE(image.devicePixelRatio(), qreal(ratio));
        const QPixmap grab = area->grab();
        QCOMPARE(grab.size(), QSize(100, 80) * ratio);
        QCOMPARE(grab.toImage().convertToFormat(QImage::Format_RGB32), image);
        const QRect deviceInk = inkBox(image);
        if (!ink.isNull()) {
            // Within one logical pixel of the place at 100 %, and in the two colours only.
            const QRect logical(deviceInk.topLeft() / ratio, deviceInk.size() / ratio);
            QVERIFY2((logical.topLeft() - ink.topLeft()).manhattanLength() <= 2 &&
                         (logical.bottomRight() - ink.bottomRight()).manhattanLength() <= 2,
                     qPrintable(QDebug::toString(logical)));
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    QVERIFY(image.pixel(x, y) == qRgb(255, 255, 255) ||
                            image.pixel(x, y) == colour.rgb());
                }
            }
        }
        // Detail finer than 2 × 2 blocks (the run at QT_SCALE_FACTOR=2).
        QVERIFY(ratio == 1 || !blockwiseUniform(image, deviceInk, ratio));
    }

    // Moved to a screen of twice the ratio, the area keeps its drawing, scaled pixel by pixel,
    // and draws from then on at the new ratio.
    void screenChange() {
        QScreen* doubled = nullptr;
        for (QScreen* screen : QGuiApplication::screens()) {
            doubled = screen->devicePixelRatio() == 2.0 ? screen : doubled;
        }
        if (doubled == nullptr || QGuiApplication::screens().size() < 2) {
            QSKIP("needs screens of 100 % and 200 % (offscreen:configfile=two_screens.json)");
        }
        QWidget window;
        window.setScreen(QGuiApplication::primaryScreen() == doubled
                             ? QGuiApplication::screens().constLast()
                             : QGuiApplication::primaryScreen());
        auto* area = new DrawingArea(&window);
        area->setGeometry(0, 0, 100, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        area->setScale(0, 0, 100, 80);
        area->line(10, 10, 90, 40, Qt::red);
        const QImage before = area->image();
        QCOMPARE(before.devicePixelRatio(), 1.0);
        window.setScreen(doubled);
        window.move(doubled->geometry().topLeft());
        QTRY_COMPARE(area->devicePixelRatioF(), 2.0);
        QCOMPARE(area->image().devicePixelRatio(), 2.0);
        QImage scaled = before.scaled(before.size() * 2);
        scaled.setDevicePixelRatio(2.0);
        QCOMPARE(area->image(), scaled);
        area->line(10, 70, 90, 45, Qt::red);
        QVERIFY(!blockwiseUniform(area->image(), QRect(20, 90, 160, 50), 2));
    }

    // "复制" (the context menu or Ctrl+C) copies the printed text of an area that has some, the
    // picture at device resolution of any other.
    void copyToClipboard_data() {
        QTest::addColumn<bool>("printed");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("listing, Ctrl+C") << true << false;
        QTest::newRow("listing, menu") << true << true;
        QTest::newRow("picture, Ctrl+C") << false << false;
        QTest::newRow("picture, menu") << false << true;
    }
    void copyToClipboard() {
        QFETCH(bool, printed);
        QFETCH(bool, byMenu);
        QWidget window;
        auto* area = new DrawingArea(&window);
        area->setGeometry(0, 0, 60, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        area->setFocus();
        area->line(75, 75, 750, 600, Qt::red);
        if (printed) {
            area->printAt(1, QStringLiteral("四杆"));
            area->printAt(9, QStringLiteral("12.5"));
        }
        QApplication::clipboard()->clear();
        if (byMenu) {
            QTimer::singleShot(0, this, [] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu && menu->actions().size() == 1);
                QCOMPARE(menu->actions()[0]->text(), QStringLiteral("复制"));
                menu->actions()[0]->trigger();
                menu->close();
            });
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
            QApplication::sendEvent(area, &event);
        } else {
            QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
        }
        QCOMPARE(QApplication::clipboard()->text(),
                 printed ? QStringLiteral("四杆      12.5\n") : QString());
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.isNull(), printed);
        if (!printed) {
            QCOMPARE(copied.size(), QSize(60, 50) * area->devicePixelRatioF());
            QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), area->image());
        }
    }

    // The picture is written as a PNG at device resolution; a place that cannot be written gets
    // a message naming the file and leaves no file.
    void savePicture_data() {
        QTest::addColumn<QString>("name");  // in a new temporary directory holding a file "file"
        QTest::addColumn<bool>("written");
        QTest::newRow("png") << "picture.png" << true;
        QTest::newRow("no such directory") << "missing/picture.png" << false;
        QTest::newRow("parent is a file") << "file/picture.png" << false;
    }
    void savePicture() {
        QFETCH(QString, name);
        QFETCH(bool, written);
        QTemporaryDir dir;
        QFile file(dir.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        DrawingArea area;
        area.resize(70, 40);
        area.circle(525, 300, 300, Qt::blue);
        const QString path = dir.filePath(name);
        QStringList messages;  // title|text
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&messages] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages << box->windowTitle() + '|' + box->text();
                box->accept();
            }
        });
        poll.start(10);
        QCOMPARE(area.savePicture(path), written);
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 written ? QStringList({"file", "picture.png"}) : QStringList("file"));
        if (written) {
            QCOMPARE(messages, QStringList());
            QImage read(path, "PNG");
            QCOMPARE(read.size(), QSize(70, 40) * area.devicePixelRatioF());
            // The file keeps the picture's physical size: 96 dpi times the ratio.
            QCOMPARE(read.dotsPerMeterX(), qRound(96 / 0.0254 * area.devicePixelRatioF()));
            read.setDevicePixelRatio(area.devicePixelRatioF());
            QCOMPARE(read.convertToFormat(QImage::Format_RGB32), area.image());
        } else {
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].startsWith("四杆机构|无法保存文件 " + path + "："),
                     qPrintable(messages[0]));
        }
    }

    // "保存图片..." is in the menu only where switched on; its dialog adds ".png" to a name
    // without suffix, and cancelling writes nothing.
    void savePictureDialog_data() {
        QTest::addColumn<QString>("typed");  // empty: the dialog is cancelled
        QTest::addColumn<QString>("file");
        QTest::newRow("no suffix") << QString("picture") << QString("picture.png");
        QTest::newRow("suffix") << QString("picture.PNG") << QString("picture.PNG");
        QTest::newRow("cancelled") << QString() << QString();
    }
    void savePictureDialog() {
        QFETCH(QString, typed);
        QFETCH(QString, file);
        QTemporaryDir dir;
        DrawingArea area;
        area.resize(30, 20);
        auto* save = area.findChild<QAction*>("savePictureAction");
        QVERIFY(save && !area.actions().contains(save));
        area.enableSavePicture(true);
        QCOMPARE(area.actions().constLast(), save);
        QCOMPARE(save->text(), QStringLiteral("保存图片..."));
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->nameFilters(), QStringList("PNG 图片 (*.png)"));
            dialog->setDirectory(dir.path());
            dialog->selectFile(typed);
            typed.isEmpty() ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();
        });
        save->trigger();
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 file.isEmpty() ? QStringList() : QStringList(file));
        area.enableSavePicture(false);
        QVERIFY(!area.actions().contains(save));
    }

    // Columns pad the text; a field left of the print position wraps. In pixels, column n starts
    // n - 1 column widths in (the font's average or the cell's own), and in a cell a Chinese
    // character takes two columns.
    void printColumns_data() {
        QTest::addColumn<QSize>("cell");
        QTest::addColumn<QList<int>>("columns");  // -1 ends the line
        QTest::addColumn<QString>("text");
        QTest::newRow("pad") << QSize() << QList{11, 20, -1, -1, 0}
                             << "          a        b\n\ne\n";
        QTest::newRow("far right") << QSize() << QList{11, std::numeric_limits<int>::max()}
                                   << "          a" + QString(4084, ' ') + "b\n";
        QTest::newRow("cell after") << QSize(5, 11) << QList{11, 15} << "          四杆  b\n";
        QTest::newRow("cell wrap")
            << QSize(5, 11) << QList{11, 14} << "          四杆\n             b\n";
    }
    void printColumns() {
        QFETCH(QSize, cell);
        QFETCH(QList<int>, columns);
        QFETCH(QString, text);
        DrawingArea area;
        area.resize(300, 100);
        const QFont font = designFont(DesignFont::SongTi, 8);
        area.setTextFont(font, cell);
        QRect first;  // the ink of the first field
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const QString field =
                cell.isValid() && i == 0 ? "四杆" : QString(QChar(char16_t('a' + i)));
            columns[i] < 0 ? area.endLine() : area.printAt(columns[i], field);
            first = i == 0 ? inkBox(area.image()) : first;
        }
        QCOMPARE(area.printedText(), text);
        const QFontMetrics metrics(font);
        const int left = 10 * (cell.isValid() ? cell.width() : metrics.averageCharWidth());
        const int height = cell.isValid() ? cell.height() : metrics.lineSpacing();
        const int lines = int(text.count('\n'));
        const int bottom = inkBox(area.image()).bottom();
        QVERIFY2(first.left() >= left && first.left() <= left + 6 &&
                     bottom >= (lines - 1) * height && bottom < lines * height + 3,
                 qPrintable(QStringLiteral("%1 %2").arg(first.left()).arg(bottom)));
    }

    // Focus by mouse or Tab empties the box; coming back to its window or from a menu
    // keeps the text (the box had the window's first focus before).
    void inputBoxFocus_data() {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("empties");
        QTest::newRow("mouse") << int(Qt::MouseFocusReason) << true;
        QTest::newRow("tab") << int(Qt::TabFocusReason) << true;
        QTest::newRow("window re-activated") << int(Qt::ActiveWindowFocusReason) << false;
        QTest::newRow("menu closed") << int(Qt::PopupFocusReason) << false;
    }
    void inputBoxFocus() {
        QFETCH(int, reason);
        QFETCH(bool, empties);
        QWidget window;
        auto* box = makeInputBox(&window, "Text1", {0, 0, 675, 360}, defaultFont());
        QSignalSpy resets(box, &InputBox::focusReset);
        window.show();
        QTRY_COMPARE(resets.count(), 1);  // the first focus of the opening window
        box->clearFocus();
        box->setText(QStringLiteral(" 150"));
        box->setFocus(static_cast<Qt::FocusReason>(reason));
        QCOMPARE(box->text().isEmpty(), empties);
        QCOMPARE(resets.count(), empties ? 2 : 1);
    }

    // Two timers of 1 ms that restart each other from their ticks alternate strictly, one a 16 ms
    // round each, as the animation's erase and draw steps; of two due together, the one restarted
    // last ticks first. Disabled or of interval 0, they leave the scheduler idle.
    void timerAlternation() {
        QObject owner;
        Timer* timers[2] = {new Timer(&owner), new Timer(&owner)};
        QString sequence;
        for (int i : {0, 1}) {
            connect(timers[i], &Timer::tick, this, [&, i] {
                sequence += QChar('1' + i);
                timers[1 - i]->setEnabled(true);
            });
        }
        const qint64 start = QDateTime::currentMSecsSinceEpoch();
        timers[0]->setInterval(1);
        timers[1]->setInterval(1);
        QTest::qWait(480);  // 30 rounds
        const qint64 rounds = (QDateTime::currentMSecsSinceEpoch() - start) / 16 + 1;
        timers[0]->setInterval(0);
        timers[1]->setEnabled(false);
        for (QTimer* t : QCoreApplication::instance()->findChildren<QTimer*>()) {
            QVERIFY(!t->isActive());  // the scheduler is idle
        }
        QVERIFY2(sequence.startsWith("2121212121") && !sequence.contains("11") &&
                     !sequence.contains("22"),
                 qPrintable(sequence));
        // Never faster than the rounds; at least 40 % of them on a busy machine.
        QVERIFY2(sequence.size() >= 12 && sequence.size() <= rounds, qPrintable(sequence));
    }
};

QTEST_MAIN(ToolkitTest)
#include "toolkit_test.moc"
