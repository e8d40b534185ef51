#include "store/Settings.h"

#include <QByteArray>

#include <array>
#include <iterator>
#include <string_view>
#include <type_traits>

#include "text/NumberText.h"

namespace quillex {
namespace {

// Present integer values follow the atol rule, so an empty or non-numeric text reads as 0.
int LeadingInteger(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return ReadLeadingInteger(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// How a member's type is stored: integers and enumerations as their decimal number, flags as
// 1 or 0 (any other number reads as set), texts as they are.
template <typename T>
struct Stored {
    static T Read(const QString& text) {
        if constexpr (std::is_same_v<T, QString>) {
            return text;
        } else if constexpr (std::is_same_v<T, bool>) {
            return LeadingInteger(text) != 0;
        } else {
            return static_cast<T>(LeadingInteger(text));
        }
    }
    static QString Write(const T& value) {
        if constexpr (std::is_same_v<T, QString>) {
            return value;
        } else {
            return QString::number(static_cast<int>(value));
        }
    }
};

// A member that holds nothing is not written.
template <typename T>
struct Stored<std::optional<T>> {
    static std::optional<T> Read(const QString& text) { return Stored<T>::Read(text); }
    static std::optional<QString> Write(const std::optional<T>& value) {
        return value ? std::optional(Stored<T>::Write(*value)) : std::nullopt;
    }
};

template <auto Member>
struct MemberOf;
template <typename T, T Settings::*Member>
struct MemberOf<Member> {
    using Type = T;
};

// A value read into a member and written from it.
template <auto Member>
constexpr SettingField Field(const char* name) {
    using T = typename MemberOf<Member>::Type;
    return {
        name, [](Settings& s, const QString& text) { s.*Member = Stored<T>::Read(text); },
        [](const Settings& s) -> std::optional<QString> { return Stored<T>::Write(s.*Member); }};
}

// A value written from a member, never read.
template <auto Member>
constexpr SettingField WrittenField(const char* name) {
    SettingField field = Field<Member>(name);
    field.read = nullptr;
    return field;
}

// A value always written with the same text and never read.
template <const char* Text>
constexpr SettingField Constant(const char* name) {
    return {name, nullptr,
            [](const Settings&) -> std::optional<QString> { return QString::fromLatin1(Text); }};
}

constexpr char kZero[] = "0";
constexpr char kFontName[] = "Microsoft Sans Serif";
constexpr char kFontSize[] = "8";

// The file keeps these names, forms and defaults whatever the members are called, so that a
// settings file written by any version reads the same.
constexpr SettingField kSettingFields[] = {
    Field<&Settings::decimals>("Digits"),
    Field<&Settings::displayStyle>("ShowAs"),
    Field<&Settings::euro>("Euro"),
    Field<&Settings::mode>("Mode"),
    Field<&Settings::stackExpression>("StackExpression"),
    Field<&Settings::widthIndex>("BinBase"),
    Field<&Settings::xText>("XVal"),
    Field<&Settings::yText>("YVal"),
    Field<&Settings::storeStack>("Options_StoreStack"),
    Field<&Settings::alwaysOnTop>("Options_AlwaysOnTop"),
    Field<&Settings::outPutWindow>("Options_OutPutWindow"),
    Field<&Settings::toolTips>("Options_ToolTips"),
    Field<&Settings::resultStyle>("Options_ResultStyle"),
    Field<&Settings::showSplash>("Options_ShowSplash"),
    Field<&Settings::thousands>("Options_KommaStyle"),
    Constant<kZero>("Options_Euro"),
    Field<&Settings::converterShowAll>("Options_Converter_ShowAll"),
    Field<&Settings::decimalComma>("Options_UseKomma"),
    Field<&Settings::copyAlways>("Options_CopyAlways"),
    Constant<kFontName>("Options_FontName4"),
    Constant<kFontSize>("Options_FontSize4"),
    Field<&Settings::moveWith>("Options_MoveWith"),
    Field<&Settings::moveOnTop>("Options_MoveOnTop"),
    WrittenField<&Settings::frameTop>("Top"),
    WrittenField<&Settings::frameLeft>("Left"),
    Field<&Settings::windowPosition>("WindowPosition1.1"),
    Field<&Settings::windowPositionMini>("WindowPositionMini"),
    // The same placement again; loading only asks whether it is there.
    {"WindowPosition", [](Settings& s, const QString& text) { s.firstRun = text.isEmpty(); },
     [](const Settings& s) -> std::optional<QString> { return s.windowPosition; }},
    Field<&Settings::tipFilePos>("Tip/FilePos"),
    Field<&Settings::tipTimeStamp>("Tip/TimeStamp"),
    Field<&Settings::englishTipFilePos>("Tip.en/FilePos"),
    Field<&Settings::englishTipTimeStamp>("Tip.en/TimeStamp"),
};

// The names as the keys of the stored values, made once.
const std::array<QString, std::size(kSettingFields)>& FieldKeys() {
    static const auto keys = [] {
        std::array<QString, std::size(kSettingFields)> names;
        for (std::size_t i = 0; i < names.size(); ++i) {
            names[i] = QString::fromLatin1(kSettingFields[i].name);
        }
        return names;
    }();
    return keys;
}

}  // namespace

std::span<const SettingField> SettingFields() {
    return kSettingFields;
}

void LoadSettings(const IniValues& stored, Settings& settings) {
    for (std::size_t i = 0; i < std::size(kSettingFields); ++i) {
        const SettingField& field = kSettingFields[i];
        const auto text = stored.constFind(FieldKeys()[i]);
        if (field.read != nullptr && text != stored.cend()) {
            field.read(settings, *text);
        }
    }
}

void SaveSettings(IniValues& stored, const Settings& settings) {
    for (std::size_t i = 0; i < std::size(kSettingFields); ++i) {
        if (const std::optional<QString> text = kSettingFields[i].write(settings)) {
            stored.insert(FieldKeys()[i], *text);
        }
    }
}

}  // namespace quillex
