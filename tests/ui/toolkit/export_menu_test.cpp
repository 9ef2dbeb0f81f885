// Tests of a drawing area's context menu as the user works it: Ctrl+C, the items picked from the
// menu by keyboard and by mouse, the picture saved in the format its name asks for, and a save
// that fails. The CSV export through the menu is the table window's test.
#include <QtTest>
#include <QtWidgets>

#include "tests/ui/ui_test_support.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/export_menu.h"
#include "ui/toolkit/listing_view.h"
#include "ui/toolkit/message_box.h"

using fourbar::test::Pick;
using fourbar::test::pickFromContextMenu;
using fourbar::ui::DrawingArea;
using fourbar::ui::ListingView;

namespace {

const QString kTitle = QStringLiteral("标题");

// What a window shows in its drawing area.
enum class Area {
    Picture,  // a drawing
    Listing,  // a listing view
    NoMenu,   // a drawing whose menu is switched off
};

// A shown window holding an area of `kind` with something drawn or printed, and a button.
struct Window {
    QWidget widget;
    DrawingArea* area;
    QPushButton* button;

    explicit Window(Area kind)
        : area(kind == Area::Listing ? new ListingView(&widget) : new DrawingArea(&widget)),
          button(new QPushButton(QStringLiteral("演示"), &widget)) {
        area->setGeometry(0, 0, 100, 80);
        button->setGeometry(110, 0, 40, 30);
        area->line(150, 150, 1350, 600, Qt::blue);
        if (auto* listing = qobject_cast<ListingView*>(area)) {
            listing->print({ListingView::LineRole::Cells, {{0, 2, "90"}}, {"  90"}});
        }
        if (kind == Area::NoMenu) {
            area->disableMenu();
        }
        widget.show();
        QVERIFY(QTest::qWaitForWindowActive(&widget));
    }
};

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

}  // namespace

class ExportMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { fourbar::ui::setMessageTitle(kTitle); }

    // Ctrl+C with a button of the window focused, or "复制" picked from the menu, copies the
    // area's picture, or the listing's text (Ctrl+C on a listing: the table window's test); an area
    // without a menu copies nothing.
    void copy_data() {
        QTest::addColumn<Area>("kind");
        QTest::addColumn<bool>("fromMenu");  // or Ctrl+C
        QTest::addColumn<Pick>("pick");
        QTest::newRow("picture, Ctrl+C") << Area::Picture << false << Pick::Click;
        QTest::newRow("no menu, Ctrl+C") << Area::NoMenu << false << Pick::Click;
        QTest::newRow("picture, menu by keyboard") << Area::Picture << true << Pick::Keyboard;
        QTest::newRow("listing, menu by click") << Area::Listing << true << Pick::Click;
    }
    void copy() {
        QFETCH(Area, kind);
        QFETCH(bool, fromMenu);
        QFETCH(Pick, pick);
        Window w(kind);
        w.button->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        if (fromMenu) {
            QCOMPARE(pickFromContextMenu(w.area, {50, 40}, "复制", pick), QStringList());
        } else {
            QTest::keyClick(w.button, Qt::Key_C, Qt::ControlModifier);
        }
        const QClipboard* clipboard = QApplication::clipboard();
        if (kind == Area::Picture) {
            QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), w.area->image());
        } else {
            QCOMPARE(clipboard->text(), kind == Area::Listing ? "  90\n" : "kept");
        }
    }

    // "保存图片..." proposes its name and writes the picture as the file the user names: PNG for a
    // name without suffix (".png" added) or one Qt cannot write, otherwise the format of the
    // suffix.
    void savePictureFromMenu_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Pick>("pick");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QByteArray>("format");  // as a reader sees the file
        QTest::newRow("no suffix")
            << "picture" << Pick::Keyboard << "picture.png" << QByteArray("png");
        QTest::newRow("JPEG in capitals")
            << "picture.JPEG" << Pick::Keyboard << "picture.JPEG" << QByteArray("jpeg");
        QTest::newRow("unknown suffix")
            << "picture.xyz" << Pick::Click << "picture.xyz" << QByteArray("png");
    }
    void savePictureFromMenu() {
        QFETCH(QString, typed);
        QFETCH(Pick, pick);
        QFETCH(QString, saved);
        const QTemporaryDir dir;
        Window w(Area::Picture);
        w.area->enableSavePicture(true, QStringLiteral("运动线图.png"));
        const QStringList dialogs =
            pickFromContextMenu(w.area, {50, 40}, "保存图片...", pick, dir.filePath(typed));
        QVERIFY2(dialogs.size() == 1 && dialogs[0].contains("|运动线图.png|"),
                 qPrintable(dialogs.join(';')));
        QCOMPARE(entries(dir.path()), QStringList(saved));
        QImageReader reader(dir.filePath(saved));
        const QByteArray format = reader.format();
        QTEST(format, "format");
        const QImage image = reader.read();
        QCOMPARE(image.size(), w.area->image().size());  // at the screen's resolution
        if (format == "png") {                           // lossless: the picture as shown
            QVERIFY(image.convertToFormat(QImage::Format_RGB32) == w.area->image());
            QCOMPARE(image.dotsPerMeterX(),
                     qRound(96 / 0.0254 * w.area->image().devicePixelRatio()));
        }
    }

    // A save whose final commit fails (the name is a folder's) names the file and the reason in a
    // message and leaves no file behind.
    void failedSave() {
        const QTemporaryDir dir;
        const QString name = dir.filePath("kept.png");
        QVERIFY(QDir(dir.path()).mkdir("kept.png"));
        Window w(Area::Picture);
        const QStringList shown =
            fourbar::test::dialogsDuring([&] { QVERIFY(!w.area->exportMenu().savePicture(name)); });
        const QString text = kTitle + "|无法保存文件 " + QDir::toNativeSeparators(name) + "：";
        QVERIFY2(shown.size() == 1 && shown[0].startsWith(text) && !shown[0].contains("：|"),
                 qPrintable(shown.join(';')));  // and the reason
        QCOMPARE(entries(dir.path()), QStringList("kept.png"));
    }
};

QTEST_MAIN(ExportMenuTest)
#include "export_menu_test.moc"
