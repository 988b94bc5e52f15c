#include "ProgressBar.h"

namespace forms {

ProgressBar::ProgressBar(QWidget* parent)
    : QProgressBar(parent), text_(QStringLiteral("Progress Bar"))
{
    setValue(0);
    setFormat(QString());
    setAlignment(Qt::AlignCenter);
}

void ProgressBar::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
    Q_EMIT textChanged(text_);
}

QString ProgressBar::text() const { return text_; }

}  // namespace forms
