// The wizard program: one main window on the program's own folder.
#include "app/RealDialogs.h"
#include "app/glowna.h"
#include "platform/ProgramFonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Taxilo 2016"));
    taxilo::PrepareProgramFonts();
    // Qt's own dialogs (print, page range, files) speak Polish like the rest of the program;
    // without the translations they stay in English.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    // Every message, question and chooser of the program shows its real window from here on.
    taxilo::RealDialogs dialogs;
    taxilo::SetProgramDialogs(&dialogs);
    taxilo::TForm1 window({}, arguments);
    window.show();
    return app.exec();
}
