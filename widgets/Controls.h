// SPDX-License-Identifier: MIT
#pragma once

#include "foundation/LabStyle.h"
#include "widgets/Label.h"
#include "widgets/LinkLabel.h"
#include "widgets/PushButton.h"

#include <QLineEdit>
#include <QPushButton>

// Small factories for the controls every screen lays out by hand: each gets its name,
// place and text in one line, as the screens are described.

Label* makeLabel(QWidget* parent, const char* name, QPoint at, const QString& text,
                 const QFont& font = LabStyle::sans(13));

LinkLabel* makeLink(QWidget* parent, const char* name, QPoint at, const QString& text,
                    const QFont& font = LabStyle::sans(13));

PushButton* makeButton(QWidget* parent, const char* name, const QRect& geometry,
                       const QString& caption);

QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& geometry);

// Names a control and places it; returns it for chaining in initialisers.
template <typename W> W* place(W* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}
