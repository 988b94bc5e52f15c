#include "QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

QString displayedLines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

MsgAnswer QtMessageBox::show(const QString& text, const QString& title, MsgButtons buttons,
                             MsgIcon icon)
{
    QMessageBox box(icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title, displayedLines(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (pressed == QMessageBox::Yes)
        return MsgAnswer::Yes;
    if (pressed == QMessageBox::No)
        return MsgAnswer::No;
    return MsgAnswer::Ok;
}

}  // namespace platform
