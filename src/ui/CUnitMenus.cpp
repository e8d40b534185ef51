#include "ui/CUnitMenus.h"

#include <QMenu>

#include "store/DataFiles.h"
#include "store/QtCp1252.h"
#include "ui/CExpressionField.h"
#include "ui/Commands.h"
#include "ui/QtTexts.h"
#include "units/Catalog.h"

namespace quillex {
namespace {

static_assert(kCmdCatalogFirst + static_cast<int>(kCatalogEntryCount) <= kCmdFixedConversionFirst &&
                  kCmdFixedConversionFirst + static_cast<int>(kFixedConversionCount) <=
                      kCmdConversionRecordFirst,
              "the menus' command ranges overlap");

int CommandOf(ConversionEntry entry) {
    const int first = entry.kind == ConversionEntry::Kind::Fixed ? kCmdFixedConversionFirst
                                                                 : kCmdConversionRecordFirst;
    return first + static_cast<int>(entry.index);
}

// The Converter menu's entry of a command; nothing for a command outside its ranges.
std::optional<ConversionEntry> ConversionOf(int commandId) {
    if (commandId >= kCmdConversionRecordFirst &&
        commandId < kCmdConversionRecordFirst + static_cast<int>(kConversionRecordCount)) {
        return ConversionEntry{ConversionEntry::Kind::Record,
                               static_cast<std::size_t>(commandId - kCmdConversionRecordFirst)};
    }
    if (commandId >= kCmdFixedConversionFirst &&
        commandId < kCmdFixedConversionFirst + static_cast<int>(kFixedConversionCount)) {
        return ConversionEntry{ConversionEntry::Kind::Fixed,
                               static_cast<std::size_t>(commandId - kCmdFixedConversionFirst)};
    }
    return std::nullopt;
}

}  // namespace

CUnitMenus::CUnitMenus(CExpressionField* expression, QObject* parent)
    : QObject(parent), expression_(expression) {}

CUnitMenus::~CUnitMenus() = default;

void CUnitMenus::LoadConversionTable() {
    const QString path = FindDataFile(QStringLiteral("conv.dat"));
    table_ = ReadConversionTableFile(std::filesystem::path(path.toStdU16String()));
}

void CUnitMenus::ShowConstantsMenu(const QPoint& globalPos, QWidget* owner) {
    QMenu menu(owner);
    for (const CatalogSubmenu& group : ConstantsMenu()) {
        QMenu* submenu = menu.addMenu(FromUtf8(group.title));
        for (const CatalogMenuItem& item : group.items) {
            if (item.separator) {
                submenu->addSeparator();
            } else {
                submenu->addAction(FromCp1252(item.label))
                    ->setData(kCmdCatalogFirst + static_cast<int>(item.id));
            }
        }
    }
    RunChosen(menu, globalPos);
}

void CUnitMenus::ShowConverterMenu(const QPoint& globalPos, QWidget* owner) {
    QMenu menu(owner);
    menu.setTitle(Tr(TextId::MenuConvert));
    for (const ConversionSubmenu& group : ConversionMenu(table_)) {
        QMenu* submenu = menu.addMenu(FromUtf8(group.title));
        for (const ConversionMenuItem& item : group.items) {
            submenu->addAction(FromCp1252(item.label))->setData(CommandOf(item.entry));
        }
    }
    RunChosen(menu, globalPos);
}

void CUnitMenus::RunChosen(QMenu& menu, const QPoint& globalPos) {
    if (const QAction* chosen = menu.exec(globalPos)) {
        Run(chosen->data().toInt());
    }
}

void CUnitMenus::Run(int commandId) {
    const int entry = commandId - kCmdCatalogFirst;
    if (entry >= 0 && entry < static_cast<int>(kCatalogEntryCount)) {
        expression_->InsertText(FromCp1252(CatalogInsertText(static_cast<std::size_t>(entry))));
    } else if (const std::optional<ConversionEntry> conversion = ConversionOf(commandId)) {
        if (const std::optional<std::string> appended = AppendedTextFor(table_, *conversion)) {
            expression_->WrapInParentheses();
            expression_->InsertText(FromCp1252(*appended));
        }
    }
}

}  // namespace quillex
