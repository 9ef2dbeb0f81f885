// Motion diagrams window: curves checked by the pixels of the plot's backing image.
#include <QPushButton>
#include <QTest>

#include "core/motion_parameters.h"
#include "ui/diagrams/diagrams_window.h"
#include "ui/toolkit/drawing_area.h"

using fourbar::SharedState;
using fourbar::ui::DiagramsWindow;

class DiagramsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void plot_data();
    void plot();
};

// A case is "setup|buttons|probes": the crank-rocker (CR) or rocker-crank (RC) preset, executed,
// then changed (maxima reset, rows cleared, a double rocker of zero width, theta3 without a value
// at rows 100 to 105); the buttons clicked in turn; "c x y" probes in the plot's user coordinates
// (twips at the layout size, 6645 x 4845: y = value * 2180.25 / maximum, x = row * 13.29 for a
// full turn, 0 to 4784.4 for a limited range), each saying that a pixel of colour c (b, r, g, k:
// blue, red, dark green, the axes) lies within one pixel of (x, y), or "-c" that none does.
void DiagramsWindowTest::plot_data() {
    QTest::addColumn<QString>("plan");
    // clang-format off
    for (const QString plan : {
            "CR|123|k 5030 0 -k 5100 0 k 0 2290 k 0 -2290 b 1196 1444 r 1196 1210 g 1196 363 "
            "b 2658 2167 r 2658 260 g 2658 -611 b 0 1531 r 0 -2169 g 4771 194",
            "CR|1235|-b 1196 1444 -k 2000 0", "CR|152|r 1196 1210 -b 1196 1444 -g 1196 363",
            "CR max0|1|k 2000 0 -b 1196 1444", "CR norows|1|k 2000 0 -b 1196 1444",
            "CR DR0|1|k 2000 0 -b 1196 1444", "CR nan|1|b 1316 1511 -b 1362 1538 b 1409 1566",
            "RC|1|b 0 2055 b 2359 344 b 4784 850 b 2359 1183 b 0 1831"}) {
        QTest::newRow(qPrintable(plan.section('|', 0, 1))) << plan;
    }
    // clang-format on
}

void DiagramsWindowTest::plot() {
    QFETCH(QString, plan);
    const QString setup = plan.section('|', 0, 0);
    const QStringList p = plan.section('|', 2).split(' ');
    SharedState s;
    const bool rc = setup == "RC";
    s.linkage = {rc ? 250. : 150., 220, rc ? 150. : 250., 300, 100, 0, -1, {}, 0};
    QVERIFY(executeAnalysis(s.linkage, s.tables).message == fourbar::ExecuteMessage::None);
    if (setup.contains("max0")) {
        s.tables.resetMaxima();
    } else if (setup.contains("norows")) {
        s.tables.clearRows();
    } else if (setup.contains("DR0")) {
        s.linkage.mechanismName = "双摇杆机构";
        s.tables.startAngle = s.tables.endAngle = 30;
    }
    for (int i = 100; setup.contains("nan") && i <= 105; ++i) {
        s.tables.setRow(i, {0, 0, float(qQNaN()), 0, 0, 0, 0});
    }
    DiagramsWindow w(s);
    for (const QChar button : plan.section('|', 1, 1)) {
        w.findChild<QPushButton*>(QString("Command") + button)->click();
    }
    const QImage& image = w.plot()->image();  // every probe lies inside it
    for (qsizetype n = 0; n + 2 < p.size(); n += 3) {
        const QColor colour = QList<QColor>{Qt::blue, Qt::red, {60, 128, 0}, Qt::black}.at(
            QString("brgk").indexOf(p[n].back()));
        const QPoint at = w.plot()->toPixels(p[n + 1].toDouble(), p[n + 2].toDouble()).toPoint();
        bool found = false;
        for (int d = 0; d < 9; ++d) {
            found |= image.pixelColor(at + QPoint(d % 3 - 1, d / 3 - 1)) == colour;
        }
        QVERIFY2(found != p[n].startsWith('-'), qPrintable(p.mid(n, 3).join(' ')));
    }
}

QTEST_MAIN(DiagramsWindowTest)
#include "diagrams_window_test.moc"
