// The program's own colours of texts and fields. On a light desktop each is the fixed colour
// the program has always shown. On a dark one (the application palette's window colour is
// dark) a field takes the palette's base colour instead of its light one, and a text a light
// variant of its colour with a contrast of at least 4.5:1 against the background it is drawn
// on, so that no white box or dark blue text stands out of a dark window.
#pragma once

#include <QColor>
#include <QPalette>

#include <functional>

class QObject;
class QWidget;

namespace quillex {

enum class Ink {
    Blue,      // the result, links, the programmer page's base keys, the logic operations
    DeepBlue,  // the mini calculator's input
    Red,       // the chosen word width, the logic operation last used
    DeepRed,   // a negative value in the mini calculator
    Green,     // the programmer page's other keys
    Purple,    // a visited link
    Black,     // the mini calculator's value, the word widths not chosen
};

inline constexpr double kMinimumContrast = 4.5;

// Whether the application's palette is a dark one.
bool IsDarkDesktop();
// The contrast ratio of two colours as the accessibility guidelines reckon it: from 1 (the
// same) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b);
// The ink's colour for a text drawn on `background`.
QColor InkOn(Ink ink, const QColor& background);
// A field's background: its own light colour on a light desktop, the palette's base colour on
// a dark one.
QColor FieldBackground(const QColor& light);

// Sets the widget's text role to the ink, readable on the widget's background role.
void SetInk(QWidget* widget, QPalette::ColorRole text, Ink ink, QPalette::ColorRole background);
// Sets a field's background from its light colour, then its text to the ink.
void SetFieldColours(QWidget* field, Ink ink, const QColor& lightBackground);

// Runs `apply` now and again whenever the application's palette changes (the desktop turning
// dark or light), for as long as `owner` lives.
void FollowDesktopColours(QObject* owner, std::function<void()> apply);

}  // namespace quillex
