#include "store/SessionSaver.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

#include "store/CalculatorState.h"
#include "store/Settings.h"

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
    quillex::LoadSettings(settings_, loaded);
    state_.Load(loaded);
}

void SessionSaver::LoadTape() {
    const QString path = TapeFilePath();
    std::optional<std::vector<TapeEntry>> entries = quillex::LoadTape(path);
    // An empty file holds the empty tape: saving that tape again would write nothing new.
    if (!entries && QFileInfo(path).isFile() && QFileInfo(path).size() == 0) {
        entries.emplace();
    }
    if (entries) {
        state_.LoadTape(*entries);
        tapeInFile_ = std::move(entries);
    }
}

void SessionSaver::Follow() {
    connect(&state_, &CalculatorState::changed, this, &SessionSaver::OnChanged,
            Qt::UniqueConnection);
}

void SessionSaver::OnChanged() {
    if (state_.Values().storeStack) {
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
    SaveSettings(settings_, state_.Values());
    Note(SettingsFilePath(), settings_.Save());
}

void SessionSaver::SaveTapeNow() {
    const std::vector<TapeEntry>& entries = state_.TapeEntries().Entries();
    if (tapeInFile_ == entries) {
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
