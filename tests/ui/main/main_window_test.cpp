// Tests of the main window: layout, tab order, presets, confirm, cancel, focus reset, execute,
// clear.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/messages.h"
#include "core/shared_state.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/twips.h"

using fourbar::SharedState;
using fourbar::ui::MainWindow;

namespace {

QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Runs `action` and closes every message box it opens; returns their captions and texts.
QStringList collectMessages(const std::function<void()>& action) {
    QStringList messages;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&messages] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages << box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
    poll.start();
    action();
    poll.stop();
    return messages;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<SharedState> state_;
    std::unique_ptr<MainWindow> window_;

    template <class T = QWidget>
    T* child(const char* name) {
        T* w = window_->findChild<T*>(QString::fromLatin1(name));
        if (w == nullptr) {
            qFatal("no widget %s", name);
        }
        return w;
    }
    QString text(const char* box) { return child<QLineEdit>(box)->text(); }
    void trigger(const char* name) {
        if (auto* action = window_->findChild<QAction*>(QString::fromLatin1(name))) {
            action->trigger();
        } else {
            QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton);
        }
    }
    void confirmPreset(const char* preset) {
        trigger(preset);
        trigger("Command1");
    }
    QStringList outputTexts() {
        QStringList texts;
        for (const char* box :
             {"Text8", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14"}) {
            texts << text(box);
        }
        return texts;
    }

  private slots:
    void init() {
        state_ = std::make_unique<SharedState>();
        state_->linkage.L1 = 5;  // the first focus of the opening window resets it
        state_->tables.maxOmega3 = 7;
        window_ = std::make_unique<MainWindow>(*state_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() {
        window_.reset();
        state_.reset();
    }

    void windowOpensWithText1Focused() {
        QCOMPARE(QApplication::focusWidget(), child("Text1"));
        QCOMPARE(state_->linkage.L1, 0.0);
        QCOMPARE(state_->tables.maxOmega3, 0.0);
        QCOMPARE(window_->windowTitle(), QString::fromUtf8(" 四杆机构"));
        QCOMPARE(window_->centralWidget()->size(), QSize(491, 327));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(window_->menuBar()->isVisible());
        QCOMPARE(window_->centralWidget()->y(), window_->menuBar()->height());
    }

    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Frame1") << "Frame1" << QRect(180, 1620, 3015, 3135) << " 请输入已知条件   ";
        QTest::newRow("Label1") << "Label1" << QRect(60, 360, 855, 315) << "L1(mm):";
        QTest::newRow("Command2") << "Command2" << QRect(1920, 2460, 795, 375) << "取 消";
        QTest::newRow("Label3") << "Label3" << QRect(180, 1680, 375, 15) << "Label3";
        QTest::newRow("Label12") << "Label12" << QRect(360, 300, 255, 1035) << "机构简图";
        QTest::newRow("Picture1") << "Picture1" << QRect(660, 180, 2475, 1395) << "";
        QTest::newRow("Command4") << "Command4" << QRect(1440, 180, 675, 615) << "数据显示";
        QTest::newRow("Command6") << "Command6" << QRect(180, 180, 495, 615) << "动态  演示";
        QTest::newRow("Frame4") << "Frame4" << QRect(3360, 1260, 3795, 3495) << "主要运动参数输出";
        QTest::newRow("Label19") << "Label19" << QRect(60, 3060, 1875, 315)
                                 << "  最大角加速度(1/ s2)";
        QTest::newRow("Command8") << "Command8" << QRect(3240, 2280, 375, 795) << "清除";
        QTest::newRow("Label11") << "Label11" << QRect(1080, 900, 375, 255) << "L4";
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QWidget* w = child(name.toLatin1().constData());
        QCOMPARE(w->geometry(),
                 fourbar::ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QVERIFY(w->isVisible() || name == "Label3");
        if (auto* label = qobject_cast<QLabel*>(w)) {
            QCOMPARE(label->text(), caption);
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            QCOMPARE(button->text(), caption);
        } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            QCOMPARE(frame->title(), caption);
        }
    }

    void fonts_data() {
        using fourbar::ui::DesignFont;
        QTest::addColumn<QString>("name");
        QTest::addColumn<QFont>("font");
        QTest::newRow("Command1") << "Command1" << designFont(DesignFont::TimesNewRoman, 12);
        QTest::newRow("Text1") << "Text1" << designFont(DesignFont::TimesNewRoman, 8.25);
        QTest::newRow("Text6") << "Text6" << designFont(DesignFont::TimesNewRoman, 9.75);
        QTest::newRow("Label1") << "Label1" << designFont(DesignFont::MsSansSerif, 9.75);
        QTest::newRow("Frame1") << "Frame1" << designFont(DesignFont::MsSansSerif, 8.25);
        QTest::newRow("Label3") << "Label3" << designFont(DesignFont::Arial, 6);
        QTest::newRow("Label10") << "Label10" << designFont(DesignFont::TimesNewRoman, 8.25);
    }
    void fonts() {
        QFETCH(QString, name);
        QFETCH(QFont, font);
        const QFont actual = child(name.toLatin1().constData())->font();
        QCOMPARE(actual.families(), font.families());
        QCOMPARE(actual.pixelSize(), font.pixelSize());
    }

    void menuBar() {
        QStringList menus;
        for (QAction* menu : window_->menuBar()->actions()) {
            QStringList items;
            for (QAction* item : menu->menu()->actions()) {
                items << item->objectName() + QLatin1Char('=') + item->text();
            }
            menus << menu->menu()->objectName() + QLatin1Char('=') + menu->text() +
                         QLatin1Char(':') + items.join(QLatin1Char(','));
        }
        const QStringList expected{
            "iuput=输入数据:affirm=确定,delete=删除",
            "analysis=运动分析:opration=执行,prin=打印,clear=清除",
            "display=运动显示:transfer=位移图,velocity=速度图,accelerlation=加速度图,clear2=清除",
            "dplay=动态显示:low=低速,middle=中速,high=高速,boundary=范围,clear1=清除",
            "modle=运动模式:crankrocker=曲柄摇杆,rockercrank=摇杆曲柄,doublecrank= 双曲柄,"
            "doublerocker1=双摇杆1,doublerocker2=双摇杆2,doublerocker3=双摇杆3,doublerocker4="
            "双摇杆4",
        };
        QCOMPARE(menus, expected);
    }

    void tabOrder() {
        QStringList visited;
        for (int i = 0; i < 21; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QStringList expected{
            "Text1",    "Text2",    "Text3",    "Text4",    "Text5",    "Text6",    "Command1",
            "Command2", "Command3", "Command4", "Command6", "Text8",    "Text9",    "Text10",
            "Text11",   "Text12",   "Text13",   "Text14",   "Command7", "Command8", "Text1"};
        QCOMPARE(visited, expected);
    }

    // Preset, confirm, execute. An expected text ending in '*' is a prefix of the box's text.
    void presetConfirmExecute_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("outputs");
        QTest::newRow("crank-rocker")
            << "crankrocker" << QStringList{" 150", " 220", " 250", " 300", " 100", "-1"}
            << QStringList{"B型曲柄摇杆机构", " 73.767*", " 33.620*", " 1.0305*",
                           " 169.73*",        " 10.527*", " 187.7075"};
        QTest::newRow("rocker-crank")
            << "rockercrank" << QStringList{" 250", " 220", " 150", " 300", " 100", "-1"}
            << QStringList{"B型摇杆曲柄机构", " 360", " 0", "", " 360", " *", " *"};
        QTest::newRow("double crank")
            << "doublecrank" << QStringList{" 220", " 250", " 300", " 150", " 100", "-1"}
            << QStringList{"双曲柄机构", " 360", " 0", "", " 360", " 36.33*", " 753.9*"};
        QTest::newRow("double rocker 1")
            << "doublerocker1" << QStringList{" 300", " 150", " 220", " 250", " 100", "-1"}
            << QStringList{"双摇杆机构", " 92.63*", " 0", "", " 125.*", " *", " *"};
        QTest::newRow("double rocker 2")
            << "doublerocker2" << QStringList{" 220", " 150", " 300", " 100", " 100", "-1"}
            << QStringList{"双摇杆机构", "255.9*", " 12.30*", "", " *", " *", " *"};
        QTest::newRow("double rocker 3")
            << "doublerocker3" << QStringList{" 300", " 150", " 220", " 100", " 100", "-1"}
            << QStringList{"双摇杆机构", "280.5*", " 0", "", " *", " *", " *"};
        QTest::newRow("double rocker 4")
            << "doublerocker4" << QStringList{" 150", " 300", " 100", " 220", " 100", "-1"}
            << QStringList{"双摇杆机构", "186.1*", " 0", "", " *", " *", " *"};
    }
    void presetConfirmExecute() {
        QFETCH(QString, preset);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, outputs);
        trigger(preset.toLatin1().constData());
        QStringList shown;
        for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) {
            shown << text(box);
        }
        QCOMPARE(shown, inputs);
        QCOMPARE(state_->linkage.L1, 0.0);  // a preset is not stored until confirmed

        trigger("Command1");
        QCOMPARE(collectMessages([this] { trigger("Command7"); }), QStringList());
        const QStringList actual = outputTexts();
        for (int i = 0; i < outputs.size(); ++i) {
            const QString& want = outputs[i];
            if (want.endsWith(QLatin1Char('*'))) {
                QVERIFY2(
                    actual[i].startsWith(want.chopped(1)) && actual[i].size() > want.size() - 1,
                    qPrintable(QStringLiteral("Text%1: %2").arg(i + 8).arg(actual[i])));
            } else {
                QCOMPARE(actual[i], want);
            }
        }
        // A long number shows its leading digits.
        QCOMPARE(child<QLineEdit>("Text9")->cursorPosition(), 0);
    }

    void confirmStoresAllSixFields() {
        confirmPreset("crankrocker");
        const fourbar::LinkageState& s = state_->linkage;
        QCOMPARE(QList<double>({s.L1, s.L2, s.L3, s.L4, s.n, s.M}),
                 QList<double>({150, 220, 250, 300, 100, -1}));
    }

    void confirmReadsLeniently_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored");
        QTest::newRow("unit after number") << "12.5mm" << 12.5;
        QTest::newRow("not a number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("exponent") << "  -1e2x" << -100.0;
    }
    void confirmReadsLeniently() {
        QFETCH(QString, typed);
        QFETCH(double, stored);
        const std::string earlier(fourbar::names::doubleCrank);
        state_->linkage.mechanismName = earlier;
        child<QLineEdit>("Text5")->setText(typed);
        collectMessages([this] { trigger("affirm"); });  // no message expected: checked below
        QCOMPARE(state_->linkage.n, stored);
        QCOMPARE(state_->linkage.mechanismName, earlier);  // confirm leaves the name alone
    }

    void cancelKeepsStoredValues() {
        confirmPreset("crankrocker");
        trigger("delete");
        QCOMPARE(QString(text("Text1") + text("Text3") + text("Text6")), QString());
        trigger("Command2");
        QCOMPARE(state_->linkage.L3, 250.0);
        trigger("opration");
        QCOMPARE(text("Text8"), QString::fromUtf8("B型曲柄摇杆机构"));
    }

    void focusResetByMouseAndTab() {
        confirmPreset("crankrocker");
        QTest::mouseClick(child("Text3"), Qt::LeftButton);
        QCOMPARE(text("Text3"), QString());
        QCOMPARE(state_->linkage.L3, 0.0);
        QTest::keyClicks(child("Text3"), "80");
        QTest::keyClick(child("Text3"), Qt::Key_Tab);
        QCOMPARE(text("Text4"), QString());
        QCOMPARE(state_->linkage.L4, 0.0);
        QTest::keyClick(child("Text4"), Qt::Key_Backtab);
        QCOMPARE(text("Text3"), QString());
        QCOMPARE(text("Text2"), QStringLiteral(" 220"));
        QCOMPARE(state_->linkage.L2, 220.0);
        QCOMPARE(text("Text6"), QStringLiteral("-1"));
    }

    // Typing into an output box changes nothing that the program stores.
    void outputBoxesAreOnlyShown() {
        confirmPreset("crankrocker");
        QTest::mouseClick(child("Text8"), Qt::LeftButton);
        QTest::keyClicks(child("Text8"), "abc");
        QCOMPARE(state_->linkage.mechanismName, std::string());
        QCOMPARE(state_->linkage.L1, 150.0);
    }

    void clear_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("button") << "Command8";
        QTest::newRow("menu") << "clear";
    }
    void clear() {
        QFETCH(QString, command);
        confirmPreset("crankrocker");
        trigger("Command7");
        QVERIFY(state_->tables.maxAlpha3 > 0);
        trigger(command.toLatin1().constData());
        QCOMPARE(outputTexts(), QStringList(7, QString()));
        QCOMPARE(state_->linkage.mechanismName, std::string());
        QCOMPARE(state_->tables.maxTheta3, 0.0f);
        QCOMPARE(state_->tables.maxOmega3, 0.0);
        QCOMPARE(state_->tables.maxAlpha3, 0.0f);
        QCOMPARE(text("Text1"), QStringLiteral(" 150"));
        QCOMPARE(state_->linkage.L1, 150.0);
    }

    // Execute before any confirm: the lengths are all 0 and cannot close.
    void executeMessages_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("lengths");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text8");
        QTest::newRow("nothing confirmed, button")
            << ""
            << "Command7" << QStringList() << qs(fourbar::messages::closureFailed) << "";
        QTest::newRow("preset not confirmed, menu")
            << "crankrocker"
            << "opration" << QStringList() << qs(fourbar::messages::closureFailed) << "";
        QTest::newRow("cannot close") << ""
                                      << "Command7" << QStringList{"100", "100", "100", "400"}
                                      << qs(fourbar::messages::closureFailed) << "";
        QTest::newRow("coupler of length 0") << ""
                                             << "Command7" << QStringList{"100", "0", "100", "100"}
                                             << qs(fourbar::messages::runFailed) << "*";
    }
    void executeMessages() {
        QFETCH(QString, preset);
        QFETCH(QString, command);
        QFETCH(QStringList, lengths);
        QFETCH(QString, message);
        QFETCH(QString, text8);
        if (!preset.isEmpty()) {
            trigger(preset.toLatin1().constData());
        }
        if (!lengths.isEmpty()) {
            for (int i = 0; i < lengths.size(); ++i) {
                child<QLineEdit>(QStringLiteral("Text%1").arg(i + 1).toLatin1().constData())
                    ->setText(lengths[i]);
            }
            trigger("Command1");
        }
        const QStringList shown =
            collectMessages([this, &command] { trigger(command.toLatin1().constData()); });
        QCOMPARE(shown, QStringList{QStringLiteral("四杆机构|") + message});
        // The program goes on: the window stays and can execute again.
        QVERIFY(window_->isVisible());
        QCOMPARE(text8 == "*", !text("Text8").isEmpty());
        QCOMPARE(outputTexts().mid(1).join(QString()), QString());
    }

    // The schematic is drawn once and no command changes it.
    void schematicIsStatic() {
        auto* picture = child<fourbar::ui::DrawingArea>("Picture1");
        const QImage before = picture->image().copy();
        // Midpoints of the frame link (Line1) and the coupler (Line3), in pixels.
        for (const QPointF p :
             {QPointF(1260 / 15.0, 1200 / 15.0), QPointF(810 / 15.0, 390 / 15.0)}) {
            const QPoint px = p.toPoint();
            bool dark = false;
            for (int dx = -1; dx <= 1; ++dx) {
                for (int dy = -1; dy <= 1; ++dy) {
                    dark = dark || qGray(before.pixel(px.x() + dx, px.y() + dy)) < 100;
                }
            }
            QVERIFY2(dark,
                     qPrintable(QStringLiteral("no line near %1,%2").arg(px.x()).arg(px.y())));
        }
        confirmPreset("crankrocker");
        trigger("Command7");
        const QStringList outputs = outputTexts();
        trigger("clear1");
        trigger("clear2");
        QCOMPARE(picture->image(), before);
        QCOMPARE(outputTexts(), outputs);
        QCOMPARE(text("Text1"), QStringLiteral(" 150"));
        QCOMPARE(child<QLabel>("Label9")->text(), QStringLiteral("L2"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
