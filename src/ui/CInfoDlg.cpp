#include "ui/CInfoDlg.h"

#include <QPushButton>

#include "ui/CStaticLink.h"
#include "ui/CTrayIcon.h"
#include "ui/DialogUnits.h"
#include "ui/Help.h"
#include "ui/QtTexts.h"

#ifndef QUILLEX_WEB_ADDRESS
#define QUILLEX_WEB_ADDRESS ""
#endif

namespace quillex {
namespace {

QFont InfoFont() {
    QFont font(QStringLiteral("Arial"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// Without a configured web address the link leads to the help index, and says so.
QString LinkText() {
    const QString configured = QString::fromUtf8(QUILLEX_WEB_ADDRESS).trimmed();
    return configured.isEmpty() ? HelpIndexName() : configured;
}

}  // namespace

CInfoDlg::CInfoDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    const QFont dialogFont = InfoFont();
    setFont(dialogFont);
    const DialogUnits units(dialogFont);
    setWindowTitle(Tr(TextId::InfoCaption));
    setFixedSize(units.X(183), units.Y(105));

    const QString target = ProductWebAddress();

    auto* icon = new CStaticLink(this);
    icon->setAccessibleName(Tr(TextId::NameProgramIcon));
    units.Place(icon, 12, 17, 20, 20);
    const int side = qMin(icon->width(), icon->height());
    icon->setPixmap(ProgramIcon().pixmap(side, side));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->SetTarget(target);
    icon->setToolTip(target);

    auto* version = new QLabel(Tr(TextId::InfoVersion), this);
    version->setAccessibleName(Tr(TextId::NameVersion));
    units.Place(version, 48, 15, 119, 8);

    auto* link = new CStaticLink(this);
    link->setText(LinkText());
    link->setAccessibleName(Tr(TextId::NameWebAddress));
    units.Place(link, 48, 39, 120, 8);
    link->SetTarget(target);
    link->setToolTip(target);

    auto* ok = new QPushButton(Tr(TextId::InfoOk), this);
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    units.Place(ok, 2, 88, 50, 14);
    connect(ok, &QPushButton::clicked, this, &CInfoDlg::accept);

    auto* help = new QPushButton(Tr(TextId::InfoHelp), this);
    help->setAccessibleName(help->text());
    help->setAutoDefault(false);
    units.Place(help, 130, 88, 50, 14);
    connect(help, &QPushButton::clicked, this, [this] { OpenHelp(this); });

    ok->setFocus();
}

}  // namespace quillex
