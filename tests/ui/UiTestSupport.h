// Helpers of the window tests: finding widgets by their accessible name, a main window started
// as the program starts it over a state the test reads, showing a window so that it has the
// keyboard focus, reading and writing the settings file, and answering message boxes, menus
// and dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QString>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

#include "store/CSettingsKey.h"
#include "store/CalculatorState.h"
#include "ui/CMainCalcDlg.h"
#include "ui/QtTexts.h"

namespace quillex {

template <typename T = QWidget>
T* Named(const QWidget* root, const QString& name) {
    for (T* widget : root->findChildren<T*>()) {
        if (widget->accessibleName() == name) {
            return widget;
        }
    }
    ADD_FAILURE() << "no widget named " << name.toStdString();
    return nullptr;
}

template <typename T = QWidget>
T* Named(const QWidget& root, const QString& name) {
    return Named<T>(&root, name);
}

// By the accessible name the text table gives in the current language.
template <typename T = QWidget>
T* Named(const QWidget* root, TextId name) {
    return Named<T>(root, Tr(name));
}

template <typename T = QWidget>
T* Named(const QWidget& root, TextId name) {
    return Named<T>(&root, Tr(name));
}

// Clicks the button of the given name inside `root`, as the user does.
template <typename Name>
void Click(const QWidget& root, const Name& name) {
    if (QAbstractButton* button = Named<QAbstractButton>(root, name)) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

// A value of the settings file as it is on disk now; empty when it is not there.
inline QString StoredSetting(const char* name) {
    CSettingsKey key;
    key.Open();
    QString text;
    key.ReadString(text, QString::fromLatin1(name));
    return text;
}

// Writes a value into the settings file, as the user may before a start.
inline void StoreSetting(const char* name, const char* text) {
    CSettingsKey key;
    key.Open();
    key.WriteString(QString::fromUtf8(text), QString::fromLatin1(name));
    key.Close();
}

// Lets the next main window start without the tip of the day, whose dialog would hold the
// start until it is answered; a value the test stored itself stays.
inline void StartWithoutTip() {
    CSettingsKey key;
    key.Open();
    QString stored;
    if (!key.ReadString(stored, QStringLiteral("Options_ShowSplash"))) {
        key.WriteString(QStringLiteral("0"), QStringLiteral("Options_ShowSplash"));
    }
    key.Close();
}

// A main window started as the program starts it, without the tip of the day, over a state of
// its own; it reads the settings and the tape from the test's folders. The start is complete
// (the steps after the first paint have run) once it is built.
struct StartedWindow {
    StartedWindow() {
        StartWithoutTip();
        window.Initialise();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
    }
    CalculatorState state;
    CMainCalcDlg window{state};
};

// The main window's controls, by the names a screen reader gives them.
inline QPlainTextEdit* ExpressionField(const QWidget& window) {
    return Named<QPlainTextEdit>(window, TextId::NameExpression);
}
inline QLineEdit* ResultField(const QWidget& window) {
    return Named<QLineEdit>(window, TextId::NameResult);
}
inline QListWidget* ExpressionTape(const QWidget& window) {
    return Named<QListWidget>(window, TextId::NameExpressionTape);
}
inline QListWidget* ResultTape(const QWidget& window) {
    return Named<QListWidget>(window, TextId::NameResultTape);
}
inline QTabWidget* Pages(const QWidget& window) {
    return Named<QTabWidget>(window, TextId::NamePages);
}
// Shows a page by its tab, as a click on the tab does, so that it has built its controls.
inline QWidget* ShowPage(const QWidget& window, TextId tab) {
    QTabWidget* pages = Pages(window);
    QWidget* page = Named<QWidget>(pages, tab);
    if (pages != nullptr && page != nullptr) {
        pages->setCurrentWidget(page);
    }
    return page;
}

// Chooses the entry with the given text in the next popup menu, once it is open, and records
// all its entries ("-" for a separator).
class MenuChooser {
public:
    explicit MenuChooser(QString choice) : choice_(std::move(choice)) {
        QTimer::singleShot(0, &alive_, [this] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            opened = true;
            for (QAction* action : menu->actions()) {
                entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
                if (action->text() == choice_) {
                    menu->setActiveAction(action);
                }
            }
            QTest::keyClick(menu, Qt::Key_Return);
        });
    }

    bool opened = false;
    QStringList entries;

private:
    QString choice_;
    QObject alive_;  // ends the wait when the chooser goes before any menu opened
};

// Hands the next modal dialog to `act` once it runs, then closes it.
inline void WithNextModal(std::function<void(QDialog*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            act(dialog);
            dialog->done(QDialog::Accepted);
        }
    });
}

// Quit ends the program's main loop, and from then on every event loop (a menu's, a dialog's)
// returns at once until a main loop runs again; one short run of it lets them run once more.
inline void ResumeEventLoops() {
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

// Quits the window from a running main loop, as the program quits it, and gives the loop's
// exit status (0: everything was saved). Quit ends the main loop; without one running, the
// end it asks for would instead end the next dialog of a later test at once. As in the
// program, the window hiding does not end the loop by itself.
inline int QuitFromMainLoop(CMainCalcDlg& window) {
    const bool quitOnLastWindow = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    QTimer::singleShot(0, &window, [&window] { window.Quit(); });
    const int status = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
    return status;
}

inline bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Answers every message box that opens with the given button and keeps what it showed.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok) : answer_(answer) {
        qApp->installEventFilter(this);
    }
    ~BoxAnswerer() override { qApp->removeEventFilter(this); }

    int count = 0;
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            ++count;
            text = box->text();
            caption = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            const QMessageBox::StandardButton answer = answer_;
            QTimer::singleShot(0, box, [box, answer] {
                if (QAbstractButton* button = box->button(answer)) {
                    button->click();
                }
            });
        }
        return false;
    }

private:
    QMessageBox::StandardButton answer_;
};

}  // namespace quillex
