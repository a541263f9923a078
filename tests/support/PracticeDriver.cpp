#include "PracticeDriver.h"

#include "LabTestSupport.h"
#include "screens/Unit6.h"
#include "screens/Unit9.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumericField.h"

#include <QPushButton>
#include <QTest>

PracticeEntries ParseEntries(const QString& text) {
    PracticeEntries entries;
    for (const QString& pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        if (equals < 0)
            qFatal("entry without '=': %s", qPrintable(pair));
        entries.append({pair.left(equals), pair.mid(equals + 1)});
    }
    return entries;
}

void Enter(QWidget* screen, const PracticeEntries& entries) {
    for (const PracticeEntry& entry : entries) {
        auto* edit = Control<QLineEdit>(screen, qPrintable(entry.control));
        // The U эт field takes the whole text; a one-digit cell its first key.
        const bool numeric = qobject_cast<NumericField*>(edit) != nullptr;
        if (numeric)
            edit->selectAll();
        if (entry.text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else if (numeric)
            QTest::keyClicks(edit, entry.text);
        else
            QTest::keyClick(edit, entry.text.front().toLatin1());
        if (!numeric && edit->text() != entry.text)
            qFatal("%s did not take '%s'", qPrintable(entry.control), qPrintable(entry.text));
    }
}

PracticeEntries CoderState(const TCodingTrace& trace, int step) {
    const TTactRecord& record = trace.tacts[std::size_t((step + 1) / 2 - 1)];
    const bool start = step % 2 == 1;
    const std::uint8_t reg = start ? record.registerDuring : record.registerAfter;
    const TReferenceSet& references = start ? record.referencesDuring : record.referencesAfter;
    const auto cell = [](int number) { return QStringLiteral("Edit%1").arg(number); };
    const auto digit = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };

    // Cells: register Edit14.., SegmentSelector Edit43.., Gen1 Edit3.., Gen2 Edit23...
    PracticeEntries entries;
    for (int tact = 1; tact <= 8; ++tact)
        entries.append({cell(13 + tact), digit(registerBit(reg, tact) == 1)});
    for (std::size_t i = 0; i < references.on.size(); ++i) {
        entries.append({cell(43 + int(i)), digit(references.on[i])});
        entries.append({cell((trace.positive ? 23 : 3) + int(i)), digit(references.on[i])});
    }
    if (start)
        entries.append({cell(22), QString(QChar::fromLatin1(record.comparatorOutput))});
    entries.append({QStringLiteral("RxCalcEdit1"),
                    QString::fromStdString(
                        FormatUet(start ? record.uetDuring : record.uetAfter, trace.positive))});
    return entries;
}

void OpenPractice(const QString& value) {
    auto* field = Control<QLineEdit>(Form9, "Edit1");
    field->clear();
    TypeText(field, value);
    ClickPracticeInputLink();
}

void ClickPracticeInputLink() {
    QTest::mouseClick(Control<LinkLabel>(Form9, "RzURLLabel3"), Qt::LeftButton);
}

void PressNext() {
    QTest::mouseClick(Control<QPushButton>(Form6, "LMDButton1"), Qt::LeftButton);
}

void PassSteps(const TCodingTrace& trace, int from, int to) {
    for (int step = from; step <= to; ++step) {
        Enter(Form6, CoderState(trace, step));
        PressNext();
    }
}
