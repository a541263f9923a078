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

namespace {

template <typename Form> std::unique_ptr<Form> CreateForm(Form*& global, const char* name) {
    auto form = std::make_unique<Form>();
    form->setObjectName(QString::fromLatin1(name));
    global = form.get();
    return form;
}

bool gEnding = false;

} // namespace

LabFrame::LabFrame()
    : form1_(CreateForm(Form1, "Form1")), form2_(CreateForm(Form2, "Form2")),
      form3_(CreateForm(Form3, "Form3")), form4_(CreateForm(Form4, "Form4")),
      form5_(CreateForm(Form5, "Form5")), form8_(CreateForm(Form8, "Form8")),
      form6_(CreateForm(Form6, "Form6")), form7_(CreateForm(Form7, "Form7")),
      form9_(CreateForm(Form9, "Form9")) {
    gEnding = false;
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

void LabFrame::start() {
    Form1->showScreen();
}

void LabFrame::endProgram() {
    if (gEnding)
        return;
    gEnding = true;
    if (Form1)
        Form1->close();
    QCoreApplication::exit(0);
}
