// SPDX-License-Identifier: MIT
#include "Approved.h"
#include "LabTestSupport.h"

#include "foundation/LabStyle.h"
#include "widgets/DigitCell.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumericField.h"

#include <QAccessible>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <optional>

// What each screen does beyond the walk through the lab: its refusals, limits, prompts,
// keyboard order, look, and what a screen reader is told.

namespace {

void openPractice(const QString& value) {
    Form9->showScreen();
    type(Form9, "Edit1", value);
    click(Form9, "RzURLLabel3");
}

} // namespace

class TestScreens : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        prepareLab();
        draws_.emplace().setFallback(0);
        errors_.emplace();
        frame_.emplace();
        frame_->createScreens();
        control<QLineEdit>(Form9, "Edit1")->setText(QStringLiteral("5")); // the practice's value
    }
    void cleanup() {
        frame_.reset();
        errors_.reset();
        draws_.reset();
    }

    void errorBox();
    void everyScreen_data();
    void everyScreen();
    void practiceErrorLimit_data();
    void practiceErrorLimit();
    void practicePrompts();
    void practiceCells_data();
    void practiceCells();

private:
    std::optional<ScriptedDraws> draws_;
    std::optional<ErrorCapture> errors_;
    std::optional<LabFrame> frame_;
};

// Without a replacement the refusal is a modal box: the text, the caption, the error icon
// and OK, which closes it.
void TestScreens::errorBox() {
    errors_.reset();
    QString seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = box->windowTitle() + '|' + box->text() + '|' + QString::number(box->icon());
        box->button(QMessageBox::Ok)->click();
    });
    showErrorBox(Form9, QStringLiteral("Не введено значение Uаим"), kPracticeErrorCaption);
    QCOMPARE(seen,
             "Ощибка ввода|Не введено значение Uаим|" + QString::number(QMessageBox::Critical));
}

void TestScreens::everyScreen_data() {
    QTest::addColumn<int>("screen");
    for (int n = 1; n <= 9; ++n)
        QTest::addRow("Form%d", n) << n;
}

