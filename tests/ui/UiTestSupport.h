// Helpers of the window tests: finding widgets by their accessible name, showing a window so
// that it has the keyboard focus, and answering message boxes.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "store/CSettingsKey.h"
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
