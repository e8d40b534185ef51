#include "ui/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace quillex {
namespace {

constexpr int kLatestMs = 1000;

// Waits for the first expose of each window's native window. A window paints and flushes
// while it handles that event, so work queued once the last one came runs after the pictures
// have gone out. It is queued below the repaints too: what arrives with the map (the pointer
// entering a key, the focus coming in) redraws at once instead of waiting for the work.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(const QList<QWidget*>& windows, std::function<void()> work)
        : QObject(windows.front()), work_(std::move(work)) {
        for (QWidget* window : windows) {
            QWindow* native = window != nullptr ? window->windowHandle() : nullptr;
            if (native != nullptr && !native->isExposed()) {
                waiting_.insert(native);
                native->installEventFilter(this);
                connect(native, &QObject::destroyed, this, [this, native] { Done(native); });
            }
        }
        if (waiting_.isEmpty()) {
            Queue();
            return;
        }
        QTimer::singleShot(kLatestMs, this, &FirstPaintWatcher::Run);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            Done(watched);
        }
        return QObject::eventFilter(watched, event);
    }

    bool event(QEvent* event) override {
        if (event->type() != RunEvent()) {
            return QObject::event(event);
        }
        Run();
        return true;
    }

private:
    // Posted events go out by priority; repaints are posted at Qt::LowEventPriority.
    static constexpr int kBelowRepaints = Qt::LowEventPriority - 1;
    static QEvent::Type RunEvent() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

    void Done(QObject* native) {
        if (waiting_.remove(native) && waiting_.isEmpty()) {
            Queue();
        }
    }

    void Queue() { QCoreApplication::postEvent(this, new QEvent(RunEvent()), kBelowRepaints); }

    void Run() {
        if (!work_) {
            return;
        }
        const std::function<void()> work = std::exchange(work_, nullptr);
        deleteLater();
        work();
    }

    std::function<void()> work_;
    QSet<QObject*> waiting_;  // the native windows not yet exposed
};

}  // namespace

void AfterFirstPaint(const QList<QWidget*>& windows, std::function<void()> work) {
    new FirstPaintWatcher(windows, std::move(work));
}

}  // namespace quillex
