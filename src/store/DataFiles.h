// Where the program's read-only data files are found.
#pragma once

#include <QString>

namespace quillex {

// The path of a data file given relative to the program's data folder, found as
// text/DataFolders.h finds it (current directory, beside the program, installed data folder)
// with the program's folder as Qt knows it. Returns the current-directory path when none of
// them holds it.
QString FindDataFile(const QString& relativePath);

}  // namespace quillex