void TestScreens::everyScreen() {
    QFETCH(int, screen);
    LabScreen* form = screenNo(screen);
    type(Form7, "Edit1", QStringLiteral("Иванов")); // the second name can be reached
    frame_->start();
    if (form != Form1) {
        Form1->hide();
        form->showScreen();
    }
    if (form == Form9) // opened at its designed place, not centred
        QCOMPARE(form->pos(), QPoint(405, 327));
    // A fixed border cannot be dragged or maximised and shows the close box alone; the
    // practice input's can.
    const bool sizeable = form == Form9;
    QCOMPARE(form->minimumSize() != form->maximumSize(), sizeable);
    QCOMPARE(form->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                                    Qt::WindowSystemMenuHint | Qt::CustomizeWindowHint),
             Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                 (sizeable ? Qt::WindowMinMaxButtonsHint : Qt::CustomizeWindowHint));
    // Where Tab leads from the focus the screen opens with, as tab-chains.txt holds it.
    for (const QStringList& row : Approved::rows("tab-chains", form->objectName() + ": (.*)")) {
        QVERIFY(QTest::qWaitForWindowActive(form));
        QStringList visited{QApplication::focusWidget()->objectName()};
        while (visited.size() <= row[0].count(' ')) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited.join(' '), row[0]);
    }
    // A screen reader hears every link as a link it can take the focus to and press; what it
    // is told of each control is in the approved spoken_*.txt.
    for (LinkLabel* link : form->findChildren<LinkLabel*>()) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(link);
        QVERIFY2(node->role() == QAccessible::Link && node->state().focusable &&
                     node->actionInterface()->actionNames().contains(
                         QAccessibleActionInterface::pressAction()),
                 qPrintable(link->objectName()));
    }
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(form);
    for (int i = 0; i < whole->childCount(); ++i) // a reader can find its way back up and on
        QCOMPARE(whole->indexOfChild(whole->child(i)), i);
    if (form == Form2) { // a link acts on its accessible action
        QAccessible::queryAccessibleInterface(control(Form2, "RzURLLabel1"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(showing(), "Form3");
        form = Form3;
    }
    // Closing any screen, the title first of all, wherever the lab stands, ends the program
    // with exit code 0.
    QTimer::singleShot(0, form, [form] { form->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(showing(), "");
}

void TestScreens::practiceErrorLimit_data() {
    QTest::addColumn<int>("refused");
    for (const int refused : {999, 1000})
        QTest::addRow("%d", refused) << refused;
}

void TestScreens::practiceErrorLimit() {
    QFETCH(int, refused);
    openPractice(QStringLiteral("1"));
    for (int i = 0; i < refused; ++i)
        control<QPushButton>(Form6, "LMDButton1")->click(); // P is still "0"
    QCOMPARE(Form6->errorCount(), refused);
    QCOMPARE(Form6->practiceStep(), 0);
    for (int step = 1; step <= 16; ++step) {
        setCoderState(Coder::BuildCodingTrace(1), step);
        click(Form6, "LMDButton1");
    }
    QCOMPARE(textOf(Form6, "Label3"), QStringLiteral("Количество ошибок: %1").arg(refused));
    QCOMPARE(shown(Form6, "RzURLLabel1"), refused < 1000);
    QVERIFY(!control(Form6, "LMDButton1")->isEnabled());
}

// The prompts' lamps and colours as the practice shows them (how they look is in the approved
// pictures); which touch gives which is the logic's (tst_logic). A passed step starts them
// afresh.
void TestScreens::practicePrompts() {
    openPractice(QStringLiteral("5"));
    const auto shownPrompts = [] {
        QString on;
        for (int i = 1; i <= 4; ++i)
            on += shown(Form6, "LMDLight", i) ? QString::number(i) : QString();
        const auto name = [](const QColor& c) {
            return c == LabStyle::kBtnFace ? " face" : c == QColor(255, 0, 0) ? " red" : " green";
        };
        return on + name(control<NumericField>(Form6, "RxCalcEdit1")->background()) +
               name(control<DigitCell>(Form6, "Edit22")->background());
    };
    const auto touch = [](const char* name, bool key) {
        if (key) // any key counts, one that changes nothing too
            QTest::keyClick(control(Form6, name), Qt::Key_Left);
        else
            QTest::mouseDClick(control(Form6, name), Qt::LeftButton);
    };
    // The generator rows and double clicks on the two fields prompt nothing.
    for (const auto& [name, key] :
         {std::pair{"Edit3", true}, {"Edit23", true}, {"RxCalcEdit1", false}, {"Edit22", false}})
        touch(name, key);
    QCOMPARE(shownPrompts(), "1 face face");
    touch("Edit45", true);
    QCOMPARE(shownPrompts(), "14 red face");
    touch("Edit20", true);
    QCOMPARE(shownPrompts(), "24 red red");
    setCoderState(Coder::BuildCodingTrace(5), 1);
    click(Form6, "LMDButton1");
    QCOMPARE(shownPrompts(), "1 face face");
    touch("Edit17", false);
    QCOMPARE(shownPrompts(), "23 face face");
    touch("Edit50", false);
    QCOMPARE(shownPrompts(), "234 red face");
    touch("RxCalcEdit1", true);
    QCOMPARE(shownPrompts(), "234 green red");
    touch("Edit22", true);
    QCOMPARE(shownPrompts(), "234 green green");
}

void TestScreens::practiceCells_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shownAfterTact1"); // the closed switch, the row left
    QTest::newRow("positive") << QStringLiteral("5") << QStringLiteral("Image2 Image5 Edit23");
    QTest::newRow("zero is negative")
        << QStringLiteral("-0") << QStringLiteral("Image3 Image4 Edit3");
}

void TestScreens::practiceCells() {
    QFETCH(QString, value);
    QFETCH(QString, shownAfterTact1);
    openPractice(value);
    // Passing the start of tact 1 leaves the generator of the value's polarity alone, its
    // switch closed; passing its end keeps them so and clears X whatever was typed there.
    const auto shownNow = [] {
        QStringList names;
        for (const char* name : {"Image2", "Image3", "Image4", "Image5", "Edit3", "Edit23"})
            if (shown(Form6, name))
                names << QLatin1String(name);
        return names.join(' ');
    };
    for (int step = 1; step <= 2; ++step) {
        setCoderState(Coder::BuildCodingTrace(value.toInt()), step);
        type(Form6, "Edit15", "1");
        click(Form6, "LMDButton1");
        QCOMPARE(Form6->practiceStep(), step);
        QCOMPARE(shownNow(), shownAfterTact1);
    }
    QCOMPARE(control<QLineEdit>(Form6, "Edit15")->text(), "0");
    // The mirror rule: a SegmentSelector cell into both generator cells of its weight.
    const auto cells = [](const char* a, const char* b) {
        return control<QLineEdit>(Form6, a)->text() + control<QLineEdit>(Form6, b)->text();
    };
    type(Form6, "Edit46", "1");
    QCOMPARE(cells("Edit6", "Edit26"), "11");
    type(Form6, "Edit26", "0");
    QCOMPARE(cells("Edit46", "Edit6"), "11");
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
