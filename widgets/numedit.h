#pragma once

#include <QDoubleSpinBox>

// A numeric entry field shown through a picture mask: optional currency symbol, thousands
// separators and a fixed number of decimals, all from the user's locale. Typed text that is not a
// number, or a value beyond the range, is refused; a value set from outside the range is clamped.
class TNumEdit : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit TNumEdit(QWidget *parent = nullptr);

    // "$###,###.##" is setMask(true, 2); "###,###" is setMask(false, 0).
    void setMask(bool currency, int decimals);

    QString textFromValue(double value) const override;
    double valueFromText(const QString &text) const override;
    QValidator::State validate(QString &text, int &pos) const override;
    void fixup(QString &input) const override;

private:
    bool m_currency = false;
};
