#include "ui/CTabPage.h"

#include <QChildEvent>
#include <QComboBox>
#include <QKeyEvent>

#include "ui/Commands.h"
#include "ui/DialogUnits.h"

namespace quillex {
namespace {

// Controls are created after the page, and some create their parts later still (the line edit
// of an editable combo box, a completer's popup), so every widget that joins the tree is
// watched, together with whatever it already holds.
void WatchTree(QObject* object, QObject* filter) {
    if (!object->isWidgetType()) {
        return;
    }
    object->installEventFilter(filter);
    for (QObject* child : object->children()) {
        WatchTree(child, filter);
    }
}

// The page command a key stands for, or 0.
int PageKeyCommand(const QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kCmdOk;
        case Qt::Key_Escape:
            return kCmdCancel;
        default:
            return 0;
    }
}

}  // namespace

CTabPage::CTabPage(QWidget* parent, QSize sizeInDialogUnits)
    : QWidget(parent), size_(sizeInDialogUnits) {
    setFont(DialogUnits::DefaultDialogFont());
}

QSize CTabPage::sizeHint() const {
    const DialogUnits units(font());
    return {units.X(size_.width()), units.Y(size_.height())};
}

void CTabPage::Build() {}

QComboBox* CTabPage::NewList(bool typed) {
    auto* list = new QComboBox(this);
    if (typed) {
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
    }
    return list;
}

void CTabPage::showEvent(QShowEvent* event) {
    if (!built_) {
        built_ = true;
        Build();
        // Controls made while the page is being shown do not appear by themselves.
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            child->show();
        }
    }
    QWidget::showEvent(event);
}

void CTabPage::IssueCommand(int commandId) {
    OnCommand(commandId);
    emit command(commandId);
}

void CTabPage::OnCommand(int /*commandId*/) {}

void CTabPage::childEvent(QChildEvent* event) {
    if (event->added()) {
        WatchTree(event->child(), this);
    }
    QWidget::childEvent(event);
}

bool CTabPage::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ChildAdded:
            WatchTree(static_cast<QChildEvent*>(event)->child(), this);
            break;
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress: {
            const int commandId = PageKeyCommand(static_cast<QKeyEvent*>(event));
            // Only controls in the page's own window: a popup list, a completer or a dialog
            // opened from a control keeps Enter and Esc for itself, as it would anywhere.
            if (commandId == 0 || !watched->isWidgetType() ||
                !isAncestorOf(static_cast<QWidget*>(watched))) {
                break;
            }
            if (event->type() == QEvent::ShortcutOverride) {
                // Claim the key, so that no shortcut of the window takes it before the page.
                event->accept();
                return true;
            }
            IssueCommand(commandId);
            return true;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quillex
