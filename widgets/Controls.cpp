#include "widgets/Controls.h"

TLabel* MakeLabel(QWidget* parent, const char* name, QPoint at, const QString& text,
                  const QFont& font) {
    auto* label = new TLabel(text, font, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    return label;
}

TLinkLabel* MakeLink(QWidget* parent, const char* name, QPoint at, const QString& text,
                     const QFont& font) {
    auto* link = new TLinkLabel(text, font, parent);
    link->setObjectName(QString::fromLatin1(name));
    link->move(at);
    return link;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setAccessibleName(caption);
    return Place(button, name, geometry);
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry) {
    return Place(new QLineEdit(parent), name, geometry);
}
