// The Units and Converter menus of the tool row. The Units menu inserts the number of a
// constant or unit of the catalogue into the expression; the Converter menu rewrites the whole
// expression from one unit into another by putting it in parentheses and appending the factor.
// The menus are built at each use; the conversion table "conv.dat" is read once, at start-up.
#pragma once

#include <QObject>

#include "units/QuickConversions.h"

class QMenu;
class QPoint;

namespace quillex {

class CExpressionField;

class CUnitMenus : public QObject {
    Q_OBJECT
public:
    CUnitMenus(CExpressionField* expression, QObject* parent = nullptr);
    ~CUnitMenus() override;

    // Reads "conv.dat" from the data folders; a missing or unreadable file leaves the table
    // empty, and only the fixed conversions remain.
    void LoadConversionTable();

    void ShowConstantsMenu(const QPoint& globalPos, QWidget* owner);
    void ShowConverterMenu(const QPoint& globalPos, QWidget* owner);

private:
    void RunChosen(QMenu& menu, const QPoint& globalPos);
    // Runs a menu entry by its command number; nothing when the number is no entry of these
    // menus (or names an empty record).
    void Run(int commandId);

    CExpressionField* expression_;
    ConversionTable table_;
};

}  // namespace quillex
