#include "ui/CPageTabCtrl.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTabBar>

#include "ui/CTabPage.h"

namespace quillex {
namespace {

bool IsShiftLeft(const QKeyEvent* key) {
    return key->key() == Qt::Key_Left &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
}

// The first control of the page that takes the focus from the keyboard, in the page's tab
// order, or nothing when it has none.
QWidget* FirstControl(QWidget* page) {
    for (QWidget* w = page->nextInFocusChain(); w != nullptr && w != page;
         w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
            w->focusProxy() == nullptr && w->isEnabled() && w->isVisibleTo(page)) {
            return w;
        }
    }
    return nullptr;
}

}  // namespace

CPageTabCtrl::CPageTabCtrl(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, &CPageTabCtrl::OnCurrentChanged);
    // The focus moves for many reasons (a click, Tab, a page hidden under it, the main window
    // taking it back), so each page keeps the last of its own controls that had it.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* /*old*/, QWidget* now) { OnFocusChanged(now); });
    tabBar()->installEventFilter(this);
}

CPageTabCtrl::~CPageTabCtrl() {
    // The pages go down with the base class; no focus change may reach a half-destroyed list.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    tabs_.clear();
}

int CPageTabCtrl::AddPage(const QString& title, int data, CTabPage* page) {
    if (page == nullptr) {
        return -1;
    }
    if (page->accessibleName().isEmpty()) {
        page->setAccessibleName(title);
    }
    const bool first = InitialFocus(count(), data);
    // The first tab becomes current while it is added; tabs_ must not know it yet, so that
    // adding moves no focus and calls no hook.
    const int index = addTab(page, title);
    if (index < 0) {
        return -1;
    }
    Tab tab{page, nullptr, data, first};
    if (!first) {
        tab.focus = QApplication::focusWidget();
    }
    tabs_.insert(tabs_.begin() + index, tab);
    connect(page, &CTabPage::command, this, &CPageTabCtrl::pageCommand);
    current_ = currentIndex();
    return index;
}

bool CPageTabCtrl::SelectPage(int index) {
    if (index < 0 || index >= count()) {
        return false;
    }
    if (index == currentIndex()) {
        return true;
    }
    RememberFocus(currentIndex());
    setCurrentIndex(index);
    return true;
}

CTabPage* CPageTabCtrl::Page(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= tabs_.size()) {
        return nullptr;
    }
    return tabs_[static_cast<std::size_t>(index)].page;
}

bool CPageTabCtrl::InitialFocus(int /*index*/, int /*data*/) {
    return true;
}
void CPageTabCtrl::PageActivated(int /*index*/, int /*data*/) {}
void CPageTabCtrl::PageDeactivating(int /*index*/, int /*data*/) {}

void CPageTabCtrl::keyPressEvent(QKeyEvent* event) {
    // Keys the pages leave alone arrive here too; only the tab strip's own count.
    if (IsShiftLeft(event) && (hasFocus() || tabBar()->hasFocus())) {
        SelectPrevious();
        event->accept();
        return;
    }
    QTabWidget::keyPressEvent(event);
}

bool CPageTabCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabBar() && event->type() == QEvent::KeyPress &&
        IsShiftLeft(static_cast<QKeyEvent*>(event))) {
        SelectPrevious();
        return true;
    }
    return QTabWidget::eventFilter(watched, event);
}

void CPageTabCtrl::focusInEvent(QFocusEvent* event) {
    const int index = currentIndex();
    if (index >= 0 && static_cast<std::size_t>(index) < tabs_.size() &&
        tabs_[static_cast<std::size_t>(index)].focus != nullptr) {
        RestoreFocus(index);
        return;
    }
    QTabWidget::focusInEvent(event);
}

void CPageTabCtrl::tabRemoved(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < tabs_.size()) {
        tabs_.erase(tabs_.begin() + index);
    }
    current_ = currentIndex();
    QTabWidget::tabRemoved(index);
}

void CPageTabCtrl::SelectPrevious() {
    const int index = currentIndex();
    if (index > 0) {
        SelectPage(index - 1);
    }
}

void CPageTabCtrl::OnFocusChanged(QWidget* now) {
    if (now == nullptr) {
        return;
    }
    for (Tab& tab : tabs_) {
        if (tab.page != nullptr && tab.page->isAncestorOf(now)) {
            tab.focus = now;
            return;
        }
    }
}

void CPageTabCtrl::RememberFocus(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= tabs_.size()) {
        return;
    }
    Tab& tab = tabs_[static_cast<std::size_t>(index)];
    QWidget* focused = QApplication::focusWidget();
    if (tab.page != nullptr && focused != nullptr && tab.page->isAncestorOf(focused)) {
        tab.focus = focused;
    }
}

void CPageTabCtrl::RestoreFocus(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= tabs_.size()) {
        return;
    }
    Tab& tab = tabs_[static_cast<std::size_t>(index)];
    if (tab.page == nullptr) {
        return;
    }
    QWidget* target = tab.focus;
    // A remembered control that has since been disabled or hidden cannot take the focus.
    const bool usable = target != nullptr && target->isEnabled() && target->isVisible();
    if (!usable && (tab.firstControl || (target != nullptr && tab.page->isAncestorOf(target)))) {
        target = FirstControl(tab.page);
    }
    if (target != nullptr && target->isEnabled() && target->isVisible()) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

void CPageTabCtrl::OnCurrentChanged(int index) {
    const int previous = current_;
    current_ = index;
    // While the first tab is being added it is not in the list yet.
    if (index < 0 || static_cast<std::size_t>(index) >= tabs_.size() || previous == index) {
        return;
    }
    if (previous >= 0 && static_cast<std::size_t>(previous) < tabs_.size()) {
        PageDeactivating(previous, tabs_[static_cast<std::size_t>(previous)].data);
    }
    RestoreFocus(index);
    PageActivated(index, tabs_[static_cast<std::size_t>(index)].data);
}

}  // namespace quillex
