// SPDX-License-Identifier: MIT
#include "foundation/LabStyle.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace LabStyle {

namespace {

QFont makeFont(const QStringList& families, int pixelHeight, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace

QFont sans(int pixelHeight, bool bold) {
    static const QStringList families{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                      QStringLiteral("DejaVu Sans")};
    return makeFont(families, pixelHeight, bold);
}

QFont pointSans(double points, bool bold) {
    QFont font = sans(13, bold);
    font.setPointSizeF(points);
    return font;
}

QFont serif(int pixelHeight, bool bold) {
    static const QStringList families{QStringLiteral("Liberation Serif"),
                                      QStringLiteral("Times New Roman"),
                                      QStringLiteral("DejaVu Serif")};
    return makeFont(families, pixelHeight, bold);
}

QFont verdana(int pixelHeight) {
    static const QStringList families{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
    return makeFont(families, pixelHeight, false);
}

void setEnabledColor(QPalette& palette, QPalette::ColorRole role, const QColor& color) {
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
}

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Нелинейный кодер"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LAB_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Лаборатория ЦСП"));
}

void setUpApplication(QApplication& app) {
    // Qt's own texts (file and print dialogs, buttons, error reasons) in the lab's language,
    // whatever the desktop's.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    nameApplication();
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(LAB_APP_ID));
    // The lab ends by its close rule alone, never because the last window happens to hide.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, kBtnFace);
    palette.setColor(QPalette::Button, kBtnFace);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        setEnabledColor(palette, role, Qt::black);
    QApplication::setPalette(palette);
    app.setFont(sans(11));
}

} // namespace LabStyle
