#include "store/CSettingsKey.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

namespace quillex {
namespace {

// Every value is read as text whatever form the file gives it: a value edited by hand with
// unquoted commas comes back from the INI reader as a list, which is joined again.
QString VariantText(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QStringList:
            return value.toStringList().join(u',');
        case QMetaType::QVariantList: {
            QStringList parts;
            for (const QVariant& part : value.toList()) {
                parts.append(VariantText(part));
            }
            return parts.join(u',');
        }
        case QMetaType::QByteArray:
            return QString::fromUtf8(value.toByteArray());
        default:
            return value.toString();
    }
}

}  // namespace

QString SettingsFilePath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath(QStringLiteral("Vondrel/Quillex.conf"));
}

CSettingsKey::CSettingsKey() = default;

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
    settings_ = std::make_unique<QSettings>(filePath, QSettings::IniFormat);
    if (settings_->status() == QSettings::AccessError) {
        settings_.reset();
        return false;
    }
    return true;
}

bool CSettingsKey::WriteString(const QString& text, const QString& name) {
    if (!settings_ || name.isEmpty() || !settings_->isWritable()) {
        return false;
    }
    // A QString is written quoted and escaped where needed, so commas, quotes, blanks at the
    // ends and a leading '@' all survive the round trip unchanged.
    settings_->setValue(name, text);
    return true;
}

bool CSettingsKey::ReadString(QString& text, const QString& name) {
    text.clear();
    if (!settings_ || name.isEmpty() || !settings_->contains(name)) {
        return false;
    }
    text = VariantText(settings_->value(name));
    return true;
}

bool CSettingsKey::Close() {
    if (!settings_) {
        return true;
    }
    settings_->sync();
    const bool written = settings_->status() == QSettings::NoError;
    settings_.reset();
    return written;
}

}  // namespace quillex
