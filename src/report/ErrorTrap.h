#pragma once

#include "AppTitle.h"
#include "RuntimeFailure.h"

#include <QString>

#include <exception>
#include <new>

namespace report {

// How the error report names a procedure: "in Drawsmith2021/08/31.<module>.<procedure> ".
QString procedurePath(const QString& module, const QString& procedure);

// The error report's text: the failure's description, the procedure path with the line
// of the failed statement, and the request to send a screenshot to the support address.
QString errorReportText(const QString& description, const QString& path, int line);

// Thrown by a trap armed with EndProcedure once its report is closed, to end the procedure.
class ProcedureEnded : public std::exception {
public:
    const char* what() const noexcept override { return "procedure ended after a failure"; }
};

// The error report over one command: a numbered statement that fails shows the report naming
// its line, and the command carries on to its closing steps, or, armed with EndProcedure
// (for failures that would only repeat), throws ProcedureEnded after the report.
class ErrorTrap {
public:
    enum class OnFailure { Resume, EndProcedure };

    ErrorTrap(const QString& module, const QString& procedure,
              OnFailure onFailure = OnFailure::Resume);

    // A plain statement: a failure abandons it and is reported. True when it completed.
    // `line` is read at the failure, so statements that keep a variable at the one being done
    // have a failure name it.
    template <typename Statement>
    bool operator()(const int& line, Statement&& statement)
    {
        try {
            statement();
            return true;
        } catch (const core::RuntimeFailure& failure) {
            report(failure.description(), line);
        } catch (const std::bad_alloc&) {
            report(QStringLiteral("Out of memory"), line);
        }
        return false;
    }

    // A plain message (see showMessage) shown as a numbered statement.
    void say(int line, const QString& message)
    {
        (*this)(line, [&] { showMessage(message); });
    }

    // The test at the head of an if or a loop. A test that fails is reported and then
    // counts as held, so the statements it guards run.
    template <typename Condition>
    bool test(int line, Condition&& condition)
    {
        bool held = true;
        (*this)(line, [&] { held = condition(); });
        return held;
    }

private:
    void report(const QString& description, int line);

    QString module_;
    QString procedure_;
    OnFailure onFailure_;
};

}  // namespace report
