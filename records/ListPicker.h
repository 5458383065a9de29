#pragma once

#include <QComboBox>

// A drop-down list with an editable text part, as the record windows' room
// and kind pickers are. Only an entry chosen from the list counts: a click
// or Enter in the open list, or the arrow keys on the closed picker. Text
// typed into the edit part changes nothing, whether it matches an entry or
// not and however it is left (Enter, Tab, a click elsewhere); the mouse
// wheel does not step through the entries.
class ListPicker : public QComboBox
{
    Q_OBJECT

public:
    explicit ListPicker(QWidget *parent = nullptr);

    void showPopup() override;

signals:
    // An entry was chosen from the list.
    void chosen(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Set just before the list hands over a choice; whatever else makes the
    // combo box report an activation finds it cleared.
    bool m_fromList = false;
};
