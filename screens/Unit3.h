#pragma once

#include "app/LabScreen.h"

class QScrollArea;
class TLinkLabel;
class TPicture;
class TReadOnlyText;

// Theory reader: one scrolled column of text blocks and figures, the link at its end.
class TForm3 : public LabScreen {
    Q_OBJECT
public:
    TForm3();

    // Where the column stands when the reader first opens: its very end, with the link.
    static constexpr int kStoredScrollTop = 2721;
    static constexpr int kContentHeight = 3158;

protected:
    void FormActivate() override;

private:
    void RzURLLabel1Click();

    QScrollArea* ScrollBox1;
    TReadOnlyText* RzRichEdit1;
    TPicture* Image1;
    TReadOnlyText* RzRichEdit11;
    TPicture* Image2;
    TReadOnlyText* RzRichEdit2;
    TPicture* Image3;
    TReadOnlyText* RzRichEdit3;
    TLinkLabel* RzURLLabel1;

    bool opened_ = false;
};

extern TForm3* Form3;
