#include "store/Settings.h"

#include "store/CSettingsKey.h"
#include "text/NumberText.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <limits>
#include <string_view>

namespace quillex {
namespace {

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

// Missing values take the default; present ones follow the atol rule, so an empty or
// non-numeric text reads as 0.
int ReadInt(CSettingsKey& key, const char* name, int defaultValue) {
    QString text;
    if (!key.ReadString(text, Name(name))) {
        return defaultValue;
    }
    const QByteArray bytes = text.toUtf8();
    return ReadLeadingInteger(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString ReadText(CSettingsKey& key, const char* name, const char* defaultText) {
    QString text;
    if (!key.ReadString(text, Name(name))) {
        return QString::fromUtf8(defaultText);
    }
    return text;
}

void WriteInt(CSettingsKey& key, const char* name, int value) {
    key.WriteString(QString::number(value), Name(name));
}

void WriteText(CSettingsKey& key, const char* name, const QString& text) {
    key.WriteString(text, Name(name));
}

constexpr SettingField Number(const char* name, int Settings::*member, int defaultValue,
                              SettingRole role = SettingRole::Stored) {
    return {name, role, member, nullptr, defaultValue, ""};
}

constexpr SettingField Text(const char* name, QString Settings::*member,
                            const char* defaultText = "", SettingRole role = SettingRole::Stored) {
    return {name, role, nullptr, member, 0, defaultText};
}

constexpr SettingField Window(const char* name, SettingRole role) {
    return {name, role, nullptr, nullptr, 0, ""};
}

// The file keeps these names, kinds and defaults whatever the members are called, so that a
// settings file written by any version reads the same.
constexpr SettingField kSettingFields[] = {
    Number("Digits", &Settings::decimals, 0),
    Number("ShowAs", &Settings::displayStyle, 0),
    Number("Euro", &Settings::euro, 0),
    Number("Mode", &Settings::mode, 0),
    Number("StackExpression", &Settings::stackExpression, 1),
    Number("BinBase", &Settings::widthIndex, 3),
    Text("XVal", &Settings::xText),
    Text("YVal", &Settings::yText),
    Number("Options_StoreStack", &Settings::storeStack, 1),
    Number("Options_AlwaysOnTop", &Settings::alwaysOnTop, 1),
    Number("Options_OutPutWindow", &Settings::outPutWindow, 2),
    Number("Options_ToolTips", &Settings::toolTips, 1),
    Number("Options_ResultStyle", &Settings::resultStyle, 0),
    Number("Options_ShowSplash", &Settings::showSplash, 1),
    Number("Options_KommaStyle", &Settings::thousands, 0),
    Number("Options_Euro", nullptr, 0, SettingRole::Constant),
    Number("Options_Converter_ShowAll", &Settings::converterShowAll, 1),
    Number("Options_UseKomma", &Settings::decimalComma, 0),
    Number("Options_CopyAlways", &Settings::copyAlways, 0),
    Text("Options_FontName4", &Settings::fontName, "Microsoft Sans Serif",
         SettingRole::WrittenOnly),
    Number("Options_FontSize4", &Settings::fontSize, 8, SettingRole::WrittenOnly),
    Number("Options_MoveWith", &Settings::moveWith, 1),
    Number("Options_MoveOnTop", &Settings::moveOnTop, 1),
    Window("Top", SettingRole::FrameTop),
    Window("Left", SettingRole::FrameLeft),
    Window("WindowPosition1.1", SettingRole::Placement),
    Text("WindowPositionMini", &Settings::windowPositionMini),
    Window("WindowPosition", SettingRole::FirstRunMark),
};

void SetDefault(Settings& settings, const SettingField& field) {
    if (field.number != nullptr) {
        settings.*field.number = field.defaultNumber;
    } else if (field.text != nullptr) {
        settings.*field.text = QString::fromUtf8(field.defaultText);
    }
}

// One field of a placement string: blanks around the number are allowed, anything else in
// the field is not. Unsigned fields take no sign.
template <typename T>
std::optional<T> ParseField(const QString& field) {
    const QString text = field.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        if (negative && !std::numeric_limits<T>::is_signed) {
            return std::nullopt;
        }
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    constexpr std::int64_t kMax = static_cast<std::int64_t>(std::numeric_limits<T>::max());
    const std::int64_t limit = negative ? kMax + 1 : kMax;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<T>(negative ? -value : value);
}

}  // namespace

Settings::Settings() {
    for (const SettingField& field : kSettingFields) {
        SetDefault(*this, field);
    }
}

std::span<const SettingField> SettingFields() {
    return kSettingFields;
}

QString FormatPlacement(const Placement& p) {
    return QString::asprintf("%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showCommand, p.minX,
                             p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom);
}

std::optional<Placement> ParsePlacement(const QString& text) {
    const QStringList fields = text.split(u',');
    if (fields.size() != 10) {
        return std::nullopt;
    }
    std::optional<unsigned> unsignedFields[2];
    std::optional<int> intFields[8];
    for (int i = 0; i < 2; ++i) {
        unsignedFields[i] = ParseField<unsigned>(fields[i]);
        if (!unsignedFields[i]) {
            return std::nullopt;
        }
    }
    for (int i = 0; i < 8; ++i) {
        intFields[i] = ParseField<int>(fields[i + 2]);
        if (!intFields[i]) {
            return std::nullopt;
        }
    }
    Placement p;
    p.flags = *unsignedFields[0];
    p.showCommand = *unsignedFields[1];
    p.minX = *intFields[0];
    p.minY = *intFields[1];
    p.maxX = *intFields[2];
    p.maxY = *intFields[3];
    p.left = *intFields[4];
    p.top = *intFields[5];
    p.right = *intFields[6];
    p.bottom = *intFields[7];
    return p;
}

bool PlacementFits(const Placement& stored, const Placement& current) {
    // In 64 bits: a stored rectangle edited by hand may span the whole int range.
    const auto width = [](const Placement& p) {
        return static_cast<std::int64_t>(p.right) - p.left;
    };
    const auto height = [](const Placement& p) {
        return static_cast<std::int64_t>(p.bottom) - p.top;
    };
    return width(stored) == width(current) && height(stored) == height(current);
}

Point FirstRunPosition(int w, int h, int screenWidth, int screenHeight) {
    const std::int64_t x = (static_cast<std::int64_t>(screenWidth) - w) / 2;
    const std::int64_t y = (static_cast<std::int64_t>(screenHeight) - h) / 3;
    return Point{static_cast<int>(x), static_cast<int>(y)};
}

LoadedPlacement LoadSettings(CSettingsKey& key, Settings& settings) {
    LoadedPlacement loaded;
    for (const SettingField& field : SettingFields()) {
        switch (field.role) {
            case SettingRole::Stored:
                if (field.number != nullptr) {
                    settings.*field.number = ReadInt(key, field.name, field.defaultNumber);
                } else {
                    settings.*field.text = ReadText(key, field.name, field.defaultText);
                }
                break;
            case SettingRole::WrittenOnly:
                SetDefault(settings, field);
                break;
            case SettingRole::Placement:
                loaded.windowPosition11 = ReadText(key, field.name, field.defaultText);
                break;
            case SettingRole::FirstRunMark:
                loaded.firstRun = ReadText(key, field.name, field.defaultText).isEmpty();
                break;
            case SettingRole::Constant:
            case SettingRole::FrameTop:
            case SettingRole::FrameLeft:
                break;
        }
    }
    return loaded;
}

void SaveSettings(CSettingsKey& key, const Settings& settings, const SavedPlacement& window) {
    const QString placement = FormatPlacement(window.placement);
    for (const SettingField& field : SettingFields()) {
        switch (field.role) {
            case SettingRole::Stored:
            case SettingRole::WrittenOnly:
                if (field.number != nullptr) {
                    WriteInt(key, field.name, settings.*field.number);
                } else {
                    WriteText(key, field.name, settings.*field.text);
                }
                break;
            case SettingRole::Constant:
                WriteInt(key, field.name, field.defaultNumber);
                break;
            case SettingRole::FrameTop:
                WriteInt(key, field.name, window.top);
                break;
            case SettingRole::FrameLeft:
                WriteInt(key, field.name, window.left);
                break;
            case SettingRole::Placement:
            case SettingRole::FirstRunMark:
                WriteText(key, field.name, placement);
                break;
        }
    }
}

}  // namespace quillex
