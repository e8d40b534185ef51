#include "store/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quillex {

QString FindDataFile(const QString& relativePath) {
    const QString inCurrent = QDir::current().filePath(relativePath);
    if (QFileInfo::exists(inCurrent)) {
        return inCurrent;
    }
    if (QCoreApplication::instance() != nullptr) {
        const QString besideProgram =
            QDir(QCoreApplication::applicationDirPath()).filePath(relativePath);
        if (QFileInfo::exists(besideProgram)) {
            return besideProgram;
        }
    }
    const QString installed = QDir(QStringLiteral(QUILLEX_DATA_DIR)).filePath(relativePath);
    if (QFileInfo::exists(installed)) {
        return installed;
    }
    return inCurrent;
}

}  // namespace quillex
