#pragma once

#include <QString>

namespace report {

// The product name: the main window's caption and the source of the application title.
QString productName();

// The application title from a product name: cut before its last space, again while longer
// than 40 characters, then to 40 characters.
QString deriveAppTitle(const QString& name);

void SetAppTitle(const QString& name);

// The title of message boxes that name none; the product name until SetAppTitle has run.
QString appTitle();

// A plain message: the text alone, one OK button, no icon, the application title.
void showMessage(const QString& text);

}  // namespace report
