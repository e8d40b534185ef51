#include "ui/Inks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace quillex {
namespace {

struct InkColours {
    QColor light;  // on a light desktop, as the program has always drawn it
    QColor dark;   // the variant for a dark desktop, before any lightening
};

InkColours ColoursOf(Ink ink) {
    switch (ink) {
        case Ink::Blue:
            return {QColor(0, 0, 255), QColor(138, 180, 248)};
        case Ink::DeepBlue:
            return {QColor(0, 0, 193), QColor(138, 180, 248)};
        case Ink::Red:
            return {QColor(255, 0, 0), QColor(255, 138, 128)};
        case Ink::DeepRed:
            return {QColor(225, 0, 0), QColor(255, 138, 128)};
        case Ink::Green:
            return {QColor(0, 128, 0), QColor(129, 201, 149)};
        case Ink::Purple:
            return {QColor(128, 0, 128), QColor(201, 160, 245)};
        case Ink::Black:
            break;
    }
    return {QColor(1, 1, 1), QColor(230, 230, 230)};
}

double Luminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

QColor Mixed(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

// Hears the application's palette changes, once for all who follow them: one filter on the
// application sees every event of the program, so there is only one.
class PaletteWatcher : public QObject {
public:
    static PaletteWatcher& Instance() {
        static QPointer<PaletteWatcher> watcher;
        if (watcher.isNull()) {
            watcher = new PaletteWatcher;
        }
        return *watcher;
    }
    void Add(QObject* owner, std::function<void()> apply) {
        // Windows that come and go (the information dialog) leave no followers behind.
        std::erase_if(followers_, [](const Follower& f) { return f.owner.isNull(); });
        followers_.push_back({owner, std::move(apply)});
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() &&
            event->type() == QEvent::ApplicationPaletteChange) {
            // A follower may add another while it runs; that one has its colours already.
            const std::size_t count = followers_.size();
            for (std::size_t i = 0; i < count; ++i) {
                if (!followers_[i].owner.isNull()) {
                    const std::function<void()> apply = followers_[i].apply;
                    apply();
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    PaletteWatcher() : QObject(QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
    }

    struct Follower {
        QPointer<QObject> owner;
        std::function<void()> apply;
    };
    std::vector<Follower> followers_;
};

}  // namespace

bool IsDarkDesktop() {
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor InkOn(Ink ink, const QColor& background) {
    const InkColours colours = ColoursOf(ink);
    if (!IsDarkDesktop()) {
        return colours.light;
    }
    // A dark theme's background may be lighter than the variant was chosen for: the variant
    // moves towards white (or, on a light background, black) until it is readable.
    const QColor end = Luminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    QColor shown = colours.dark;
    for (int step = 1; step <= 10 && Contrast(shown, background) < kMinimumContrast; ++step) {
        shown = Mixed(colours.dark, end, step / 10.0);
    }
    return shown;
}

QColor FieldBackground(const QColor& light) {
    return IsDarkDesktop() ? QGuiApplication::palette().color(QPalette::Base) : light;
}

void SetInk(QWidget* widget, QPalette::ColorRole text, Ink ink, QPalette::ColorRole background) {
    QPalette colours = widget->palette();
    colours.setColor(text, InkOn(ink, colours.color(background)));
    widget->setPalette(colours);
}

void SetFieldColours(QWidget* field, Ink ink, const QColor& lightBackground) {
    QPalette colours = field->palette();
    colours.setColor(QPalette::Base, FieldBackground(lightBackground));
    colours.setColor(QPalette::Text, InkOn(ink, colours.color(QPalette::Base)));
    field->setPalette(colours);
}

void FollowDesktopColours(QObject* owner, std::function<void()> apply) {
    apply();
    PaletteWatcher::Instance().Add(owner, std::move(apply));
}

}  // namespace quillex
