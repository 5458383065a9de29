#include "records/DataNavigator.h"

#include "data/DataError.h"
#include "records/DataControl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

DataNavigator::DataNavigator(DataControl *control, const QString &caption, QWidget *parent)
    : QWidget(parent), m_control(control)
{
    setObjectName(control->objectName());
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const struct { const char *name; const char *text; void (DataNavigator::*step)(); } steps[] = {
        {"cmdFirst", "|<", &DataNavigator::moveFirst},
        {"cmdPrevious", "<", &DataNavigator::movePrevious},
        {"cmdNext", ">", &DataNavigator::moveNext},
        {"cmdLast", ">|", &DataNavigator::moveLast},
    };
    auto *label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("lblCaption"));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->sizeHint().width() + 12);
    for (int i = 0; i < 4; ++i) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(steps[i].name));
        b->setText(QString::fromLatin1(steps[i].text));
        connect(b, &QToolButton::clicked, this, steps[i].step);
        m_buttons << b;
        if (i == 2)
            layout->addWidget(label, 1);
        layout->addWidget(b);
    }
}

void DataNavigator::move(int row)
{
    RecordSet &rs = m_control->records();
    if (!rs.isOpen() || rs.count() == 0)
        return;
    try {
        rs.moveTo(qBound(0, row, rs.count() - 1));
    } catch (const DataError &e) {
        m_control->raiseError(e);
    }
}

void DataNavigator::moveFirst()
{
    move(0);
}

void DataNavigator::movePrevious()
{
    move(m_control->records().position() - 1);
}

void DataNavigator::moveNext()
{
    move(m_control->records().position() + 1);
}

void DataNavigator::moveLast()
{
    move(m_control->records().count() - 1);
}
