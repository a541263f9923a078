// SPDX-License-Identifier: MIT
#include "widgets/Controls.h"

Label* makeLabel(QWidget* parent, const char* name, QPoint at, const QString& text,
                 const QFont& font) {
    auto* label = new Label(text, font, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    return label;
}

LinkLabel* makeLink(QWidget* parent, const char* name, QPoint at, const QString& text,
                    const QFont& font) {
    auto* link = new LinkLabel(text, font, parent);
    link->setObjectName(QString::fromLatin1(name));
    link->move(at);
    return link;
}

PushButton* makeButton(QWidget* parent, const char* name, const QRect& geometry,
                       const QString& caption) {
    return place(new PushButton(caption, parent), name, geometry);
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& geometry) {
    return place(new QLineEdit(parent), name, geometry);
}
