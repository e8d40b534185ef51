#include "app/StartupProbe.h"

#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace quillex::StartupProbe {
namespace {

class PaintWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The first paint comes right after the window is mapped and exposed.
        if (event->type() == QEvent::Paint) {
            {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::fprintf(
                    stderr, "mapped %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stderr);
                watched->removeEventFilter(this);
                deleteLater();
            }
        }
        return false;
    }
};

}  // namespace

void Watch(QWidget* window) {
    if (qEnvironmentVariableIsEmpty("QUILLEX_STARTUP_PROBE")) {
        return;
    }
    window->installEventFilter(new PaintWatcher(window));
}

}  // namespace quillex::StartupProbe
