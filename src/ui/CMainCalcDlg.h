// The main window: result field, tape, expression field, tool row and the page tabs. It owns
// the expression engine, the tape, the settings and the tray icon for the life of the process.
// Closing it only hides it; Quit saves the settings and the tape and ends the program.
#pragma once

#include <QDialog>

#include "engine/ExprEngine.h"
#include "store/Settings.h"
#include "store/Tape.h"
#include "ui/CExpressionField.h"
#include "ui/CResultField.h"

class QKeyEvent;
class QListWidget;

namespace quillex {

class CConstantsPage;
class CConverterPage;
class CCurrencyButtons;
class CKeyRouter;
class CKeypadPage;
class CLogicPage;
class CPageKeys;
class CPageTabCtrl;
class CTapeLists;
class CToolRow;
class CProgrammerPage;
class CWindowPlacement;
class SessionSaver;
class CTrayIcon;
class CUnitMenus;

class CMainCalcDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMainCalcDlg(QWidget* parent = nullptr);
    ~CMainCalcDlg() override;

    // Builds, restores and shows everything in the start-up order; the steps that draw nothing
    // in the window (the tray icon, the tip of the day) follow its first paint.
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
    // Evaluates the expression field and shows the result; the focus then goes to the
    // expression field.
    void Evaluate();
    void PushToTape();
    void InsertText(const QString& text);

    // For tests and the pages.
    CExpressionField* ExpressionField() const { return expression_; }
    CResultField* ResultField() const { return result_; }
    QListWidget* ExpressionTape() const { return expressionTape_; }
    QListWidget* ResultTape() const { return resultTape_; }
    CPageTabCtrl* Tabs() const { return tabs_; }
    CKeypadPage* KeypadPage() const { return keypad_; }
    CProgrammerPage* ProgrammerPage() const { return programmer_; }
    CLogicPage* LogicPage() const { return logic_; }
    CConverterPage* ConverterPage() const { return converter_; }
    CConstantsPage* ConstantsPage() const { return constants_; }
    const Tape& TapeModel() const { return tape_; }
    Settings& CurrentSettings() { return settings_; }
    double LastResult() const { return lastResult_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void accept() override;
    void mousePressEvent(QMouseEvent* event) override;
    // Enter reaching the window itself runs the default command.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The evaluation itself; `focusExpression` moves the focus to the expression field.
    void RunEvaluation(bool focusExpression);
    void SetupTrayIcon();
    void LoadSettingsNow();
    void CreatePages();
    void LoadTapeNow();
    // The start-up steps after the first paint: the tray icon, the conversion table, the tip of
    // the day and the last placement.
    void CompleteStart();
    // Tells on stderr and, when asked, in a message box which files could not be saved. False
    // when there were any.
    bool ReportSaveFailures(bool inBox);

    void HideOrMinimise();
    void OpenOptions();
    void OpenMiniCalc();

    void DeleteLast();
    void DeleteAll();

    ExprEngine engine_;
    Tape tape_;
    Settings settings_;
    double lastResult_ = 0;
    bool quitting_ = false;
    bool ready_ = false;
    bool initialised_ = false;
    bool finished_ = false;    // Quit has saved and closed the window for good
    int exitCode_ = 0;         // the program's exit status once Quit has run
    bool evaluating_ = false;  // an evaluation runs (its message box may be open)

    CWindowPlacement* placement_ = nullptr;
    SessionSaver* saver_ = nullptr;
    CResultField* result_ = nullptr;
    CTapeLists* tapeLists_ = nullptr;
    QListWidget* expressionTape_ = nullptr;  // the two lists of tapeLists_
    QListWidget* resultTape_ = nullptr;
    CExpressionField* expression_ = nullptr;
    CKeyRouter* keys_ = nullptr;
    CToolRow* tools_ = nullptr;
    CCurrencyButtons* currency_ = nullptr;
    CPageKeys* pageKeys_ = nullptr;
    CPageTabCtrl* tabs_ = nullptr;
    CKeypadPage* keypad_ = nullptr;
    CProgrammerPage* programmer_ = nullptr;
    CLogicPage* logic_ = nullptr;
    CConverterPage* converter_ = nullptr;
    CConstantsPage* constants_ = nullptr;
    CUnitMenus* unitMenus_ = nullptr;
    CTrayIcon* tray_ = nullptr;
};

}  // namespace quillex
