// The main window: its widgets at their twip positions, the menu bar, the schematic and the
// commands.
#include "ui/main/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <string>

#include "core/lenient_number.h"
#include "core/messages.h"
#include "core/motion_parameters.h"
#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/input_box.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/widgets.h"

namespace fourbar::ui {

namespace {

constexpr int kClientWidthTwips = 7365;
constexpr int kClientHeightTwips = 4905;

// The example linkages of the "运动模式" menu: L1, L2, L3, L4 in mm, n in r/min, M. Each number is
// written as the box would show a number: one leading blank, or the minus sign of a negative one.
struct Preset {
    const char* name;
    const char* caption;
    std::array<const char*, 6> texts;
};

constexpr std::array<Preset, 7> kPresets{{
    {"crankrocker", "曲柄摇杆", {" 150", " 220", " 250", " 300", " 100", "-1"}},
    {"rockercrank", "摇杆曲柄", {" 250", " 220", " 150", " 300", " 100", "-1"}},
    {"doublecrank", " 双曲柄", {" 220", " 250", " 300", " 150", " 100", "-1"}},
    {"doublerocker1", "双摇杆1", {" 300", " 150", " 220", " 250", " 100", "-1"}},
    {"doublerocker2", "双摇杆2", {" 220", " 150", " 300", " 100", " 100", "-1"}},
    {"doublerocker3", "双摇杆3", {" 300", " 150", " 220", " 100", " 100", "-1"}},
    {"doublerocker4", "双摇杆4", {" 150", " 300", " 100", " 220", " 100", "-1"}},
}};

struct Segment {
    int x1, y1, x2, y2;  // twips inside Picture1
};

// Frame link, crank, coupler and rocker, then the ground hatching under the frame (Line1..Line10).
constexpr std::array<Segment, 10> kSchematicLines{{
    {420, 1200, 2100, 1200},
    {420, 1200, 240, 600},
    {240, 600, 1380, 180},
    {1380, 180, 2100, 1200},
    {840, 1200, 720, 1320},
    {960, 1200, 840, 1320},
    {1080, 1200, 960, 1320},
    {1200, 1200, 1080, 1320},
    {1320, 1200, 1200, 1320},
    {1440, 1200, 1320, 1320},
}};

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFont timesNewRoman(double points) {
    return designFont(DesignFont::TimesNewRoman, points);
}

// Paints a label's caption one character per line at an even pitch that fills the label's height.
// The CJK fallback font's line spacing would push the last character of "机构简图" out of the
// label.
class StackedCaption : public QObject {
  public:
    explicit StackedCaption(QLabel* label) : QObject(label), label_(label) {
        label->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != label_ || event->type() != QEvent::Paint) {
            return false;
        }
        const QString caption = label_->text();
        if (caption.isEmpty()) {
            return true;
        }
        QPainter painter(label_);
        painter.setFont(label_->font());
        painter.setPen(label_->palette().color(QPalette::WindowText));
        const int pitch = label_->height() / static_cast<int>(caption.size());
        for (int i = 0; i < caption.size(); ++i) {
            painter.drawText(QRect(0, i * pitch, label_->width(), pitch), Qt::AlignCenter,
                             caption.mid(i, 1));
        }
        return true;
    }

  private:
    QLabel* label_;
};

QLineEdit* makeOutputBox(QWidget* parent, const char* name, TwipRect r, const QFont& font) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(twipsRect(r.left, r.top, r.width, r.height));
    box->setFont(font);
    return box;
}

}  // namespace

MainWindow::MainWindow(SharedState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(text(" 四杆机构"));

    // The client area below the menu bar; its font is the window's own, Arial 6 pt.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setFixedSize(twipsSize(kClientWidthTwips, kClientHeightTwips));
    client->setFont(designFont(DesignFont::Arial, 6));
    setCentralWidget(client);

    createPanels(client);
    createSchematic(client);
    createMenus();
    setTabOrder();
    // The window takes the size of menu bar plus client area and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The running maxima start at 0 before the window is first shown.
    state_.tables.resetMaxima();
    // The first widget of the tab order takes the focus when the window opens.
    inputs_[0]->setFocus(Qt::OtherFocusReason);
}

