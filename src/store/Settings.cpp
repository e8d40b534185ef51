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

QString ReadText(CSettingsKey& key, const char* name) {
    QString text;
    key.ReadString(text, Name(name));
    return text;
}

void WriteInt(CSettingsKey& key, const char* name, int value) {
    key.WriteString(QString::number(value), Name(name));
}

void WriteText(CSettingsKey& key, const char* name, const QString& text) {
    key.WriteString(text, Name(name));
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
    settings.digits = ReadInt(key, "Digits", 0);
    settings.showAs = ReadInt(key, "ShowAs", 0);
    settings.euro = ReadInt(key, "Euro", 0);
    settings.mode = ReadInt(key, "Mode", 0);
    settings.stackExpression = ReadInt(key, "StackExpression", 1);
    // Kept as stored: the programmer page maps values outside 0..3 to 32 bits itself.
    settings.binBase = ReadInt(key, "BinBase", 3);
    settings.xVal = ReadText(key, "XVal");
    settings.yVal = ReadText(key, "YVal");
    settings.storeStack = ReadInt(key, "Options_StoreStack", 1);
    settings.alwaysOnTop = ReadInt(key, "Options_AlwaysOnTop", 1);
    settings.outPutWindow = ReadInt(key, "Options_OutPutWindow", 2);
    settings.toolTips = ReadInt(key, "Options_ToolTips", 1);
    settings.resultStyle = ReadInt(key, "Options_ResultStyle", 0);
    settings.kommaStyle = ReadInt(key, "Options_KommaStyle", 0);
    settings.showSplash = ReadInt(key, "Options_ShowSplash", 1);
    settings.moveWith = ReadInt(key, "Options_MoveWith", 1);
    settings.moveOnTop = ReadInt(key, "Options_MoveOnTop", 1);
    settings.converterShowAll = ReadInt(key, "Options_Converter_ShowAll", 1);
    settings.useKomma = ReadInt(key, "Options_UseKomma", 0);
    settings.copyAlways = ReadInt(key, "Options_CopyAlways", 0);
    settings.fontName = QStringLiteral("Microsoft Sans Serif");
    settings.fontSize = 8;
    settings.windowPositionMini = ReadText(key, "WindowPositionMini");

    LoadedPlacement loaded;
    loaded.windowPosition11 = ReadText(key, "WindowPosition1.1");
    loaded.firstRun = ReadText(key, "WindowPosition").isEmpty();
    return loaded;
}

void SaveSettings(CSettingsKey& key, const Settings& settings, const SavedPlacement& window) {
    WriteInt(key, "Digits", settings.digits);
    WriteInt(key, "ShowAs", settings.showAs);
    WriteInt(key, "Euro", settings.euro);
    WriteInt(key, "Mode", settings.mode);
    WriteInt(key, "StackExpression", settings.stackExpression);
    WriteInt(key, "BinBase", settings.binBase);
    WriteText(key, "XVal", settings.xVal);
    WriteText(key, "YVal", settings.yVal);
    WriteInt(key, "Options_StoreStack", settings.storeStack);
    WriteInt(key, "Options_AlwaysOnTop", settings.alwaysOnTop);
    WriteInt(key, "Options_OutPutWindow", settings.outPutWindow);
    WriteInt(key, "Options_ToolTips", settings.toolTips);
    WriteInt(key, "Options_ResultStyle", settings.resultStyle);
    WriteInt(key, "Options_ShowSplash", settings.showSplash);
    WriteInt(key, "Options_KommaStyle", settings.kommaStyle);
    WriteInt(key, "Options_Euro", 0);
    WriteInt(key, "Options_Converter_ShowAll", settings.converterShowAll);
    WriteInt(key, "Options_UseKomma", settings.useKomma);
    WriteInt(key, "Options_CopyAlways", settings.copyAlways);
    WriteText(key, "Options_FontName4", settings.fontName);
    WriteInt(key, "Options_FontSize4", settings.fontSize);
    WriteInt(key, "Options_MoveWith", settings.moveWith);
    WriteInt(key, "Options_MoveOnTop", settings.moveOnTop);
    WriteInt(key, "Top", window.top);
    WriteInt(key, "Left", window.left);
    const QString placement = FormatPlacement(window.placement);
    WriteText(key, "WindowPosition1.1", placement);
    WriteText(key, "WindowPositionMini", settings.windowPositionMini);
    WriteText(key, "WindowPosition", placement);
}

}  // namespace quillex
