// SPDX-License-Identifier: MIT
#pragma once

#include "foundation/LabScreen.h"

class QScrollArea;
class LinkLabel;
class Picture;
class ReadOnlyText;

// Theory reader: one scrolled column of text blocks and figures, the link at its end.
class TForm3 : public LabScreen {
    Q_OBJECT
public:
    TForm3();

    // Where the column stands when the reader first opens: its very end, with the link.
    static constexpr int kStoredScrollTop = 2721;

protected:
    void FormActivate() override;
    void prepare() override;

private:
    void RzURLLabel1Click();
    // The four texts, once, laid out at the width of their blocks.
    void loadTexts();
    // The column at its stored place, the end, the first time only.
    void openAtTheEnd();

    QScrollArea* ScrollBox1;
    ReadOnlyText* RzRichEdit1;
    Picture* Image1;
    ReadOnlyText* RzRichEdit11;
    Picture* Image2;
    ReadOnlyText* RzRichEdit2;
    Picture* Image3;
    ReadOnlyText* RzRichEdit3;
    LinkLabel* RzURLLabel1;

    bool textsLoaded_ = false;
    bool opened_ = false;
};

extern TForm3* Form3;
