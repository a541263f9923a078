#include "screens/Unit8.h"

#include "widgets/Controls.h"

TForm8* Form8 = nullptr;

TForm8::TForm8() : LabScreen(QStringLiteral("Итоговый тест"), QSize(578, 359), Border::Fixed) {}
