// Opening the help index and web addresses with the desktop's associated program.
#pragma once

#include <QString>

class QWidget;

namespace quillex {

// The product's web page: the address configured at build time, or the local help index.
QString ProductWebAddress();

// The help index in the language of the interface, relative to the data folder:
// "HTML_Help/en/HelpIndex.html" in English, "HTML_Help/HelpIndex.html" in German and wherever
// the English pages are missing.
QString HelpIndexName();

// Opens the help index (relative to the current directory, else from the program's data
// folders); beeps when it cannot be opened. Returns whether it opened.
bool OpenHelp(QWidget* window);

// Opens a document or address; the test hook below replaces the desktop in tests.
bool OpenUrlOrFile(const QString& target);
using OpenHandler = bool (*)(const QString& target);
void SetOpenHandlerForTesting(OpenHandler handler);

}  // namespace quillex
