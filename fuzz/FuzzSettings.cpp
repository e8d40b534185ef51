// A libFuzzer target over the settings as the program reads them, fed with arbitrary bytes:
// the input is the settings file, read by LoadSettings through a CSettingsKey opened on it;
// then what was loaded is saved with SaveSettings and loaded and saved once more. The
// placement strings it holds go through ParsePlacement.
//
// Besides the sanitizers' checks it checks what must hold for every file: each integer value
// is saved as its leading integer (blanks and a sign, then digits, saturated to 32 bits, which
// strtoll gives too), each text value as it was read, a missing value as its default; all 28
// values are written; a saved file loads and saves to the same bytes; the placement handed on
// is the stored text, the first run is marked exactly when "WindowPosition" is missing or
// empty, and a parsed placement formats to a text that parses to the same placement.
#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <optional>
#include <string>

#include "store/CSettingsKey.h"
#include "store/Settings.h"

namespace {

// The names the values are stored under, by what loading does with them.
constexpr const char* kIntegers[] = {
    "Digits",
    "ShowAs",
    "Euro",
    "Mode",
    "StackExpression",
    "BinBase",
    "Options_StoreStack",
    "Options_AlwaysOnTop",
    "Options_OutPutWindow",
    "Options_ToolTips",
    "Options_ResultStyle",
    "Options_ShowSplash",
    "Options_KommaStyle",
    "Options_Converter_ShowAll",
    "Options_UseKomma",
    "Options_CopyAlways",
    "Options_MoveWith",
    "Options_MoveOnTop",
};
constexpr const char* kTexts[] = {"XVal", "YVal", "WindowPositionMini"};
// Written at every save, never read back into the settings.
constexpr const char* kWrittenOnly[] = {
    "Options_Euro", "Options_FontName4", "Options_FontSize4", "Top",
    "Left",         "WindowPosition1.1", "WindowPosition",
};

void Check(bool condition, const std::string& what) {
    if (!condition) {
        std::fprintf(stderr, "FuzzSettings: %s\n", what.c_str());
        std::abort();
    }
}

std::string Quoted(const QString& text) {
    return "\"" + text.toStdString() + "\"";
}

// Each stored value, nothing for a missing one.
using Values = std::map<std::string, std::optional<QString>>;

Values ReadValues(quillex::CSettingsKey& key) {
    Values values;
    const auto read = [&](const char* name) {
        QString text;
        values[name] =
            key.ReadString(text, QString::fromLatin1(name)) ? std::optional(text) : std::nullopt;
    };
    std::for_each(std::begin(kIntegers), std::end(kIntegers), read);
    std::for_each(std::begin(kTexts), std::end(kTexts), read);
    std::for_each(std::begin(kWrittenOnly), std::end(kWrittenOnly), read);
    return values;
}

// The file of the settings saved with the window at `window`, and its values.
struct SavedFile {
    QByteArray bytes;
    Values values;
};

SavedFile Save(const QString& path, const quillex::Settings& settings,
               const quillex::SavedPlacement& window) {
    {
        quillex::CSettingsKey key;
        Check(key.Open(path), "cannot open " + path.toStdString());
        quillex::SaveSettings(key, settings, window);
    }
    SavedFile saved;
    QFile file(path);
    Check(file.open(QIODevice::ReadOnly), "nothing saved");
    saved.bytes = file.readAll();
    quillex::CSettingsKey key;
    Check(key.Open(path), "cannot open " + path.toStdString());
    saved.values = ReadValues(key);
    return saved;
}

quillex::LoadedPlacement Load(const QString& path, quillex::Settings& settings, Values* values) {
    quillex::CSettingsKey key;
    Check(key.Open(path), "cannot open " + path.toStdString());
    const quillex::LoadedPlacement loaded = quillex::LoadSettings(key, settings);
    if (values != nullptr) {
        *values = ReadValues(key);
    }
    return loaded;
}

// The integer a stored text stands for, by strtoll on its UTF-8 form, saturated to 32 bits.
QString IntegerText(const QString& stored) {
    const std::string text = stored.toStdString();
    const long long wide = std::strtoll(text.c_str(), nullptr, 10);
    return QString::number(std::clamp<long long>(wide, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

std::optional<quillex::Placement> CheckPlacement(const QString& text) {
    const std::optional<quillex::Placement> parsed = quillex::ParsePlacement(text);
    if (parsed) {
        const QString formatted = quillex::FormatPlacement(*parsed);
        const std::optional<quillex::Placement> again = quillex::ParsePlacement(formatted);
        Check(again && quillex::FormatPlacement(*again) == formatted,
              "placement round trip of " + Quoted(text));
    }
    return parsed;
}

class Folder {
public:
    // In memory where the system offers it: a save waits until its file is on disk.
    Folder()
        : folder_(QDir(QStringLiteral("/dev/shm")).exists()
                      ? QStringLiteral("/dev/shm/quillex-fuzz-settings-XXXXXX")
                      : QDir::tempPath() + QStringLiteral("/quillex-fuzz-settings-XXXXXX")) {
        Check(folder_.isValid(), "no temporary folder");
    }
    QString File(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

    // The settings reader keeps the files it has read and reads one again only when its size or
    // time changed, which a rewrite within the same millisecond need not change: every file
    // written here gets a time of its own.
    void Write(const QString& path, const uint8_t* data, size_t size) {
        QFile file(path);
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                      static_cast<qint64>(size) &&
                  file.setFileTime(QDateTime::fromSecsSinceEpoch(++count_, Qt::UTC),
                                   QFileDevice::FileModificationTime),
              "cannot write " + path.toStdString());
    }

private:
    QTemporaryDir folder_;
    qint64 count_ = 0;
};

}  // namespace

// Qt is built without frame pointers, so the stacks the sanitizer records for the settings
// reader's allocations run into stray values past Qt's first frames and come out different on
// every input; it keeps each one, and memory grew by over a kilobyte per input. Three frames
// of allocation context stop short of that.
extern "C" const char* __asan_default_options() {
    return "malloc_context_size=3";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Folder folder;
    // What a save writes for missing values: the save of an empty file's settings.
    static const Values defaults = [] {
        quillex::Settings settings;
        Load(folder.File("empty.conf"), settings, nullptr);
        return Save(folder.File("defaults.conf"), settings, quillex::SavedPlacement{}).values;
    }();

    const QString input = folder.File("input.conf");
    folder.Write(input, data, size);
    quillex::Settings settings;
    Values stored;
    const quillex::LoadedPlacement loaded = Load(input, settings, &stored);
    Check(loaded.windowPosition11 == stored["WindowPosition1.1"].value_or(QString()),
          "the placement handed on is not the stored one");
    Check(loaded.firstRun == stored["WindowPosition"].value_or(QString()).isEmpty(),
          "first run marked wrongly");
    CheckPlacement(stored["WindowPositionMini"].value_or(QString()));

    // Saved where the stored placement puts the window, as the program saves after restoring it.
    quillex::SavedPlacement window;
    if (const std::optional<quillex::Placement> placement =
            CheckPlacement(loaded.windowPosition11)) {
        window.placement = *placement;
        window.top = placement->top;
        window.left = placement->left;
    }
    const QString first = folder.File("saved.conf");
    const SavedFile saved = Save(first, settings, window);
    for (const auto& [name, value] : saved.values) {
        Check(value.has_value(), name + " not saved");
    }
    for (const char* name : kIntegers) {
        const std::optional<QString>& in = stored[name];
        const QString expected = in ? IntegerText(*in) : *defaults.at(name);
        Check(saved.values.at(name) == expected, std::string(name) + " " +
                                                     Quoted(in.value_or(QString())) + " saved as " +
                                                     Quoted(*saved.values.at(name)));
    }
    for (const char* name : kTexts) {
        const std::optional<QString>& in = stored[name];
        Check(saved.values.at(name) == in.value_or(*defaults.at(name)),
              std::string(name) + " " + Quoted(in.value_or(QString())) + " saved as " +
                  Quoted(*saved.values.at(name)));
    }

    // What was saved loads and saves to the same file.
    quillex::Settings again;
    Load(first, again, nullptr);
    const QString second = folder.File("saved-again.conf");
    Check(Save(second, again, window).bytes == saved.bytes, "a saved file saves differently");

    for (const QString& path : {input, first, second}) {
        QFile::remove(path);
    }
    return 0;
}
