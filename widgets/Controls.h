#pragma once

#include "app/LabStyle.h"
#include "widgets/Label.h"
#include "widgets/LinkLabel.h"

#include <QLineEdit>
#include <QPushButton>

// Small factories for the controls every screen lays out by hand: each gets its name,
// place and text in one line, as the screens are described.

TLabel* MakeLabel(QWidget* parent, const char* name, QPoint at, const QString& text,
                  const QFont& font = LabStyle::sans(13));

TLinkLabel* MakeLink(QWidget* parent, const char* name, QPoint at, const QString& text,
                     const QFont& font = LabStyle::sans(13));

QPushButton* MakeButton(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& caption);

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry);

// Names a control and places it; returns it for chaining in initialisers.
template <typename W> W* Place(W* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}
