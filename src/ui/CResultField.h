// The result field: a read-only line in blue on white that shows a result or a message from
// its start.
#pragma once

#include <QLineEdit>

namespace quillex {

class CResultField : public QLineEdit {
    Q_OBJECT
public:
    explicit CResultField(QWidget* parent = nullptr);

    // Sets the field in Arial of cell height 34 pixels (or a sans-serif face of the same kind
    // where Arial is missing).
    void UseFieldFont();
    // Shows the text with its start in view.
    void Show(const QString& text);
};

}  // namespace quillex
