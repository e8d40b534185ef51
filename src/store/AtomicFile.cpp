#include "store/AtomicFile.h"

#include <QFile>

#include <filesystem>
#include <string_view>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "text/Texts.h"

namespace quillex {

QString ReplaceFileContent(const QString& path, const QByteArray& bytes) {
    const QString partPath = path + QStringLiteral(".new");
    QFile part(partPath);
    if (!part.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return part.errorString();
    }
    bool written = part.write(bytes) == bytes.size() && part.flush();
#ifdef Q_OS_UNIX
    // On disk before the rename, so that a power loss cannot leave an empty file behind it.
    written = written && ::fsync(part.handle()) == 0;
#endif
    QString error = written ? QString() : part.errorString();
    part.close();
    if (written) {
        std::error_code failure;
        std::filesystem::rename(std::filesystem::path(partPath.toStdU16String()),
                                std::filesystem::path(path.toStdU16String()), failure);
        if (!failure) {
            return QString();
        }
        error = QString::fromLocal8Bit(failure.message());
    }
    QFile::remove(partPath);
    if (error.isEmpty()) {
        const std::string_view reason = Text(TextId::FileNotWritable);
        error = QString::fromUtf8(reason.data(), static_cast<qsizetype>(reason.size()));
    }
    return error;
}

}  // namespace quillex
