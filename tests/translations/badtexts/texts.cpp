// Texts for the check's own test: one translated, one new.
#include <QCoreApplication>

QString kept()
{
    return QCoreApplication::translate("Check", "Kept");
}

QString added()
{
    return QCoreApplication::translate("Check", "Added since");
}
