// Vornel2015: the program. Starts the main window on the data file named on the command line,
// or on a new project, and runs until the user exits.
#include <QApplication>
#include <QStringList>

#include "app/main_form.h"
#include "vornel_version.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Dovrik"));
    QApplication::setApplicationName(QStringLiteral("VORNEL"));
    QApplication::setApplicationVersion(QStringLiteral(VORNEL_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral("vornel2015"));

    vornel::TMainForm window;
    window.show();
    window.openCommandLine(QApplication::arguments().mid(1));
    return app.exec();
}
