#pragma once

#include <QString>
#include <stdexcept>

// A strict text-to-value conversion failed. Carries the exact message the user sees;
// it is never caught inside a computation, only by the handler that started the event.
class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const noexcept { return m_message; }

    static ConversionError invalidDate(const QString &text)
    {
        return ConversionError(QStringLiteral("'%1' is not a valid date").arg(text));
    }
    static ConversionError invalidInteger(const QString &text)
    {
        return ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
    static ConversionError invalidFloat(const QString &text)
    {
        return ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }

private:
    QString m_message;
};
