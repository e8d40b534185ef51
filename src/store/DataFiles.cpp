#include "store/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace quillex {

QString FindDataFile(const QString& relativePath) {
    const QString inCurrent = QDir::current().filePath(relativePath);
    // Only a regular file counts: a folder or a FIFO of that name is passed over.
    if (QFileInfo(inCurrent).isFile()) {
        return inCurrent;
    }
    if (QCoreApplication::instance() != nullptr) {
        const QString besideProgram =
            QDir(QCoreApplication::applicationDirPath()).filePath(relativePath);
        if (QFileInfo(besideProgram).isFile()) {
            return besideProgram;
        }
    }
    // The installed data folder: first where it lies from the program's own folder, which
    // holds wherever the program was installed to, then where the build meant to install it.
    QStringList installedFolders;
    if (QCoreApplication::instance() != nullptr) {
        installedFolders << QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral(QUILLEX_DATA_FROM_BIN));
    }
    installedFolders << QStringLiteral(QUILLEX_DATA_DIR);
    for (const QString& folder : installedFolders) {
        const QString installed = QDir(folder).filePath(relativePath);
        if (QFileInfo(installed).isFile()) {
            return installed;
        }
    }
    return inCurrent;
}

}  // namespace quillex
