#pragma once

#include "AppTitle.h"
#include "RuntimeFailure.h"

#include <QString>

#include <new>
#include <utility>

namespace report {

// "in Drawsmith2021/08/31." + module + "." + procedure + " ": how the error report names
// a procedure.
QString procedurePath(const QString& module, const QString& procedure);

// The error report's text: the failure's description, the procedure path with the line
// of the failed statement, and the request to send a screenshot to the support address.
QString errorReportText(const QString& description, const QString& path, int line);

// Shows the error report: title "Application Error", exclamation icon, OK.
void showErrorReport(const QString& description, const QString& path, int line);

// The error report armed over one command procedure. Each numbered statement runs
// through the trap; a run-time failure shows the report naming the statement's line and
// the procedure then carries on with its next statement, so a command always reaches its
// closing steps.
class ErrorTrap {
public:
    ErrorTrap(const QString& module, const QString& procedure);

    // A plain statement: a failure abandons it and is reported.
    template <typename Statement>
    void operator()(int line, Statement&& statement)
    {
        guarded(line, std::forward<Statement>(statement));
    }

    // A plain message (see showMessage) shown as a numbered statement.
    void say(int line, const QString& message)
    {
        guarded(line, [&] { showMessage(message); });
    }

    // The test at the head of an if or a loop. A test that fails is reported and then
    // counts as held, so the statements it guards run.
    template <typename Condition>
    bool test(int line, Condition&& condition)
    {
        bool held = true;
        guarded(line, [&] { held = condition(); });
        return held;
    }

private:
    template <typename Statement>
    void guarded(int line, Statement&& statement)
    {
        try {
            statement();
        } catch (const core::RuntimeFailure& failure) {
            showErrorReport(failure.description(), path_, line);
        } catch (const std::bad_alloc&) {
            showErrorReport(QStringLiteral("Out of memory"), path_, line);
        }
    }

    QString path_;
};

}  // namespace report
