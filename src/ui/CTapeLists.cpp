#include "ui/CTapeLists.h"

#include <QListWidget>
#include <QScrollBar>

#include "store/Tape.h"
#include "ui/DialogUnits.h"

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

CTapeLists::CTapeLists(QWidget* window, const DialogUnits& units)
    : QObject(window), expressions_(new QListWidget(window)), results_(new QListWidget(window)) {
    expressions_->setAccessibleName(QStringLiteral("Expression tape"));
    expressions_->setSelectionMode(QAbstractItemView::SingleSelection);
    expressions_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    expressions_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    expressions_->setUniformItemSizes(true);
    // Its right-button menu is opened on the button press by the window.
    expressions_->setContextMenuPolicy(Qt::PreventContextMenu);
    units.Place(expressions_, 3, 44, 127, 65);

    results_->setAccessibleName(QStringLiteral("Result tape"));
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    results_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    results_->setUniformItemSizes(true);
    units.Place(results_, 130, 44, 84, 65);
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
}

void CTapeLists::InsertRow(int row, const TapeEntry& entry) {
    const Guard guard(updating_);
    expressions_->insertItem(row, RowText(entry.expression));
    results_->insertItem(row, RowText(entry.result));
}

void CTapeLists::RemoveRow(int row) {
    const Guard guard(updating_);
    delete expressions_->takeItem(row);
    delete results_->takeItem(row);
}

void CTapeLists::Fill(const Tape& tape) {
    const Guard guard(updating_);
    expressions_->clear();
    results_->clear();
    for (const TapeEntry& entry : tape.Entries()) {
        expressions_->addItem(RowText(entry.expression));
        results_->addItem(RowText(entry.result));
    }
}

int CTapeLists::Count() const {
    return expressions_->count();
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
        emit expressionChosen(row);
    } else {
        emit resultChosen(row);
    }
}

}  // namespace quillex
