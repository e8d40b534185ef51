// The result field: a read-only line in blue on white that shows a result or a message from
// its start.
#pragma once

#include <QLineEdit>

namespace quillex {

class CResultField : public QLineEdit {
    Q_OBJECT
public:
    explicit CResultField(QWidget* parent = nullptr);

    // Shows the text with its start in view.
    void Show(const QString& text);
};

}  // namespace quillex
