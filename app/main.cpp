#include "Form1.h"
#include "ProductionServices.h"
#include "VersionOption.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (report::asksForVersion(argc, argv))
        report::showVersion();
    QApplication application(argc, argv);
    // Ties the windows to the menu entry, for the desktop's task switcher and dock.
    QGuiApplication::setDesktopFileName(QStringLiteral(NUMORRA_APP_ID));
    platform::ProductionServices services;
    Form1 form;
    form.show();
    return QApplication::exec();
}
