#include "store/TipFile.h"

#include <QFileInfo>

#include <algorithm>
#include <string_view>

#include "store/QtCp1252.h"
#include "store/QtRegularFile.h"

namespace quillex {
namespace {

bool IsTip(const QByteArray& line) {
    if (line.isEmpty()) {
        return false;
    }
    const char first = line.at(0);
    return first != ' ' && first != '\t' && first != '\n' && first != ';';
}

}  // namespace

QString CalendarText(const QDateTime& time) {
    static const char* const kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate date = time.date();
    const QTime clock = time.time();
    return QString::asprintf("%s %s %2d %02d:%02d:%02d %d", kDays[date.dayOfWeek() - 1],
                             kMonths[date.month() - 1], date.day(), clock.hour(), clock.minute(),
                             clock.second(), date.year());
}

TipFile::Opened TipFile::Open(const QString& path, TipPosition& stored) {
    file_.close();
    // Opened by hand so that only a regular file is taken, and a FIFO never holds the start.
    const int fd = OpenRegularFile(FileSystemPath(path));
    if (fd < 0) {
        return Opened::Missing;
    }
    if (!file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        CloseFile(fd);
        return Opened::Missing;
    }
    return GoToStoredTip(file_, CalendarText(QFileInfo(path).lastModified().toLocalTime()), stored);
}

QString TipFile::ReadNextTip(bool* seekFailed) {
    return file_.isOpen() ? ReadTip(file_, seekFailed) : QString();
}

TipFile::Opened GoToStoredTip(QIODevice& device, const QString& stamp, TipPosition& stored) {
    if (stamp != stored.timeStamp) {
        stored.timeStamp = stamp;
        stored.filePos = 0;
    }
    // A position beyond the end reads nothing and so leads to the first tip; the device goes
    // to its end, since a file may go past it but a buffer may not.
    if (stored.filePos < 0 || !device.seek(std::min(stored.filePos, device.size()))) {
        return TipFile::Opened::SeekFailed;
    }
    return TipFile::Opened::Ready;
}

QString ReadTip(QIODevice& device, bool* seekFailed) {
    // A file without any tip is read round once, not for ever.
    bool wrapped = false;
    for (;;) {
        QByteArray line = device.readLine(TipFile::kMaxTipLength + 1);
        if (line.isEmpty()) {
            if (wrapped) {
                return QString();
            }
            wrapped = true;
            if (!device.seek(0)) {
                if (seekFailed != nullptr) {
                    *seekFailed = true;
                }
                return QString();
            }
            continue;
        }
        // Not Qt's text mode: a file then drops the carriage returns of the first line it reads
        // after a seek and keeps those of the following lines.
        line.replace("\r", "");
        if (IsTip(line)) {
            // The file is 8-bit text in code page 1252, as the other data files are, so that
            // the limit counts characters and no character is ever cut in two.
            return FromCp1252(
                std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
        }
    }
}

}  // namespace quillex
