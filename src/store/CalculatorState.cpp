#include "store/CalculatorState.h"

#include <string>
#include <string_view>
#include <utility>

#include "store/CalcSettingsFrom.h"
#include "store/QtCp1252.h"

namespace quillex {

CalculatorState::CalculatorState(QObject* parent) : QObject(parent) {}

void CalculatorState::SetWindowPlace(const WindowPlace& place) {
    const QString position = FormatPlacement(place.placement);
    if (settings_.frameTop == place.frameTop && settings_.frameLeft == place.frameLeft &&
        settings_.windowPosition == position) {
        return;
    }
    settings_.frameTop = place.frameTop;
    settings_.frameLeft = place.frameLeft;
    settings_.windowPosition = position;
    emit changed();
}

void CalculatorState::File(const TapeEntry& entry) {
    tape_.Push(entry);
    emit tapeChanged({TapeChange::Kind::Filed});
    emit changed();
}

void CalculatorState::Remove(int row) {
    if (row < 0 || row >= tape_.Size()) {
        return;
    }
    tape_.Remove(row);
    emit tapeChanged({TapeChange::Kind::Removed, row});
    emit changed();
}

void CalculatorState::ClearTape() {
    tape_.Clear();
    emit tapeChanged({TapeChange::Kind::Replaced});
    emit changed();
}

void CalculatorState::LoadTape(std::vector<TapeEntry> entries) {
    tape_.Assign(std::move(entries));
    emit tapeChanged({TapeChange::Kind::Replaced});
}

Calculation CalculatorState::Evaluate(const QString& input) {
    const std::string text = ToCp1252(input);
    engine_.SetAnswer(tape_.Size() > 0 ? ReadTapeResult(ToCp1252(tape_.At(0).result))
                                       : std::nullopt);
    calculation_ = Calculate(engine_, text, CalcSettingsFrom(settings_));
    // Without input the engine does not run, and its last verdict stands.
    if (calculation_.outcome == CalcOutcome::Succeeded) {
        last_ = {calculation_.value, true};
    } else if (calculation_.outcome == CalcOutcome::Failed) {
        last_.succeeded = false;
    }
    return calculation_;
}

QString KeptInput(const QString& input) {
    qsizetype end = 0;
    for (std::size_t n = 0; n < kMaxInputLength && end < input.size(); ++n) {
        const bool pair = input.at(end).isHighSurrogate() && end + 1 < input.size() &&
                          input.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return input.left(end);
}

QString PastedInput(const QString& pasted) {
    const QByteArray utf8 = pasted.toUtf8();
    return FromCp1252(PastedTextToCp1252(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
        kMaxInputLength + 1));
}

}  // namespace quillex
