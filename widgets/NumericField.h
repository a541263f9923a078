#pragma once

#include <QLineEdit>
#include <optional>

// Numeric field with a real value. It reads and shows numbers the Russian way (decimal
// comma, digit groups split by a blank) whatever the system locale is; a '.' typed is
// taken as the decimal comma.
class NumericField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericField(QWidget* parent);

    void setDecimals(int decimals);
    int decimals() const { return decimals_; }
    // The classic display format: ',' asks for digit grouping, each '#' after '.' allows
    // one more decimal shown (",0.#", ",0.###").
    void setDisplayFormat(const QString& format);

    double value() const;
    void setValue(double value);

    void setBackground(const QColor& color);
    QColor background() const;

    // The number a typed text stands for; nullopt when it is not one. Empty text is 0.
    static std::optional<double> parse(const QString& text, int decimals);
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
