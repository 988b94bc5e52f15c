#pragma once

#include <QCheckBox>

namespace forms {

// A check box valued 0 unchecked, 1 checked, 2 grey. Grey can be set but a click never
// gives it: a click checks a box that is not checked and unchecks one that is.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

    int value() const;
    // Throws core::RuntimeFailure("Invalid property value") for anything but 0, 1 or 2.
    void setValue(int value);

protected:
    void nextCheckState() override;
};

}  // namespace forms
