// The start-up baseline: an empty main window with a menu bar, nothing else.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.resize(466, 467);
    window.show();
    return QApplication::exec();
}
