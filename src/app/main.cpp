#include "CommandLine.h"
#include "Form1.h"
#include "ProductionServices.h"

#include <QApplication>

namespace {

// Windows: the layout follows the screen's dots per inch (forms/Twips.h), as Qt's scaling at
// 125 % puts edges between pixels and frames lose lines; a user's own setting wins.
void layOutAtScreenDpi()
{
#ifdef Q_OS_WIN
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
#endif
}

}  // namespace

int main(int argc, char* argv[])
{
    if (const auto answered = app::answerInformationOptions(argc, argv))
        return *answered;
    const bool displayFound = app::prepareDisplay(argc, argv);
    layOutAtScreenDpi();
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
