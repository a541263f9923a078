// SPDX-License-Identifier: MIT
// The coder schematic as the coder screens compose it (switch pictures in place, on the
// button face), at 1x and 2x, and Figure 2 of the theory at its natural size.
#include "ShotRegistry.h"

#include "app/LabFrame.h"
#include "foundation/LabStyle.h"
#include "screens/Unit3.h"
#include "widgets/Picture.h"
#include "workbench/SchematicDrawing.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

void saveImage(const ShotContext& context, const QImage& image, const QString& name) {
    const QString path = QDir(context.directory).filePath(name + QStringLiteral(".png"));
    image.save(path);
    QTextStream(stdout) << path << '\n';
}

// The picture alone with the switch pictures laid where the screens put them.
QWidget* makePanel(bool closed) {
    auto* panel = new QWidget;
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, LabStyle::kBtnFace);
    panel->setPalette(palette);
    panel->resize(Schematic::kPictureSize);
    const QPoint origin = Schematic::kPictureOrigin;
    const auto place = [&](QSize size, Picture::Drawing drawing, QPoint client) {
        auto* picture = new Picture(size, std::move(drawing), panel);
        picture->move(client - origin);
    };
    if (closed) {
        place(Schematic::kClosedSwitchSize, Schematic::paintClosedSwitch, {138, 87});
        place(Schematic::kClosedSwitchSize, Schematic::paintClosedSwitch, {377, 88});
    } else {
        place(Schematic::kOpenSwitchSize, Schematic::paintOpenSwitch, {140, 93});
        place(Schematic::kOpenSwitchSize, Schematic::paintOpenSwitch, {379, 94});
    }
    place(Schematic::kPictureSize, Schematic::paintSchematic, {8, 24});
    return panel;
}

void renderPanel(const ShotContext& context, bool closed, const QString& name) {
    QWidget* panel = makePanel(closed);
    for (int scale : {1, 2}) {
        QImage image(panel->size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        panel->render(&image);
        saveImage(context, image, QStringLiteral("%1_%2x").arg(name).arg(scale));
    }
    delete panel;
}

const RegisterShots schematicShots(QStringLiteral("schematic"), [](const ShotContext& context) {
    renderPanel(context, false, QStringLiteral("schematic_open"));
    renderPanel(context, true, QStringLiteral("schematic_closed"));
});

// As the theory reader has it, fitted above the text that covers its foot.
const RegisterShots figureShots(QStringLiteral("figure2"), [](const ShotContext& context) {
    LabFrame frame;
    frame.createScreens();
    const auto* figure = Form3->findChild<Picture*>(QStringLiteral("Image3"));
    for (int scale : {1, 2})
        saveImage(context, figure->render(scale), QStringLiteral("figure2_%1x").arg(scale));
});

} // namespace
