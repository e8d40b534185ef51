#include "store/TipOfTheDay.h"

#include <QFileInfo>

#include <utility>

#include "store/CalculatorState.h"
#include "store/DataFiles.h"
#include "text/Texts.h"

namespace quillex {
namespace {

const QString kEnglishTips = QStringLiteral("Tips.en.gr");

bool IsEnglishFile(const QString& tipPath) {
    return QFileInfo(tipPath).fileName() == kEnglishTips;
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

TipOfTheDay::TipOfTheDay(const QString& tipPath, TipPosition stored)
    : position_(std::move(stored)) {
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

bool TipOfTheDay::Next() {
    bool seekFailed = false;
    tip_ = file_.ReadNextTip(&seekFailed);
    return !seekFailed;
}

std::optional<TipPosition> TipOfTheDay::Reached() const {
    if (!file_.IsOpen()) {
        return std::nullopt;
    }
    return TipPosition{file_.Position(), position_.timeStamp};
}

TipPosition StoredTipPosition(const Settings& settings, const QString& tipPath) {
    const bool english = IsEnglishFile(tipPath);
    const std::optional<int>& filePos = english ? settings.englishTipFilePos : settings.tipFilePos;
    const std::optional<QString>& stamp =
        english ? settings.englishTipTimeStamp : settings.tipTimeStamp;
    return TipPosition{filePos.value_or(0), stamp.value_or(QString())};
}

void KeepTipPosition(CalculatorState& state, const QString& tipPath, const TipPosition& reached) {
    const bool english = IsEnglishFile(tipPath);
    state.Set(english ? &Settings::englishTipFilePos : &Settings::tipFilePos,
              std::optional(static_cast<int>(reached.filePos)));
    state.Set(english ? &Settings::englishTipTimeStamp : &Settings::tipTimeStamp,
              std::optional(reached.timeStamp));
}

}  // namespace quillex
