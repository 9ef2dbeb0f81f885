// The floor of the main window's first paint: its captions in its fonts on plain Qt widgets (group
// boxes, labels, push buttons, line edits) at about its places, and a menu bar with its seven
// menus; none of the program's own code but the font mapping (bench/startup.sh compares the two).
// Where the program takes longer than this, the time goes to its own code; where this takes longer
// than the bare window, to the fonts and characters the window shows.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include "ui/toolkit/fonts.h"

namespace {

using fourbar::ui::DesignFont;

enum class Kind { Frame, Label, Input, Button };

struct Widget {
    Kind kind;
    const char* caption;
    int left, top, width, height;  // pixels in the parent
    DesignFont face;
    double points;
    int parent;  // index of the frame it lies in; -1 for the client area
};

constexpr DesignFont kSans = DesignFont::MsSansSerif;
constexpr DesignFont kSerif = DesignFont::TimesNewRoman;

// clang-format off
constexpr Widget kWidgets[] = {
    {Kind::Frame, " 请输入已知条件   ", 12, 108, 201, 209, kSans, 8.25, -1},
    {Kind::Label, "L1(mm):", 4, 24, 57, 21, kSans, 9.75, 0},
    {Kind::Input, "", 60, 20, 45, 24, kSerif, 8.25, 0},
    {Kind::Label, "L2(mm):", 8, 60, 45, 25, kSerif, 9.75, 0},
    {Kind::Input, "", 60, 56, 45, 25, kSerif, 8.25, 0},
    {Kind::Label, "L3(mm):", 4, 96, 53, 21, kSerif, 9.75, 0},
    {Kind::Input, "", 60, 92, 45, 25, kSerif, 8.25, 0},
    {Kind::Label, "L4(mm):", 4, 136, 53, 25, kSerif, 9.75, 0},
    {Kind::Input, "", 60, 132, 45, 25, kSerif, 8.25, 0},
    {Kind::Label, "n(r/min):", 8, 176, 45, 25, kSerif, 9.75, 0},
    {Kind::Input, "", 60, 172, 45, 25, kSerif, 8.25, 0},
    {Kind::Label, " M (装配型式)", 108, 24, 89, 25, kSerif, 9.75, 0},
    {Kind::Input, "", 128, 52, 49, 25, kSerif, 9.75, 0},
    {Kind::Button, "确 定", 128, 108, 53, 25, kSerif, 12, 0},
    {Kind::Button, "取 消", 128, 164, 53, 25, kSerif, 12, 0},
    {Kind::Label, "机构简图", 24, 20, 17, 69, kSerif, 9.75, -1},
    {Kind::Label, "L1", 48, 68, 17, 21, kSerif, 8.25, -1},
    {Kind::Label, "L2", 84, 20, 21, 17, kSerif, 8.25, -1},
    {Kind::Label, "L3", 164, 40, 17, 21, kSerif, 8.25, -1},
    {Kind::Label, "L4", 116, 72, 25, 17, kSerif, 8.25, -1},
    {Kind::Frame, "运动规律显示", 232, 12, 157, 61, kSerif, 8.25, -1},
    {Kind::Button, "运动线图", 8, 20, 73, 25, kSerif, 9.75, 20},
    {Kind::Button, "数据显示", 96, 12, 45, 41, kSerif, 9.75, 20},
    {Kind::Frame, "动态演示", 412, 12, 57, 61, kSerif, 8.25, -1},
    {Kind::Button, "动态  演示", 12, 12, 33, 41, kSerif, 8.25, 23},
    {Kind::Frame, "主要运动参数输出", 224, 84, 253, 233, kSerif, 8.25, -1},
    {Kind::Label, "机构名称", 12, 20, 81, 21, kSerif, 9.75, 25},
    {Kind::Input, "", 124, 16, 113, 24, kSerif, 9.75, 25},
    {Kind::Label, "最大摆角（度）", 12, 48, 97, 21, kSerif, 9.75, 25},
    {Kind::Input, "", 124, 44, 73, 24, kSerif, 9.75, 25},
    {Kind::Label, "最小传动角（度）", 8, 76, 105, 21, kSerif, 9.75, 25},
    {Kind::Input, "", 124, 72, 73, 25, kSerif, 9.75, 25},
    {Kind::Label, "行程速比系数K", 8, 108, 89, 21, kSerif, 9.75, 25},
    {Kind::Input, "", 124, 104, 73, 24, kSerif, 9.75, 25},
    {Kind::Label, "最大角位移（度）", 8, 140, 105, 21, kSerif, 9.75, 25},
    {Kind::Input, "", 124, 136, 73, 25, kSerif, 9.75, 25},
    {Kind::Label, "最大角速度（1/s)", 8, 172, 101, 21, kSerif, 9.75, 25},
    {Kind::Input, "", 124, 172, 73, 25, kSerif, 9.75, 25},
    {Kind::Label, "  最大角加速度(1/ s2)", 4, 204, 125, 21, kSerif, 9.75, 25},
    {Kind::Input, "", 124, 204, 73, 24, kSerif, 9.75, 25},
    {Kind::Button, "执行", 216, 64, 25, 53, kSerif, 12, 25},
    {Kind::Button, "清除", 216, 152, 25, 53, kSerif, 12, 25},
};
// clang-format on

constexpr const char* kMenus[] = {"输入数据", "运动分析", "运动显示", "动态显示",
                                  "运动模式", "机构设计", "报告"};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral(" 四杆机构"));
    for (const char* menu : kMenus) {
        window.menuBar()->addMenu(QString::fromUtf8(menu))->addAction(QStringLiteral("确定"));
    }
    auto* client = new QWidget(&window);
    client->setFixedSize(491, 327);
    QList<QWidget*> made;
    for (const Widget& w : kWidgets) {
        QWidget* parent = w.parent < 0 ? client : made[w.parent];
        const QString caption = QString::fromUtf8(w.caption);
        QWidget* widget = nullptr;
        switch (w.kind) {
            case Kind::Frame:
                widget = new QGroupBox(caption, parent);
                break;
            case Kind::Label: {
                auto* label = new QLabel(caption, parent);
                label->setWordWrap(true);
                widget = label;
                break;
            }
            case Kind::Input:
                widget = new QLineEdit(parent);
                break;
            case Kind::Button:
                widget = new QPushButton(caption, parent);
                break;
        }
        widget->setFont(fourbar::ui::designFont(w.face, w.points));
        widget->setGeometry(w.left, w.top, w.width, w.height);
        made.append(widget);
    }
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
