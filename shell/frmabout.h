#pragma once

#include <QWidget>

// The about window: the program's name and its credit lines.
class frmabout : public QWidget
{
    Q_OBJECT

public:
    explicit frmabout(QWidget *parent = nullptr);
};