void MainWindow::createPanels(QWidget* client) {
    const QFont tnr825 = timesNewRoman(8.25);
    const QFont tnr975 = timesNewRoman(9.75);
    const QFont tnr12 = timesNewRoman(12);

    // Input panel.
    QGroupBox* frame1 =
        makeFrame(client, "Frame1", text(" 请输入已知条件   "), {180, 1620, 3015, 3135},
                  designFont(DesignFont::MsSansSerif, 8.25));
    makeLabel(frame1, "Label1", text("L1(mm):"), {60, 360, 855, 315},
              designFont(DesignFont::MsSansSerif, 9.75));
    inputs_[0] = makeInputBox(frame1, "Text1", {900, 300, 675, 360}, tnr825);
    makeLabel(frame1, "Label2", text("L2(mm):"), {120, 900, 675, 375}, tnr975);
    inputs_[1] = makeInputBox(frame1, "Text2", {900, 840, 675, 375}, tnr825);
    makeLabel(frame1, "Label4", text("L3(mm):"), {60, 1440, 795, 315}, tnr975);
    inputs_[2] = makeInputBox(frame1, "Text3", {900, 1380, 675, 375}, tnr825);
    makeLabel(frame1, "Label5", text("L4(mm):"), {60, 2040, 795, 375}, tnr975);
    inputs_[3] = makeInputBox(frame1, "Text4", {900, 1980, 675, 375}, tnr825);
    // One line, as the other captions: wrapped, its second line would not fit the label's height.
    makeLabel(frame1, "Label6", text("n(r/min):"), {120, 2640, 675, 375}, tnr975)
        ->setWordWrap(false);
    inputs_[4] = makeInputBox(frame1, "Text5", {900, 2580, 675, 375}, tnr825);
    makeLabel(frame1, "Label7", text(" M (装配型式)"), {1620, 360, 1335, 375}, tnr975);
    inputs_[5] = makeInputBox(frame1, "Text6", {1920, 780, 735, 375}, tnr975);
    QPushButton* command1 =
        makeButton(frame1, "Command1", text("确 定"), {1920, 1620, 795, 375}, tnr12);
    QPushButton* command2 =
        makeButton(frame1, "Command2", text("取 消"), {1920, 2460, 795, 375}, tnr12);
    // One twip-pixel high, so its caption never shows.
    makeLabel(frame1, "Label3", text("Label3"), {180, 1680, 375, 15},
              designFont(DesignFont::Arial, 6));

    // The show commands.
    QGroupBox* frame2 =
        makeFrame(client, "Frame2", text("运动规律显示"), {3480, 180, 2355, 915}, tnr825);
    QPushButton* command3 =
        makeButton(frame2, "Command3", text("运动线图"), {120, 300, 1095, 375}, tnr975);
    QPushButton* command4 =
        makeButton(frame2, "Command4", text("数据显示"), {1440, 180, 675, 615}, tnr975);
    QGroupBox* frame3 =
        makeFrame(client, "Frame3", text("动态演示"), {6180, 180, 855, 915}, tnr825);
    QPushButton* command6 =
        makeButton(frame3, "Command6", text("动态  演示"), {180, 180, 495, 615}, tnr825);

    // Output panel.
    QGroupBox* frame4 =
        makeFrame(client, "Frame4", text("主要运动参数输出"), {3360, 1260, 3795, 3495}, tnr825);
    makeLabel(frame4, "Label13", text("机构名称"), {180, 300, 1215, 315}, tnr975);
    outputs_[0] = makeOutputBox(frame4, "Text8", {1860, 240, 1695, 360}, tnr975);
    makeLabel(frame4, "Label14", text("最大摆角（度）"), {180, 720, 1455, 315}, tnr975);
    outputs_[1] = makeOutputBox(frame4, "Text9", {1860, 660, 1095, 360}, tnr975);
    makeLabel(frame4, "Label15", text("最小传动角（度）"), {120, 1140, 1575, 315}, tnr975);
    outputs_[2] = makeOutputBox(frame4, "Text10", {1860, 1080, 1095, 375}, tnr975);
    makeLabel(frame4, "Label16", text("行程速比系数K"), {120, 1620, 1335, 315}, tnr975);
    outputs_[3] = makeOutputBox(frame4, "Text11", {1860, 1560, 1095, 360}, tnr975);
    makeLabel(frame4, "Label17", text("最大角位移（度）"), {120, 2100, 1575, 315}, tnr975);
    outputs_[4] = makeOutputBox(frame4, "Text12", {1860, 2040, 1095, 375}, tnr975);
    makeLabel(frame4, "Label18", text("最大角速度（1/s)"), {120, 2580, 1515, 315}, tnr975);
    outputs_[5] = makeOutputBox(frame4, "Text13", {1860, 2580, 1095, 375}, tnr975);
    makeLabel(frame4, "Label19", text("  最大角加速度(1/ s2)"), {60, 3060, 1875, 315}, tnr975);
    outputs_[6] = makeOutputBox(frame4, "Text14", {1860, 3060, 1095, 360}, tnr975);
    QPushButton* command7 =
        makeButton(frame4, "Command7", text("执行"), {3240, 960, 375, 795}, tnr12);
    QPushButton* command8 =
        makeButton(frame4, "Command8", text("清除"), {3240, 2280, 375, 795}, tnr12);

    for (int i = 0; i < static_cast<int>(inputs_.size()); ++i) {
        connect(inputs_[i], &InputBox::focusReset, this, [this, i] { onInputFocusReset(i); });
    }
    connect(command1, &QPushButton::clicked, this, &MainWindow::onCommand1Clicked);
    connect(command2, &QPushButton::clicked, this, &MainWindow::onCommand2Clicked);
    connect(command3, &QPushButton::clicked, this, &MainWindow::diagramsRequested);
    connect(command4, &QPushButton::clicked, this, &MainWindow::tableRequested);
    connect(command6, &QPushButton::clicked, this, &MainWindow::animationRequested);
    connect(command7, &QPushButton::clicked, this, &MainWindow::onCommand7Clicked);
    connect(command8, &QPushButton::clicked, this, &MainWindow::onCommand8Clicked);
}

