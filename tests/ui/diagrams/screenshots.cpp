// Writes PNGs of the motion diagrams and data table windows after the crank-rocker preset ran,
// when FOURBAR_SHOTS names a directory; otherwise the test is skipped.
#include <QDir>
#include <QPushButton>
#include <QTest>

#include "core/motion_parameters.h"
#include "core/shared_state.h"
#include "ui/diagrams/diagrams_window.h"
#include "ui/table/table_window.h"

class Screenshots : public QObject {
    Q_OBJECT

  private slots:
    void bothWindows();
};

void Screenshots::bothWindows() {
    const QString dir = qEnvironmentVariable("FOURBAR_SHOTS");
    if (dir.isEmpty()) {
        QSKIP("set FOURBAR_SHOTS=<directory> to write the screenshots");
    }
    QVERIFY(QDir().mkpath(dir));
    fourbar::SharedState state;
    state.linkage = {150, 220, 250, 300, 100, 0, -1, {}, 0};
    QCOMPARE(int(fourbar::executeAnalysis(state.linkage, state.tables).message),
             int(fourbar::ExecuteMessage::None));

    fourbar::ui::DiagramsWindow diagrams(state);
    diagrams.show();
    QVERIFY(QTest::qWaitForWindowExposed(&diagrams));
    for (const char* name : {"Command1", "Command2", "Command3"}) {
        diagrams.findChild<QPushButton*>(name)->click();
    }
    const QString diagramsFile = QDir(dir).filePath("form3-diagrams.png");
    QVERIFY(diagrams.grab().save(diagramsFile));

    fourbar::ui::TableWindow table(state);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    table.findChild<QPushButton*>("Command1")->click();
    const QString tableFile = QDir(dir).filePath("form4-table.png");
    QVERIFY(table.grab().save(tableFile));
    qInfo("wrote %s and %s", qPrintable(diagramsFile), qPrintable(tableFile));
}

QTEST_MAIN(Screenshots)
#include "screenshots.moc"
