// Tests of twips, fonts, the widget helpers and the message box.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

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
        for (quint32 index : run.glyphIndexes()) {
            missing += index == 0 ? 1 : 0;
        }
    }
    return missing;
}

// Bounding box of the ink in `image`, `margin` pixels in from its edges (a button's border):
// pixels clearly darker than the background at the margin's corner.
QRect inkBox(const QImage& image, int margin) {
    const int background = qGray(image.pixel(margin, margin));
    QRect box;
    for (int y = margin; y < image.height() - margin; ++y) {
        for (int x = margin; x < image.width() - margin; ++x) {
            if (qGray(image.pixel(x, y)) + 60 < background) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

}  // namespace

class BasicsTest : public QObject {
    Q_OBJECT

  private slots:
    void twipsToPixels_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("expected");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("15") << 15 << 1;
        QTest::newRow("7 rounds down") << 7 << 0;
        QTest::newRow("8 rounds up") << 8 << 1;
        QTest::newRow("7365") << 7365 << 491;
        QTest::newRow("4905") << 4905 << 327;
        QTest::newRow("255") << 255 << 17;
        QTest::newRow("-120") << -120 << -8;
    }
    void twipsToPixels() {
        QFETCH(int, twips);
        QFETCH(int, expected);
        QCOMPARE(pixels(twips), expected);
    }

    void twipsRectangles() {
        QCOMPARE(twipsRect(180, 1620, 3015, 3135), QRect(12, 108, 201, 209));
        QCOMPARE(twipsSize(6645, 4845), QSize(443, 323));
    }

    void fonts_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("Times 9.75")
            << int(DesignFont::TimesNewRoman) << 9.75 << "Liberation Serif" << 13;
        QTest::newRow("Times 12") << int(DesignFont::TimesNewRoman) << 12.0 << "Liberation Serif"
                                  << 16;
        QTest::newRow("MS Sans Serif 8.25")
            << int(DesignFont::MsSansSerif) << 8.25 << "Liberation Sans" << 11;
        QTest::newRow("Arial 6") << int(DesignFont::Arial) << 6.0 << "Liberation Sans" << 8;
        QTest::newRow("SongTi 9") << int(DesignFont::SongTi) << 9.0 << "Noto Serif CJK SC" << 12;
        QTest::newRow("SongTi 8") << int(DesignFont::SongTi) << 8.0 << "Noto Serif CJK SC" << 11;
    }
    void fonts() {
        QFETCH(int, face);
        QFETCH(double, points);
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        const QFont font = designFont(static_cast<DesignFont>(face), points);
        QCOMPARE(font.pixelSize(), pixelSize);
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
        QTest::newRow("wide Chinese") << "演示" << 495 << QStringList{"演示"};
        QTest::newRow("Latin words") << "Hello world" << 600 << QStringList{"Hello", "world"};
        QTest::newRow("one line") << "确 定" << 795 << QStringList{"确 定"};
    }
    void wrapCaption() {
        QFETCH(QString, caption);
        QFETCH(int, widthTwips);
        QFETCH(QStringList, lines);
        QCOMPARE(fourbar::ui::wrapCaption(caption, defaultFont(), pixels(widthTwips) - 6), lines);
    }

    // Tall narrow buttons and labels show their caption as a column, one character per line:
    // ink one character wide and four lines tall, with every character inside the widget.
    void narrowWidgetsStackCaption_data() {
        QTest::addColumn<bool>("isButton");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("widthTwips");
        QTest::addColumn<int>("heightTwips");
        QTest::addColumn<double>("points");
        QTest::newRow("button") << true << "角加速度" << 375 << 795 << 8.25;
        QTest::newRow("label") << false << "机构简图" << 255 << 1035 << 9.75;
    }
    void narrowWidgetsStackCaption() {
        QFETCH(bool, isButton);
        QFETCH(QString, caption);
        QFETCH(int, widthTwips);
        QFETCH(int, heightTwips);
        QFETCH(double, points);
        QWidget window;
        const QFont font = designFont(DesignFont::TimesNewRoman, points);
        QWidget* widget = nullptr;
        if (isButton) {
            widget =
                makeButton(&window, "Command3", caption, {0, 0, widthTwips, heightTwips}, font);
        } else {
            auto* label =
                makeLabel(&window, "Label12", caption, {0, 0, widthTwips, heightTwips}, font);
            QVERIFY(label->wordWrap());
            QCOMPARE(label->text(), caption);
            widget = label;
        }
        const int margin = isButton ? 3 : 0;
        const QRect ink = inkBox(widget->grab().toImage(), margin);
        const int em = font.pixelSize();
        QVERIFY2(ink.width() <= em + 1, qPrintable(QString::number(ink.width())));
        QVERIFY2(ink.height() >= 3 * em + em / 2, qPrintable(QString::number(ink.height())));
        QVERIFY2(ink.bottom() < widget->height() - 3, "the last character is cut off");
    }

    void otherHelpers() {
        QWidget window;
        setupWindow(&window, "Form3", "运动线图", 6645, 4845);
        QCOMPARE(window.objectName(), QStringLiteral("Form3"));
        QCOMPARE(window.windowTitle(), QStringLiteral("运动线图"));
        QCOMPARE(window.minimumSize(), QSize(443, 323));
        QCOMPARE(window.maximumSize(), QSize(443, 323));
        QGroupBox* frame = makeFrame(&window, "Frame1", " 请输入已知条件   ",
                                     {180, 1620, 3015, 3135}, defaultFont());
        QCOMPARE(frame->title(), QStringLiteral(" 请输入已知条件   "));
        QScrollBar* bar = makeHorizontalScrollBar(&window, "HScroll1", {0, 0, 1500, 255}, 1, 20, 5);
        QCOMPARE(bar->orientation(), Qt::Horizontal);
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 20);
        QCOMPARE(bar->value(), 5);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 1);
    }

    void messageBox() {
        QString title;
        QString text;
        QString name;
        int buttons = -1;
        bool wasOk = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            name = box->objectName();
            buttons = int(box->buttons().size());
            wasOk = box->standardButtons() == QMessageBox::Ok;
            box->button(QMessageBox::Ok)->click();
        });
        showMessage(nullptr, std::string_view("杆长设计不当,请重新输入"));
        QCOMPARE(title, QStringLiteral("四杆机构"));
        QCOMPARE(text, QStringLiteral("杆长设计不当,请重新输入"));
        QCOMPARE(name, QStringLiteral("messageBox"));
        QCOMPARE(buttons, 1);
        QVERIFY(wasOk);
    }
};

QTEST_MAIN(BasicsTest)
#include "basics_test.moc"