void MainWindow::createSchematic(QWidget* client) {
    // Label12 is one character wide, so its caption stacks one character per line.
    QLabel* label12 =
        makeLabel(client, "Label12", text("机构简图"), {360, 300, 255, 1035}, timesNewRoman(9.75));
    new StackedCaption(label12);

    picture1_ = makeDrawingArea(client, "Picture1", {660, 180, 2475, 1395});
    // A picture, not a place to type: it never takes the focus.
    picture1_->setFocusPolicy(Qt::NoFocus);
    // User units are twips, so the segments are drawn at their own coordinates.
    picture1_->setScale(0, 0, picture1_->width() * kTwipsPerPixel,
                        picture1_->height() * kTwipsPerPixel);
    for (const Segment& s : kSchematicLines) {
        picture1_->line(s.x1, s.y1, s.x2, s.y2);
    }
    const QFont tnr825 = timesNewRoman(8.25);
    makeLabel(picture1_, "Label8", text("L1"), {60, 840, 255, 315}, tnr825);
    makeLabel(picture1_, "Label9", text("L2"), {600, 120, 315, 255}, tnr825);
    makeLabel(picture1_, "Label10", text("L3"), {1800, 420, 255, 315}, tnr825);
    makeLabel(picture1_, "Label11", text("L4"), {1080, 900, 375, 255}, tnr825);
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();
    auto addMenu = [bar](const char* name, const char* caption) {
        QMenu* menu = bar->addMenu(text(caption));
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto addItem = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(text(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };

    QMenu* iuput = addMenu("iuput", "输入数据");
    connect(addItem(iuput, "affirm", "确定"), &QAction::triggered, this,
            &MainWindow::onCommand1Clicked);
    connect(addItem(iuput, "delete", "删除"), &QAction::triggered, this,
            &MainWindow::onCommand2Clicked);

    QMenu* analysis = addMenu("analysis", "运动分析");
    connect(addItem(analysis, "opration", "执行"), &QAction::triggered, this,
            &MainWindow::onCommand7Clicked);
    connect(addItem(analysis, "prin", "打印"), &QAction::triggered, this,
            &MainWindow::tableRequested);
    connect(addItem(analysis, "clear", "清除"), &QAction::triggered, this,
            &MainWindow::onCommand8Clicked);

    QMenu* display = addMenu("display", "运动显示");
    connect(addItem(display, "transfer", "位移图"), &QAction::triggered, this,
            &MainWindow::displacementDiagramRequested);
    connect(addItem(display, "velocity", "速度图"), &QAction::triggered, this,
            &MainWindow::diagramsRequested);
    connect(addItem(display, "accelerlation", "加速度图"), &QAction::triggered, this,
            &MainWindow::diagramsRequested);
    connect(addItem(display, "clear2", "清除"), &QAction::triggered, this,
            &MainWindow::onClear1Clicked);

    QMenu* dplay = addMenu("dplay", "动态显示");
    for (const auto& [name, caption] : {std::pair{"low", "低速"}, std::pair{"middle", "中速"},
                                        std::pair{"high", "高速"}, std::pair{"boundary", "范围"}}) {
        connect(addItem(dplay, name, caption), &QAction::triggered, this,
                &MainWindow::animationRequested);
    }
    connect(addItem(dplay, "clear1", "清除"), &QAction::triggered, this,
            &MainWindow::onClear1Clicked);

    QMenu* modle = addMenu("modle", "运动模式");
    for (int i = 0; i < static_cast<int>(kPresets.size()); ++i) {
        connect(addItem(modle, kPresets[i].name, kPresets[i].caption), &QAction::triggered, this,
                [this, i] { onPresetClicked(i); });
    }
}

void MainWindow::setTabOrder() {
    // Only the widgets that can take the focus; the labels, frames and the picture cannot.
    const char* const order[] = {"Text1",    "Text2",    "Text3",    "Text4",    "Text5",
                                 "Text6",    "Command1", "Command2", "Command3", "Command4",
                                 "Command6", "Text8",    "Text9",    "Text10",   "Text11",
                                 "Text12",   "Text13",   "Text14",   "Command7", "Command8"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        QWidget* widget = findChild<QWidget*>(QString::fromLatin1(name));
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    emit closed();
}

void MainWindow::onCommand1Clicked() {
    LinkageState& s = state_.linkage;
    double* const fields[] = {&s.L1, &s.L2, &s.L3, &s.L4, &s.n, &s.M};
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        *fields[i] = readNumber(inputs_[i]->text().toStdString());
    }
}

void MainWindow::onCommand2Clicked() {
    for (InputBox* box : inputs_) {
        box->clear();
    }
}

void MainWindow::onCommand7Clicked() {
    const ExecuteOutcome outcome = executeAnalysis(state_.linkage, state_.tables);
    for (std::size_t i = 0; i < outputs_.size(); ++i) {
        if (outcome.boxes[i]) {
            outputs_[i]->setText(text(std::string_view(*outcome.boxes[i])));
            // Long numbers show their leading digits, not their tail.
            outputs_[i]->setCursorPosition(0);
        }
    }
    // The program goes on after either message: the user corrects the lengths and executes again.
    switch (outcome.message) {
        case ExecuteMessage::None:
            break;
        case ExecuteMessage::ClosureFailed:
            showMessage(this, messages::closureFailed);
            break;
        case ExecuteMessage::RunFailed:
            showMessage(this, messages::runFailed);
            break;
    }
}

void MainWindow::onCommand8Clicked() {
    for (QLineEdit* box : outputs_) {
        box->clear();
    }
    state_.linkage.mechanismName.clear();
    state_.tables.resetMaxima();
}

void MainWindow::onClear1Clicked() {
    // Nothing is ever drawn on the client area itself, so erasing it is a repaint of the
    // background; the widgets and the schematic are untouched.
    centralWidget()->update();
}

void MainWindow::onPresetClicked(int preset) {
    const Preset& p = kPresets[static_cast<std::size_t>(preset)];
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        inputs_[i]->setText(text(p.texts[i]));
    }
}

void MainWindow::onInputFocusReset(int box) {
    LinkageState& s = state_.linkage;
    double* const fields[] = {&s.L1, &s.L2, &s.L3, &s.L4, &s.n, &s.M};
    *fields[box] = 0;
}

}  // namespace fourbar::ui
