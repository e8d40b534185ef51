#include "store/CSettingsKey.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "store/AtomicFile.h"
#include "store/QtRegularFile.h"

namespace quillex {
namespace {

// Only a regular file is read: a folder or a pipe there counts as no file at all.
IniValues ReadIniFile(const QString& path) {
    const std::optional<QByteArray> bytes = ReadRegularFile(path);
    return bytes ? ParseIni(*bytes) : IniValues{};
}

}  // namespace

QString SettingsFilePath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath(QStringLiteral("Vondrel/Quillex.conf"));
}

CSettingsKey::~CSettingsKey() {
    Close();
}

bool CSettingsKey::Open() {
    return Open(SettingsFilePath());
}

bool CSettingsKey::Open(const QString& filePath) {
    Close();
    if (filePath.isEmpty()) {
        return false;
    }
    path_ = filePath;
    inFile_ = ReadIniFile(filePath);
    values_ = inFile_;
    open_ = true;
    return true;
}

bool CSettingsKey::WriteString(const QString& text, const QString& name) {
    if (!open_ || name.isEmpty()) {
        return false;
    }
    values_.insert(name, text);
    return true;
}

bool CSettingsKey::ReadString(QString& text, const QString& name) const {
    text.clear();
    const auto value = values_.constFind(name);
    if (!open_ || value == values_.cend()) {
        return false;
    }
    text = *value;
    return true;
}

QString CSettingsKey::Save() {
    if (!open_ || values_ == inFile_) {
        return QString();
    }
    QDir().mkpath(QFileInfo(path_).path());
    const QString error = ReplaceFileContent(path_, IniText(values_));
    if (error.isEmpty()) {
        inFile_ = values_;
    }
    return error;
}

bool CSettingsKey::Close() {
    if (!open_) {
        return true;
    }
    const bool saved = Save().isEmpty();
    open_ = false;
    values_.clear();
    inFile_.clear();
    return saved;
}

}  // namespace quillex
