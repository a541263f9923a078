// SPDX-License-Identifier: MIT
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

#include <QCoreApplication>
#include <QTimer>

#include <array>
#include <utility>

namespace {

// The chain, by screen number: title, registration, procedure, theory, intro test,
// demonstration, practice input, practice, final test. The final test leads nowhere.
constexpr std::array<int, 9> kForwardPath{1, 7, 2, 3, 4, 5, 9, 6, 8};
// The one way back: from the finished practice to the practice input.
constexpr std::array<std::pair<int, int>, 1> kWaysBack{{{6, 9}}};

} // namespace

LabFrame::LabFrame()
    : form1_(createForm(Form1, "Form1")), form2_(createForm(Form2, "Form2")),
      form3_(createForm(Form3, "Form3")), form4_(createForm(Form4, "Form4")),
      form5_(createForm(Form5, "Form5")), form8_(createForm(Form8, "Form8")),
      form6_(createForm(Form6, "Form6")), form7_(createForm(Form7, "Form7")),
      form9_(createForm(Form9, "Form9")) {
    linkTheChain();
    // The two values that cross screens, read when they are needed.
    form6_->setValueSource([input = form9_.get()] { return input->valueText(); });
    form8_->setStudentsSource([registration = form7_.get()] {
        return TForm8::Students{registration->firstStudent(), registration->secondStudent()};
    });
}

LabFrame::~LabFrame() {
    // The screens go in reverse order of creation with the members; the program-wide
    // pointers must not outlive them.
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
    Form7 = nullptr;
    Form8 = nullptr;
    Form9 = nullptr;
}

template <typename Form>
std::unique_ptr<Form> LabFrame::createForm(Form*& global, const char* name) {
    auto form = std::make_unique<Form>();
    form->setObjectName(QString::fromLatin1(name));
    connect(form.get(), &LabScreen::closed, this, &LabFrame::endProgram);
    global = form.get();
    return form;
}

LabScreen* LabFrame::screen(int number) const {
    const std::array<LabScreen*, 9> screens{form1_.get(), form2_.get(), form3_.get(),
                                            form4_.get(), form5_.get(), form6_.get(),
                                            form7_.get(), form8_.get(), form9_.get()};
    return screens[std::size_t(number - 1)];
}

void LabFrame::linkTheChain() {
    for (std::size_t i = 0; i + 1 < kForwardPath.size(); ++i) {
        LabScreen* from = screen(kForwardPath[i]);
        LabScreen* to = screen(kForwardPath[i + 1]);
        connect(from, &LabScreen::goOnRequested, this, [this, from, to] { follow(from, to); });
    }
    for (const auto& [fromNumber, toNumber] : kWaysBack) {
        LabScreen* from = screen(fromNumber);
        LabScreen* to = screen(toNumber);
        connect(from, &LabScreen::goBackRequested, this, [this, from, to] { follow(from, to); });
    }
}

void LabFrame::follow(LabScreen* from, LabScreen* to) {
    from->hide();
    to->showScreen();
}

void LabFrame::start() {
    form1_->showScreen();
    // Once the title is up, the screens draw ahead what their first showing would wait for.
    QTimer::singleShot(kPrepareDelayMs, this, [this] {
        for (int number = 2; number <= 9; ++number)
            screen(number)->prepare();
    });
}

void LabFrame::endProgram() {
    // Closing the main window below reports its own close; the program ends once.
    if (ending_)
        return;
    ending_ = true;
    form1_->close();
    QCoreApplication::exit(0);
}
