// The pictures of the main window's tool buttons, drawn as lines in the text colour of the
// current palette: one consistent set, sharp at every size and scale, readable on light and
// dark themes alike, and made without reading any image or icon theme.
#pragma once

#include <QIcon>

namespace quillex {

enum class ToolImage { DeleteTape, Units, Converter, Options, Info, Hide, DeleteAll, Delete };

QIcon ToolIcon(ToolImage image);

}  // namespace quillex
