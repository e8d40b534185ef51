#include "ui/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace quillex {
namespace {

constexpr int kLatestMs = 1000;

// Waits for the first expose of the window's native window. The window paints and flushes
// while it handles that event, so work queued from the event filter runs after the picture
// has gone out. It is queued below the repaints too: what arrives with the map (the pointer
// entering a key, the focus coming in) redraws at once instead of waiting for the work.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget* window, std::function<void()> work)
        : QObject(window), work_(std::move(work)) {
        QWindow* native = window->windowHandle();
        if (native == nullptr || native->isExposed()) {
            Queue();
            return;
        }
        native->installEventFilter(this);
        QTimer::singleShot(kLatestMs, this, &FirstPaintWatcher::Run);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            Queue();
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
};

}  // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> work) {
    new FirstPaintWatcher(window, std::move(work));
}

}  // namespace quillex
