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

// A double-click on the list, or Delete while it has the focus, removes its selected row,
// unless the window is busy.
inline void removeRowOnRequest(ResultsList& list, const WindowPointer& pointer)
{
    const auto remove = [&list, &pointer] {
        if (!pointer.busy())
            list.removeSelectedRow();
    };
    QObject::connect(&list, &ResultsList::DblClick, &list, remove);
    QObject::connect(&list, &ResultsList::KeyDown, &list, [remove](int key) {
        if (key == Qt::Key_Delete)
            remove();
    });
}

}  // namespace forms
