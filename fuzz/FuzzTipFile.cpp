// A libFuzzer target over the tip of the day's reading, in memory: the stored "Tip/FilePos"
// value as the settings read it, the tip file going to that place, and the tips read from
// there on, past the end of the file and round again.
//
// Input layout: FILEPOS NUL STAMP FILE. FILEPOS is the stored value's text; STAMP is one byte,
// odd when the stored time stamp is the file's (the place holds) and even when the file has
// been replaced since (reading starts over); FILE is the tip file's content.
//
// Besides the sanitizers' checks it checks what must hold for every input: the place is the
// value's leading integer; a negative one cannot be gone to, one beyond the end goes to the
// end; every tip read is the next line of at most 999 bytes that is a tip, read from the place
// and then from the start again, without its carriage returns; a file without a tip gives an
// empty one; and the place reached is stored as a value that reads back to it.
#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "store/QtCp1252.h"
#include "store/Settings.h"
#include "store/TipFile.h"
#include "store/TipOfTheDay.h"

namespace {

using quillex::TipFile;
using quillex::TipPosition;

const QString kTipPath = QStringLiteral("Tips.gr");

// The tips as the file is meant to be read: from `position`, a line (or the first 999 bytes of
// a longer one) at a time, each without its carriage returns, a tip unless it is empty or begins
// with a blank, a tab, ';' or a line end; at the end the start again, once per tip asked for.
class Reference {
public:
    Reference(std::string_view file, std::size_t position) : file_(file), at_(position) {}

    // The next line, nothing at the end.
    std::optional<std::string> NextLine() {
        if (at_ >= file_.size()) {
            return std::nullopt;
        }
        const std::size_t end = file_.find('\n', at_);
        const std::size_t length = std::min<std::size_t>(
            end == file_.npos ? file_.size() - at_ : end - at_ + 1, TipFile::kMaxTipLength);
        std::string line(file_.substr(at_, length));
        at_ += length;
        std::erase(line, '\r');
        return line;
    }
    static bool IsTip(const std::string& line) {
        return !line.empty() && std::string_view(" \t\n;").find(line[0]) == std::string::npos;
    }
    std::string NextTip() {
        for (bool wrapped = false;;) {
            if (const std::optional<std::string> line = NextLine()) {
                if (IsTip(*line)) {
                    return *line;
                }
            } else if (wrapped) {
                return {};
            } else {
                wrapped = true;
                at_ = 0;
            }
        }
    }
    std::size_t Position() const { return at_; }

private:
    std::string_view file_;
    std::size_t at_;
};

std::size_t TipCount(std::string_view file) {
    Reference reading(file, 0);
    std::size_t count = 0;
    while (const std::optional<std::string> line = reading.NextLine()) {
        count += Reference::IsTip(*line) ? 1 : 0;
    }
    return count;
}

// The stored value's leading integer, as atol reads it, saturated to 32 bits.
long long LeadingInteger(const QString& text) {
    const std::string utf8 = text.toStdString();
    return std::clamp<long long>(std::strtoll(utf8.c_str(), nullptr, 10),
                                 std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max());
}

TipPosition Stored(const QString& filePos, const QString& stamp) {
    quillex::IniValues stored;
    stored.insert(QStringLiteral("Tip/FilePos"), filePos);
    stored.insert(QStringLiteral("Tip/TimeStamp"), stamp);
    quillex::Settings settings;
    quillex::LoadSettings(stored, settings);
    return quillex::StoredTipPosition(settings, kTipPath);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = std::min(input.find('\0'), input.size());
    const QString filePos = QString::fromUtf8(input.data(), static_cast<qsizetype>(nul));
    const std::string_view rest = input.substr(std::min(nul + 1, input.size()));
    const bool sameFile = !rest.empty() && (rest[0] & 1) != 0;
    const std::string_view file = rest.substr(rest.empty() ? 0 : 1);
    const auto context = [&] {
        return "place \"" + quillex::fuzz::Escaped(filePos.toStdString()) + "\", " +
               (sameFile ? "same file " : "replaced file ") + quillex::fuzz::Escaped(file);
    };

    // The file's time stamp; a stored one that differs says the file has been replaced.
    const QString stamp = QStringLiteral("Mon Jan  1 12:00:00 2024");
    TipPosition position = Stored(filePos, sameFile ? stamp : QStringLiteral("Sun Dec 31 1999"));
    FUZZ_CHECK(position.filePos == LeadingInteger(filePos), context());

    QByteArray bytes(file.data(), static_cast<qsizetype>(file.size()));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const qint64 asked = sameFile ? position.filePos : 0;
    const TipFile::Opened opened = quillex::GoToStoredTip(device, stamp, position);
    FUZZ_CHECK(position.timeStamp == stamp && position.filePos == asked, context());
    if (asked < 0) {
        FUZZ_CHECK(opened == TipFile::Opened::SeekFailed, context());
        return 0;
    }
    FUZZ_CHECK(
        opened == TipFile::Opened::Ready && device.pos() == std::min<qint64>(asked, bytes.size()),
        context());

    // Round the file twice, and a tip more.
    Reference reference(file, static_cast<std::size_t>(device.pos()));
    const std::size_t tips = TipCount(file);
    for (std::size_t i = 0; i < 2 * tips + 2 && i < 24; ++i) {
        bool seekFailed = false;
        const QString tip = quillex::ReadTip(device, &seekFailed);
        const std::string expected = reference.NextTip();
        FUZZ_CHECK(!seekFailed && tip == quillex::FromCp1252(expected) &&
                       device.pos() == static_cast<qint64>(reference.Position()),
                   "tip " + std::to_string(i) + " \"" + quillex::fuzz::Escaped(tip.toStdString()) +
                       "\" at " + std::to_string(device.pos()) + ", expected \"" +
                       quillex::fuzz::Escaped(expected) + "\" at " +
                       std::to_string(reference.Position()) + ": " + context());
        FUZZ_CHECK((!tip.isEmpty() || tips == 0) && tip.size() <= TipFile::kMaxTipLength,
                   context());
    }

    // The place reached, stored and read again at the next start.
    quillex::Settings settings;
    settings.tipFilePos = static_cast<int>(device.pos());
    settings.tipTimeStamp = position.timeStamp;
    quillex::IniValues saved;
    quillex::SaveSettings(saved, settings);
    const TipPosition next = Stored(saved.value(QStringLiteral("Tip/FilePos")),
                                    saved.value(QStringLiteral("Tip/TimeStamp")));
    FUZZ_CHECK(next.filePos == device.pos() && next.timeStamp == stamp, context());
    return 0;
}
