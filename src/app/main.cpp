// The wizard program: one main window on the program's own folder.
#include "app/glowna.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Taxilo 2016"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    taxilo::TForm1 window({}, arguments);
    window.show();
    return app.exec();
}
