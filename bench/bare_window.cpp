// The floor of the program's start-up: a bare Qt window with a one-menu menu bar, a label, a line
// edit and a push button, with Chinese captions, nothing else (bench/startup.sh compares the two).
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral(" 四杆机构"));
    window.menuBar()->addMenu(QStringLiteral("输入数据"))->addAction(QStringLiteral("确定"));
    auto* client = new QWidget(&window);
    auto* layout = new QVBoxLayout(client);
    layout->addWidget(new QLabel(QStringLiteral("机构名称"), client));
    layout->addWidget(new QLineEdit(client));
    layout->addWidget(new QPushButton(QStringLiteral("执行"), client));
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
