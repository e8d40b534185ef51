// A text or picture that opens a document or web address when clicked, drawn as a link:
// blue and underlined until opened, purple after a successful opening. A failed opening beeps.
#pragma once

#include <QLabel>

namespace quillex {

class CStaticLink : public QLabel {
    Q_OBJECT
public:
    explicit CStaticLink(QWidget* parent = nullptr);

    // What a click opens; when empty, the label's own text.
    void SetTarget(const QString& target) { target_ = target; }
    bool Visited() const { return visited_; }
    // Opens the target as a click does; returns whether it opened.
    bool Open();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Texts are drawn as a link; pictures keep their own look.
    enum class Look { Plain, Unvisited, Visited };
    void UpdateLook();

    QString target_;
    bool visited_ = false;
    Look look_ = Look::Plain;
};

}  // namespace quillex
