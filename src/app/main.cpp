#include "ui/DisplayCheck.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdio>

int main(int argc, char** argv)
{
    const QString advice = MissingDisplayAdvice(QString::fromLocal8Bit(argv[0]));
    if (!advice.isEmpty()) {
        std::fputs(advice.toLocal8Bit().constData(), stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quillo"));
    auto* note = new QLabel(QStringLiteral("The console window is not built yet."), &window);
    note->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(note);
    window.show();
    return QApplication::exec();
}
