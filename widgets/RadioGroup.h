// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;
class QLabel;

// Captioned radio group whose options the program fills and clears. After filling, no
// option is selected. Long option texts wrap within the frame.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, QWidget* parent);

    void setItemFont(const QFont& font);
    void clearItems();
    void addItem(const QString& text);
    int count() const { return int(buttons_.size()); }
    QString itemText(int index) const;

    // -1 when no option is selected.
    int itemIndex() const;
    QString selectedText() const;

Q_SIGNALS:
    // A click anywhere in the group, on an option or beside it.
    void groupClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QButtonGroup* group_;
    QGridLayout* layout_;
    QFont itemFont_;
    QList<QRadioButton*> buttons_;
    QList<QLabel*> labels_;
};
