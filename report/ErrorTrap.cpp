#include "ErrorTrap.h"

#include "SupportAddress.h"

#include "Services.h"

namespace report {

QString procedurePath(const QString& module, const QString& procedure)
{
    return QStringLiteral("in Drawsmith2021/08/31.") + module + QLatin1Char('.') + procedure
           + QLatin1Char(' ');
}

QString errorReportText(const QString& description, const QString& path, int line)
{
    return description + QStringLiteral("\r\n") + path + QStringLiteral("at line ")
           + QString::number(line) + QStringLiteral("\r\r")
           + QStringLiteral("Please email screenshot of this message to ") + supportAddress();
}

void showErrorReport(const QString& description, const QString& path, int line)
{
    platform::msgBox(errorReportText(description, path, line), QStringLiteral("Application Error"),
                     platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

ErrorTrap::ErrorTrap(const QString& module, const QString& procedure, OnFailure onFailure)
    : path_(procedurePath(module, procedure)), onFailure_(onFailure)
{
}

void ErrorTrap::report(const QString& description, int line)
{
    showErrorReport(description, path_, line);
    if (onFailure_ == OnFailure::EndProcedure)
        throw ProcedureEnded();
}

}  // namespace report
