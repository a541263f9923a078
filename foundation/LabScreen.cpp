#include "foundation/LabScreen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

LabScreen::LabScreen(const QString& caption, QSize clientSize, Border border)
    : QWidget(nullptr), border_(border) {
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    if (border == Border::Fixed) {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        setFixedSize(clientSize);
    } else {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
        resize(clientSize);
    }
}

void LabScreen::showScreen() {
    FormShow();
    if (border_ == Border::Fixed) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
    FormActivate();
}

void LabScreen::goTo(LabScreen* next) {
    hide();
    next->showScreen();
}

void LabScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT closed();
}
