#pragma once

#include <QString>
#include <QStringView>

// Strict conversions. Integer: optional blanks, optional sign, decimal digits or "$"/"0x"
// followed by hex digits, within 32 bits. Real: optional blanks, sign, digits with the
// locale's decimal separator, optional exponent, optional trailing blanks.
int strToInt(const QString &text);      // throws "'%s' is not a valid integer value"
double strToFloat(const QString &text); // throws "'%s' is not a valid floating point value"
bool tryStrToInt(const QString &text, int &value);
bool tryStrToFloat(const QString &text, double &value);
// The integer rule without the "0x" prefix when allow0x is false (the settings file replaces a
// leading "0x" by "$" itself, and only there).
bool parseIntegerText(QStringView text, bool allow0x, int &value);
