#include "store/SessionSaver.h"

#include <QDir>
#include <QStringList>

#include <cstdio>

#include <utility>

#include "store/CSettingsKey.h"
#include "store/Tape.h"
#include "store/TapeFile.h"
#include "text/Texts.h"

namespace quillex {
namespace {

// Long enough to take a word typed into a field as one change, short enough that an ending
// right after it rarely comes first.
constexpr int kSettingsDelayMs = 300;

}  // namespace

SessionSaver::SessionSaver(const Settings& settings, const Tape& tape,
                           std::function<SavedPlacement()> placement, QObject* parent)
    : QObject(parent), settings_(settings), tape_(tape), placement_(std::move(placement)) {
    settingsTimer_.setSingleShot(true);
    settingsTimer_.setInterval(kSettingsDelayMs);
    connect(&settingsTimer_, &QTimer::timeout, this, &SessionSaver::SaveSettingsNow);
}

void SessionSaver::SettingsChanged() {
    settingsTimer_.start();
}

void SessionSaver::TapeChanged() {
    if (settings_.storeStack != 0) {
        SaveTapeNow();
    }
}

void SessionSaver::SaveAll() {
    SaveSettingsNow();
    SaveTapeNow();
}

void SessionSaver::SaveSettingsNow() {
    settingsTimer_.stop();
    const QString path = SettingsFilePath();
    CSettingsKey key;
    const bool written =
        key.Open(path) && (SaveSettings(key, settings_, placement_()), key.Close());
    const std::string_view reason = Text(TextId::FileNotWritable);
    Note(path, written ? QString()
                       : QString::fromUtf8(reason.data(), static_cast<qsizetype>(reason.size())));
}

void SessionSaver::SaveTapeNow() {
    QString error;
    SaveTape(TapeFilePath(), tape_.Entries(), &error);
    Note(TapeFilePath(), error);
}

QString SessionSaver::ReportFailures() const {
    QStringList lines;
    for (auto failure = failures_.cbegin(); failure != failures_.cend(); ++failure) {
        lines << QDir::toNativeSeparators(failure.key()) + QStringLiteral(": ") + failure.value();
        std::fprintf(stderr, "quillex: %s\n", qUtf8Printable(lines.back()));
    }
    return lines.join(u'\n');
}

void SessionSaver::Note(const QString& path, const QString& error) {
    if (error.isEmpty()) {
        failures_.remove(path);
    } else {
        failures_.insert(path, error);
    }
}

}  // namespace quillex
