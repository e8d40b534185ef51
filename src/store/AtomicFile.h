// Replacing a file's whole content so that no ending of the program can leave it half
// written: the new content goes to one fixed temporary name beside the file ("NAME.new") and
// is renamed over the file once it is complete. An interrupted save leaves the old file whole
// and at most that one temporary file, which the next save replaces.
#pragma once

#include <QByteArray>
#include <QString>

namespace quillex {

// Empty when the file now holds `bytes`; otherwise why not (ErrorReason), and the file is as it
// was.
QString ReplaceFileContent(const QString& path, const QByteArray& bytes);

}  // namespace quillex
