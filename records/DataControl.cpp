#include "records/DataControl.h"

#include "data/DataError.h"
#include "data/DataFolder.h"
#include "platform/Messages.h"
#include "platform/Platform.h"

#include <QLineEdit>
#include <QScopedValueRollback>

DataControl::DataControl(const QString &name, const TableDef &table, QObject *parent)
    : QObject(parent), m_records(table)
{
    setObjectName(name);
    connect(&m_records, &RecordSet::currentChanged, this, &DataControl::showCurrent);
}

void DataControl::bind(QLineEdit *box, const QString &field)
{
    const int column = m_records.columnOf(field);
    m_bindings.append({box, column});
    connect(box, &QLineEdit::textChanged, this,
            [this, box, column](const QString &text) { boxChanged(box, column, text); });
}

QString DataControl::fieldOf(const QLineEdit *box) const
{
    for (const Binding &b : m_bindings)
        if (b.box == box)
            return m_records.table().fields.at(b.column).name;
    return QString();
}

void DataControl::refresh()
{
    if (m_records.isOpen())
        m_records.requery();
    else
        m_records.open(DataFolder::databasePath());
}

void DataControl::raiseError(const DataError &error)
{
    if (m_errorHandler)
        m_errorHandler(error);
    else
        Platform::messages().show(error.description());
}

void DataControl::showCurrent()
{
    const QScopedValueRollback<bool> showing(m_showingRow, true);
    const bool current = m_records.hasCurrent();
    for (const Binding &b : std::as_const(m_bindings)) {
        const QString text = current ? m_records.text(b.column) : QString();
        m_showing = b.box;
        b.box->setText(text);
        m_showing = nullptr;
    }
}

void DataControl::boxChanged(QLineEdit *box, int column, const QString &text)
{
    if (box == m_showing) {
        // This change shows the row; a window rule that changes the box again
        // while it is shown is written like any other change.
        m_showing = nullptr;
        return;
    }
    if (!m_records.isOpen() || !m_records.hasCurrent())
        return; // no row to write into: the text stays in the box only
    try {
        m_records.setText(column, text);
    } catch (const DataError &e) {
        raiseError(e);
    }
}
