// SPDX-License-Identifier: MIT
#include "app/LabFrame.h"

#include "app/ResultKeeper.h"

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
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The chain, by screen number: title, registration, procedure, theory, intro test,
// demonstration, practice input, practice, final test. The final test leads nowhere.
constexpr std::array<int, 9> kForwardPath{1, 7, 2, 3, 4, 5, 9, 6, 8};
// The one way back: from the finished practice to the practice input.
constexpr std::array<std::pair<int, int>, 1> kWaysBack{{{6, 9}}};

} // namespace

LabFrame::LabFrame() : form1_(createForm(Form1, 1)) {}

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

void LabFrame::createScreens() {
    if (form2_)
        return;
    form2_ = createForm(Form2, 2);
    form3_ = createForm(Form3, 3);
    form4_ = createForm(Form4, 4);
    form5_ = createForm(Form5, 5);
    form8_ = createForm(Form8, 8);
    form6_ = createForm(Form6, 6);
    form7_ = createForm(Form7, 7);
    form9_ = createForm(Form9, 9);
    // The two values that cross screens, read when they are needed.
    form6_->setValueSource([input = form9_.get()] { return input->valueText(); });
    form8_->setStudentsSource([registration = form7_.get()] {
        return TForm8::Students{registration->firstStudent(), registration->secondStudent()};
    });
    keepResults();
}

void LabFrame::keepResults() {
    keeper_ = std::make_unique<ResultKeeper>();
    ResultKeeper* keeper = keeper_.get();
    connect(form4_.get(), &TForm4::testFinished, keeper,
            [keeper, intro = form4_.get()] { keeper->introFinished(intro->run()); });
    connect(form6_.get(), &TForm6::runFinished, keeper, &ResultKeeper::practiceFinished);
    connect(form8_.get(), &TForm8::testFinished, keeper,
            [keeper, final = form8_.get(), registration = form7_.get()] {
                keeper->finalFinished(final->run(), registration->firstStudent(),
                                      registration->secondStudent(), final);
            });
    connect(form8_.get(), &TForm8::saveReportRequested, keeper,
            [keeper, final = form8_.get()] { keeper->saveReport(final); });
    connect(keeper, &ResultKeeper::classJournalStatus, form8_.get(),
            &TForm8::showClassJournalStatus);
    connect(form8_.get(), &TForm8::printReportRequested, keeper,
            [keeper, final = form8_.get()] { keeper->printReport(final); });
}

template <typename Form> std::unique_ptr<Form> LabFrame::createForm(Form*& global, int number) {
    auto form = std::make_unique<Form>();
    form->setObjectName(QStringLiteral("Form%1").arg(number));
    connect(form.get(), &LabScreen::closed, this, &LabFrame::endProgram);
    connect(form.get(), &LabScreen::goOnRequested, this, [this, number] { goOn(number); });
    connect(form.get(), &LabScreen::goBackRequested, this, [this, number] { goBack(number); });
    global = form.get();
    return form;
}

LabScreen* LabFrame::screen(int number) const {
    const std::array<LabScreen*, 9> screens{form1_.get(), form2_.get(), form3_.get(),
                                            form4_.get(), form5_.get(), form6_.get(),
                                            form7_.get(), form8_.get(), form9_.get()};
    return screens[std::size_t(number - 1)];
}

void LabFrame::goOn(int from) {
    const auto at = std::find(kForwardPath.begin(), kForwardPath.end(), from);
    if (at != kForwardPath.end() && at + 1 != kForwardPath.end())
        follow(from, *(at + 1));
}

void LabFrame::goBack(int from) {
    for (const auto& [back, to] : kWaysBack)
        if (back == from)
            follow(from, to);
}

void LabFrame::follow(int from, int to) {
    createScreens();
    screen(from)->hide();
    screen(to)->showScreen();
}

void LabFrame::start() {
    form1_->installEventFilter(this);
    form1_->showScreen();
}

bool LabFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form1_.get() && event->type() == QEvent::Paint) {
        form1_->removeEventFilter(this);
        // After the paint has gone out: the title is up before anything else is built.
        QTimer::singleShot(0, this, [this] {
            createScreens();
            // While the students read the title, the screens draw ahead what their first
            // showing would wait for.
            QTimer::singleShot(kPrepareDelayMs, this, [this] {
                for (int number = 2; number <= 9; ++number)
                    screen(number)->prepareAhead();
                // The network, if any, only once the lab is up.
                keeper_->startUp(form1_.get());
            });
        });
    }
    return false;
}

void LabFrame::endProgram() {
    // Closing the main window below reports its own close; the program ends once.
    if (ending_)
        return;
    ending_ = true;
    form1_->close();
    QCoreApplication::exit(0);
}
