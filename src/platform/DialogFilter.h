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

// Splits a filter list of the form "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"
// (description and pattern pairs) into its entries; a description without its pattern
// at the end is dropped.
QList<DialogFilter> dialogFilters(const QString& pairs);

}  // namespace platform
