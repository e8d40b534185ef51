// The two list views of the tape: expressions on the left, results on the right, row i of
// one beside row i of the other. They show the state's tape and follow its changes; their
// selection notifications report only the user's choices, never the program's own changes.
// The expression list has the tape's context menu on the right mouse button.
#pragma once

#include <QObject>
#include <QString>

class QListWidget;
class QPoint;
class QWidget;

namespace quillex {

class CalculatorState;
class WindowLayout;
struct TapeChange;

class CTapeLists : public QObject {
    Q_OBJECT
public:
    // Creates both lists as children of the window, placed by its layout, showing the state's
    // tape. The result list starts hidden; start-up shows it once the tape is loaded.
    CTapeLists(QWidget* window, WindowLayout& layout, CalculatorState& state);

    QListWidget* Expressions() const { return expressions_; }
    QListWidget* Results() const { return results_; }

    // Empties the tape once the user has confirmed it.
    void ClearAfterAsking();

signals:
    // The user chose an entry: its expression (up to " =") for the expression field, or its
    // result to insert there. The focus then moves to the other list.
    void expressionChosen(const QString& expression);
    void resultChosen(const QString& result);
    // A menu entry that runs a command of the window (Delete All, with its focus rule).
    void commandRequested(int commandId);

protected:
    // The right mouse button on the expression list opens the tape menu.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show(const TapeChange& change);
    void RemoveRow(int row);
    void Fill();
    // The selected row of the expression list, or -1.
    int SelectedRow() const;
    // Selects the expression row at a point of the list's viewport (the last row when the point
    // lies below it) without reporting it as the user's choice.
    void SelectRowAt(const QPoint& viewportPos);
    void ShowMenu(const QPoint& viewportPos, const QPoint& globalPos);
    void OnSelectionChanged(QListWidget* list);

    CalculatorState& state_;
    QListWidget* expressions_;
    QListWidget* results_;
    bool updating_ = false;
};

}  // namespace quillex
