#pragma once

#include "records/RecordWindow.h"

class ListPicker;

// The guest register: one record per guest in the table Tamu, with the room
// picker setting room and price and the check-in date set on typing.
class frmtamu : public RecordWindow
{
    Q_OBJECT

public:
    explicit frmtamu(QWidget *parent = nullptr);

    SearchSetup searchSetup() override;

protected:
    void beforeWrite() override;
    void keyPressed(int index) override;
    QWidget *focusTarget(int index) const override;

private:
    void roomChosen();

    ListPicker *m_rooms;
};
