#include "CheckBox.h"

#include "RuntimeFailure.h"

#include <algorithm>

namespace forms {

namespace {

// The states of the values 0, 1 and 2.
constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};

}  // namespace

int CheckBox::value() const { return int(std::ranges::find(kStates, checkState()) - kStates); }

void CheckBox::setValue(int value)
{
    if (value < 0 || value > 2)
        throw core::RuntimeFailure(QStringLiteral("Invalid property value"));
    setCheckState(kStates[value]);
}

void CheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace forms
