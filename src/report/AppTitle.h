#pragma once

#include <QString>

namespace report {

// The product name: the main window's caption and the source of the application title.
QString productName();

// The application title derived from a product name: cut before the last space, again
// while longer than 40 characters. A name without a space (such as the product's own
// single word) is its own title, cut to 40 characters.
QString deriveAppTitle(const QString& name);

// Sets the program-wide application title from a product name.
void SetAppTitle(const QString& name);

// The title of every message box that names no title of its own; the product name until
// SetAppTitle has run.
QString appTitle();

// A plain message: the text alone, one OK button, no icon, the application title.
void showMessage(const QString& text);

}  // namespace report
