// The notification-area icon with its menu: Open (default), Options, Info, a separator and
// Quit. A right-button release opens the menu, a double click opens the window; nothing else
// does anything.
#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

class QMenu;

namespace quillex {

// The program's icon, for the tray, the windows and the information dialog.
QIcon ProgramIcon();

// What a mouse event on the icon does.
enum class TrayAction { None, ShowMenu, Open };
TrayAction ActionForActivation(QSystemTrayIcon::ActivationReason reason);

class CTrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr int kIconId = 128;

    explicit CTrayIcon(QObject* parent = nullptr);
    ~CTrayIcon() override;

    // The window brought to the front before the menu opens.
    void AttachWindow(QWidget* owner);
    // kIconId shows the program icon with its tooltip; 0 removes the icon. Returns whether the
    // icon is in the tray afterwards as asked; a refused add is tried again next time.
    bool ShowIcon(int id);
    bool IsShown() const;
    // Whether the desktop has a notification area at all.
    static bool IsAvailable();

signals:
    void openRequested();
    void optionsRequested();
    void infoRequested();
    void quitRequested();

protected:
    // Watches for the right button's release while the menu waits for it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HandleActivation(QSystemTrayIcon::ActivationReason reason);
    void PopUpMenu();

    QSystemTrayIcon* icon_ = nullptr;
    std::unique_ptr<QMenu> menu_;  // a top-level popup, so not owned through a parent
    QPointer<QWidget> owner_;
    bool menuAwaitsRelease_ = false;
};

}  // namespace quillex
