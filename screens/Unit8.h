// SPDX-License-Identifier: MIT
#pragma once

#include "screens/KnowledgeTestScreen.h"

#include <functional>

class Label;
class LinkLabel;

// Final test: ten questions on the coder with word, digits and choice answers, starting at
// once, then a report with the scores and the names of the students who did the work.
class TForm8 : public KnowledgeTestScreen {
    Q_OBJECT
public:
    TForm8();

    // The names of the students who did the work, as they stand when the report is shown.
    struct Students {
        QString first, second;
    };
    void setStudentsSource(std::function<Students()> source) {
        studentsSource_ = std::move(source);
    }

    // Where the result stands with the class journal, above the report; hidden again when the
    // test is repeated.
    void showClassJournalStatus(const QString& status);

Q_SIGNALS:
    // "Сохранить отчёт…" or Ctrl+S, "Печать…" or Ctrl+P, on the report.
    void saveReportRequested();
    void printReportRequested();

protected:
    void FormShow() override;
    void phaseShown(Phase phase) override;

private:
    Label* Label7;
    Label* Label1;
    Label* Label2;
    Label* Label3;
    LinkLabel* saveReportLink_;
    LinkLabel* printReportLink_;
    Label* classJournalStatus_;
    std::function<Students()> studentsSource_;
};

extern TForm8* Form8;
