#include "ui/CTipDlg.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>

#include <cmath>
#include <memory>
#include <numbers>

#include "store/CalculatorState.h"
#include "store/TipOfTheDay.h"
#include "ui/DialogUnits.h"
#include "ui/QtTexts.h"

namespace quillex {
namespace {

// Pixels inside the panel.
constexpr int kPictureMargin = 12;
constexpr int kPictureSize = 40;
constexpr int kStripGap = 10;  // from the strip's right edge to the tip text
constexpr int kLineBelowPicture = 6;
constexpr int kTextMargin = 12;
constexpr int kHeadingPixels = 22;
constexpr int kTipPixels = 16;

void ShowSeekFailure(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, Tr(TextId::TipOfDayCaption),
                    Tr(TextId::TipOfDaySeekFailed), QMessageBox::Ok, parent);
    box.exec();
}

// A light bulb with rays, in fixed colours that stand out on a light and on a dark strip alike.
void DrawBulb(QPainter& p, const QRect& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(area.topLeft());
    p.scale(area.width(), area.height());

    const QPointF centre(0.5, 0.4);
    p.setPen(QPen(QColor(0xf5, 0xa6, 0x23), 0.06, Qt::SolidLine, Qt::RoundCap));
    for (const double degrees : {0.0, 45.0, 90.0, 135.0, 180.0}) {
        const double angle = degrees * std::numbers::pi / 180;
        const QPointF direction(std::cos(angle), -std::sin(angle));
        p.drawLine(centre + 0.29 * direction, centre + 0.38 * direction);
    }

    QPainterPath glass;
    glass.addEllipse(centre, 0.22, 0.22);
    QPainterPath neck;
    neck.moveTo(0.36, 0.52);
    neck.lineTo(0.64, 0.52);
    neck.lineTo(0.6, 0.69);
    neck.lineTo(0.4, 0.69);
    neck.closeSubpath();
    QRadialGradient light(QPointF(0.44, 0.32), 0.3);
    light.setColorAt(0, QColor(0xff, 0xfb, 0xd0));
    light.setColorAt(1, QColor(0xff, 0xc4, 0x00));
    p.setBrush(light);
    p.setPen(QPen(QColor(0x7a, 0x5a, 0x00), 0.03));
    p.drawPath(glass.united(neck));

    p.setBrush(QColor(0xb4, 0xb4, 0xb4));
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.03));
    p.drawRect(QRectF(0.39, 0.69, 0.22, 0.13));
    p.drawLine(QPointF(0.39, 0.755), QPointF(0.61, 0.755));
    p.setBrush(QColor(0x50, 0x50, 0x50));
    p.drawRect(QRectF(0.44, 0.82, 0.12, 0.06));
    p.restore();
}

}  // namespace

