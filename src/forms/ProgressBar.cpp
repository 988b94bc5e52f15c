#include "ProgressBar.h"

namespace forms {

ProgressBar::ProgressBar(QWidget* parent)
    : QProgressBar(parent), text_(QStringLiteral("Progress Bar"))
{
    setRange(0, 100);
    setValue(0);
    setFormat(QString());
    setTextVisible(true);
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
