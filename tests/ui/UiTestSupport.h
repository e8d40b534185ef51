// Helpers of the window tests: finding widgets by their accessible name, a main window started
// as the program starts it over a state the test reads, showing a window so that it has the
// keyboard focus, and answering message boxes.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QString>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWidget>

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
// its own; it reads the settings and the tape from the test's folders.
struct StartedWindow {
    StartedWindow() {
        StartWithoutTip();
        window.Initialise();
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
