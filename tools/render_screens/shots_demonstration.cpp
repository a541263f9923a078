// SPDX-License-Identifier: MIT
// The demonstration at the start and in the middle and end of a cycle.
#include "ShotRegistry.h"

#include "app/LabFrame.h"
#include "logic/RandomDraw.h"
#include "screens/Unit5.h"

#include <QPushButton>

namespace {

void showAt(const ShotContext& context, int value, int count, const QString& name) {
    RandomSource previous = setRandomSource([value](int) { return value + 2000; });
    LabFrame frame;
    frame.createScreens();
    Form5->showScreen();
    auto* button = Form5->findChild<QPushButton*>(QStringLiteral("LMDButton2"));
    for (int i = 0; i < count; ++i)
        button->click();
    context.save(Form5, name);
    setRandomSource(std::move(previous));
}

const RegisterShots demonstrationShots(QStringLiteral("demonstration"),
                                       [](const ShotContext& context) {
                                           showAt(context, 1000, 0, "demo_count0");
                                           showAt(context, -37, 7, "demo_minus37_count7");
                                           showAt(context, 1000, 16, "demo_1000_count16");
                                       });

} // namespace
