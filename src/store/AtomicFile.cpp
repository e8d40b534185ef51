#include "store/AtomicFile.h"

#include <QFile>

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "text/ErrorReason.h"
#include "text/Texts.h"

namespace quillex {
namespace {

// Why the last operation on `file` failed: the reason for the error number the system gave
// for it (`error`, taken right after it), else Qt's own text for it.
QString Reason(int error, const QFile& file) {
    return error != 0 ? QString::fromStdString(ErrorReason(error)) : file.errorString();
}

}  // namespace

QString ReplaceFileContent(const QString& path, const QByteArray& bytes) {
    const QString partPath = path + QStringLiteral(".new");
    QFile part(partPath);
    // The reasons come from errno, cleared before each step, so that only its own error counts.
    errno = 0;
    if (!part.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return Reason(errno, part);
    }
    errno = 0;
    bool written = part.write(bytes) == bytes.size() && part.flush();
#ifdef Q_OS_UNIX
    // On disk before the rename, so that a power loss cannot leave an empty file behind it.
    written = written && ::fsync(part.handle()) == 0;
#endif
    QString error = written ? QString() : Reason(errno, part);
    part.close();
    if (written) {
        std::error_code failure;
        std::filesystem::rename(std::filesystem::path(partPath.toStdU16String()),
                                std::filesystem::path(path.toStdU16String()), failure);
        if (!failure) {
            return QString();
        }
        const std::error_condition reason = failure.default_error_condition();
        error = reason.category() == std::generic_category()
                    ? QString::fromStdString(ErrorReason(reason.value()))
                    : QString::fromLocal8Bit(failure.message());
    }
    QFile::remove(partPath);
    if (error.isEmpty()) {
        const std::string_view reason = Text(TextId::FileNotWritable);
        error = QString::fromUtf8(reason.data(), static_cast<qsizetype>(reason.size()));
    }
    return error;
}

}  // namespace quillex
