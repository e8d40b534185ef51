#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/InstanceCommands.h"
#include "cli/CommandLine.h"
#include "cli/StdioStreams.h"
#include "cli/UnitCommands.h"

#ifdef QUILLEX_WITH_WINDOW
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "app/CMainCalcApp.h"
#include "app/FontPrefetch.h"
#include "app/PaintWarmUp.h"
#endif

namespace {

// Writes a message of the window's path on standard error through stdio alone, so that
// the window's start builds no C++ stream.
void PrintError(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

// Opens the window, or hands the running one `command`; a build without a window says how to
// calculate instead.
int RunWindow([[maybe_unused]] int argc, [[maybe_unused]] char** argv,
              [[maybe_unused]] quillex::InstanceCommand command) {
#ifdef QUILLEX_WITH_WINDOW
    if (!quillex::HasDisplay()) {
        PrintError(quillex::Text(quillex::TextId::NoDisplay));
        return 1;
    }
#if defined(__GLIBC__)
    // The window's few threads (the font configuration's, the pictures', the toolkit's own)
    // would each get an allocation arena of their own, every one keeping pages of its own;
    // sharing the program's one arena keeps them out of its resident memory, and no thread
    // here allocates often enough to wait for another.
    mallopt(M_ARENA_MAX, 1);
#endif
    quillex::BackgroundJob fonts = quillex::PrefetchFonts();
    QApplication app(argc, argv);
    const quillex::BackgroundJob painting = quillex::WarmUpPainter();
    QApplication::setApplicationName(QStringLiteral("Quillex"));
    QApplication::setOrganizationName(QStringLiteral("Vondrel"));
    // Ties the window to the menu entry quillex.desktop, so that docks and task bars show it
    // under the entry's name and icon: it is the app id on Wayland. On X11 the window class,
    // "quillex" and "Quillex" from the program's and the application's names, does the same.
    QApplication::setDesktopFileName(QStringLiteral("quillex"));
    // Qt's own texts (field menus, the buttons of message boxes) in the window's language;
    // Qt's own are English already.
    QTranslator qtTexts;
    if (quillex::CurrentLanguage() == quillex::Language::German &&
        qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    fonts.Wait();
    quillex::CMainCalcApp application;
    return application.Run(command);
#else
    PrintError(quillex::Text(quillex::TextId::NoWindow));
    return 1;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    using quillex::CommandLine;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine commandLine = quillex::ParseCommandLine(arguments);
    // The messages on standard error are in the window's language too.
    quillex::SetLanguage(commandLine.language);
    if (quillex::StandardInputMissing(commandLine)) {
        PrintError("quillex: ");
        PrintError(quillex::Text(quillex::TextId::InputClosed));
        PrintError("\n");
        return 2;
    }
    if (commandLine.action == CommandLine::Action::Window) {
        return RunWindow(
            argc, argv,
            commandLine.toggle ? quillex::InstanceCommand::Toggle : quillex::InstanceCommand::Open);
    }
    const quillex::StdioStreams stdio = quillex::Stdio();
    switch (commandLine.action) {
        case CommandLine::Action::BadUsage:
            stdio.err << "quillex: " << commandLine.error << "\n\n" << quillex::UsageText();
            return 2;
        case CommandLine::Action::Help:
            stdio.out << quillex::UsageText();
            return quillex::FinishOutput(stdio.out, stdio.err, 0);
        case CommandLine::Action::Version:
            stdio.out << quillex::VersionText();
            return quillex::FinishOutput(stdio.out, stdio.err, 0);
        case CommandLine::Action::Evaluate:
            // No window system is touched: this works on machines without a display.
            return quillex::RunEvaluations(commandLine, stdio.in, stdio.out, stdio.err);
        case CommandLine::Action::Interactive:
            return quillex::RunInteractive(commandLine, stdio.in, stdio.out, stdio.err);
        case CommandLine::Action::Convert:
        case CommandLine::Action::Euro:
        case CommandLine::Action::Units:
            return quillex::RunUnitCommand(commandLine, stdio.out, stdio.err);
        case CommandLine::Action::Window:
            break;  // opened above, without these streams
    }
    return 0;
}
