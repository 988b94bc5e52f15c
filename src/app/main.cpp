#include "CommandLine.h"
#include "Form1.h"
#include "ProductionServices.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const auto answered = app::answerInformationOptions(argc, argv))
        return *answered;
    const bool displayFound = app::prepareDisplay(argc, argv);
    QApplication application(argc, argv);
    if (!app::acceptsRemainingArguments())
        return app::kUsageError;
    if (!displayFound)
        return app::refuseWithoutDisplay();
    // Ties the windows to the menu entry, for the desktop's task switcher and dock.
    QGuiApplication::setDesktopFileName(QStringLiteral(NUMORRA_APP_ID));
    platform::ProductionServices services;
    Form1 form;
    form.show();
    return QApplication::exec();
}
