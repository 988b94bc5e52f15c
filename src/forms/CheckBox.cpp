#include "CheckBox.h"

#include "RuntimeFailure.h"

namespace forms {

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

int CheckBox::value() const
{
    switch (checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        case Qt::Unchecked:
            break;
    }
    return 0;
}

void CheckBox::setValue(int value)
{
    static constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    if (value < 0 || value > 2)
        throw core::RuntimeFailure(QStringLiteral("Invalid property value"));
    setCheckState(kStates[value]);
}

void CheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace forms
