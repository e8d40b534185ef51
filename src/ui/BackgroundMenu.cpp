#include "ui/BackgroundMenu.h"

#include <QMenu>

#include "ui/Commands.h"
#include "ui/QtTexts.h"

namespace quillex {

int ChooseFromBackgroundMenu(QWidget* owner, const QPoint& globalPos) {
    QMenu menu(owner);
    const struct {
        TextId text;
        int commandId;
    } entries[] = {
        {TextId::MenuHelp, kCmdHelp},
        {TextId::MenuOptions, kCmdOptions},
        {TextId::MenuInfo, kCmdInfo},
        {TextId::MenuQuit, kCmdQuit},
    };
    for (const auto& entry : entries) {
        if (entry.commandId == kCmdQuit) {
            menu.addSeparator();
        }
        menu.addAction(Tr(entry.text))->setData(entry.commandId);
    }
    const QAction* chosen = menu.exec(globalPos);
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

}  // namespace quillex
