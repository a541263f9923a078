// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <memory>

class LabScreen;
class ResultKeeper;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;

// The composition root. Creates the nine screens hidden, in the lab's fixed order, sets the
// program-wide Form1 ... Form9 and owns them until the program ends. It owns the chain: a
// screen only asks to go on or back, and the frame hides it and shows the next. It hands
// over the two values one screen reads from another, passes what the screens announce of a
// finished lab to the keeper of results, and ends the program when any screen is closed.
//
// The title alone is built before it is first shown, so the lab comes up as fast as a bare
// window; the other eight follow in the creation order right after its first paint, or at
// once should anything need them sooner.
class LabFrame : public QObject {
    Q_OBJECT
public:
    LabFrame();
    ~LabFrame() override;

    // Shows the main window, the title screen.
    void start();
    // Creates the screens after the title, once; the frame does so itself after start().
    void createScreens();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Long enough for the title to be drawn, far shorter than the way to a coder screen.
    static constexpr int kPrepareDelayMs = 300;

    template <typename Form> std::unique_ptr<Form> createForm(Form*& global, int number);
    // Form1 ... Form9 by number.
    LabScreen* screen(int number) const;
    // What the screens announce of a finished lab goes to the keeper of results.
    void keepResults();
    void goOn(int from);
    void goBack(int from);
    // Hides one screen and shows the other.
    void follow(int from, int to);
    // The close rule: close the main window and end the application with exit code 0.
    void endProgram();

    bool ending_ = false;
    std::unique_ptr<ResultKeeper> keeper_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TForm8> form8_;
    std::unique_ptr<TForm6> form6_;
    std::unique_ptr<TForm7> form7_;
    std::unique_ptr<TForm9> form9_;
};
