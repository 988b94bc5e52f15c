#pragma once

#include <QProgressBar>

namespace forms {

// A progress bar from 0 to 100 whose caption is a plain text set by the program, shown
// centred over the bar exactly as given: QProgressBar's own format is not used, so a "%"
// in a file name is never taken for a placeholder. It starts idle: 0, "Progress Bar".
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
