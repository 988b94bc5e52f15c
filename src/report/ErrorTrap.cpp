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
           + QString::number(line)
           + QStringLiteral("\r\rPlease email screenshot of this message to ") + supportAddress();
}

ErrorTrap::ErrorTrap(const QString& module, const QString& procedure, OnFailure onFailure)
    : module_(module), procedure_(procedure), onFailure_(onFailure)
{
}

// Shows the report: title "Application Error", exclamation icon, OK. The procedure's path is
// put together only for a report: the generator arms a trap for every pick, tens of
// thousands of times a run, and almost never reports.
void ErrorTrap::report(const QString& description, int line)
{
    platform::msgBox(errorReportText(description, procedurePath(module_, procedure_), line),
                     QStringLiteral("Application Error"), platform::MsgButtons::Ok,
                     platform::MsgIcon::Exclamation);
    if (onFailure_ == OnFailure::EndProcedure)
        throw ProcedureEnded();
}

}  // namespace report
