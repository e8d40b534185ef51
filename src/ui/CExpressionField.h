// The expression field: a multi-line edit that reports every change of its text as an edit,
// except the texts the program writes itself. An expression holds at most kMaxInputLength
// characters; a paste or a drop brings in plain text only, with its typographic characters
// turned into what the engine reads.
#pragma once

#include <QPlainTextEdit>

namespace quillex {

class CExpressionField : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CExpressionField(QWidget* parent = nullptr);

    // Writes the text without reporting an edit; the caret goes to the end.
    void SetText(const QString& text);
    // Replaces the selection at the caret by the text; reported as an edit.
    void InsertText(const QString& text);
    // Puts the whole text in parentheses and selects the closing one, so that the next
    // insertion replaces it; reported as an edit. An empty text stays empty and only loses its
    // selection.
    void WrapInParentheses();
    // Removes the last character of the text, not the one at the caret, as SetText does.
    void DeleteLast();

    // Says in a message box that an expression may not be longer, then keeps only `kept`, the
    // part of the text the calculation took, as SetText does.
    void RefuseExcess(const QString& kept);

    // Takes the keyboard focus; an empty field shows its caret at the start.
    void TakeFocus();

signals:
    // The text changed in any way but SetText.
    void edited();
    // The field is about to get the keyboard focus; not when a closing menu hands it back.
    void focusEntering();

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool writing_ = false;  // SetText is writing the text
};

}  // namespace quillex
