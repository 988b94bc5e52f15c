#pragma once

#include "ExportWindow.h"

#include <QWidget>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace forms {
class ResultsList;
class WindowPointer;
}  // namespace forms

namespace settings {
class SettingsStore;
}

// The search window: collects the main window's picks that hold the typed terms, while the
// main window is hidden; closing it shows the main window and unloads it with its list.
class Form2 : public QWidget, public exporting::ExportWindow {
    Q_OBJECT
public:
    Form2(QWidget& mainWindow, forms::ResultsList& picks, settings::SettingsStore& store);

    int mousePointer() const override;
    // exporting::ExportWindow
    forms::ResultsList& resultsList() override;
    void setMousePointer(int pointer) override;

    QGroupBox* const Frame1;  // "Search for"
    QLineEdit* const Text1;
    QPushButton* const PushButton3;  // "?"
    QPushButton* const PushButton2;  // "Search"
    forms::ResultsList* const ListView1;
    QPushButton* const PushButton4;  // "Save Results As Text File"
    QPushButton* const PushButton5;  // "Copy Results To Clipboard"
    QPushButton* const PushButton6;  // "Clear List"
    QPushButton* const PushButton7;  // "Help"
    QPushButton* const PushButton1;  // "Close"

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOutControls();
    void setTabOrder();
    void setHoverRules();
    void connectHandlers();
    void Form_Load();
    void Form_QueryUnload();
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton5_Click();
    void PushButton6_Click();
    void PushButton7_Click();
    void ListView1_DblClick();
    void ListView1_KeyDown(int key);
    void showMessage(const QString& procedure, const QString& message);

    QWidget& mainWindow_;
    forms::ResultsList& picks_;
    settings::SettingsStore& store_;
    forms::WindowPointer* const pointer_;
    // A save runs: its hourglass is not enough, as a search during it puts the pointer back.
    bool saving_ = false;
    bool shownBefore_ = false;
};