CTipDlg::CTipDlg(TipOfTheDay& tips, bool showAtStart, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      tips_(tips),
      showAtStart_(showAtStart) {
    const QFont dialogFont = DialogUnits::DefaultDialogFont();
    setFont(dialogFont);
    const DialogUnits units(dialogFont);
    setWindowTitle(Tr(TextId::TipOfDayCaption));
    setFixedSize(units.X(262), units.Y(176));

    panel_ = units.Rect(7, 7, 248, 142);
    picture_ = QRect(panel_.left() + kPictureMargin, panel_.top() + kPictureMargin, kPictureSize,
                     kPictureSize);
    const int textLeft = picture_.right() + 1 + kPictureMargin + kStripGap;
    const int textTop = picture_.bottom() + 1 + kLineBelowPicture + kTextMargin;
    textArea_ = QRect(QPoint(textLeft, textTop),
                      QPoint(panel_.right() - kTextMargin, panel_.bottom() - kTextMargin));

    showBox_ = new QCheckBox(Tr(TextId::TipOfDayShowAtStart), this);
    showBox_->setAccessibleName(Tr(TextId::TipOfDayShowAtStart));
    showBox_->setChecked(showAtStart_);
    units.Place(showBox_, 9, 157, 110, 10);

    next_ = new QPushButton(Tr(TextId::TipOfDayNext), this);
    next_->setAccessibleName(next_->text());
    next_->setEnabled(tips_.HasFile());
    units.Place(next_, 148, 155, 50, 14);
    connect(next_, &QPushButton::clicked, this, &CTipDlg::NextTip);

    auto* ok = new QPushButton(Tr(TextId::TipOfDayOk), this);
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    units.Place(ok, 205, 155, 50, 14);
    connect(ok, &QPushButton::clicked, this, &CTipDlg::accept);

    ShowTip();
    ok->setFocus();
}

QString CTipDlg::TipText() const {
    return tips_.HasFile() ? tips_.Tip() : Tr(TextId::TipOfDayFileMissing);
}

void CTipDlg::accept() {
    showAtStart_ = showBox_->isChecked();
    QDialog::accept();
}

void CTipDlg::NextTip() {
    if (!tips_.Next()) {
        ShowSeekFailure(this);
    }
    showBox_->setChecked(showAtStart_);
    ShowTip();
}

void CTipDlg::ShowTip() {
    // The painted text is out of a screen reader's reach; the description carries it.
    setAccessibleDescription(TipText().trimmed());
    update(QRect(QPoint(textArea_.left(), picture_.top()), textArea_.bottomRight()));
}

void CTipDlg::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const QColor window = palette().color(QPalette::Base);
    const QColor strip = palette().color(QPalette::Dark);
    p.fillRect(panel_, window);
    p.fillRect(QRect(panel_.topLeft(), QPoint(textArea_.left() - kStripGap - 1, panel_.bottom())),
               strip);
    DrawBulb(p, picture_);
    p.fillRect(QRect(panel_.left(), picture_.bottom() + 1 + kLineBelowPicture, panel_.width(), 1),
               strip);

    p.setPen(palette().color(QPalette::Text));
    p.setFont(
        DialogUnits::PixelFont(QStringLiteral("Times"), QFont::Serif, kHeadingPixels, QFont::Bold));
    p.drawText(QRect(QPoint(textArea_.left(), picture_.top()), textArea_.bottomRight()),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Tr(TextId::TipOfDayHeading));

    p.fillRect(textArea_, window);
    p.setFont(DialogUnits::PixelFont(QStringLiteral("Arial"), QFont::SansSerif, kTipPixels));
    p.drawText(textArea_, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, TipText().trimmed());

    p.setPen(palette().color(QPalette::Mid));
    p.setBrush(Qt::NoBrush);
    p.drawRect(panel_.adjusted(0, 0, -1, -1));
}

CTipDlg* ShowTipOfTheDay(CalculatorState& state, QWidget* parent) {
    const QString path = TipFilePath();
    auto tips = std::make_shared<TipOfTheDay>(path, StoredTipPosition(state.Values(), path));
    // The place is kept before the dialog too, so that a Quit while it is open keeps it.
    const auto keepPlace = [&state, path, tips] {
        if (const std::optional<TipPosition> reached = tips->Reached()) {
            KeepTipPosition(state, path, *reached);
        }
    };
    keepPlace();
    if (tips->OpenSeekFailed()) {
        ShowSeekFailure(parent);
    }
    if (!state.Values().showSplash) {
        return nullptr;
    }
    // The dialog is modal but not waited for: it goes on the screen together with its window.
    // The tips live as long as the connection, which goes with the dialog.
    auto* dialog = new CTipDlg(*tips, true, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    QObject::connect(dialog, &QDialog::finished, dialog, [&state, dialog, keepPlace] {
        state.Set(&Settings::showSplash, dialog->ShowAtStart());
        keepPlace();
    });
    dialog->show();
    return dialog;
}

}  // namespace quillex
