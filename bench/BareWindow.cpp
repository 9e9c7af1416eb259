// The yardstick for the calculator's cold start: a bare Qt main window with the same
// controls (eleven fields, six buttons, two menus), no fonts, pictures or handlers.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    auto* area = new QWidget(&window);
    area->setFixedSize(192, 373);
    window.setCentralWidget(area);
    for (int i = 0; i < 11; ++i)
        (new QLineEdit(area))->setGeometry(8, 8 + 30 * i, 81, 25);
    for (int i = 0; i < 6; ++i)
        (new QPushButton(QStringLiteral("+"), area))->setGeometry(100, 8 + 40 * i, 33, 33);
    window.menuBar()->addMenu(QStringLiteral("A"))->addAction(QStringLiteral("a"));
    window.menuBar()->addMenu(QStringLiteral("B"))->addAction(QStringLiteral("b"));
    window.show();
    return QApplication::exec();
}
