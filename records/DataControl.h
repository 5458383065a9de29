#pragma once

#include "data/RecordSet.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class DataError;
class QLineEdit;

// A bound data source: one record set over a table, and the boxes that show
// and edit fields of its current row. A box's text is the field's text of the
// current row; text put into a box, typed or set by the window, becomes the
// field's new value. Failures while reading or writing through the bound boxes
// go to the error event.
class DataControl : public QObject
{
    Q_OBJECT

public:
    using ErrorHandler = std::function<void(const DataError &)>;

    DataControl(const QString &name, const TableDef &table, QObject *parent = nullptr);

    RecordSet &records() { return m_records; }
    const RecordSet &records() const { return m_records; }

    // Boxes bound in this order are shown in this order; bind a box before
    // the window connects its own rules to the box's text changes.
    void bind(QLineEdit *box, const QString &field);
    // The field a box shows; empty for a box not bound here.
    QString fieldOf(const QLineEdit *box) const;

    // Whether the boxes are being set to show the current row (another row,
    // or the row read again after a save or a refresh). Window rules leave
    // the record alone then: showing a row never changes it.
    bool isShowingRow() const { return m_showingRow; }

    // Reads the table again; opens the database file the first time.
    void refresh();

    // The error event. Without a handler of the window's, the control shows
    // the description itself.
    void setErrorHandler(ErrorHandler handler) { m_errorHandler = std::move(handler); }
    void raiseError(const DataError &error);

private:
    struct Binding
    {
        QLineEdit *box;
        int column;
    };

    void showCurrent();
    void boxChanged(QLineEdit *box, int column, const QString &text);

    RecordSet m_records;
    QList<Binding> m_bindings;
    ErrorHandler m_errorHandler;
    // The box whose text is being set to show the current row; its first text
    // change is that showing and is not written back.
    QLineEdit *m_showing = nullptr;
    bool m_showingRow = false;
};
