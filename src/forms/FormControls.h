#pragma once

#include <QString>
#include <QStringList>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace forms {

class CheckBox;

// The controls of the program's windows, placed in twips, in Arial bold 9 pt (11.25 pt on
// push buttons), on white, each with an accessible name for screen readers and automation.

// The first of `families` the system has, else the system's window font family. Qt takes a
// missing family silently and Windows' font mapper then picks one: under Wine without Arial,
// a math font too tall for the text boxes (their text shows blank) and too wide for captions.
QString existingFamily(const QStringList& families);

// Fixes a window's size, font and white background, and dialogs' font family. Called once
// the controls are made: a caption too wide in the font found widens its control.
void prepareForm(QWidget& form, int widthTwips, int heightTwips);

QGroupBox* makeFrame(QWidget* parent, const QString& caption, int left, int top, int width,
                     int height);
// A text box is named after the frame around it.
QLineEdit* makeTextBox(QGroupBox* frame, int left, int top, int width, int height);
QPushButton* makePushButton(QWidget* parent, const QString& caption, int left, int top, int width,
                            int height);
// Checked, as the windows are designed.
CheckBox* makeCheckBox(QWidget* parent, const QString& caption, int left, int top, int width,
                       int height);

void centreOnScreen(QWidget& window);

}  // namespace forms
