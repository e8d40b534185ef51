#include "ui/CTabPage.h"

#include <QAbstractItemView>
#include <QChildEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>

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

// The text field of a list that takes typed text. Focus from the keyboard selects the whole
// text, as in any field, but leaves the cursor at its start, so that the text still shows from
// its start.
class PageListField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        const qsizetype length = text().size();
        if (length > 0 && selectedText().size() == length) {
            setSelection(static_cast<int>(length), static_cast<int>(-length));
        }
    }
};

// A drop-down list whose popup is wide enough for its longest entry, whatever the entries are
// when it opens; the popup is never narrower than the list itself.
class PageList : public QComboBox {
public:
    explicit PageList(QWidget* parent) : QComboBox(parent) {}

    void showPopup() override {
        QAbstractItemView* entries = view();
        // The widest entry as the popup draws it: its text's width by the font metrics and
        // the margins of a popup entry.
        const int longest = qMax(0, entries->sizeHintForColumn(modelColumn()));
        const int scrollBar = count() > maxVisibleItems()
                                  ? entries->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                                  : 0;
        entries->setMinimumWidth(longest + scrollBar + 2 * entries->frameWidth());
        QComboBox::showPopup();
    }
};

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
    auto* list = new PageList(this);
    if (typed) {
        list->setLineEdit(new PageListField(list));
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
        // Setting an entry's text puts the cursor after it, which scrolls a name longer than
        // the box (with its trailing blanks) to its end: each entry shows from its start. An
        // entry chosen again from the popup has its text set anew without a change of index.
        const auto fromTheStart = [list] { list->lineEdit()->setCursorPosition(0); };
        connect(list, &QComboBox::currentIndexChanged, list, fromTheStart);
        connect(list, &QComboBox::activated, list, fromTheStart);
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
