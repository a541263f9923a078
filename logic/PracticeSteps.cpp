// SPDX-License-Identifier: MIT
#include "logic/PracticeSteps.h"

#include "logic/TactSteps.h"

namespace Practice {

using Coder::TCodingTrace;
using Coder::TTactRecord;

namespace {

constexpr std::string_view kSignMessage = "Не правильно введено значение знака входного сигнала";
constexpr std::string_view kSegmentMessage =
    "Не правильно введено значение номера сегмента амплитудной характеристики";
constexpr std::string_view kComparatorMessage =
    "Не правильно введено значение сигнала из компаратора";
constexpr std::string_view kGeneratorMessage = "Не правильно введено значение из БКЭ";
constexpr std::string_view kSelectorMessage = "Не правильно введено значение из БВС";
constexpr std::string_view kUetMessage = "Не правильно введено значение Uэт";

// Trial weights of tact 3; with the 128 of tact 2 these are all that the segment search
// can have left switched on before tact 4.
constexpr int kTact3TrialLow = 32;
constexpr int kTact3TrialHigh = 512;

char digitOf(int bit) {
    return bit ? '1' : '0';
}

class CheckList {
public:
    explicit CheckList(bool positive) : positive_(positive) {}

    void registerCell(int tact, int bit) {
        checks_.push_back(
            {Cell::Register, tact, digitOf(bit), 0, tact == 1 ? kSignMessage : kSegmentMessage});
    }
    void comparator(const TTactRecord& record) {
        checks_.push_back({Cell::Comparator, 0, record.comparatorOutput, 0, kComparatorMessage});
    }
    void generator(int weight, int bit) {
        checks_.push_back({Cell::Generator, weight, digitOf(bit), 0, kGeneratorMessage});
    }
    void selector(int weight, int bit) {
        checks_.push_back({Cell::Selector, weight, digitOf(bit), 0, kSelectorMessage});
    }
    // Both reference rows of a weight, the generator's first.
    void references(int weight, int bit) {
        generator(weight, bit);
        selector(weight, bit);
    }
    // The field holds levels signed by the polarity; zero is zero for either.
    void uet(double level) {
        checks_.push_back(
            {Cell::Uet, 0, '0', positive_ || level == 0 ? level : -level, kUetMessage});
    }
    std::vector<Check> take() { return std::move(checks_); }

private:
    bool positive_;
    std::vector<Check> checks_;
};

const std::string& referenceText(const Entries& entries, const Check& check, bool positive) {
    const auto& row = check.cell == Cell::Selector ? entries.selector
                      : positive                   ? entries.gen2
                                                   : entries.gen1;
    return row[static_cast<std::size_t>(Coder::weightIndex(check.index))];
}

bool holds(const Check& check, const Entries& entries, bool positive) {
    const std::string digit(1, check.digit);
    switch (check.cell) {
    case Cell::Register:
        return entries.registerCells[static_cast<std::size_t>(check.index - 1)] == digit;
    case Cell::Generator:
    case Cell::Selector:
        return referenceText(entries, check, positive) == digit;
    case Cell::Comparator:
        return entries.comparator == digit;
    case Cell::Uet:
        return entries.uet && *entries.uet == check.level;
    }
    return false;
}

} // namespace

std::vector<Check> checksOf(const TCodingTrace& trace, int step) {
    CheckList checks(trace.positive);
    const int tact = TactSteps::tactOf(step);
    const auto tactRecord = [&trace](int k) -> const TTactRecord& {
        return trace.tacts[static_cast<std::size_t>(k - 1)];
    };
    const TTactRecord& record = tactRecord(tact);
    const int w = record.trialWeight;
    switch (step) {
    case 1:
        checks.registerCell(1, 1);
        checks.comparator(record);
        break;
    case 2:
        checks.registerCell(1, record.bit);
        break;
    case 3:
        checks.comparator(record);
        checks.registerCell(2, 1);
        checks.references(w, 1);
        checks.uet(record.uetDuring);
        break;
    case 4:
        if (record.bit == 0) {
            checks.uet(record.uetAfter);
            checks.registerCell(2, 0);
            checks.selector(w, 0);
            checks.generator(w, 0);
        } else {
            checks.registerCell(2, 1);
            checks.selector(w, 1);
            checks.uet(record.uetAfter);
            checks.generator(w, 1);
        }
        break;
    case 5:
        checks.registerCell(3, 1);
        checks.references(tactRecord(2).trialWeight, 0);
        checks.comparator(record);
        checks.references(w, 1);
        checks.uet(record.uetDuring);
        break;
    case 6:
    case 8: {
        // When the bit is cleared, the reference kept from before comes back on: the 128
        // of tact 2 (if X is set) after tact 3, the segment's base after tact 4.
        const int kept = step == 8                ? trace.baseReference
                         : tactRecord(2).bit == 1 ? tactRecord(2).trialWeight
                                                  : 0;
        checks.registerCell(tact, record.bit);
        if (record.bit == 0 && kept > 0)
            checks.references(kept, 1);
        checks.references(w, record.bit);
        checks.uet(record.uetAfter);
        break;
    }
    case 7:
        checks.registerCell(4, 1);
        for (const int earlier : {kTact3TrialLow, kTact3TrialHigh, tactRecord(2).trialWeight})
            checks.references(earlier, 0);
        checks.comparator(record);
        checks.references(w, 1);
        checks.uet(record.uetDuring);
        break;
    default:
        if (TactSteps::isStart(step)) {
            checks.registerCell(tact, 1);
            checks.comparator(record);
            checks.references(w, 1);
            checks.uet(record.uetDuring);
        } else {
            checks.registerCell(tact, record.bit);
            if (record.bit == 0)
                checks.references(w, 0);
            checks.uet(record.uetAfter);
        }
        break;
    }
    return checks.take();
}

std::optional<std::string_view> firstFailure(const TCodingTrace& trace, int step,
                                             const Entries& entries) {
    for (const Check& check : checksOf(trace, step))
        if (!holds(check, entries, trace.positive))
            return check.message;
    return std::nullopt;
}

StepEffects effectsOf(int step) {
    StepEffects effects{};
    effects.finished = step == TactSteps::kCount;
    // The status names the step to be entered next.
    effects.status = effects.finished ? "Кодирование завершено"
                                      : TactSteps::status(TactSteps::isStart(step + 1),
                                                          TactSteps::tactOf(step + 1));
    effects.comparatorShown = !effects.finished && !TactSteps::isStart(step);
    // Once: nothing opens the switch again before the run is over.
    effects.showsPolarity = step == 1;
    effects.clearSegmentBit = step == 2;
    return effects;
}

std::string openingStatus(std::int32_t uaim) {
    return TactSteps::valueStatus(uaim) + ". " + TactSteps::status(true, 1);
}

std::string errorCountText(int errors) {
    return "Количество ошибок: " + std::to_string(errors);
}

bool leadsToFinalTest(int errors) {
    return errors < kErrorLimit;
}

} // namespace Practice
