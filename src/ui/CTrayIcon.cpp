#include "ui/CTrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QResource>
#include <QWidget>

#include "ui/Bitmap32.h"
#include "ui/QtTexts.h"

// The resources live in a static library, whose initialiser the linker would drop unless
// something calls it; its name is global.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace quillex {
QIcon ProgramIcon() {
    // Decoded once for the window, the tray and the information dialog, and never freed, so
    // that no pixmap outlives the application object at exit. The picture is a BMP with its
    // alpha channel, stored uncompressed: a PNG would load the PNG and zlib libraries into
    // every start for this one picture.
    static const QIcon* const icon = [] {
        InitResources();
        const QByteArray file = QResource(QStringLiteral(":/icons/quillex.bmp")).uncompressedData();
        return new QIcon(QPixmap::fromImage(ReadBitmap32(file)));
    }();
    return *icon;
}

TrayAction ActionForActivation(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Context:
            return TrayAction::ShowMenu;
        case QSystemTrayIcon::DoubleClick:
            return TrayAction::Open;
        case QSystemTrayIcon::Trigger:
        case QSystemTrayIcon::MiddleClick:
        case QSystemTrayIcon::Unknown:
            break;
    }
    return TrayAction::None;
}

CTrayIcon::CTrayIcon(QObject* parent)
    : QObject(parent), icon_(new QSystemTrayIcon(this)), menu_(std::make_unique<QMenu>()) {
    QAction* open = menu_->addAction(Tr(TextId::MenuOpen));
    QAction* options = menu_->addAction(Tr(TextId::MenuOptions));
    QAction* info = menu_->addAction(Tr(TextId::MenuInfo));
    menu_->addSeparator();
    QAction* quit = menu_->addAction(Tr(TextId::MenuQuit));
    // The default entry is drawn bold and is what a double click runs.
    menu_->setDefaultAction(open);
    connect(open, &QAction::triggered, this, &CTrayIcon::openRequested);
    connect(options, &QAction::triggered, this, &CTrayIcon::optionsRequested);
    connect(info, &QAction::triggered, this, &CTrayIcon::infoRequested);
    connect(quit, &QAction::triggered, this, &CTrayIcon::quitRequested);

    // The menu is popped up by hand rather than through setContextMenu, so that only the
    // right-button release opens it, on every desktop alike.
    connect(icon_, &QSystemTrayIcon::activated, this, &CTrayIcon::HandleActivation);
}

CTrayIcon::~CTrayIcon() {
    ShowIcon(0);
}

void CTrayIcon::AttachWindow(QWidget* owner) {
    owner_ = owner;
}

bool CTrayIcon::ShowIcon(int id) {
    if (id != kIconId) {
        icon_->hide();
        return id == 0;
    }
    // Setting the icon and tip of a shown icon updates it in place.
    icon_->setIcon(ProgramIcon());
    icon_->setToolTip(Tr(TextId::TrayTip));
    if (!IsAvailable()) {
        // The tray would take the icon as shown without showing it; leave it hidden, so that
        // the next call adds it again.
        icon_->hide();
        return false;
    }
    icon_->show();
    return icon_->isVisible();
}

bool CTrayIcon::IsShown() const {
    return icon_->isVisible();
}

bool CTrayIcon::IsAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void CTrayIcon::HandleActivation(QSystemTrayIcon::ActivationReason reason) {
    switch (ActionForActivation(reason)) {
        case TrayAction::ShowMenu:
            // Some notification areas report the right button's press; the menu then waits
            // for its release, as menus do. Those that report the release open it at once.
            if (QGuiApplication::mouseButtons().testFlag(Qt::RightButton)) {
                if (!menuAwaitsRelease_) {
                    menuAwaitsRelease_ = true;
                    qApp->installEventFilter(this);
                }
            } else {
                PopUpMenu();
            }
            break;
        case TrayAction::Open:
            emit openRequested();
            break;
        case TrayAction::None:
            break;
    }
}

bool CTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (menuAwaitsRelease_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        menuAwaitsRelease_ = false;
        qApp->removeEventFilter(this);
        PopUpMenu();
    }
    return QObject::eventFilter(watched, event);
}

void CTrayIcon::PopUpMenu() {
    // The owner comes to the front first, so that the menu closes when the user clicks
    // elsewhere. A hidden owner stays hidden.
    if (owner_ != nullptr && owner_->isVisible()) {
        owner_->raise();
        owner_->activateWindow();
    }
    menu_->popup(QCursor::pos());
}

}  // namespace quillex
