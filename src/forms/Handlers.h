#pragma once

#include "ProgramEnd.h"
#include "ResultsList.h"
#include "WindowPointer.h"

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

// What a double-click on a window's list, or Delete while it has the focus, does: the
// selected row goes, unless the window is busy.
inline void removeSelectedRow(ResultsList& list, const WindowPointer& pointer)
{
    if (!pointer.busy())
        list.removeSelectedRow();
}

}  // namespace forms
