#pragma once

#include <QString>
#include <exception>

class QSqlError;

// A failure of the data layer: a number and an Indonesian description. Only a
// key violation carries KeyViolation, so no window takes another failure for
// a repeated key.
class DataError : public std::exception
{
public:
    enum Number : int {
        KeyViolation = -2147467259,     // the store refused a repeated key
        TypeMismatch = -2147217913,     // a text that the field cannot hold
        QueryFailed = -2147217900,      // a statement the store could not run
        NoCurrentRecord = 3021,         // no current row (empty, or before/after the rows)
        StoreFailure = 3000,            // any other failure of the store
        WriteFailed = 3043,             // disk full, input/output error
        CannotOpen = 3051,              // missing folder, no permission, read-only
        Locked = 3218,                  // another program holds the database
        NotOurDatabase = 3343,          // not a database of this program, or damaged
    };

    DataError(int number, QString description);

    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    const char *what() const noexcept override;

    // Translates a failure of the SQLite driver.
    static DataError fromSql(const QSqlError &error, const QString &context);
    // Translates a failure the store reported by its (extended) result code.
    static DataError fromCode(int code, const QString &context);
    // An Indonesian description of a failure the system reported (errno).
    static QString systemErrorText(int error);

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};
