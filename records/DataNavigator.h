#pragma once

#include <QWidget>

class DataControl;

// A data control shown with its caption and its first, previous, next and
// last buttons; stepping stops on the first and on the last row.
class DataNavigator : public QWidget
{
    Q_OBJECT

public:
    DataNavigator(DataControl *control, const QString &caption, QWidget *parent = nullptr);

    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();

    QList<QWidget *> buttons() const { return m_buttons; }

private:
    void move(int row);

    DataControl *m_control;
    QList<QWidget *> m_buttons;
};
