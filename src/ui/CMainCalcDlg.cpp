#include "ui/CMainCalcDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTabBar>
#include <QToolButton>

#include "store/CalculatorState.h"
#include "store/SessionSaver.h"
#include "ui/BackgroundMenu.h"
#include "ui/CConstantsPage.h"
#include "ui/CConverterPage.h"
#include "ui/CCurrencyButtons.h"
#include "ui/CEvaluator.h"
#include "ui/CExpressionField.h"
#include "ui/CInfoDlg.h"
#include "ui/CKeyRouter.h"
#include "ui/CKeypadPage.h"
#include "ui/CLogicPage.h"
#include "ui/CMiniCalcDlg.h"
#include "ui/COptionsDlg.h"
#include "ui/CPageKeys.h"
#include "ui/CPageTabCtrl.h"
#include "ui/CProgrammerPage.h"
#include "ui/CResultField.h"
#include "ui/CTapeLists.h"
#include "ui/CTipDlg.h"
#include "ui/CToolRow.h"
#include "ui/CTrayIcon.h"
#include "ui/CUnitMenus.h"
#include "ui/CWindowPlacement.h"
#include "ui/Commands.h"
#include "ui/DialogUnits.h"
#include "ui/FirstPaint.h"
#include "ui/Help.h"
#include "ui/QtTexts.h"
#include "ui/WindowLayout.h"

