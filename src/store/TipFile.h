// The tip file: one tip per line, read one tip at each start from where the last start
// stopped, and from the first tip again once the file has been replaced. Lines that start
// with a blank, a tab or ";" and empty lines are no tips. The file is 8-bit text in code
// page 1252; a carriage return is no character of a tip, so lines may end in "\r\n".
#pragma once

#include <QDateTime>
#include <QFile>
#include <QIODevice>
#include <QString>

namespace quillex {

// Where the reading stopped, kept between starts.
struct TipPosition {
    qint64 filePos = 0;  // byte offset of the next tip
    QString timeStamp;   // the file's modification time when the position was stored
};

class TipFile {
public:
    // The most a tip holds, line end included; a longer line goes on as the next tip.
    static constexpr qint64 kMaxTipLength = 999;

    enum class Opened { Missing, SeekFailed, Ready };

    // Opens the file and goes to the stored position, or to the start when the file's time
    // stamp differs from the stored one, which then takes the file's.
    Opened Open(const QString& path, TipPosition& stored);
    bool IsOpen() const { return file_.isOpen(); }
    qint64 Position() const { return file_.pos(); }

    // The next tip, line end included; after the last one the first one again. Empty when the
    // file holds no tip at all, or when it cannot go back to its start (`seekFailed` is then
    // set).
    QString ReadNextTip(bool* seekFailed = nullptr);

private:
    QFile file_;
};

// The reading of a tip file once it is open, on any device opened for reading (not as text),
// so that the tips read the same from a file and from memory.
//
// Goes to the stored position, or to the start when `stamp`, the file's time stamp, differs
// from the stored one, which then takes it.
TipFile::Opened GoToStoredTip(QIODevice& device, const QString& stamp, TipPosition& stored);
// The next tip, as TipFile::ReadNextTip.
QString ReadTip(QIODevice& device, bool* seekFailed = nullptr);

// A time as the 24-character calendar text "Wed Jan  2 02:03:55 1980", in English whatever
// the locale.
QString CalendarText(const QDateTime& time);

}  // namespace quillex
