#include "widgets/datehint.h"

#include "calc/datetext.h"
#include <QLineEdit>

void showDateForm(QLineEdit *field)
{
    field->setPlaceholderText(shortDatePatternText());
    field->setToolTip(dateFormLine());
}

QString dateFormLine()
{
    return QStringLiteral("Type the date as ") + shortDatePatternText() + QLatin1Char('.');
}