namespace quillex {
namespace {

constexpr int kDialogWidth = 218;  // dialog units
constexpr int kDialogHeight = 266;

}  // namespace

CMainCalcDlg::CMainCalcDlg(CalculatorState& state, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      state_(state) {
    const QFont dialogFont = DialogUnits::DefaultDialogFont();
    setFont(dialogFont);
    layout_ = new WindowLayout(this, DialogUnits(dialogFont), kDialogWidth, kDialogHeight);
    placement_ = new CWindowPlacement(this, state_);
    saver_ = new SessionSaver(state_, this);
    connect(saver_, &SessionSaver::savingSettings, placement_, &CWindowPlacement::Report);
    // After the action that failed has run to its end.
    connect(
        saver_, &SessionSaver::saveFailed, this,
        [this](const QString& report) {
            if (!finished_) {
                ShowSaveFailure(report);
            }
        },
        Qt::QueuedConnection);

    result_ = new CResultField(this);
    layout_->Place(result_, 3, 19, 211, 22, kGrowsWide);

    tapeLists_ = new CTapeLists(this, *layout_, state_);
    expressionTape_ = tapeLists_->Expressions();
    resultTape_ = tapeLists_->Results();

    expression_ = new CExpressionField(this);
    layout_->Place(expression_, 3, 112, 191, 29, kMovesDownGrowsWide);

    tabs_ = new CPageTabCtrl(this);
    tabs_->setAccessibleName(Tr(TextId::NamePages));
    layout_->Place(tabs_, 3, 144, 212, 120, kMovesDown);

    evaluator_ = new CEvaluator(expression_, result_, state_, this);
    connect(tapeLists_, &CTapeLists::expressionChosen, this, [this](const QString& expression) {
        expression_->SetText(expression);
        evaluator_->Evaluate();
    });
    connect(tapeLists_, &CTapeLists::resultChosen, this, [this](const QString& result) {
        expression_->InsertText(result);
        evaluator_->Evaluate();
    });
    connect(tapeLists_, &CTapeLists::commandRequested, this, &CMainCalcDlg::HandleCommand);

    keys_ = new CKeyRouter(expression_, this);
    connect(keys_, &CKeyRouter::commandRequested, this, &CMainCalcDlg::HandleCommand);
    connect(keys_, &CKeyRouter::historyStep, evaluator_, &CEvaluator::StepHistory);
    keys_->Watch({expression_, result_, expressionTape_, resultTape_, tabs_->tabBar()});
}

CMainCalcDlg::~CMainCalcDlg() {
    // ~QDialog hides the window, and the focus leaving it makes children emit signals (the X
    // and Y fields ask for an evaluation); no child's signal may reach this half-gone object.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

// ---- Start-up ------------------------------------------------------------------------------

void CMainCalcDlg::Initialise() {
    if (initialised_) {
        return;
    }
    initialised_ = true;
    saver_->LoadSettings();
    placement_->Restore();
    unitMenus_ = new CUnitMenus(expression_, this);
    placement_->ApplyTopmost();
    setWindowIcon(ProgramIcon());
    tools_ = new CToolRow(*layout_);
    currency_ = new CCurrencyButtons(*tools_, state_, result_);
    for (QToolButton* button : tools_->Buttons()) {
        keys_->Watch({button});
    }
    connect(tools_, &CToolRow::commandRequested, this, &CMainCalcDlg::HandleCommand);
    tools_->StartDrawingIcons();
    CreatePages();
    setWindowTitle(Tr(TextId::MainCaption));
    saver_->LoadTape();
    ready_ = true;
    // From here on every change reaches the disk (the tape at once), so no ending loses it.
    saver_->Follow();
    resultTape_->show();
    state_.Set(&Settings::stackExpression, false);
    tools_->WaitForIcons();
    showNormal();
    raise();
    activateWindow();
    pageKeys_->ApplyWidth(state_.Values().widthIndex);
    // The tip goes on the screen together with the window; the rest waits for both pictures.
    AfterFirstPaint({this, ShowTipOfTheDay(state_, this)}, [this] { CompleteStart(); });
}

void CMainCalcDlg::CompleteStart() {
    // Runs from the event loop once the window is on the screen; a Quit may have come first.
    if (finished_) {
        return;
    }
    saver_->ClaimTape();
    tray_ = new CTrayIcon(this);
    tray_->AttachWindow(this);
    tray_->ShowIcon(CTrayIcon::kIconId);
    connect(tray_, &CTrayIcon::openRequested, this, [this] { HandleCommand(kCmdOpen); });
    connect(tray_, &CTrayIcon::optionsRequested, this, [this] { HandleCommand(kCmdOptions); });
    connect(tray_, &CTrayIcon::infoRequested, this, [this] { HandleCommand(kCmdInfo); });
    connect(tray_, &CTrayIcon::quitRequested, this, [this] { HandleCommand(kCmdQuit); });
    // Only the window's conversion menu reads the table.
    unitMenus_->LoadConversionTable();
    placement_->FinishStartUp();
    keypad_->SetFocusReturn(true);
}

void CMainCalcDlg::CreatePages() {
    keypad_ = new CKeypadPage(state_, this);
    connect(keypad_, &CKeypadPage::evaluateRequested, this, [this] { evaluator_->Evaluate(); });
    // The focus is on its way to the control the user chose; the evaluation leaves it there.
    connect(keypad_, &CKeypadPage::fieldLeft, this, [this] { evaluator_->Evaluate(false); });
    connect(tabs_, &CPageTabCtrl::pageCommand, this, &CMainCalcDlg::HandleCommand);
    tabs_->AddPage(Tr(TextId::TabKeypad), 0, keypad_);

    // These pages build their controls the first time their tab is shown, which keeps
    // them out of the window's first paint; the programmer page's field logic exists from
    // here on, so every result is handed over whether or not the page has been shown.
    programmer_ = new CProgrammerPage(this);
    tabs_->AddPage(Tr(TextId::TabProgrammer), 1, programmer_);
    connect(evaluator_, &CEvaluator::handedOver, programmer_, &CProgrammerPage::ReceiveResult);
    tabs_->AddPage(Tr(TextId::TabLogic), 2, new CLogicPage(this));
    auto* converter = new CConverterPage(state_, this);
    connect(converter, &CConverterPage::insertRequested, expression_,
            &CExpressionField::InsertText);
    tabs_->AddPage(Tr(TextId::TabConverter), 3, converter);
    tabs_->AddPage(Tr(TextId::TabConstants), 4, new CConstantsPage(this));
    pageKeys_ = new CPageKeys(
        expression_, result_, programmer_, state_, [this] { return evaluator_->Evaluate(); }, this);
}

// ---- Saving and ending ---------------------------------------------------------------------

void CMainCalcDlg::SaveAll() {
    // Before start-up has loaded them, saving would replace the stored settings by defaults.
    if (!quitting_ && ready_) {
        saver_->SaveAll();
    }
}

void CMainCalcDlg::ShowSaveFailure(const QString& report) {
    QMessageBox box(QMessageBox::Warning, Tr(TextId::SaveFailedCaption),
                    Tr(TextId::SaveFailed) + u'\n' + report, QMessageBox::Ok, this);
    box.exec();
}

bool CMainCalcDlg::ReportSaveFailures(bool inBox) {
    const QString report = saver_->ReportFailures();
    if (!report.isEmpty() && inBox) {
        ShowSaveFailure(report);
    }
    return saver_->AllSaved();
}

void CMainCalcDlg::Quit(QuitAsked asked) {
    quitting_ = true;
    if (!ready_ || finished_) {
        return;
    }
    finished_ = true;
    saver_->SaveAll();
    const bool saved = ReportSaveFailures(asked == QuitAsked::ByUser);
    if (tray_ != nullptr) {
        tray_->ShowIcon(0);
    }
    done(QDialog::Accepted);
    exitCode_ = saved ? 0 : 1;
    QCoreApplication::exit(exitCode_);
}

void CMainCalcDlg::Open() {
    if (finished_) {
        return;
    }
    showNormal();
    raise();
    activateWindow();
}

void CMainCalcDlg::HideWindow() {
    if (quitting_) {
        Quit();
        return;
    }
    HideOrMinimise();
}

void CMainCalcDlg::Toggle() {
    if (isVisible() && !isMinimized() && isActiveWindow()) {
        HideWindow();
    } else {
        Open();
    }
}

void CMainCalcDlg::HideOrMinimise() {
    // Without a notification area a hidden window could not be reached again.
    if (CTrayIcon::IsAvailable()) {
        hide();
    } else {
        showMinimized();
    }
}

void CMainCalcDlg::closeEvent(QCloseEvent* event) {
    // The session ending closes every window; it has saved by then and must not be held up.
    if (finished_ || qApp->isSavingSession()) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    HideWindow();
}

void CMainCalcDlg::reject() {
    HideWindow();
}

void CMainCalcDlg::accept() {
    evaluator_->PushToTape();
}

// ---- Commands ------------------------------------------------------------------------------

void CMainCalcDlg::HandleCommand(int commandId) {
    using Command = void (*)(CMainCalcDlg&, int);
    const Command currency = [](CMainCalcDlg& w, int id) {
        if (w.currency_ != nullptr) {
            w.currency_->Run(id);
        }
    };
    const Command pageKey = [](CMainCalcDlg& w, int id) {
        if (w.pageKeys_ != nullptr) {
            w.pageKeys_->Run(id);
        }
    };
    // Each command, or each range of commands, has one handler.
    const struct {
        int first;
        int last;
        Command run;
    } kCommands[] = {
        {kCmdOk, kCmdOk, [](CMainCalcDlg& w, int) { w.evaluator_->PushToTape(); }},
        {kCmdCancel, kCmdCancel, [](CMainCalcDlg& w, int) { w.HideWindow(); }},
        {kCmdHide, kCmdHide, [](CMainCalcDlg& w, int) { w.HideWindow(); }},
        {kCmdOpen, kCmdOpen, [](CMainCalcDlg& w, int) { w.Open(); }},
        {kCmdOptions, kCmdOptions, [](CMainCalcDlg& w, int) { w.OpenOptions(); }},
        {kCmdInfo, kCmdInfo, [](CMainCalcDlg& w, int) { CInfoDlg(&w).exec(); }},
        {kCmdQuit, kCmdQuit, [](CMainCalcDlg& w, int) { w.Quit(); }},
        {kCmdHelp, kCmdHelp, [](CMainCalcDlg& w, int) { OpenHelp(&w); }},
        {kCmdDeleteStack, kCmdDeleteStack,
         [](CMainCalcDlg& w, int) { w.tapeLists_->ClearAfterAsking(); }},
        {kCmdDeleteAll, kCmdDeleteAll, [](CMainCalcDlg& w, int) { w.DeleteAll(); }},
        {kCmdDelete, kCmdDelete, [](CMainCalcDlg& w, int) { w.DeleteLast(); }},
        {kCmdUnitsMenu, kCmdUnitsMenu,
         [](CMainCalcDlg& w, int) { w.unitMenus_->ShowConstantsMenu(QCursor::pos(), &w); }},
        {kCmdConverterMenu, kCmdConverterMenu,
         [](CMainCalcDlg& w, int) { w.unitMenus_->ShowConverterMenu(QCursor::pos(), &w); }},
        {kCmdMiniCalc, kCmdMiniCalc, [](CMainCalcDlg& w, int) { w.OpenMiniCalc(); }},
        {kCmdSelectCurrency, kCmdCurrencyToEuro, currency},
        {kCmdCurrencyFirst, kCmdCurrencyLast, currency},
        {kCmdKeypadFirst, kCmdProgrammerLast, pageKey},
    };
    for (const auto& command : kCommands) {
        if (commandId >= command.first && commandId <= command.last) {
            command.run(*this, commandId);
            return;
        }
    }
}

void CMainCalcDlg::OpenOptions() {
    {
        COptionsDlg options(state_, this);
        options.exec();
    }
    if (finished_) {
        return;
    }
    placement_->ApplyTopmost();
    if (state_.Values().outPutWindow == AfterOptions::Hide) {
        HideOrMinimise();
    } else {
        showNormal();
    }
    raise();
    activateWindow();
}

void CMainCalcDlg::OpenMiniCalc() {
    const QString result = CMiniCalcDlg::Run(this, state_);
    if (finished_) {
        return;
    }
    Open();
    expression_->SetText(result);
    evaluator_->Evaluate();
}

// ---- Calculation ---------------------------------------------------------------------------

void CMainCalcDlg::DeleteLast() {
    expression_->DeleteLast();
    evaluator_->Evaluate();
}

void CMainCalcDlg::DeleteAll() {
    // The window's own focus child: while a menu of the window is open, the application's
    // focus may lie in the menu.
    const QWidget* focus = focusWidget();
    if (focus == expressionTape_ || focus == resultTape_) {
        state_.ClearTape();
    } else {
        expression_->SetText(QString());
    }
    evaluator_->Evaluate();
}

// ---- Mouse and keys ------------------------------------------------------------------------

void CMainCalcDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && childAt(event->position().toPoint()) == nullptr) {
        event->accept();
        if (const int commandId =
                ChooseFromBackgroundMenu(this, event->globalPosition().toPoint())) {
            HandleCommand(commandId);
        }
        return;
    }
    QDialog::mousePressEvent(event);
}

void CMainCalcDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        evaluator_->PushToTape();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quillex
