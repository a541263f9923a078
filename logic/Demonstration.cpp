// SPDX-License-Identifier: MIT
#include "logic/Demonstration.h"

#include "logic/RandomDraw.h"
#include "logic/TactSteps.h"

namespace Demonstration {

Walk::Walk() : trace_(Coder::BuildCodingTrace(0)) {}

void Walk::drawValue() {
    const auto draw = [] { return DrawRandom(4001) - 2000; };
    trace_ = Coder::BuildCodingTrace(drawAvoiding(draw, {0}, 2));
}

std::string Walk::valueStatus() const {
    return TactSteps::valueStatus(trace_.uaim) + '.';
}

View Walk::press() {
    View view;
    if (++stepCount_ > TactSteps::kCount) {
        stepCount_ = 0;
        drawValue();
        view.status = valueStatus();
        return view;
    }
    const bool start = TactSteps::isStart(stepCount_);
    const Coder::TTactRecord& record = trace_.tacts[std::size_t(TactSteps::tactOf(stepCount_) - 1)];
    view.kind = start ? View::Kind::Start : View::Kind::End;
    view.tact = record.tact;
    view.status = stepCount_ == TactSteps::kCount ? "Конец 8-го такта. Кодирование завершено."
                                                  : TactSteps::status(start, record.tact);
    view.registerDigit = start || record.bit ? '1' : '0';
    view.comparator = record.comparatorOutput;
    view.references = start ? record.referencesDuring : record.referencesAfter;
    // The sign is decided without a reference: U эт stays as it stands.
    if (record.tact > 1)
        view.uet = Coder::FormatUet(start ? record.uetDuring : record.uetAfter, trace_.positive);
    view.closesSwitch = start && record.tact == 1;
    return view;
}

} // namespace Demonstration
