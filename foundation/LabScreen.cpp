// SPDX-License-Identifier: MIT
#include "foundation/LabScreen.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <algorithm>

namespace {

constexpr char kLastInTabOrder[] = "labLastInTabOrder";
constexpr char kDecorative[] = "labDecorative";

// A screen as the accessibility interface sees it: its child controls in reading order, less
// the decorative.
class ScreenAccessible : public QAccessibleWidget {
public:
    explicit ScreenAccessible(QWidget* screen) : QAccessibleWidget(screen, QAccessible::Window) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> list = children();
        return index >= 0 && index < list.size()
                   ? QAccessible::queryAccessibleInterface(list[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(children().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget*> children() const {
        QList<QWidget*> list;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !LabScreen::isDecorative(child))
                list.append(child);
        }
        // Read line by line, left to right, whatever order the controls were made in; a label
        // and its field a few pixels higher stand on one line.
        const auto place = [](const QWidget* w) {
            return std::pair((w->y() + w->height() / 2) / 12, w->x());
        };
        std::stable_sort(list.begin(), list.end(), [&place](const QWidget* a, const QWidget* b) {
            return place(a) < place(b);
        });
        return list;
    }
};

QAccessibleInterface* screenInterface(const QString&, QObject* object) {
    if (auto* screen = qobject_cast<LabScreen*>(object))
        return new ScreenAccessible(screen);
    return nullptr;
}

} // namespace

LabScreen::LabScreen(const QString& caption, QSize clientSize, Border border)
    : QWidget(nullptr), border_(border) {
    static const bool accessible = (QAccessible::installFactory(screenInterface), true);
    Q_UNUSED(accessible);
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

void LabScreen::placeLastInTabOrder(QWidget* control) {
    control->setProperty(kLastInTabOrder, true);
}

void LabScreen::markDecorative(QWidget* widget) {
    widget->setProperty(kDecorative, true);
}

bool LabScreen::isDecorative(const QWidget* widget) {
    return widget->property(kDecorative).toBool();
}

void LabScreen::orderTabChain() {
    QList<QWidget*> order; // the controls as they stand, then the ones placed last
    QList<QWidget*> last;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (w->property(kLastInTabOrder).toBool())
            last.append(w);
        else if (w->focusPolicy() != Qt::NoFocus)
            order.append(w);
    }
    order += last;
    if (order.isEmpty())
        return;
    // Qt moves a widget only after another that takes the focus, and never after the last
    // of the chain; so the chain is laid anew from its start, behind the window itself.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::TabFocus);
    setTabOrder(this, order.first());
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    setFocusPolicy(policy);
}

void LabScreen::prepareAhead() {
    create();
    orderTabChainOnce();
    ensurePolished();
    // Drawing one pixel delivers the sizes the hidden controls are still waiting for.
    QPixmap pixel(1, 1);
    render(&pixel, QPoint(), QRegion(0, 0, 1, 1));
    prepare();
}

void LabScreen::orderTabChainOnce() {
    // Every control exists by now; the answer options that come and go later take their
    // place beside their frame.
    if (!tabChainOrdered_) {
        tabChainOrdered_ = true;
        orderTabChain();
    }
}

void LabScreen::showScreen() {
    orderTabChainOnce();
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

void LabScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT closed();
}
