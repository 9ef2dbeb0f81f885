// Tests of a drawing area's context menu as the user works it: Ctrl+C, the items picked from the
// menu by keyboard and by mouse, the picture saved in the format its name asks for, and saves that
// fail. The CSV export through the menu is the table window's test.
#include <QtTest>
#include <QtWidgets>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <csignal>
#endif

#include "tests/ui/ui_test_support.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/export_menu.h"
#include "ui/toolkit/listing_view.h"
#include "ui/toolkit/message_box.h"

using fourbar::test::MenuUse;
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

// A picture file as a reader sees it: its format and size.
QString describeFile(const QString& path) {
    QImageReader reader(path);
    return QString::fromLatin1(reader.format()) + ' ' + QString::number(reader.size().width()) +
           'x' + QString::number(reader.size().height());
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

}  // namespace

class ExportMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { fourbar::ui::setMessageTitle(kTitle); }

    // Ctrl+C with a button of the window focused copies the area's picture, or the listing's text;
    // an area without a menu copies nothing.
    void copyWithButtonFocused_data() {
        QTest::addColumn<Area>("kind");
        QTest::newRow("picture") << Area::Picture;
        QTest::newRow("listing") << Area::Listing;
        QTest::newRow("no menu") << Area::NoMenu;
    }
    void copyWithButtonFocused() {
        QFETCH(Area, kind);
        Window w(kind);
        w.button->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        QTest::keyClick(w.button, Qt::Key_C, Qt::ControlModifier);
        const QClipboard* clipboard = QApplication::clipboard();
        switch (kind) {
            case Area::Picture:
                QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), w.area->image());
                break;
            case Area::Listing:
                QCOMPARE(clipboard->text(), QStringLiteral("  90\n"));
                break;
            case Area::NoMenu:
                QCOMPARE(clipboard->text(), QStringLiteral("kept"));
                break;
        }
    }

    // "复制" picked from the menu copies the picture, or the listing's text and table.
    void copyFromMenu_data() {
        QTest::addColumn<Area>("kind");
        QTest::addColumn<Pick>("pick");
        QTest::newRow("picture by keyboard") << Area::Picture << Pick::Keyboard;
        QTest::newRow("listing by click") << Area::Listing << Pick::Click;
    }
    void copyFromMenu() {
        QFETCH(Area, kind);
        Window w(kind);
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        QFETCH(Pick, pick);
        const MenuUse use = pickFromContextMenu(w.area, {50, 40}, "复制", pick);
        QCOMPARE(use.dialogs, QStringList());
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        if (kind == Area::Listing) {
            QCOMPARE(copied->text(), QStringLiteral("  90\n"));
            QVERIFY(copied->html().contains("<tr><td>90</td></tr>"));
        } else {
            QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                     w.area->image());
        }
    }

    // "保存图片..." proposes its name and writes the picture as the file the user names: PNG for a
    // name without suffix (".png" added) or one Qt cannot write, otherwise the format of the
    // suffix.
    void savePictureFromMenu_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Pick>("pick");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("file");  // format and size as read back
        QTest::newRow("no suffix") << "picture" << Pick::Keyboard << "picture.png"
                                   << "png 100x80";
        QTest::newRow("JPEG in capitals") << "picture.JPEG" << Pick::Keyboard << "picture.JPEG"
                                          << "jpeg 100x80";
        QTest::newRow("unknown suffix") << "picture.xyz" << Pick::Click << "picture.xyz"
                                        << "png 100x80";
    }
    void savePictureFromMenu() {
        QFETCH(QString, saved);
        const int ratio = qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2 ? 2 : 1;
        const QTemporaryDir dir;
        Window w(Area::Picture);
        w.area->enableSavePicture(true, QStringLiteral("运动线图.png"));
        QFETCH(Pick, pick);
        QFETCH(QString, typed);
        const MenuUse use =
            pickFromContextMenu(w.area, {50, 40}, "保存图片...", pick, dir.filePath(typed));
        QCOMPARE(use.dialogs.size(), 1);
        QVERIFY2(use.dialogs[0].contains("|运动线图.png|"), qPrintable(use.dialogs[0]));
        QCOMPARE(entries(dir.path()), QStringList(saved));
        QFETCH(QString, file);
        QString expected = file;
        expected.replace("100x80", QStringLiteral("%1x%2").arg(100 * ratio).arg(80 * ratio));
        QCOMPARE(describeFile(dir.filePath(saved)), expected);
        if (expected.startsWith("png")) {  // lossless: the picture as shown, at its resolution
            const QImage image(dir.filePath(saved));
            QVERIFY(image.convertToFormat(QImage::Format_RGB32) == w.area->image());  // ratio aside
            QCOMPARE(image.dotsPerMeterX(), qRound(96 / 0.0254 * ratio));
        }
    }

    // A save that cannot be completed names the file and the reason in a message, leaves no file
    // behind and a file of that name as it was.
    void failedSave_data() {
        QTest::addColumn<bool>("fileTooLarge");  // or the name is a folder's
        QTest::newRow("name of a folder") << false;
        QTest::newRow("bytes cut short") << true;  // as on a full disk
    }
    void failedSave() {
        QFETCH(bool, fileTooLarge);
        const QTemporaryDir dir;
        const QString name = dir.filePath(fileTooLarge ? "kept.png" : "folder.png");
        if (fileTooLarge) {
            QFile kept(name);
            QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("old") == 3);
        } else {
            QVERIFY(QDir(dir.path()).mkdir("folder.png"));
        }
        Window w(Area::Picture);
#ifdef Q_OS_UNIX
        // Writes beyond 100 bytes fail (the picture has more), as on a disk that is full.
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit saved = limit;
        limit.rlim_cur = fileTooLarge ? 100 : limit.rlim_cur;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
#else
        if (fileTooLarge) {
            QSKIP("needs a limit on the size of files written");
        }
#endif
        const QStringList shown =
            fourbar::test::dialogsDuring([&] { QVERIFY(!w.area->exportMenu().savePicture(name)); });
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
#endif
        QCOMPARE(shown.size(), 1);
        QVERIFY2(
            shown[0].startsWith(kTitle + "|无法保存文件 " + QDir::toNativeSeparators(name) + "："),
            qPrintable(shown[0]));
        QVERIFY2(!shown[0].contains("：|"), "the reason");
        QCOMPARE(entries(dir.path()), QStringList(QFileInfo(name).fileName()));
        if (fileTooLarge) {
            QFile kept(name);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), QByteArray("old"));
        }
    }
};

QTEST_MAIN(ExportMenuTest)
#include "export_menu_test.moc"
