#include "store/TipOfTheDay.h"

#include <QFileInfo>

#include <string_view>

#include "store/DataFiles.h"
#include "text/NumberText.h"
#include "text/Texts.h"

namespace quillex {
namespace {

const QString kEnglishTips = QStringLiteral("Tips.en.gr");

// The settings section that keeps the place in a tip file. Each file keeps its own: a position
// in one file is no place in the other, and both may carry the same time stamp.
QString Section(const QString& tipPath) {
    return QFileInfo(tipPath).fileName() == kEnglishTips ? QStringLiteral("Tip.en")
                                                         : QStringLiteral("Tip");
}

}  // namespace

QString TipFilePath() {
    if (CurrentLanguage() == Language::English) {
        const QString english = FindDataFile(kEnglishTips);
        if (QFileInfo::exists(english)) {
            return english;
        }
    }
    return FindDataFile(QStringLiteral("Tips.gr"));
}

TipOfTheDay::TipOfTheDay(const QString& tipPath, const QString& settingsPath)
    : settingsPath_(settingsPath),
      filePosName_(Section(tipPath) + QStringLiteral("/FilePos")),
      timeStampName_(Section(tipPath) + QStringLiteral("/TimeStamp")) {
    CSettingsKey key;
    if (key.Open(settingsPath_)) {
        QString text;
        if (key.ReadString(text, filePosName_)) {
            const QByteArray bytes = text.toUtf8();
            position_.filePos = ReadLeadingInteger(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        }
        key.ReadString(position_.timeStamp, timeStampName_);
        key.Close();
    }
    switch (file_.Open(tipPath, position_)) {
        case TipFile::Opened::Missing:
            break;
        case TipFile::Opened::SeekFailed:
            openSeekFailed_ = true;
            break;
        case TipFile::Opened::Ready:
            Next();
            break;
    }
}

TipOfTheDay::~TipOfTheDay() {
    if (!file_.IsOpen()) {
        return;
    }
    CSettingsKey key;
    if (key.Open(settingsPath_)) {
        key.WriteString(QString::number(file_.Position()), filePosName_);
        key.WriteString(position_.timeStamp, timeStampName_);
        key.Close();
    }
}

bool TipOfTheDay::Next() {
    bool seekFailed = false;
    tip_ = file_.ReadNextTip(&seekFailed);
    return !seekFailed;
}

}  // namespace quillex
