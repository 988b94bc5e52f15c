#pragma once

#include <QString>

#include <stdexcept>

namespace core {

// A statement's failure, with the description the error report shows ("Overflow" ...).
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
