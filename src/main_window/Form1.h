#pragma once

#include "ExportWindow.h"
#include "GenerateCommand.h"
#include "MainWindowView.h"
#include "SettingsStore.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class Form2;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace report {
class ErrorTrap;
}

namespace forms {
class CheckBox;
class ProgressBar;
class ResultsList;
class WindowPointer;
}  // namespace forms

// The main window: the fields and options that drive generation, the results list, the
// progress bar and the buttons of every command. Closing it ends the program.
class Form1 : public QWidget, public generation::MainWindowView, public exporting::ExportWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // generation::MainWindowView and exporting::ExportWindow
    QString fieldText(generation::Field field) const override;
    int checkValue(generation::Option option) const override;
    forms::ResultsList& resultsList() override;
    int mousePointer() const override;
    void setMousePointer(int pointer) override;
    void repaintWindow() override;

    generation::GenerateCommand& generateCommand() { return generate_; }
    // The search window while it is loaded, otherwise null.
    Form2* searchWindow() const;

    QPushButton* const PushButton3;  // "Help"
    QGroupBox* const Frame1;         // "Range Of Numbers"
    QGroupBox* const Frame2;         // "Lowest Possible Number"
    QLineEdit* const Text1;
    QGroupBox* const Frame4;  // "Highest Possible Number"
    QLineEdit* const Text2;
    QGroupBox* const Frame5;  // "Number Of Numbers To Generate Per Pick"
    QLineEdit* const Text4;
    QPushButton* const PushButton4;  // "?"
    QGroupBox* const Frame6;         // "Number Of Picks To Generate"
    QLineEdit* const Text3;
    QPushButton* const PushButton5;  // "?"
    QGroupBox* const Frame3;         // "Options"
    forms::CheckBox* const Check1;   // "Put numbers within picks in numerical order"
    forms::CheckBox* const Check2;   // "Do not generate duplicate picks"
    forms::CheckBox* const Check3;   // "Sort picks in numeric order"
    forms::CheckBox* const Check4;   // "Do not generate the same number twice in a pick"
    forms::CheckBox* const Check5;   // "Put dashes between numbers instead of spaces"
    QGroupBox* const Frame7;         // "Add Prefix To All Picks"
    QLineEdit* const Text5;
    QPushButton* const PushButton2;  // "Start Generating"
    forms::ResultsList* const ListView1;
    forms::ProgressBar* const ProgressBar1;
    QPushButton* const PushButton6;  // "Save Results As Text File"
    QPushButton* const PushButton1;  // "Copy Results To Clipboard"
    QPushButton* const PushButton9;  // "Clear List"
    QPushButton* const PushButton7;  // "Search Picks"

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void layOutControls();
    void setTabOrder();
    void setHoverRules();
    void connectHandlers();
    void rememberFieldsAndOptions();
    void Form_Load();
    void restoreSettings(report::ErrorTrap& trap);
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton5_Click();
    void PushButton6_Click();
    void PushButton7_Click();
    void ListView1_DblClick();
    void ListView1_KeyDown(int key);
    void PushButton9_Click();
    void showHelp(const QString& procedure, const std::function<QString()>& message);
    void showSearchWindow();

    forms::WindowPointer* const pointer_;
    settings::SettingsStore store_;
    generation::GenerateCommand generate_;
    QPointer<Form2> searchWindow_;
    bool shownBefore_ = false;
};
