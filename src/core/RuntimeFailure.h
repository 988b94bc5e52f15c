#pragma once

#include <QString>

#include <stdexcept>

namespace core {

// A run-time failure of a statement, carrying the one-line description that the error
// report shows ("Overflow", "Type mismatch", "Path not found" ...).
class RuntimeFailure : public std::runtime_error {
public:
    explicit RuntimeFailure(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description)
    {
    }
    const QString& description() const { return description_; }

private:
    QString description_;
};

}  // namespace core
