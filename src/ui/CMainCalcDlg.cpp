#include "ui/CMainCalcDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTextBlock>
#include <QToolButton>

#include <string>

#include "bases/BitWidth.h"
#include "bases/ProgrammerFields.h"
#include "engine/Calculation.h"
#include "store/CSettingsKey.h"
#include "store/TapeFile.h"
#include "ui/CInfoDlg.h"
#include "ui/CKeypadPage.h"
#include "ui/CLogicPage.h"
#include "ui/COptionsDlg.h"
#include "ui/CPageTabCtrl.h"
#include "ui/CProgrammerPage.h"
#include "ui/CTapeLists.h"
#include "ui/CTrayIcon.h"
#include "ui/Commands.h"
#include "ui/DialogUnits.h"
#include "ui/Docking.h"
#include "ui/Help.h"
#include "ui/KeypadKeys.h"
#include "ui/ProgrammerKeys.h"
#include "ui/QtCp1252.h"
#include "ui/QtTexts.h"

namespace quillex {
namespace {

constexpr int kDialogWidth = 218;  // dialog units
constexpr int kDialogHeight = 266;
constexpr int kResultCellHeight = 34;  // pixels
constexpr int kExpressionPixelSize = 16;
constexpr unsigned kShowNormal = 1;
constexpr unsigned kShowMinimised = 2;
constexpr unsigned kShowMaximised = 3;

// The first `count` characters of a text, counting a surrogate pair as one character as the
// code page conversion does.
QString FirstCharacters(const QString& text, std::size_t count) {
    qsizetype end = 0;
    for (std::size_t n = 0; n < count && end < text.size(); ++n) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size() &&
                          text.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

// The text without its last character (a surrogate pair counts as one).
QString WithoutLastCharacter(const QString& text) {
    qsizetype cut = text.size() - 1;
    if (cut > 0 && text.at(cut).isLowSurrogate() && text.at(cut - 1).isHighSurrogate()) {
        --cut;
    }
    return text.left(qMax<qsizetype>(0, cut));
}

bool IsKeypadOperator(int key) {
    return key == Qt::Key_Asterisk || key == Qt::Key_Plus || key == Qt::Key_Minus ||
           key == Qt::Key_Slash;
}

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

    result_ = new QLineEdit(this);
    result_->setAccessibleName(QStringLiteral("Result"));
    result_->setReadOnly(true);
    result_->setToolTip(Tr(TextId::ResultFieldTip));
    units.Place(result_, 3, 19, 211, 22);
    QPalette resultColours = result_->palette();
    resultColours.setColor(QPalette::Text, QColor(0, 0, 255));
    resultColours.setColor(QPalette::Base, Qt::white);
    result_->setPalette(resultColours);

    tapeLists_ = new CTapeLists(this, units);
    expressionTape_ = tapeLists_->Expressions();
    resultTape_ = tapeLists_->Results();

    expression_ = new QPlainTextEdit(this);
    expression_->setAccessibleName(QStringLiteral("Expression"));
    expression_->setToolTip(Tr(TextId::ExpressionFieldTip));
    expression_->setTabChangesFocus(true);
    expression_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    expression_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    units.Place(expression_, 3, 112, 191, 29);

    tabs_ = new CPageTabCtrl(this);
    tabs_->setAccessibleName(QStringLiteral("Pages"));
    units.Place(tabs_, 3, 144, 212, 120);

    connect(expression_, &QPlainTextEdit::textChanged, this, &CMainCalcDlg::OnExpressionChanged);
    connect(tapeLists_, &CTapeLists::expressionChosen, this,
            &CMainCalcDlg::OnExpressionTapeSelected);
    connect(tapeLists_, &CTapeLists::resultChosen, this, &CMainCalcDlg::OnResultTapeSelected);

    for (QWidget* own : {static_cast<QWidget*>(expression_), static_cast<QWidget*>(result_),
                         static_cast<QWidget*>(expressionTape_), static_cast<QWidget*>(resultTape_),
                         static_cast<QWidget*>(tabs_->tabBar())}) {
        own->installEventFilter(this);
    }
    expressionTape_->viewport()->installEventFilter(this);
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
    SetupTrayIcon();
    LoadSettingsNow();
    ApplyTopmost();
    setWindowIcon(ProgramIcon());
    SetupToolButtons();
    CreatePages();
    setWindowTitle(Tr(TextId::MainCaption));
    SetFieldFonts();
    if (settings_.storeStack != 0) {
        LoadTapeNow();
    }
    ready_ = true;
    resultTape_->show();
    settings_.stackExpression = 0;
    showNormal();
    raise();
    activateWindow();
    ApplyWidth(settings_.binBase);
    alreadyPlaced_ = true;
    CentreOnScreen();
    secondReady_ = true;
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

    if (const std::optional<Placement> stored = ParsePlacement(loaded.windowPosition11)) {
        // A position on no screen at all (a screen that is gone) would leave the window out
        // of reach; it then keeps the position the platform gave it.
        const QRect frame(QPoint(stored->left, stored->top), size());
        bool onScreen = false;
        for (const QScreen* screen : QGuiApplication::screens()) {
            onScreen = onScreen || screen->availableGeometry().intersects(frame);
        }
        if (PlacementFits(*stored, CurrentPlacement()) && onScreen) {
            move(stored->left, stored->top);
        }
    }
    if (loaded.firstRun) {
        CentreOnScreen();
    }
}

void CMainCalcDlg::CentreOnScreen() {
    if (alreadyPlaced_) {
        if (settings_.moveOnTop != 0) {
            alreadyPlaced_ = false;
        }
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QRect frame = frameGeometry();
    const Point at = FirstRunPosition(frame.width(), frame.height(), area.width(), area.height());
    move(area.x() + at.x, area.y() + at.y);
    raise();
    activateWindow();
}

// The normal rectangle holds the frame's position and the window's own size: the frame's size
// is not known before the window is first shown on every desktop, the window's size is.
Placement CMainCalcDlg::CurrentPlacement() const {
    Placement placement;
    placement.showCommand =
        isMinimized() ? kShowMinimised : (isMaximized() ? kShowMaximised : kShowNormal);
    const QPoint at = pos();
    placement.left = at.x();
    placement.top = at.y();
    placement.right = at.x() + width();
    placement.bottom = at.y() + height();
    return placement;
}

void CMainCalcDlg::ApplyTopmost() {
    const bool topmost = settings_.alwaysOnTop != 0;
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) {
        return;
    }
    // Changing the flags hides a shown window; it comes back where it was.
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (shown) {
        show();
    }
}

void CMainCalcDlg::SetupToolButtons() {
    const DialogUnits units(font());
    struct ToolButtonDef {
        TextId tip;
        QStyle::StandardPixmap icon;
        int commandId;
        int x, y, width, height;
    };
    // The other places of the row stay free for the currency, units, converter and
    // mini-calculator buttons.
    const ToolButtonDef buttons[] = {
        {TextId::TipDeleteStack, QStyle::SP_TrashIcon, kCmdDeleteStack, 3, 2, 18, 15},
        {TextId::TipOptions, QStyle::SP_FileDialogDetailedView, kCmdOptions, 130, 2, 18, 15},
        {TextId::TipInfo, QStyle::SP_MessageBoxInformation, kCmdInfo, 148, 2, 18, 15},
        {TextId::TipHide, QStyle::SP_TitleBarMinButton, kCmdHide, 196, 1, 18, 15},
        {TextId::TipDeleteAll, QStyle::SP_DialogResetButton, kCmdDeleteAll, 198, 112, 16, 14},
        {TextId::TipDelete, QStyle::SP_ArrowBack, kCmdDelete, 198, 128, 16, 13},
    };
    for (const ToolButtonDef& def : buttons) {
        auto* button = new QToolButton(this);
        button->setAccessibleName(EnglishName(def.tip));
        button->setToolTip(Tr(def.tip));
        button->setIcon(style()->standardIcon(def.icon, nullptr, button));
        button->setAutoRaise(true);
        units.Place(button, def.x, def.y, def.width, def.height);
        const int side = qMax(1, qMin(button->width(), button->height()) - 4);
        button->setIconSize(QSize(side, side));
        button->installEventFilter(this);
        const int commandId = def.commandId;
        connect(button, &QToolButton::clicked, this,
                [this, commandId] { HandleCommand(commandId); });
        button->show();
    }
}

void CMainCalcDlg::CreatePages() {
    keypad_ = new CKeypadPage(settings_, this);
    keypad_->setAccessibleName(Tr(TextId::TabKeypad));
    connect(keypad_, &CKeypadPage::evaluateRequested, this, &CMainCalcDlg::Evaluate);
    connect(tabs_, &CPageTabCtrl::pageCommand, this, &CMainCalcDlg::HandleCommand);
    tabs_->AddPage(Tr(TextId::TabKeypad), 0, keypad_);

    // These two pages build their controls the first time their tab is shown, which keeps
    // them out of the window's first paint; the programmer page's field logic exists from
    // here on, so every result is handed over whether or not the page has been shown.
    programmer_ = new CProgrammerPage(this);
    programmer_->setAccessibleName(Tr(TextId::TabProgrammer));
    tabs_->AddPage(Tr(TextId::TabProgrammer), 1, programmer_);
    logic_ = new CLogicPage(this);
    logic_->setAccessibleName(Tr(TextId::TabLogic));
    tabs_->AddPage(Tr(TextId::TabLogic), 2, logic_);
}

void CMainCalcDlg::ApplyWidth(int index) {
    settings_.binBase = BitWidthFromIndex(index) ? index : kBitWidthCount - 1;
    programmer_->SetWidth(CurrentWidth());
    Evaluate();
}

BitWidth CMainCalcDlg::CurrentWidth() const {
    const std::optional<BitWidth> width = BitWidthFromIndex(settings_.binBase);
    return width ? *width : *BitWidthFromIndex(kBitWidthCount - 1);
}

void CMainCalcDlg::SetFieldFonts() {
    // Both fields are set in Arial; where it is missing, a sans-serif face of the same kind
    // stands in for it.
    const QString arial = QStringLiteral("Arial");
    QFont expressionFont(arial);
    expressionFont.setStyleHint(QFont::SansSerif);
    expressionFont.setWeight(QFont::Normal);
    expressionFont.setPixelSize(kExpressionPixelSize);
    expression_->setFont(expressionFont);

    QFont resultFont(arial);
    resultFont.setStyleHint(QFont::SansSerif);
    resultFont.setWeight(QFont::Normal);
    resultFont.setPixelSize(DialogUnits::PixelSizeForCellHeight(arial, kResultCellHeight));
    result_->setFont(resultFont);
}

void CMainCalcDlg::LoadTapeNow() {
    if (std::optional<std::vector<TapeEntry>> entries = LoadTape(TapeFilePath())) {
        tape_.Assign(std::move(*entries));
        tapeLists_->Fill(tape_);
    }
}

// ---- Saving and ending ---------------------------------------------------------------------

void CMainCalcDlg::SaveSettingsNow() {
    SavedPlacement window;
    const QRect frame = frameGeometry();
    window.top = frame.top();
    window.left = frame.left();
    window.placement = CurrentPlacement();
    CSettingsKey key;
    key.Open();
    SaveSettings(key, settings_, window);
    key.Close();
}

void CMainCalcDlg::SaveTapeNow() {
    SaveTape(TapeFilePath(), tape_.Entries());
}

void CMainCalcDlg::SaveAll() {
    // Before start-up has loaded them, saving would replace the stored settings by defaults.
    if (!quitting_ && ready_) {
        SaveSettingsNow();
        SaveTapeNow();
    }
}

void CMainCalcDlg::Quit() {
    quitting_ = true;
    if (!ready_ || finished_) {
        return;
    }
    finished_ = true;
    SaveSettingsNow();
    SaveTapeNow();
    tray_->ShowIcon(0);
    done(QDialog::Accepted);
    QCoreApplication::quit();
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
    switch (commandId) {
        case kCmdOk:
            PushToTape();
            return;
        case kCmdCancel:
        case kCmdHide:
            HideWindow();
            return;
        case kCmdOpen:
            Open();
            return;
        case kCmdOptions:
            OpenOptions();
            return;
        case kCmdInfo:
            OpenInfo();
            return;
        case kCmdQuit:
            Quit();
            return;
        case kCmdHelp:
            OpenHelp(this);
            return;
        case kCmdDeleteStack:
            DeleteStack();
            return;
        case kCmdDeleteAll:
            DeleteAll();
            return;
        case kCmdDelete:
            DeleteLast();
            return;
        default:
            break;
    }
    const auto keys = KeypadKeys();
    const int key = commandId - kCmdKeypadFirst;
    if (key >= 0 && key < static_cast<int>(keys.size())) {
        InsertText(FromUtf8(keys[static_cast<std::size_t>(key)].insert));
        if (keys[static_cast<std::size_t>(key)].evaluates) {
            Evaluate();
        }
        return;
    }
    const auto programmerKeys = ProgrammerKeys();
    const int programmerKey = commandId - kCmdProgrammerFirst;
    if (programmerKey >= 0 && programmerKey < static_cast<int>(programmerKeys.size())) {
        RunProgrammerKey(programmerKeys[static_cast<std::size_t>(programmerKey)]);
    }
}

void CMainCalcDlg::RunProgrammerKey(const ProgrammerKey& key) {
    std::optional<std::string> replacement;
    switch (key.action) {
        case ProgKeyAction::Width:
            ApplyWidth(key.argument);
            return;
        case ProgKeyAction::Insert:
            InsertText(FromUtf8(key.insert));
            return;
        case ProgKeyAction::InsertEvaluate:
            InsertText(FromUtf8(key.insert));
            Evaluate();
            return;
        case ProgKeyAction::Sign:
            Evaluate();
            replacement = SignText(ToCp1252(result_->text()), CurrentWidth());
            break;
        case ProgKeyAction::GetBit:
            Evaluate();
            replacement = GetBitText(ToCp1252(result_->text()));
            break;
        case ProgKeyAction::Parity:
            Evaluate();
            replacement = ParityText(ToCp1252(result_->text()));
            break;
        case ProgKeyAction::Invert:
        case ProgKeyAction::Move:
            // The page's own buttons.
            return;
    }
    if (replacement) {
        result_->setText(FromCp1252(*replacement));
        result_->setCursorPosition(0);
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
    ApplyTopmost();
    if (settings_.outPutWindow == 1) {
        HideOrMinimise();
    } else {
        showNormal();
    }
    raise();
    activateWindow();
}

void CMainCalcDlg::OpenInfo() {
    CInfoDlg info(this);
    info.exec();
}

// ---- Calculation ---------------------------------------------------------------------------

void CMainCalcDlg::Evaluate() {
    // Writing back a cut input, the message box and the focus moves below all report back
    // here; the evaluation under way covers them.
    if (evaluating_) {
        return;
    }
    evaluating_ = true;

    QString input = expression_->toPlainText();
    std::string text = ToCp1252(input);
    if (text.size() > kMaxInputLength) {
        QMessageBox tooLong(QMessageBox::Warning, Tr(TextId::InputTooLongCaption),
                            Tr(TextId::InputTooLong), QMessageBox::Ok, this);
        tooLong.exec();
        input = FirstCharacters(input, kMaxInputLength);
        SetExpressionText(input);
        text = ToCp1252(input);
    }

    CalcSettings calc;
    const std::string x = ToCp1252(settings_.xVal);
    const std::string y = ToCp1252(settings_.yVal);
    calc.xText = x;
    calc.yText = y;
    calc.widthIndex = settings_.binBase >= 0 && settings_.binBase <= 3 ? settings_.binBase : 3;
    calc.display.style = settings_.showAs;
    calc.display.decimals = settings_.digits;
    calc.display.thousands = settings_.kommaStyle;
    calc.display.decimalComma = settings_.useKomma != 0;
    const Calculation outcome = Calculate(engine_, text, calc);

    if (outcome.outcome == CalcOutcome::Succeeded) {
        lastResult_ = outcome.value;
    }
    result_->setText(FromCp1252(outcome.resultText));
    result_->setCursorPosition(0);
    // A failed evaluation hands over the value the engine gave back as well.
    if (outcome.outcome != CalcOutcome::NoInput && settings_.mode != 2) {
        programmer_->ReceiveResult(outcome.value);
    }
    if (outcome.outcome != CalcOutcome::NoInput && settings_.copyAlways != 0) {
        QGuiApplication::clipboard()->setText(result_->text());
    }
    FocusExpression();
    evaluating_ = false;
}

void CMainCalcDlg::FocusExpression() {
    expression_->setFocus(Qt::OtherFocusReason);
    if (expression_->document()->isEmpty()) {
        QTextCursor start = expression_->textCursor();
        start.movePosition(QTextCursor::Start);
        expression_->setTextCursor(start);
        expression_->ensureCursorVisible();
    }
}

void CMainCalcDlg::OnExpressionChanged() {
    if (!ignoreTextChange_) {
        Evaluate();
    }
}

void CMainCalcDlg::SetExpressionText(const QString& text) {
    ignoreTextChange_ = true;
    expression_->setPlainText(text);
    ignoreTextChange_ = false;
    QTextCursor end = expression_->textCursor();
    end.movePosition(QTextCursor::End);
    expression_->setTextCursor(end);
    expression_->ensureCursorVisible();
}

void CMainCalcDlg::InsertText(const QString& text) {
    QTextCursor cursor = expression_->textCursor();
    cursor.insertText(text);
    expression_->setTextCursor(cursor);
}

void CMainCalcDlg::PushToTape() {
    Evaluate();
    const QString result = result_->text();
    const QString input = expression_->toPlainText();
    if (input.isEmpty()) {
        return;
    }
    const TapeEntry entry{input,
                          FromCp1252(NormaliseForTape(ToCp1252(result), settings_.kommaStyle))};
    if (tape_.Push(entry)) {
        while (tapeLists_->Count() >= Tape::kCapacity) {
            tapeLists_->RemoveRow(tapeLists_->Count() - 1);
        }
    }
    tapeLists_->InsertRow(0, entry);
    SetExpressionText(QString());
    Evaluate();
}

void CMainCalcDlg::DeleteLast() {
    SetExpressionText(WithoutLastCharacter(expression_->toPlainText()));
    Evaluate();
}

void CMainCalcDlg::DeleteAll() {
    // The window's own focus child: while a menu of the window is open, the application's
    // focus may lie in the menu.
    const QWidget* focus = focusWidget();
    if (focus == expressionTape_ || focus == resultTape_) {
        tape_.Clear();
        tapeLists_->Fill(tape_);
    } else {
        SetExpressionText(QString());
    }
    Evaluate();
}

void CMainCalcDlg::DeleteStack() {
    QMessageBox question(QMessageBox::Information, Tr(TextId::DeleteStackCaption),
                         Tr(TextId::DeleteStackQuestion), QMessageBox::Ok | QMessageBox::Cancel,
                         this);
    question.setWindowModality(Qt::ApplicationModal);
    question.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (question.exec() == QMessageBox::Ok) {
        tape_.Clear();
        tapeLists_->Fill(tape_);
    }
}

// ---- Tape lists ----------------------------------------------------------------------------

void CMainCalcDlg::OnExpressionTapeSelected(int row) {
    SetExpressionText(ExpressionFromTapeText(tape_.At(row).expression));
    Evaluate();
    resultTape_->setFocus(Qt::OtherFocusReason);
}

void CMainCalcDlg::OnResultTapeSelected(int row) {
    InsertText(tape_.At(row).result);
    Evaluate();
    expressionTape_->setFocus(Qt::OtherFocusReason);
}

void CMainCalcDlg::ShowTapeMenu(const QPoint& viewportPos, const QPoint& globalPos) {
    // The entry under the mouse, or the last one when the mouse is below it, becomes the
    // selection without counting as the user's choice of an entry.
    tapeLists_->SelectRowAt(viewportPos);

    QMenu menu(this);
    QAction* deleteItem = menu.addAction(Tr(TextId::TapeDeleteItem));
    QAction* deleteAll = menu.addAction(Tr(TextId::TapeDeleteAll));
    menu.addSeparator();
    QAction* copyItem = menu.addAction(Tr(TextId::TapeCopyItem));
    QAction* copyAll = menu.addAction(Tr(TextId::TapeCopyAll));
    QAction* chosen = menu.exec(globalPos);
    if (chosen == nullptr || finished_) {
        return;
    }
    if (chosen == deleteItem) {
        const int row = tapeLists_->SelectedRow();
        if (row >= 0 && row < tape_.Size()) {
            tape_.Remove(row);
            tapeLists_->RemoveRow(row);
        }
    } else if (chosen == deleteAll) {
        DeleteAll();
    } else if (chosen == copyItem) {
        QGuiApplication::clipboard()->setText(tape_.EntryClipboardText(tapeLists_->SelectedRow()));
    } else if (chosen == copyAll) {
        QGuiApplication::clipboard()->setText(tape_.AllClipboardText());
    }
}

// ---- Mouse and keys ------------------------------------------------------------------------

void CMainCalcDlg::ShowBackgroundMenu(const QPoint& globalPos) {
    QMenu menu(this);
    const struct {
        TextId text;
        int commandId;
    } entries[] = {
        {TextId::MenuHelp, kCmdHelp},
        {TextId::MenuOptions, kCmdOptions},
        {TextId::MenuInfo, kCmdInfo},
        {TextId::MenuQuit, kCmdQuit},
    };
    for (const auto& entry : entries) {
        if (entry.commandId == kCmdQuit) {
            menu.addSeparator();
        }
        menu.addAction(Tr(entry.text))->setData(entry.commandId);
    }
    if (const QAction* chosen = menu.exec(globalPos)) {
        HandleCommand(chosen->data().toInt());
    }
}

void CMainCalcDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && childAt(event->position().toPoint()) == nullptr) {
        event->accept();
        ShowBackgroundMenu(event->globalPosition().toPoint());
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

bool CMainCalcDlg::RouteKey(QObject* watched, QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;

    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        PushToTape();
        return true;
    }
    if (key == Qt::Key_Escape) {
        DeleteAll();
        return true;
    }
    if (keypad && ((digit && !shift) || IsKeypadOperator(key))) {
        expression_->setFocus(Qt::ShortcutFocusReason);
        InsertText(QString(QChar(key)));
        return true;
    }
    if (digit && !keypad && !shift && watched != expression_) {
        // The digit is typed where the focus now is.
        expression_->setFocus(Qt::ShortcutFocusReason);
        QCoreApplication::sendEvent(expression_, event);
        return true;
    }
    return false;
}

bool CMainCalcDlg::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (watched != expressionTape_->viewport() &&
                RouteKey(watched, static_cast<QKeyEvent*>(event))) {
                return true;
            }
            break;
        case QEvent::FocusIn:
            if (watched == expression_) {
                Evaluate();
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (watched == expressionTape_->viewport()) {
                auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() == Qt::RightButton) {
                    expressionTape_->setFocus(Qt::MouseFocusReason);
                    ShowTapeMenu(mouse->position().toPoint(), mouse->globalPosition().toPoint());
                    return true;
                }
            }
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

// ---- Docking -------------------------------------------------------------------------------

void CMainCalcDlg::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (docking_ || screen == nullptr) {
        return;
    }
    const QRect whole = screen->geometry();
    const QRect free = screen->availableGeometry();
    const std::optional<ScreenInsets> insets =
        InsetsFromAvailableArea({whole.x(), whole.y(), whole.width(), whole.height()},
                                {free.x(), free.y(), free.width(), free.height()});
    if (!insets) {
        return;
    }
    const QRect frame = frameGeometry();
    const DockRequest request{
        frame.x() - whole.x(), frame.y() - whole.y(), frame.width(), frame.height(),
        whole.width(),         whole.height(),        *insets};
    const DockedPosition docked = Dock(request);
    if (docked.x == request.x && docked.y == request.y) {
        dockedFrom_.reset();
        return;
    }
    // A desktop that puts the window back where it was, rather than where it was asked to go,
    // is not asked again for the same position: that would go on for ever.
    if (dockedFrom_ == frame.topLeft()) {
        return;
    }
    dockedFrom_ = frame.topLeft();
    docking_ = true;
    move(whole.x() + docked.x, whole.y() + docked.y);
    docking_ = false;
}

}  // namespace quillex
