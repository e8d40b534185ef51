// The two list views of the tape: expressions on the left, results on the right, row i of
// one beside row i of the other. They follow the tape model row by row; their selection
// notifications report only the user's choices, never the program's own changes.
#pragma once

#include <QObject>

class QListWidget;
class QPoint;
class QWidget;

namespace quillex {

class DialogUnits;
class Tape;
struct TapeEntry;

class CTapeLists : public QObject {
    Q_OBJECT
public:
    // Creates both lists as children of the window, placed in its dialog units. The result
    // list starts hidden; start-up shows it once the tape is loaded.
    CTapeLists(QWidget* window, const DialogUnits& units);

    QListWidget* Expressions() const { return expressions_; }
    QListWidget* Results() const { return results_; }

    void InsertRow(int row, const TapeEntry& entry);
    void RemoveRow(int row);
    void Fill(const Tape& tape);
    int Count() const;

    // The selected row of the expression list, or -1.
    int SelectedRow() const;
    // Selects the expression row at a point of the list's viewport (the last row when the point
    // lies below it) without reporting it as the user's choice.
    void SelectRowAt(const QPoint& viewportPos);

signals:
    void expressionChosen(int row);
    void resultChosen(int row);

private:
    void OnSelectionChanged(QListWidget* list);

    QListWidget* expressions_;
    QListWidget* results_;
    bool updating_ = false;
};

}  // namespace quillex
