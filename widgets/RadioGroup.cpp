// SPDX-License-Identifier: MIT
#include "widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)), layout_(new QGridLayout(this)) {
    group_->setExclusive(true);
    layout_->setContentsMargins(8, 8, 8, 8);
    layout_->setHorizontalSpacing(6);
    layout_->setVerticalSpacing(10);
    layout_->setColumnStretch(1, 1);
    layout_->setAlignment(Qt::AlignTop);
    connect(group_, &QButtonGroup::buttonClicked, this, [this] { Q_EMIT groupClicked(); });
}

void RadioGroup::setItemFont(const QFont& font) {
    itemFont_ = font;
    for (QLabel* label : std::as_const(labels_))
        label->setFont(font);
}

void RadioGroup::clearItems() {
    for (QRadioButton* button : std::as_const(buttons_)) {
        group_->removeButton(button);
        delete button;
    }
    qDeleteAll(labels_);
    buttons_.clear();
    labels_.clear();
}

void RadioGroup::addItem(const QString& text) {
    const int row = int(buttons_.size());
    auto* button = new QRadioButton(this);
    button->setObjectName(QStringLiteral("option%1").arg(row + 1));
    button->setAccessibleName(text);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("optionText%1").arg(row + 1));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    if (itemFont_ != QFont())
        label->setFont(itemFont_);
    label->installEventFilter(this);
    // Options come and go while the screen stands; each takes the keyboard focus right
    // after the one above it, the first after the control before the frame (Qt orders only
    // widgets that take the focus, which the frame does not).
    QWidget* before = buttons_.isEmpty() ? previousInFocusChain() : buttons_.last();
    while (before != window() && before->focusPolicy() == Qt::NoFocus)
        before = before->previousInFocusChain();
    if (before != window())
        setTabOrder(before, button);
    group_->addButton(button, row);
    layout_->addWidget(button, row, 0, Qt::AlignTop);
    layout_->addWidget(label, row, 1);
    buttons_.append(button);
    labels_.append(label);
    button->show();
    label->show();
}

QString RadioGroup::itemText(int index) const {
    return index >= 0 && index < labels_.size() ? labels_[index]->text() : QString();
}

int RadioGroup::itemIndex() const {
    for (int i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked())
            return i;
    return -1;
}

QString RadioGroup::selectedText() const {
    return itemText(itemIndex());
}

void RadioGroup::mouseReleaseEvent(QMouseEvent* event) {
    QGroupBox::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT groupClicked();
}

bool RadioGroup::eventFilter(QObject* watched, QEvent* event) {
    // Clicking an option's text selects it, as clicking its button does.
    if (event->type() == QEvent::MouseButtonRelease) {
        const int index = labels_.indexOf(static_cast<QLabel*>(watched));
        if (index >= 0 && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            buttons_[index]->setChecked(true);
            Q_EMIT groupClicked();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}
