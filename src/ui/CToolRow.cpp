#include "ui/CToolRow.h"

#include <QIcon>
#include <QToolButton>

#include <utility>

#include "ui/Commands.h"
#include "ui/QtTexts.h"
#include "ui/ToolIcons.h"

namespace quillex {

CToolRow::CToolRow(WindowLayout& layout)
    : QObject(layout.Window()), window_(layout.Window()), layout_(layout) {
    struct ToolButtonDef {
        TextId tip;
        ToolImage icon;
        int commandId;
        int x, y, width, height;
        Anchors anchors;
    };
    const ToolButtonDef buttons[] = {
        {TextId::TipDeleteStack, ToolImage::DeleteTape, kCmdDeleteStack, 3, 2, 18, 15, kStays},
        {TextId::TipUnits, ToolImage::Units, kCmdUnitsMenu, 69, 2, 18, 15, kStays},
        {TextId::TipConverter, ToolImage::Converter, kCmdConverterMenu, 87, 2, 18, 15, kStays},
        {TextId::TipMiniCalc, ToolImage::MiniCalc, kCmdMiniCalc, 105, 2, 18, 15, kStays},
        {TextId::TipOptions, ToolImage::Options, kCmdOptions, 130, 2, 18, 15, kStays},
        {TextId::TipInfo, ToolImage::Info, kCmdInfo, 148, 2, 18, 15, kStays},
        {TextId::TipHide, ToolImage::Hide, kCmdHide, 196, 1, 18, 15, kMovesRight},
        {TextId::TipDeleteAll, ToolImage::DeleteAll, kCmdDeleteAll, 198, 112, 16, 14,
         kMovesRightAndDown},
        {TextId::TipDelete, ToolImage::Delete, kCmdDelete, 198, 128, 16, 13, kMovesRightAndDown},
    };
    for (const ToolButtonDef& def : buttons) {
        Add(def.tip, ToolIcon(def.icon), def.commandId, def.x, def.y, def.width, def.height,
            def.anchors);
    }
}

QToolButton* CToolRow::Add(TextId tip, const QIcon& icon, int commandId, int x, int y, int width,
                           int height, Anchors anchors) {
    auto* button = new QToolButton(window_);
    button->setAccessibleName(Tr(tip));
    button->setToolTip(Tr(tip));
    button->setIcon(icon);
    button->setAutoRaise(true);
    layout_.Place(button, x, y, width, height, anchors);
    const int side = qMax(1, qMin(button->width(), button->height()) - 4);
    button->setIconSize(QSize(side, side));
    connect(button, &QToolButton::clicked, this,
            [this, commandId] { emit commandRequested(commandId); });
    button->show();
    buttons_.push_back(button);
    return button;
}

void CToolRow::StartDrawingIcons() {
    // Each icon keeps the pictures drawn for it, whichever thread draws them; without a
    // thread of its own, the first paint draws them.
    std::vector<std::pair<QIcon, QSize>> pictures;
    for (const QToolButton* button : buttons_) {
        pictures.emplace_back(button->icon(), button->iconSize());
    }
    drawing_.Start([pictures = std::move(pictures)] {
        for (const auto& [icon, size] : pictures) {
            icon.pixmap(size);
        }
    });
}

void CToolRow::WaitForIcons() {
    drawing_.Wait();
}

}  // namespace quillex
