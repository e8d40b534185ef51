#include "store/SessionSaver.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

#include "store/CalculatorState.h"
#include "store/Settings.h"
#include "text/Texts.h"

namespace quillex {
namespace {

// Long enough to take a word typed into a field as one change, short enough that an ending
// right after it rarely comes first.
constexpr int kSettingsDelayMs = 300;

QString FailureLine(const QString& path, const QString& reason) {
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

}  // namespace

SessionSaver::SessionSaver(CalculatorState& state, QObject* parent)
    : QObject(parent), state_(state) {
    settingsTimer_.setSingleShot(true);
    settingsTimer_.setInterval(kSettingsDelayMs);
    connect(&settingsTimer_, &QTimer::timeout, this, &SessionSaver::SaveSettingsNow);
}

void SessionSaver::LoadSettings() {
    settings_.Open(SettingsFilePath());
    Settings loaded;
    quillex::LoadSettings(settings_.Values(), loaded);
    state_.Load(loaded);
}

void SessionSaver::LoadTape() {
    if (!state_.Values().storeStack) {
        return;
    }
    const QString path = TapeFilePath();
    if (std::optional<std::vector<TapeEntry>> entries = quillex::LoadTape(path)) {
        state_.LoadTape(*entries);
        tapeInFile_ = std::move(entries);
    } else if (const QFileInfo file(path); file.isFile() && file.size() == 0) {
        tapeInFile_.emplace();
    }
}

void SessionSaver::ClaimTape() {
    if (state_.Values().storeStack) {
        MayWriteTape();
    }
}

void SessionSaver::Follow() {
    connect(&state_, &CalculatorState::changed, this, &SessionSaver::OnChanged,
            Qt::UniqueConnection);
}

void SessionSaver::OnChanged() {
    // A tape that was not read is written at the end in any case; before that, only once it
    // holds an entry.
    if (state_.Values().storeStack && (tapeInFile_ || state_.TapeEntries().Size() > 0)) {
        SaveTapeNow();
    }
    settingsTimer_.start();
}

void SessionSaver::SaveAll() {
    SaveSettingsNow();
    SaveTapeNow();
}

void SessionSaver::SaveSettingsNow() {
    settingsTimer_.stop();
    emit savingSettings();
    SaveSettings(settings_.Values(), state_.Values());
    Note(SettingsFilePath(), settings_.Save());
}

void SessionSaver::SaveTapeNow() {
    const std::vector<TapeEntry>& entries = state_.TapeEntries().Entries();
    if (tapeInFile_ == entries || !MayWriteTape()) {
        return;
    }
    QString error;
    if (SaveTape(TapeFilePath(), entries, &error)) {
        tapeInFile_ = entries;
    }
    Note(TapeFilePath(), error);
}

QString SessionSaver::ReportFailures() const {
    QStringList lines;
    for (auto failure = failures_.cbegin(); failure != failures_.cend(); ++failure) {
        lines << FailureLine(failure.key(), failure.value());
        std::fprintf(stderr, "quillex: %s\n", qUtf8Printable(lines.back()));
    }
    return lines.join(u'\n');
}

bool SessionSaver::AllSaved() const {
    return failures_.isEmpty() && tapeAccess_ != TapeAccess::Refused;
}

bool SessionSaver::MayWriteTape() {
    if (tapeAccess_ == TapeAccess::NotAsked) {
        const QString path = TapeFilePath();
        tapeLock_ = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
        if (tapeLock_->tryLock(0)) {
            tapeAccess_ = TapeAccess::Held;
        } else if (tapeLock_->error() == QLockFile::LockFailedError) {
            tapeAccess_ = TapeAccess::Refused;
            const QString line =
                FailureLine(path, QString::fromUtf8(Text(TextId::TapeHeldElsewhere)));
            std::fprintf(stderr, "quillex: %s\n", qUtf8Printable(line));
            emit saveFailed(line);
        } else {
            // No lock can be made there (a read-only folder, say): writing the tape then
            // fails as well and is reported as any failed save is.
            tapeAccess_ = TapeAccess::Unlocked;
        }
    }
    return tapeAccess_ != TapeAccess::Refused;
}

void SessionSaver::Note(const QString& path, const QString& error) {
    if (error.isEmpty()) {
        failures_.remove(path);
        return;
    }
    const bool first = !failures_.contains(path);
    failures_.insert(path, error);
    if (first) {
        emit saveFailed(FailureLine(path, error));
    }
}

}  // namespace quillex
