#pragma once

#include <QMainWindow>

class QLabel;

// The main window: the lodging house's name and street address, and the menu
// bar that leads to every other window.
class frmmenu : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmmenu(QWidget *parent = nullptr);

private:
    void addShowItem(class QMenu *menu, const QString &name, const QString &caption, const QString &window);
};
