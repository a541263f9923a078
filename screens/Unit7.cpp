// SPDX-License-Identifier: MIT
#include "screens/Unit7.h"

#include "widgets/Controls.h"
#include "widgets/OneLineValidator.h"

TForm7* Form7 = nullptr;

TForm7::TForm7() : LabScreen(QStringLiteral("Регистрация"), QSize(414, 170)) {
    Label1 = makeLabel(this, "Label1", {32, 16},
                       QStringLiteral("Пожалуйста, введите вашу фамилию, имя, отчество"));
    Label2 = makeLabel(this, "Label2", {32, 60}, QStringLiteral("Студент 1:"));
    Edit1 = makeEdit(this, "Edit1", {112, 56, 257, 21});
    Label3 = makeLabel(this, "Label3", {32, 92}, QStringLiteral("Студент 2:"));
    Edit2 = makeEdit(this, "Edit2", {112, 88, 257, 21});
    Button1 = makeButton(this, "Button1", {168, 128, 75, 25}, QStringLiteral("OK"));
    Edit1->setAccessibleName(Label2->text());
    Edit2->setAccessibleName(Label3->text());
    for (QLineEdit* name : {Edit1, Edit2}) {
        name->setAccessibleDescription(Label1->text());
        // A name pasted with a line break would run over the report's next line.
        name->setValidator(new OneLineValidator(name));
    }
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Button1);

    connect(Edit1, &QLineEdit::textChanged, this, &TForm7::Edit1Change);
    connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
    Edit1Change();
}

QString TForm7::firstStudent() const {
    return Edit1->text();
}

QString TForm7::secondStudent() const {
    return Edit2->text();
}

void TForm7::FormShow() {
    Edit1->setFocus();
}

void TForm7::Edit1Change() {
    // Greying the second field keeps its text for when the first name comes back.
    const bool named = !Edit1->text().isEmpty();
    Button1->setEnabled(named);
    Label3->setEnabled(named);
    Edit2->setEnabled(named);
}

void TForm7::Button1Click() {
    Q_EMIT goOnRequested();
}
