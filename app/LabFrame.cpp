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

LabFrame::LabFrame()
    : form1_(createForm(Form1, "Form1")), form2_(createForm(Form2, "Form2")),
      form3_(createForm(Form3, "Form3")), form4_(createForm(Form4, "Form4")),
      form5_(createForm(Form5, "Form5")), form8_(createForm(Form8, "Form8")),
      form6_(createForm(Form6, "Form6")), form7_(createForm(Form7, "Form7")),
      form9_(createForm(Form9, "Form9")) {}

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

void LabFrame::start() {
    Form1->showScreen();
    // Once the title is up, the screens draw ahead what their first showing would wait for.
    QTimer::singleShot(kPrepareDelayMs, this, [] {
        for (LabScreen* screen : std::initializer_list<LabScreen*>{Form2, Form3, Form4, Form5,
                                                                   Form6, Form7, Form8, Form9})
            if (screen)
                screen->prepare();
    });
}

void LabFrame::endProgram() {
    // Closing the main window below reports its own close; the program ends once.
    if (ending_)
        return;
    ending_ = true;
    Form1->close();
    QCoreApplication::exit(0);
}
