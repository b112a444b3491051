#include "widgets/datehint.h"

#include "calc/datetext.h"
#include <QCoreApplication>
#include <QLineEdit>

void showDateForm(QLineEdit *field)
{
    field->setPlaceholderText(shortDatePatternText());
    field->setToolTip(dateFormLine());
}

QString dateFormLine()
{
    return QCoreApplication::translate("DateHint", "Type the date as %1.",
                                       "%1 is the date's pattern, such as MM/DD/YYYY")
        .arg(shortDatePatternText());
}
