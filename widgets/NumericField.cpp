#include "widgets/NumericField.h"

#include "foundation/LabStyle.h"

#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <cmath>

namespace {

const QLocale& russian() {
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}

// Digits of a whole part are capped so that every accepted text is an exact double.
constexpr int kMaxWholeDigits = 12;

} // namespace

NumericField::NumericField(QWidget* parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setBackground(LabStyle::kBtnFace);
    updateValidator();
    setText(QStringLiteral("0"));
    connect(this, &QLineEdit::textChanged, this, &NumericField::valueChanged);
}

void NumericField::setDecimals(int decimals) {
    decimals_ = std::max(0, decimals);
    updateValidator();
}

void NumericField::setDisplayFormat(const QString& format) {
    grouping_ = format.contains(QLatin1Char(','));
    const int point = format.indexOf(QLatin1Char('.'));
    shownDecimals_ = point < 0 ? 0 : int(format.size() - point - 1);
}

void NumericField::updateValidator() {
    // Sign, digits with optional group blanks, and a decimal comma with up to `decimals_`
    // digits after it. Anything else never reaches the text.
    const QString fraction =
        decimals_ > 0 ? QStringLiteral("(,[0-9]{0,%1})?").arg(decimals_) : QString();
    const QString pattern =
        QStringLiteral("-?[0-9\\x{00A0} ]{0,%1}%2").arg(kMaxWholeDigits + 4).arg(fraction);
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
}

std::optional<double> NumericField::parse(const QString& text, int decimals) {
    QString plain = text;
    plain.remove(QChar(0x00A0));
    plain.remove(QLatin1Char(' '));
    plain.replace(QLatin1Char('.'), QLatin1Char(','));
    if (plain.isEmpty())
        return 0.0;
    // Anchored as a whole: '$' would also match before a final line feed.
    static const QRegularExpression grammar(
        QRegularExpression::anchoredPattern(QStringLiteral("-?([0-9]*)(,([0-9]*))?")));
    const QRegularExpressionMatch match = grammar.match(plain);
    if (!match.hasMatch())
        return std::nullopt;
    const QString whole = match.captured(1);
    const QString fraction = match.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return plain == QLatin1String("-") ? std::optional<double>(0.0) : std::nullopt;
    if (whole.size() > kMaxWholeDigits || fraction.size() > std::max(decimals, 0))
        return std::nullopt;
    bool ok = false;
    const double value = russian().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double NumericField::value() const {
    return parse(text(), decimals_).value_or(0.0);
}

QString NumericField::format(double value) const {
    const int shown = std::min(shownDecimals_, decimals_);
    QString text = russian().toString(value, 'f', shown);
    if (!grouping_)
        text.remove(russian().groupSeparator());
    const QString comma = russian().decimalPoint();
    if (shown > 0 && text.contains(comma)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(comma))
            text.chop(comma.size());
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

void NumericField::setValue(double value) {
    setText(format(value));
}

void NumericField::setBackground(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color);
    setPalette(pal);
}

QColor NumericField::background() const {
    return palette().color(QPalette::Base);
}

void NumericField::keyPressEvent(QKeyEvent* event) {
    Q_EMIT keyDown(event->key());
    if (decimals_ > 0 && event->text() == QLatin1String(".")) {
        insert(QStringLiteral(","));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumericField::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    Q_EMIT clicked();
}

void NumericField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Like the classic calculator field: the text settles into the display format on exit.
    if (const auto parsed = parse(text(), decimals_))
        setValue(*parsed);
}
