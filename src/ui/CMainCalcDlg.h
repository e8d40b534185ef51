// The main window: result field, tape, expression field, tool row and the page tabs, showing
// and changing the calculator's state, which it keeps on disk through its session saver. It
// owns the tray icon for the life of the process. Closing it only hides it; Quit saves the
// settings and the tape and ends the program.
#pragma once

#include <QDialog>

class QKeyEvent;
class QListWidget;

namespace quillex {

class CCurrencyButtons;
class CEvaluator;
class CExpressionField;
class CKeyRouter;
class CKeypadPage;
class CPageKeys;
class CPageTabCtrl;
class CProgrammerPage;
class CResultField;
class CTapeLists;
class CToolRow;
class CTrayIcon;
class CUnitMenus;
class CWindowPlacement;
class WindowLayout;
class CalculatorState;
class SessionSaver;

class CMainCalcDlg : public QDialog {
    Q_OBJECT
public:
    // Shows and changes the state, which must outlive the window.
    explicit CMainCalcDlg(CalculatorState& state, QWidget* parent = nullptr);
    ~CMainCalcDlg() override;

    // Builds, restores and shows everything in the start-up order, the tip of the day with the
    // window; the tray icon follows their first paint.
    void Initialise();

    // Shows the window normally and brings it to the front (tray Open, a second start).
    void Open();
    // Hides the window (or, without a notification area, minimises it); runs Quit when the
    // quitting flag is already set.
    void HideWindow();
    // Hides the window when it is in front (shown and active), otherwise opens it: a keyboard
    // shortcut's `quillex --toggle`.
    void Toggle();
    // Who asks to quit: the user, through a menu, or a signal (a shutdown, the terminal
    // closing), which must not wait for an answer.
    enum class QuitAsked { ByUser, BySignal };
    // Saves settings and tape and ends the program; a file that could not be saved is told
    // on stderr and, when the user asked, in a message box.
    void Quit(QuitAsked asked = QuitAsked::ByUser);
    // Saves settings and tape without ending (the session is ending).
    void SaveAll();

    void HandleCommand(int commandId);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void accept() override;
    void mousePressEvent(QMouseEvent* event) override;
    // Enter reaching the window itself runs the default command.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The start-up steps after the first paint: the tape's lock, the tray icon, the conversion
    // table.
    void CompleteStart();
    void CreatePages();
    // Tells in a message box which files could not be saved.
    void ShowSaveFailure(const QString& report);
    // Tells on stderr and, when asked, in a message box which files could not be saved. False
    // when there were any.
    bool ReportSaveFailures(bool inBox);

    void HideOrMinimise();
    void OpenOptions();
    void OpenMiniCalc();

    void DeleteLast();
    void DeleteAll();

    CalculatorState& state_;
    bool quitting_ = false;
    bool ready_ = false;
    bool initialised_ = false;
    bool finished_ = false;  // Quit has saved and closed the window for good
    int exitCode_ = 0;       // the program's exit status once Quit has run

    WindowLayout* layout_ = nullptr;
    CWindowPlacement* placement_ = nullptr;
    SessionSaver* saver_ = nullptr;
    CResultField* result_ = nullptr;
    CTapeLists* tapeLists_ = nullptr;
    QListWidget* expressionTape_ = nullptr;  // the two lists of tapeLists_
    QListWidget* resultTape_ = nullptr;
    CExpressionField* expression_ = nullptr;
    CEvaluator* evaluator_ = nullptr;
    CKeyRouter* keys_ = nullptr;
    CToolRow* tools_ = nullptr;
    CCurrencyButtons* currency_ = nullptr;
    CPageKeys* pageKeys_ = nullptr;
    CPageTabCtrl* tabs_ = nullptr;
    CKeypadPage* keypad_ = nullptr;
    CProgrammerPage* programmer_ = nullptr;
    CUnitMenus* unitMenus_ = nullptr;
    CTrayIcon* tray_ = nullptr;
};

}  // namespace quillex
