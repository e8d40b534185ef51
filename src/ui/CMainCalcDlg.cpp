#include "ui/CMainCalcDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTabBar>
#include <QToolButton>

#include <string>

#include "engine/Calculation.h"
#include "store/CSettingsKey.h"
#include "store/CalcSettingsFrom.h"
#include "store/QtCp1252.h"
#include "store/SessionSaver.h"
#include "store/TapeFile.h"
#include "ui/BackgroundMenu.h"
#include "ui/CConstantsPage.h"
#include "ui/CConverterPage.h"
#include "ui/CCurrencyButtons.h"
#include "ui/CInfoDlg.h"
#include "ui/CKeyRouter.h"
#include "ui/CKeypadPage.h"
#include "ui/CLogicPage.h"
#include "ui/CMiniCalcDlg.h"
#include "ui/COptionsDlg.h"
#include "ui/CPageKeys.h"
#include "ui/CPageTabCtrl.h"
#include "ui/CProgrammerPage.h"
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

namespace quillex {
namespace {

constexpr int kDialogWidth = 218;  // dialog units
constexpr int kDialogHeight = 266;

}  // namespace

CMainCalcDlg::CMainCalcDlg(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    const QFont dialogFont = DialogUnits::DefaultDialogFont();
    setFont(dialogFont);
    const DialogUnits units(dialogFont);
    setFixedSize(units.X(kDialogWidth), units.Y(kDialogHeight));
    setSizeGripEnabled(false);
    placement_ = new CWindowPlacement(this, settings_);

    result_ = new CResultField(this);
    units.Place(result_, 3, 19, 211, 22);

    tapeLists_ = new CTapeLists(this, units, tape_);
    expressionTape_ = tapeLists_->Expressions();
    resultTape_ = tapeLists_->Results();
    saver_ = new SessionSaver(
        settings_, tape_, [this] { return placement_->ForSaving(); }, this);

    expression_ = new CExpressionField(this);
    units.Place(expression_, 3, 112, 191, 29);

    tabs_ = new CPageTabCtrl(this);
    tabs_->setAccessibleName(Tr(TextId::NamePages));
    units.Place(tabs_, 3, 144, 212, 120);

    connect(expression_, &CExpressionField::edited, this, &CMainCalcDlg::Evaluate);
    connect(expression_, &CExpressionField::focusEntering, this, &CMainCalcDlg::Evaluate);
    connect(tapeLists_, &CTapeLists::expressionChosen, this, [this](const QString& expression) {
        expression_->SetText(expression);
        Evaluate();
    });
    connect(tapeLists_, &CTapeLists::resultChosen, this, [this](const QString& result) {
        InsertText(result);
        Evaluate();
    });
    connect(tapeLists_, &CTapeLists::commandRequested, this, &CMainCalcDlg::HandleCommand);

    keys_ = new CKeyRouter(expression_, this);
    connect(keys_, &CKeyRouter::commandRequested, this, &CMainCalcDlg::HandleCommand);
    keys_->Watch({expression_, result_, expressionTape_, resultTape_, tabs_->tabBar()});
}

CMainCalcDlg::~CMainCalcDlg() {
    // ~QDialog hides the window, and the focus leaving it makes children emit signals (the
    // keypad asks for an evaluation when the X or Y field loses the focus). By then only the
    // QDialog part of this object is left, so no child's signal may reach its slots any more.
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
    LoadSettingsNow();
    unitMenus_ = new CUnitMenus(expression_, this);
    placement_->ApplyTopmost();
    setWindowIcon(ProgramIcon());
    tools_ = new CToolRow(this, DialogUnits(font()));
    currency_ = new CCurrencyButtons(*tools_, settings_, result_, [this] {
        return LastEvaluation{lastResult_, engine_.ErrorText().empty()};
    });
    for (QToolButton* button : tools_->Buttons()) {
        keys_->Watch({button});
    }
    connect(tools_, &CToolRow::commandRequested, this, &CMainCalcDlg::HandleCommand);
    CreatePages();
    setWindowTitle(Tr(TextId::MainCaption));
    if (settings_.storeStack != 0) {
        LoadTapeNow();
    }
    ready_ = true;
    // From here on every change reaches the disk (the tape at once), so no ending loses it.
    connect(tapeLists_, &CTapeLists::changed, saver_, &SessionSaver::TapeChanged);
    for (auto changed : {&CKeypadPage::evaluateRequested, &CKeypadPage::fieldLeft}) {
        connect(keypad_, changed, saver_, &SessionSaver::SettingsChanged);
    }
    connect(pageKeys_, &CPageKeys::evaluateRequested, saver_, &SessionSaver::SettingsChanged);
    connect(placement_, &CWindowPlacement::moved, saver_, &SessionSaver::SettingsChanged);
    connect(currency_, &CCurrencyButtons::currencyChosen, saver_, &SessionSaver::SettingsChanged);
    resultTape_->show();
    settings_.stackExpression = 0;
    tools_->DrawIcons();
    showNormal();
    raise();
    activateWindow();
    pageKeys_->ApplyWidth(settings_.widthIndex);
    AfterFirstPaint(this, [this] { CompleteStart(); });
}

void CMainCalcDlg::CompleteStart() {
    // Runs from the event loop once the window is on the screen; a Quit may have come first.
    if (finished_) {
        return;
    }
    SetupTrayIcon();
    if (ShowTipOfTheDay(settings_.showSplash, this)) {
        saver_->SettingsChanged();
    }
    // Only the window's conversion menu reads the table, and the tip holds the window.
    unitMenus_->LoadConversionTable();
    placement_->FinishStartUp();
    keypad_->SetFocusReturn(true);
}

void CMainCalcDlg::SetupTrayIcon() {
    tray_ = new CTrayIcon(this);
    tray_->AttachWindow(this);
    tray_->ShowIcon(CTrayIcon::kIconId);
    connect(tray_, &CTrayIcon::openRequested, this, [this] { HandleCommand(kCmdOpen); });
    connect(tray_, &CTrayIcon::optionsRequested, this, [this] { HandleCommand(kCmdOptions); });
    connect(tray_, &CTrayIcon::infoRequested, this, [this] { HandleCommand(kCmdInfo); });
    connect(tray_, &CTrayIcon::quitRequested, this, [this] { HandleCommand(kCmdQuit); });
}

void CMainCalcDlg::LoadSettingsNow() {
    CSettingsKey key;
    key.Open();
    const LoadedPlacement loaded = LoadSettings(key, settings_);
    key.Close();
    placement_->Restore(loaded);
}

void CMainCalcDlg::CreatePages() {
    keypad_ = new CKeypadPage(settings_, this);
    keypad_->setAccessibleName(Tr(TextId::TabKeypad));
    connect(keypad_, &CKeypadPage::evaluateRequested, this, &CMainCalcDlg::Evaluate);
    // The focus is on its way to the control the user chose; the evaluation leaves it there.
    connect(keypad_, &CKeypadPage::fieldLeft, this, [this] { RunEvaluation(false); });
    connect(tabs_, &CPageTabCtrl::pageCommand, this, &CMainCalcDlg::HandleCommand);
    tabs_->AddPage(Tr(TextId::TabKeypad), 0, keypad_);

    // These pages build their controls the first time their tab is shown, which keeps
    // them out of the window's first paint; the programmer page's field logic exists from
    // here on, so every result is handed over whether or not the page has been shown.
    programmer_ = new CProgrammerPage(this);
    programmer_->setAccessibleName(Tr(TextId::TabProgrammer));
    tabs_->AddPage(Tr(TextId::TabProgrammer), 1, programmer_);
    logic_ = new CLogicPage(this);
    logic_->setAccessibleName(Tr(TextId::TabLogic));
    tabs_->AddPage(Tr(TextId::TabLogic), 2, logic_);
    converter_ = new CConverterPage(settings_.converterShowAll != 0, this);
    converter_->setAccessibleName(Tr(TextId::TabConverter));
    tabs_->AddPage(Tr(TextId::TabConverter), 3, converter_);
    connect(converter_, &CConverterPage::allToggled, this, [this](bool checked) {
        settings_.converterShowAll = checked ? 1 : 0;
        saver_->SettingsChanged();
    });
    constants_ = new CConstantsPage(this);
    constants_->setAccessibleName(Tr(TextId::TabConstants));
    tabs_->AddPage(Tr(TextId::TabConstants), 4, constants_);

    pageKeys_ = new CPageKeys(expression_, result_, programmer_, settings_, this);
    connect(pageKeys_, &CPageKeys::evaluateRequested, this, &CMainCalcDlg::Evaluate);
}

void CMainCalcDlg::LoadTapeNow() {
    if (std::optional<std::vector<TapeEntry>> entries = LoadTape(TapeFilePath())) {
        tapeLists_->Assign(std::move(*entries));
    }
}

// ---- Saving and ending ---------------------------------------------------------------------

void CMainCalcDlg::SaveAll() {
    // Before start-up has loaded them, saving would replace the stored settings by defaults.
    if (!quitting_ && ready_) {
        saver_->SaveAll();
    }
}

bool CMainCalcDlg::ReportSaveFailures(bool inBox) {
    const QString report = saver_->ReportFailures();
    if (!report.isEmpty() && inBox) {
        QMessageBox box(QMessageBox::Warning, Tr(TextId::SaveFailedCaption),
                        Tr(TextId::SaveFailed) + u'\n' + report, QMessageBox::Ok, this);
        box.exec();
    }
    return report.isEmpty();
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
    PushToTape();
}

// ---- Commands ------------------------------------------------------------------------------

void CMainCalcDlg::HandleCommand(int commandId) {
    using Command = void (*)(CMainCalcDlg&);
    static constexpr struct {
        int id;
        Command run;
    } kCommands[] = {
        {kCmdOk, [](CMainCalcDlg& w) { w.PushToTape(); }},
        {kCmdCancel, [](CMainCalcDlg& w) { w.HideWindow(); }},
        {kCmdHide, [](CMainCalcDlg& w) { w.HideWindow(); }},
        {kCmdOpen, [](CMainCalcDlg& w) { w.Open(); }},
        {kCmdOptions, [](CMainCalcDlg& w) { w.OpenOptions(); }},
        {kCmdInfo, [](CMainCalcDlg& w) { CInfoDlg(&w).exec(); }},
        {kCmdQuit, [](CMainCalcDlg& w) { w.Quit(); }},
        {kCmdHelp, [](CMainCalcDlg& w) { OpenHelp(&w); }},
        {kCmdDeleteStack, [](CMainCalcDlg& w) { w.tapeLists_->ClearAfterAsking(); }},
        {kCmdDeleteAll, [](CMainCalcDlg& w) { w.DeleteAll(); }},
        {kCmdDelete, [](CMainCalcDlg& w) { w.DeleteLast(); }},
        {kCmdUnitsMenu,
         [](CMainCalcDlg& w) { w.unitMenus_->ShowConstantsMenu(QCursor::pos(), &w); }},
        {kCmdConverterMenu,
         [](CMainCalcDlg& w) { w.unitMenus_->ShowConverterMenu(QCursor::pos(), &w); }},
        {kCmdMiniCalc, [](CMainCalcDlg& w) { w.OpenMiniCalc(); }},
    };
    for (const auto& command : kCommands) {
        if (command.id == commandId) {
            command.run(*this);
            return;
        }
    }
    if (currency_ != nullptr && currency_->Run(commandId)) {
        return;
    }
    if (pageKeys_ != nullptr) {
        pageKeys_->Run(commandId);
    }
}

void CMainCalcDlg::OpenOptions() {
    {
        COptionsDlg options(settings_, this);
        options.exec();
    }
    if (finished_) {
        return;
    }
    saver_->SettingsChanged();
    placement_->ApplyTopmost();
    if (settings_.outPutWindow == 1) {
        HideOrMinimise();
    } else {
        showNormal();
    }
    raise();
    activateWindow();
}

void CMainCalcDlg::OpenMiniCalc() {
    const QString result = CMiniCalcDlg::Run(this, settings_);
    if (finished_) {
        return;
    }
    saver_->SettingsChanged();
    Open();
    expression_->SetText(result);
    Evaluate();
}

// ---- Calculation ---------------------------------------------------------------------------

void CMainCalcDlg::Evaluate() {
    RunEvaluation(true);
}

void CMainCalcDlg::RunEvaluation(bool focusExpression) {
    // Writing back a cut input, the message box and the focus moves below all report back
    // here; the evaluation under way covers them.
    if (evaluating_) {
        return;
    }
    evaluating_ = true;

    expression_->KeepWithinLimit();
    const std::string text = ToCp1252(expression_->toPlainText());
    const Calculation outcome = Calculate(engine_, text, CalcSettingsFrom(settings_));

    if (outcome.outcome == CalcOutcome::Succeeded) {
        lastResult_ = outcome.value;
    }
    result_->Show(FromCp1252(outcome.resultText));
    // A failed evaluation hands over the value the engine gave back as well.
    if (outcome.outcome != CalcOutcome::NoInput && settings_.mode != 2) {
        programmer_->ReceiveResult(outcome.value);
    }
    if (outcome.outcome != CalcOutcome::NoInput && settings_.copyAlways != 0) {
        QGuiApplication::clipboard()->setText(result_->text());
    }
    if (focusExpression) {
        expression_->TakeFocus();
    }
    evaluating_ = false;
}

void CMainCalcDlg::InsertText(const QString& text) {
    expression_->InsertText(text);
}

void CMainCalcDlg::PushToTape() {
    Evaluate();
    const QString result = result_->text();
    const QString input = expression_->toPlainText();
    if (input.isEmpty()) {
        return;
    }
    tapeLists_->File({input, FromCp1252(NormaliseForTape(ToCp1252(result), settings_.thousands))});
    expression_->SetText(QString());
    Evaluate();
}

void CMainCalcDlg::DeleteLast() {
    expression_->DeleteLast();
    Evaluate();
}

void CMainCalcDlg::DeleteAll() {
    // The window's own focus child: while a menu of the window is open, the application's
    // focus may lie in the menu.
    const QWidget* focus = focusWidget();
    if (focus == expressionTape_ || focus == resultTape_) {
        tapeLists_->Clear();
    } else {
        expression_->SetText(QString());
    }
    Evaluate();
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
        PushToTape();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quillex
