// A libFuzzer target over the settings file as the program reads it, fed with arbitrary bytes
// and read in memory: the input is parsed as the INI file, loaded into the settings, saved,
// and the saved text parsed, loaded and saved once more. The placement strings it holds go
// through ParsePlacement.
//
// Besides the sanitizers' checks it checks what must hold for every file: each value that is
// read is saved as its stored form (an integer as its leading integer, a flag as 1 or 0, a text
// as it was read), a missing one as its default; every value of the table is written, and
// values the table does not know stay; a saved file reads back to the same values and saves to
// the same bytes; the first run is marked exactly when "WindowPosition" is missing or empty,
// and a parsed placement formats to a text that parses to the same placement.
#include <QByteArray>
#include <QSet>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "store/IniText.h"
#include "store/Placement.h"
#include "store/Settings.h"

namespace {

using quillex::IniValues;

std::string Text(const QString& text) {
    return quillex::fuzz::Escaped(text.toStdString());
}

// The integer a stored text stands for, by strtoll on its UTF-8 form, saturated to 32 bits.
long long LeadingInteger(const QString& stored) {
    const std::string text = stored.toStdString();
    return std::clamp<long long>(std::strtoll(text.c_str(), nullptr, 10),
                                 std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max());
}

void CheckPlacement(const QString& text) {
    if (const std::optional<quillex::Placement> parsed = quillex::ParsePlacement(text)) {
        const QString formatted = quillex::FormatPlacement(*parsed);
        const std::optional<quillex::Placement> again = quillex::ParsePlacement(formatted);
        FUZZ_CHECK(again && *again == *parsed, Text(text));
    }
}

IniValues Saved(const quillex::Settings& settings, IniValues stored) {
    quillex::SaveSettings(stored, settings);
    return stored;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // What a save writes for missing values: the defaults.
    static const IniValues defaults = Saved(quillex::Settings{}, {});

    const IniValues stored =
        quillex::ParseIni(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    quillex::Settings settings;
    quillex::LoadSettings(stored, settings);
    FUZZ_CHECK(settings.firstRun == stored.value(QStringLiteral("WindowPosition")).isEmpty(),
               "first run");
    CheckPlacement(settings.windowPosition);
    CheckPlacement(settings.windowPositionMini);

    const IniValues saved = Saved(settings, stored);
    for (auto value = stored.cbegin(); value != stored.cend(); ++value) {
        FUZZ_CHECK(saved.contains(value.key()), Text(value.key()) + " lost");
    }
    for (auto value = defaults.cbegin(); value != defaults.cend(); ++value) {
        FUZZ_CHECK(saved.contains(value.key()), Text(value.key()) + " not saved");
    }
    // The names of the values that are read, as the maps' keys.
    static const std::vector<QString> readNames = [] {
        std::vector<QString> names;
        for (const quillex::SettingField& field : quillex::SettingFields()) {
            if (field.read != nullptr && field.name != std::string_view("WindowPosition")) {
                names.push_back(QString::fromLatin1(field.name));
            }
        }
        return names;
    }();
    for (const QString& name : readNames) {
        const auto in = stored.constFind(name);
        if (in == stored.cend()) {
            continue;
        }
        // Each stored form: the same text, its leading integer, or a flag.
        const QString& out = saved[name];
        if (out == *in) {
            continue;
        }
        const long long number = LeadingInteger(*in);
        FUZZ_CHECK(out == QString::number(number) || out == QString::number(number != 0 ? 1 : 0),
                   Text(name) + " " + Text(*in) + " saved as " + Text(out));
    }

    // What was saved reads back the same and saves to the same file. The outcome depends on
    // the file's bytes alone, and most inputs save a file an earlier one saved: each file is
    // read back once.
    const QByteArray file = quillex::IniText(saved);
    static QSet<QByteArray> checked;
    if (checked.contains(file)) {
        return 0;
    }
    if (checked.size() >= 20000) {
        checked.clear();
    }
    checked.insert(file);
    const IniValues reread = quillex::ParseIni(file);
    quillex::Settings again;
    quillex::LoadSettings(reread, again);
    const QByteArray second = quillex::IniText(Saved(again, reread));
    FUZZ_CHECK(second == file, "a saved file saves differently:\n" + file.toStdString() +
                                   "\n----\n" + second.toStdString());
    return 0;
}
