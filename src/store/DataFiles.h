// Where the program's read-only data files are found.
#pragma once

#include <QString>

namespace quillex {

// The path of a data file given relative to the program's data folder: in the current
// directory when it is there, otherwise beside the program, otherwise in the installed data
// folder (share/quillex beside the program's bin folder). Returns the current-directory path
// when none of them holds it.
QString FindDataFile(const QString& relativePath);

}  // namespace quillex
