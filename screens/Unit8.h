// SPDX-License-Identifier: MIT
#pragma once

#include "screens/KnowledgeTestScreen.h"

class Label;

// Final test: ten questions on the coder with word, digits and choice answers, starting at
// once, then a report with the scores and the names of the students who did the work.
class TForm8 : public KnowledgeTestScreen {
    Q_OBJECT
public:
    TForm8();

protected:
    void FormShow() override;
    void putUpQuestion(int n) override;
    void showResults() override;

private:
    // Edit1 at the width a question needs and shown.
    void showEdit1(int width);

    Label* Label7;
    Label* Label1;
    Label* Label2;
    Label* Label3;
};

extern TForm8* Form8;
