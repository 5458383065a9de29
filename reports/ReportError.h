#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// A failure while a report is built: a number and an Indonesian description,
// shown to the clerk as "number description".
class ReportError : public std::exception
{
public:
    enum Number : int {
        InvalidArgument = 5, // a value wider than its field
        Overflow = 6,        // a row amount beyond 32 bits
        TypeMismatch = 13,   // a stored value of the wrong kind
        FileAccess = 75,     // the report file cannot be written
        InvalidNull = 94,    // an empty field where a value is needed
    };

    ReportError(int number, QString description);

    static ReportError invalidArgument();
    static ReportError overflow();

    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};
