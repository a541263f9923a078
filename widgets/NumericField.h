// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <optional>

// Numeric field with a real value. It reads and shows numbers the Russian way (decimal
// comma, digit groups split by a blank) whatever the system locale is; a '.' typed is
// taken as the decimal comma. It takes no text that it cannot read exactly: at most
// kMaxWholeDigits whole digits and `decimals` fraction digits. While it holds no number yet
// (nothing, a lone sign or a lone comma) its value is nothing, never some number.
class NumericField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericField(QWidget* parent);

    void setDecimals(int decimals);
    int decimals() const { return decimals_; }
    // The classic display format: ',' asks for digit grouping, each '#' after '.' allows
    // one more decimal shown (",0.#", ",0.###").
    void setDisplayFormat(const QString& format);

    // Whole digits are capped so that every text taken is an exact double.
    static constexpr int kMaxWholeDigits = 12;

    std::optional<double> value() const;
    void setValue(double value);

    void setBackground(const QColor& color);
    QColor background() const;

    // The number a typed text stands for; nothing when it is not one.
    static std::optional<double> parse(const QString& text, int decimals);
    // The text without digit-group blanks, '.' turned into the decimal comma.
    static QString plainNumber(const QString& text);
    QString format(double value) const;

Q_SIGNALS:
    void clicked();
    void valueChanged();
    void keyDown(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void updateValidator();

    int decimals_ = 0;
    bool grouping_ = false;
    int shownDecimals_ = 0;
};
