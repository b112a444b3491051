#pragma once

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

// A strict text-to-value conversion failed. Carries the exact message the user sees;
// it is never caught inside a computation, only by the handler that started the event.
class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const noexcept { return m_message; }
    // The activity-row cell whose text failed, numbered as the tables number their columns
    // (1 the amount or time, 3 the start date, 4 the end date); -1 when no row cell was read.
    int column() const noexcept { return m_column; }
    void setColumn(int column) noexcept { m_column = column; }

    static ConversionError invalidDate(const QString &text)
    {
        return ConversionError(QCoreApplication::translate("ConversionError", "'%1' is not a valid date").arg(text));
    }
    static ConversionError invalidInteger(const QString &text)
    {
        return ConversionError(
            QCoreApplication::translate("ConversionError", "'%1' is not a valid integer value").arg(text));
    }
    static ConversionError invalidFloat(const QString &text)
    {
        return ConversionError(
            QCoreApplication::translate("ConversionError", "'%1' is not a valid floating point value").arg(text));
    }

private:
    QString m_message;
    int m_column = -1;
};
