#pragma once

#include <QProgressBar>

namespace forms {

// A progress bar from 0 to 100 showing a plain text exactly as given, not QProgressBar's
// format, so a "%" in a file name is no placeholder. It starts idle: 0, "Progress Bar".
class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const override;

Q_SIGNALS:
    void textChanged(const QString& text);

private:
    QString text_;
};

}  // namespace forms
