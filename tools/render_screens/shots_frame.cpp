// SPDX-License-Identifier: MIT
// Every screen as it first appears.
#include "ShotRegistry.h"

#include "app/LabFrame.h"
#include "foundation/LabScreen.h"

#include <QApplication>

namespace {

const RegisterShots frameShots(QStringLiteral("frame"), [](const ShotContext& context) {
    LabFrame frame;
    frame.createScreens();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* screen = qobject_cast<LabScreen*>(widget);
        if (!screen)
            continue;
        screen->showScreen();
        context.save(screen, QStringLiteral("plain_") + screen->objectName());
        screen->hide();
    }
});

} // namespace
