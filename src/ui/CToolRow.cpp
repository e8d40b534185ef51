#include "ui/CToolRow.h"

#include <QToolButton>

#include "ui/Commands.h"
#include "ui/DialogUnits.h"
#include "ui/QtTexts.h"
#include "ui/ToolIcons.h"

namespace quillex {

CToolRow::CToolRow(QWidget* window, const DialogUnits& units) : QObject(window) {
    struct ToolButtonDef {
        TextId tip;
        ToolImage icon;
        int commandId;
        int x, y, width, height;
    };
    // The other places of the row stay free for the currency and mini-calculator buttons.
    const ToolButtonDef buttons[] = {
        {TextId::TipDeleteStack, ToolImage::DeleteTape, kCmdDeleteStack, 3, 2, 18, 15},
        {TextId::TipUnits, ToolImage::Units, kCmdUnitsMenu, 69, 2, 18, 15},
        {TextId::TipConverter, ToolImage::Converter, kCmdConverterMenu, 87, 2, 18, 15},
        {TextId::TipOptions, ToolImage::Options, kCmdOptions, 130, 2, 18, 15},
        {TextId::TipInfo, ToolImage::Info, kCmdInfo, 148, 2, 18, 15},
        {TextId::TipHide, ToolImage::Hide, kCmdHide, 196, 1, 18, 15},
        {TextId::TipDeleteAll, ToolImage::DeleteAll, kCmdDeleteAll, 198, 112, 16, 14},
        {TextId::TipDelete, ToolImage::Delete, kCmdDelete, 198, 128, 16, 13},
    };
    for (const ToolButtonDef& def : buttons) {
        auto* button = new QToolButton(window);
        button->setAccessibleName(Tr(def.tip));
        button->setToolTip(Tr(def.tip));
        button->setIcon(ToolIcon(def.icon));
        button->setAutoRaise(true);
        units.Place(button, def.x, def.y, def.width, def.height);
        const int side = qMax(1, qMin(button->width(), button->height()) - 4);
        button->setIconSize(QSize(side, side));
        const int commandId = def.commandId;
        connect(button, &QToolButton::clicked, this,
                [this, commandId] { emit commandRequested(commandId); });
        button->show();
        buttons_.push_back(button);
    }
}

}  // namespace quillex
