#include "store/CSettingsKey.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QStringList>
#include <QVariant>

#include "store/AtomicFile.h"

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

QMap<QString, QString> ReadIniFile(const QString& path) {
    QMap<QString, QString> values;
    // Only a regular file is read: a folder or a pipe there counts as no file at all.
    if (!QFileInfo(path).isFile()) {
        return values;
    }
    const QSettings file(path, QSettings::IniFormat);
    for (const QString& name : file.allKeys()) {
        values.insert(name, VariantText(file.value(name)));
    }
    return values;
}

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

void AppendHex(QByteArray& out, const char* prefix, unsigned value, int width) {
    out += prefix;
    out += QByteArray::number(value, 16).toUpper().rightJustified(width, '0');
}

// A section or value name: letters, digits and "_-." as they are, '/' as '\', any other
// character as %XX or %UXXXX.
void AppendName(QByteArray& out, const QString& name) {
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            out += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                   (c >= u'0' && c <= u'9') || c == u'_' || c == u'-' || c == u'.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            AppendHex(out, "%", c, 2);
        } else {
            AppendHex(out, "%U", c, 4);
        }
    }
}

// A text value: a leading '@' doubled (a text holding a NUL goes inside "@String(...)"),
// control characters, quotes and backslashes escaped, everything else in UTF-8, and the whole
// in quotes when it holds ';', ',' or '=' or begins or ends with a blank.
void AppendValue(QByteArray& out, QString text) {
    if (text.contains(QChar::Null)) {
        text = QStringLiteral("@String(") + text + u')';
    } else if (text.startsWith(u'@')) {
        text.prepend(u'@');
    }
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfHex = false;  // after a numeric escape, a hex digit would extend it
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        needsQuotes = needsQuotes || c == u';' || c == u',' || c == u'=';
        if (escapeNextIfHex && IsHexDigit(c)) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
            case u'\0':
                out += "\\0";
                escapeNextIfHex = true;
                break;
            case u'\a':
                out += "\\a";
                break;
            case u'\b':
                out += "\\b";
                break;
            case u'\f':
                out += "\\f";
                break;
            case u'\n':
                out += "\\n";
                break;
            case u'\r':
                out += "\\r";
                break;
            case u'\t':
                out += "\\t";
                break;
            case u'\v':
                out += "\\v";
                break;
            case u'"':
            case u'\\':
                out += '\\';
                out += static_cast<char>(c);
                break;
            default:
                if (c <= 0x1F) {
                    out += "\\x" + QByteArray::number(c, 16);
                    escapeNextIfHex = true;
                } else {
                    out += QByteArray(toUtf8(qc));
                }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
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

QByteArray IniText(const QMap<QString, QString>& values) {
    // By section, the general one (no name) first.
    QMap<QString, QMap<QString, QString>> sections;
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        const qsizetype slash = value.key().indexOf(u'/');
        const QString section = slash < 0 ? QString() : value.key().left(slash);
        sections[section].insert(slash < 0 ? value.key() : value.key().mid(slash + 1),
                                 value.value());
    }
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!out.isEmpty()) {
            out += '\n';
        }
        QByteArray name;
        AppendName(name, section.key());
        if (name.isEmpty()) {
            name = "General";
        } else if (name.compare("general", Qt::CaseInsensitive) == 0) {
            name = "%General";
        }
        out += '[' + name + "]\n";
        for (auto value = section->cbegin(); value != section->cend(); ++value) {
            AppendName(out, value.key());
            out += '=';
            AppendValue(out, value.value());
            out += '\n';
        }
    }
    return out;
}

}  // namespace quillex
