#pragma once

#include <QList>
#include <QString>

namespace platform {

// One entry of a save dialog's list of file types: "Text Files (*.txt)" and "*.txt".
struct DialogFilter {
    QString description;
    QString pattern;
    friend bool operator==(const DialogFilter&, const DialogFilter&) = default;
};

// Splits "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|" into its entries; a last
// description without its pattern is dropped.
QList<DialogFilter> dialogFilters(const QString& pairs);

}  // namespace platform
