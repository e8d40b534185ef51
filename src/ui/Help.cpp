#include "ui/Help.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

#include "store/DataFiles.h"
#include "text/Texts.h"

#ifndef QUILLEX_WEB_ADDRESS
#define QUILLEX_WEB_ADDRESS ""
#endif

namespace quillex {
namespace {

const QString kHelpIndex = QStringLiteral("HTML_Help/HelpIndex.html");
const QString kEnglishHelpIndex = QStringLiteral("HTML_Help/en/HelpIndex.html");

OpenHandler g_openHandler = nullptr;

// Only these schemes are taken as addresses; anything else is a path, so that a Windows drive
// letter ("C:/...") is never mistaken for a scheme.
bool IsAddress(const QString& target) {
    static const char* const kSchemes[] = {"http:", "https:", "file:", "mailto:"};
    for (const char* scheme : kSchemes) {
        if (target.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

bool OpenWithDesktop(const QString& target) {
    if (IsAddress(target)) {
        const QUrl url(target, QUrl::TolerantMode);
        return url.isValid() && QDesktopServices::openUrl(url);
    }
    // The desktop launches its viewer without waiting for it, so a missing file would not be
    // reported back; look first.
    const QFileInfo file(target);
    if (!file.isFile()) {
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

// The help index in the current directory, else in the program's data folders. Empty when no
// such file exists.
QString HelpIndexPath() {
    const QFileInfo file(FindDataFile(HelpIndexName()));
    return file.isFile() ? file.absoluteFilePath() : QString();
}

}  // namespace

QString HelpIndexName() {
    if (CurrentLanguage() == Language::English &&
        QFileInfo(FindDataFile(kEnglishHelpIndex)).isFile()) {
        return kEnglishHelpIndex;
    }
    return kHelpIndex;
}

QString ProductWebAddress() {
    const QString configured = QString::fromUtf8(QUILLEX_WEB_ADDRESS).trimmed();
    if (!configured.isEmpty()) {
        return configured;
    }
    QString path = HelpIndexPath();
    if (path.isEmpty()) {
        // Still a sensible address; opening it fails and beeps like any missing page.
        path = QFileInfo(HelpIndexName()).absoluteFilePath();
    }
    return QUrl::fromLocalFile(path).toString();
}

bool OpenHelp(QWidget* window) {
    const QString path = HelpIndexPath();
    if (path.isEmpty() || !OpenUrlOrFile(path)) {
        QApplication::beep();
        return false;
    }
    if (window != nullptr) {
        window->update();
    }
    return true;
}

bool OpenUrlOrFile(const QString& target) {
    if (target.isEmpty()) {
        return false;
    }
    if (g_openHandler != nullptr) {
        return g_openHandler(target);
    }
    return OpenWithDesktop(target);
}

void SetOpenHandlerForTesting(OpenHandler handler) {
    g_openHandler = handler;
}

}  // namespace quillex
