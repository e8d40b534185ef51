#include "ui/CExpressionField.h"

#include <QFocusEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QTextCursor>

#include "store/CalculatorState.h"
#include "ui/DialogUnits.h"
#include "ui/QtTexts.h"

namespace quillex {
namespace {

constexpr int kPixelSize = 16;

// The text without its last character (a surrogate pair counts as one).
QString WithoutLastCharacter(const QString& text) {
    qsizetype cut = text.size() - 1;
    if (cut > 0 && text.at(cut).isLowSurrogate() && text.at(cut - 1).isHighSurrogate()) {
        --cut;
    }
    return text.left(qMax<qsizetype>(0, cut));
}

}  // namespace

CExpressionField::CExpressionField(QWidget* parent) : QPlainTextEdit(parent) {
    setAccessibleName(Tr(TextId::NameExpression));
    setToolTip(Tr(TextId::ExpressionFieldTip));
    setFont(DialogUnits::PixelFont(QStringLiteral("Arial"), QFont::SansSerif, kPixelSize));
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!writing_) {
            emit edited();
        }
    });
}

void CExpressionField::SetText(const QString& text) {
    writing_ = true;
    setPlainText(text);
    writing_ = false;
    QTextCursor end = textCursor();
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    ensureCursorVisible();
}

void CExpressionField::InsertText(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
}

void CExpressionField::WrapInParentheses() {
    QTextCursor cursor = textCursor();
    if (document()->isEmpty()) {
        cursor.clearSelection();
        setTextCursor(cursor);
        return;
    }
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(QStringLiteral("("));
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral(")"));
    cursor.endEditBlock();
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void CExpressionField::DeleteLast() {
    SetText(WithoutLastCharacter(toPlainText()));
}

void CExpressionField::RefuseExcess(const QString& kept) {
    QMessageBox tooLong(QMessageBox::Warning, Tr(TextId::InputTooLongCaption),
                        Tr(TextId::InputTooLong), QMessageBox::Ok, window());
    tooLong.exec();
    SetText(kept);
}

void CExpressionField::TakeFocus() {
    setFocus(Qt::OtherFocusReason);
    if (document()->isEmpty()) {
        QTextCursor start = textCursor();
        start.movePosition(QTextCursor::Start);
        setTextCursor(start);
        ensureCursorVisible();
    }
}

void CExpressionField::focusInEvent(QFocusEvent* event) {
    // A closing menu hands the focus back: it never went to another control.
    if (event->reason() != Qt::PopupFocusReason) {
        emit focusEntering();
    }
    QPlainTextEdit::focusInEvent(event);
}

// Only the plain text: formatted or marked-up clipboard contents would otherwise be rendered,
// and an expression like 2*3*4 read as mark-up loses its operators.
bool CExpressionField::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && source->hasText();
}

void CExpressionField::insertFromMimeData(const QMimeData* source) {
    if (!canInsertFromMimeData(source)) {
        return;
    }
    InsertText(PastedInput(source->text()));
    ensureCursorVisible();
}

}  // namespace quillex
