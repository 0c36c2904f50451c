// The anchor of the start-up benchmark: a bare Qt Widgets window, from exec to exposed. It
// prints its peak memory in kilobytes and ends once the window is on the screen.
#include "ExposedExit.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Quillo"), &window));
    window.show();
    ExposedExit::Watch({&window});
    return QApplication::exec();
}
