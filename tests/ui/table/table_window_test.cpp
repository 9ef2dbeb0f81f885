// The data table window: lines to the bottom edge, messages, "清零", "退出", layout, captions.
#include <QtTest>
#include <QtWidgets>

#include "core/listing.h"
#include "core/motion_parameters.h"
#include "ui/table/table_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/widget_table.h"

using namespace fourbar;
using ui::TableWindow;
using ui::widget;

namespace {

// Runs `act`; returns the texts of the message boxes it opened, each closed with OK.
QStringList messagesDuring(const std::function<void()>& act) {
    QStringList messages;
    QTimer poll;
    poll.callOnTimeout([&messages] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages << box->text();
            box->accept();
        }
    });
    poll.start(0);
    act();
    return messages;
}

// Clicks a button of `w`; returns the texts of the message boxes it opened.
QStringList click(const TableWindow& w, const QString& button) {
    return messagesDuring([&] { widget<QPushButton>(&w, qPrintable(button))->click(); });
}

}  // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // A button after an execute with L1..L4 (mm) and the start, end and interval boxes (empty when
    // not listed): the messages, the lines printed with the title and the heading, the first row.
    void listing_data() {
        QTest::addColumn<QList<double>>("lengths");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("firstRow");
        // clang-format off
        // 56 rows from 90: the listing ends at the area's bottom edge.
        QTest::newRow("display") << QList<double>{150, 220, 250, 300} << "Command1"
            << QStringList{"90", "200", "2"} << QStringList{} << 47
            << "   90     21.62      112.45     -2.73      5.84        30.22        31.28";
        QTest::newRow("rocker-crank quarter") << QList<double>{250, 220, 150, 300} << "Command3"
            << QStringList{} << QStringList{"请选择范围及间隔"} << 2 << "";
        QTest::newRow("double rocker outside quarter") << QList<double>{300, 150, 220, 250}
            << "Command4" << QStringList{} << QStringList{"数据不在此范围内"} << 2 << "";
        // clang-format on
    }

    void listing() {
        QFETCH(QList<double>, lengths);
        QFETCH(QString, button);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, messages);
        QFETCH(int, lines);
        QFETCH(QString, firstRow);
        SharedState state;
        state.inputs = {lengths[0], lengths[1], lengths[2], lengths[3], 100, 0, -1, {}, 0};
        QVERIFY(executeAnalysis(state).message == ExecuteMessage::None);
        TableWindow w(state);
        const char* boxNames[] = {"Text2", "Text3", "Text1"};  // start, end, interval
        for (int n = 0; n < 3; ++n) {
            widget<QLineEdit>(&w, boxNames[n])->setText(boxes.value(n));
        }
        QCOMPARE(click(w, button), messages);
        const QStringList printed = w.listingArea()->printedLines();
        QCOMPARE(printed.size(), lines);
        QCOMPARE(printed.value(2), firstRow);
    }

    // "清零" empties the three boxes and keeps the listing; "退出" empties the listing (the main
    // window's tests follow the exit itself).
    void clearAndExit() {
        SharedState state;
        TableWindow w(state);
        const QList<QLineEdit*> boxes = w.findChildren<QLineEdit*>();
        for (QLineEdit* box : boxes) {
            box->setText("45");
        }
        click(w, "Command1");
        click(w, "Command7");
        for (QLineEdit* box : boxes) {
            QCOMPARE(box->text(), QString());
        }
        QCOMPARE(w.listingArea()->printedLines().size(), 2);
        click(w, "Command2");
        QVERIFY(w.listingArea()->printedLines().isEmpty());
    }

    // "导出CSV...": every row of the analysis to the file, or a message and no file before any
    // analysis and where the file cannot be written.
    void exportCsv_data() {
        QTest::addColumn<bool>("analysed");
        QTest::addColumn<QString>("name");  // in a temporary directory
        QTest::addColumn<QString>("message");
        QTest::newRow("written") << true << "rows.csv"
                                 << "";
        QTest::newRow("before any analysis") << false << "rows.csv"
                                             << "请先执行运动分析";
        QTest::newRow("no such directory") << true << "missing/rows.csv"
                                           << "missing/rows.csv";
    }
    void exportCsv() {
        QFETCH(bool, analysed);
        QFETCH(QString, name);
        QFETCH(QString, message);
        SharedState state;
        state.inputs = {150, 220, 250, 300, 100, 0, -1, {}, 0};
        if (analysed) {
            executeAnalysis(state);
        }
        TableWindow w(state);
        const QTemporaryDir dir;
        const QString path = dir.filePath(name);
        bool written = false;
        const QStringList shown = messagesDuring([&] { written = w.exportCsvTo(path); });
        QCOMPARE(written, message.isEmpty());
        QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
        QVERIFY(shown.value(0).contains(message));
        QFile file(path);
        QCOMPARE(file.open(QIODevice::ReadOnly), message.isEmpty());
        if (file.isOpen()) {
            QCOMPARE(file.readAll(), QByteArray::fromStdString(analysisCsv(*state.analysis)));
        }
        QVERIFY(w.findChild<QAction*>("exportCsv") != nullptr);
    }

    // Spot checks of the twip layout (15 twips to the pixel), and every caption against its text.
    void layoutAndCaptions() {
        SharedState state;
        TableWindow w(state);
        QCOMPARE(w.size(), QSize(448, 529));
        QCOMPARE(widget<QWidget>(&w, "Picture1")->geometry(), QRect(4, 12, 405, 509));
        QCOMPARE(widget<QWidget>(&w, "Command2")->geometry(), QRect(416, 468, 25, 45));
        QCOMPARE(w.windowTitle(), "运动参数");
        w.show();  // the window opens with the display command focused
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget()->objectName(), "Command1");
        // clang-format off
        const std::pair<const char*, const char*> captions[] = {
            {"Command1", "       显  示       "}, {"Label2", " 起 点"}, {"Label3", " 终 点 "},
            {"Label1", " 间  隔"}, {"Command7", "清零"}, {"Command3", "0--90   度"},
            {"Command4", "--180   度"}, {"Command5", "--270   度"}, {"Command6", "--360   度"},
            {"Command2", "退出"},
        };
        // clang-format on
        QCOMPARE(w.findChildren<QPushButton*>().size() + w.findChildren<QLabel*>().size(),
                 std::size(captions));
        for (const auto& [name, caption] : captions) {
            QCOMPARE(widget<QWidget>(&w, name)->property("text").toString(), caption);
        }
    }
};

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
