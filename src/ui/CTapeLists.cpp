#include "ui/CTapeLists.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>

#include "store/CalculatorState.h"
#include "ui/Commands.h"
#include "ui/QtTexts.h"
#include "ui/WindowLayout.h"

namespace quillex {
namespace {

// A list row shows a multi-line expression on one line; the tape keeps it as typed.
QString RowText(const QString& text) {
    QString row = text;
    row.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return row;
}

// Sets a flag for the life of the object.
class Guard {
public:
    explicit Guard(bool& flag) : flag_(flag) { flag_ = true; }
    ~Guard() { flag_ = false; }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

private:
    bool& flag_;
};

}  // namespace

CTapeLists::CTapeLists(QWidget* window, WindowLayout& layout, CalculatorState& state)
    : QObject(window),
      state_(state),
      expressions_(new QListWidget(window)),
      results_(new QListWidget(window)) {
    expressions_->setAccessibleName(Tr(TextId::NameExpressionTape));
    expressions_->setSelectionMode(QAbstractItemView::SingleSelection);
    // A long expression is scrolled to, not cut short; every row has its own width, so the
    // scroll bar follows the widest entry, not the first one.
    expressions_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    expressions_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    expressions_->setTextElideMode(Qt::ElideNone);
    // Its right-button menu opens on the button press, not as a context menu event.
    expressions_->setContextMenuPolicy(Qt::PreventContextMenu);
    expressions_->viewport()->installEventFilter(this);
    layout.Place(expressions_, 3, 44, 127, 65, kLeftHalfGrows);

    results_->setAccessibleName(Tr(TextId::NameResultTape));
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    results_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    results_->setUniformItemSizes(true);
    layout.Place(results_, 130, 44, 84, 65, kRightHalfGrows);
    results_->hide();

    // Row i of one list stays beside row i of the other.
    connect(expressions_->verticalScrollBar(), &QScrollBar::valueChanged,
            results_->verticalScrollBar(), &QScrollBar::setValue);
    connect(results_->verticalScrollBar(), &QScrollBar::valueChanged,
            expressions_->verticalScrollBar(), &QScrollBar::setValue);

    connect(expressions_, &QListWidget::itemSelectionChanged, this,
            [this] { OnSelectionChanged(expressions_); });
    connect(results_, &QListWidget::itemSelectionChanged, this,
            [this] { OnSelectionChanged(results_); });
    connect(&state_, &CalculatorState::tapeChanged, this, &CTapeLists::Show);
    Fill();
}

void CTapeLists::ClearAfterAsking() {
    QMessageBox question(QMessageBox::Information, Tr(TextId::DeleteStackCaption),
                         Tr(TextId::DeleteStackQuestion), QMessageBox::Ok | QMessageBox::Cancel,
                         expressions_->parentWidget());
    question.setWindowModality(Qt::ApplicationModal);
    question.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (question.exec() == QMessageBox::Ok) {
        state_.ClearTape();
    }
}

void CTapeLists::Show(const TapeChange& change) {
    const Tape& tape = state_.TapeEntries();
    switch (change.kind) {
        case TapeChange::Kind::Filed: {
            // The oldest rows go first when the tape was full.
            while (expressions_->count() >= tape.Size()) {
                RemoveRow(expressions_->count() - 1);
            }
            const Guard guard(updating_);
            expressions_->insertItem(0, RowText(tape.At(0).expression));
            results_->insertItem(0, RowText(tape.At(0).result));
            break;
        }
        case TapeChange::Kind::Removed:
            RemoveRow(change.row);
            break;
        case TapeChange::Kind::Replaced:
            Fill();
            break;
    }
}

void CTapeLists::RemoveRow(int row) {
    const Guard guard(updating_);
    delete expressions_->takeItem(row);
    delete results_->takeItem(row);
}

void CTapeLists::Fill() {
    const Guard guard(updating_);
    expressions_->clear();
    results_->clear();
    for (const TapeEntry& entry : state_.TapeEntries().Entries()) {
        expressions_->addItem(RowText(entry.expression));
        results_->addItem(RowText(entry.result));
    }
}

int CTapeLists::SelectedRow() const {
    const QList<QListWidgetItem*> selected = expressions_->selectedItems();
    return selected.isEmpty() ? -1 : expressions_->row(selected.first());
}

void CTapeLists::SelectRowAt(const QPoint& viewportPos) {
    const int count = expressions_->count();
    if (count == 0) {
        return;
    }
    int row = count - 1;
    for (int i = 0; i < count; ++i) {
        if (viewportPos.y() <= expressions_->visualItemRect(expressions_->item(i)).bottom()) {
            row = i;
            break;
        }
    }
    const Guard guard(updating_);
    expressions_->setCurrentRow(row);
}

bool CTapeLists::eventFilter(QObject* watched, QEvent* event) {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && watched == expressions_->viewport()) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            expressions_->setFocus(Qt::MouseFocusReason);
            ShowMenu(mouse->position().toPoint(), mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CTapeLists::ShowMenu(const QPoint& viewportPos, const QPoint& globalPos) {
    // The entry under the mouse, or the last one when the mouse is below it, becomes the
    // selection without counting as the user's choice of an entry.
    SelectRowAt(viewportPos);

    QMenu menu(expressions_->parentWidget());
    QAction* deleteItem = menu.addAction(Tr(TextId::TapeDeleteItem));
    QAction* deleteAll = menu.addAction(Tr(TextId::TapeDeleteAll));
    menu.addSeparator();
    QAction* copyItem = menu.addAction(Tr(TextId::TapeCopyItem));
    QAction* copyAll = menu.addAction(Tr(TextId::TapeCopyAll));
    const QAction* chosen = menu.exec(globalPos);
    if (chosen == deleteItem) {
        state_.Remove(SelectedRow());
    } else if (chosen == deleteAll) {
        emit commandRequested(kCmdDeleteAll);
    } else if (chosen == copyItem) {
        QGuiApplication::clipboard()->setText(
            state_.TapeEntries().EntryClipboardText(SelectedRow()));
    } else if (chosen == copyAll) {
        QGuiApplication::clipboard()->setText(state_.TapeEntries().AllClipboardText());
    }
}

void CTapeLists::OnSelectionChanged(QListWidget* list) {
    if (updating_) {
        return;
    }
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const int row = list->row(selected.first());
    if (row < 0 || row >= results_->count() || row >= expressions_->count()) {
        return;
    }
    if (list == expressions_) {
        emit expressionChosen(ExpressionFromTapeText(state_.TapeEntries().At(row).expression));
        results_->setFocus(Qt::OtherFocusReason);
    } else {
        emit resultChosen(state_.TapeEntries().At(row).result);
        expressions_->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace quillex
