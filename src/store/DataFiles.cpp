#include "store/DataFiles.h"

#include <QCoreApplication>

#include "store/QtRegularFile.h"
#include "text/DataFolders.h"

namespace quillex {

QString FindDataFile(const QString& relativePath) {
    // The program's folder as Qt knows it; without an application object there is none.
    std::filesystem::path programFolder;
    if (QCoreApplication::instance() != nullptr) {
        programFolder = FileSystemPath(QCoreApplication::applicationDirPath());
    }
    const std::filesystem::path found = FindDataFile(FileSystemPath(relativePath), programFolder);
    return QString::fromStdU16String(found.generic_u16string());
}

}  // namespace quillex
