#pragma once

#include "ProgramEnd.h"

#include <QAbstractButton>

namespace forms {

// Runs a window's handler for every click of a button. A handler cut off because the
// program is ending unwinds to here and no further.
template <typename Form>
void onClick(QAbstractButton* button, Form* form, void (Form::*handler)())
{
    QObject::connect(button, &QAbstractButton::clicked, form, [form, handler] {
        platform::runHandler([form, handler] { (form->*handler)(); });
    });
}

}  // namespace forms
