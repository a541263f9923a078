// SPDX-License-Identifier: MIT
// Every screen as it first appears, and what a screen reader hears of it.
#include "ShotRegistry.h"

#include "app/LabFrame.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "screens/Unit5.h"
#include "screens/Unit6.h"
#include "screens/Unit7.h"
#include "screens/Unit8.h"
#include "screens/Unit9.h"

#include <QAccessible>
#include <QDir>
#include <QFile>

namespace {

const RegisterShots frameShots(QStringLiteral("frame"), [](const ShotContext& context) {
    LabFrame frame;
    frame.createScreens();
    // In a fixed order, so each screen gets the same draws every time.
    for (LabScreen* screen : std::initializer_list<LabScreen*>{Form1, Form2, Form3, Form4, Form5,
                                                               Form6, Form7, Form8, Form9}) {
        screen->showScreen();
        context.save(screen, QStringLiteral("plain_") + screen->objectName());
        context.saveSpoken(screen, screen->objectName());
        screen->hide();
    }
});

} // namespace
