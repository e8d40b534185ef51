// Finding widgets in tests by their accessible name, and showing a window so that it has the
// keyboard focus.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTest>
#include <QWidget>

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

inline bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

}  // namespace quillex
