// SPDX-License-Identifier: MIT
// The title, the work procedure and the theory reader at the places worth reading.
#include "ShotRegistry.h"

#include "app/LabFrame.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "widgets/Picture.h"

#include <QDir>
#include <QScrollArea>
#include <QScrollBar>

namespace {

void saveAlone(const ShotContext& context, LabScreen* screen, const QString& name) {
    screen->showScreen();
    context.save(screen, name);
    screen->hide();
}

const RegisterShots theoryShots(QStringLiteral("theory"), [](const ShotContext& context) {
    LabFrame frame;
    frame.createScreens();
    saveAlone(context, Form1, QStringLiteral("theory_title"));
    saveAlone(context, Form2, QStringLiteral("theory_procedure"));

    Form3->prepareAhead(); // as the frame has it done while the title is up
    Form3->showScreen();
    context.save(Form3, QStringLiteral("theory_reader_opened"));
    QScrollBar* bar =
        Form3->findChild<QScrollArea*>(QStringLiteral("ScrollBox1"))->verticalScrollBar();
    const struct {
        int top;
        const char* name;
    } stops[] = {{0, "top"},        {400, "block1_end"},   {700, "figure1"},
                 {1060, "block11"}, {1420, "block11_end"}, {1760, "table1"},
                 {2080, "block2"},  {2280, "figure2"},     {2600, "block3"}};
    for (const auto& stop : stops) {
        bar->setValue(stop.top);
        context.save(Form3, QStringLiteral("theory_reader_") + QLatin1String(stop.name));
    }

    // The figures alone, enlarged, for a close look at their lettering.
    for (const char* name : {"Image1", "Image2", "Image3"}) {
        if (const auto* picture = Form3->findChild<Picture*>(QLatin1String(name))) {
            const QString path =
                QDir(context.directory).filePath(QStringLiteral("theory_%1_x2.png").arg(name));
            picture->render(2.0).save(path);
        }
    }
});

} // namespace
