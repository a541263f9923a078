// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// One screen of the lab: a top-level window created hidden at start-up and kept until the
// program ends. A screen knows no other: its links ask the frame to go on or back, and the
// frame, which owns the chain, hides it and shows the next. Closing one is reported by
// closed(), on which the frame ends the lab.
class LabScreen : public QWidget {
    Q_OBJECT
public:
    enum class Border { Fixed, Sizeable };

    LabScreen(const QString& caption, QSize clientSize, Border border = Border::Fixed);

    // Makes the screen visible and brings it to the front. The show handler runs before
    // the window appears and the activation handler after it, each exactly once per call,
    // never on window-system events such as un-minimising or a closed message box.
    void showScreen();

    // Gets the screen ready to come up at once, before it is first shown, while the students
    // are elsewhere: its window in the window system and whatever prepare() does.
    void prepareAhead();

    // The control takes the keyboard focus after all the others of its screen (links do).
    static void placeLastInTabOrder(QWidget* control);
    // The widget only repeats what another shows (a drawn shadow): the accessibility
    // interface leaves it out, so a screen reader announces each text once.
    static void markDecorative(QWidget* widget);
    static bool isDecorative(const QWidget* widget);

Q_SIGNALS:
    // A link on the way forward was followed.
    void goOnRequested();
    // A link back was followed ("<< Повторить кодирование").
    void goBackRequested();
    // The window was closed, by its close box, its system menu or the close key.
    void closed();

protected:
    virtual void FormShow() {}
    virtual void FormActivate() {}
    // The screen's own work ahead of its first showing.
    virtual void prepare() {}

    void closeEvent(QCloseEvent* event) override;

private:
    // Moves the controls placed last to the end of the tab chain, keeping the order of
    // the others.
    void orderTabChain();
    void orderTabChainOnce();

    Border border_;
    bool tabChainOrdered_ = false;
};
