#include "widgets/numedit.h"

#include "calc/localesettings.h"
#include "calc/numbertext.h"
#include "calc/periodtext.h"
#include "calc/strictnumber.h"
#include <QLineEdit>

TNumEdit::TNumEdit(QWidget *parent) : QDoubleSpinBox(parent)
{
    setDecimals(0);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TNumEdit::setMask(bool currency, int decimals)
{
    m_currency = currency;
    const double v = value();
    setDecimals(decimals);
    setValue(v);
    // The shown text depends on the mask even when the value stays the same.
    lineEdit()->setText(textFromValue(value()));
}

QString TNumEdit::textFromValue(double value) const
{
    return m_currency ? formatMoney(value, decimals()) : formatNumber(value, decimals());
}

double TNumEdit::valueFromText(const QString &text) const
{
    double value = 0;
    if (!tryStrToFloat(digitsOnly(text), value))
        return 0;
    return value;
}

QValidator::State TNumEdit::validate(QString &text, int &) const
{
    const LocaleSettings &loc = LocaleSettings::current();
    int digitsAfterPoint = -1;
    bool anyDigit = false;
    for (QChar c : text) {
        if (c.isDigit()) {
            anyDigit = true;
            if (digitsAfterPoint >= 0)
                ++digitsAfterPoint;
        } else if (c == loc.decimalSeparator && decimals() > 0) {
            if (digitsAfterPoint >= 0)
                return QValidator::Invalid;
            digitsAfterPoint = 0;
        } else if (c == loc.thousandsSeparator || c.isSpace() || (m_currency && loc.currencySymbol.contains(c))) {
            continue;
        } else {
            return QValidator::Invalid;
        }
    }
    if (digitsAfterPoint > decimals())
        return QValidator::Invalid;
    if (!anyDigit)
        return QValidator::Intermediate;
    const double v = valueFromText(text);
    if (v > maximum())
        return QValidator::Invalid;
    if (v < minimum())
        return QValidator::Intermediate;
    return QValidator::Acceptable;
}

void TNumEdit::fixup(QString &input) const
{
    input = textFromValue(qBound(minimum(), valueFromText(input), maximum()));
}
