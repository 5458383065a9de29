#include "records/ListPicker.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

ListPicker::ListPicker(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // No completion: a typed text stays as typed and is never taken for an
    // entry.
    setCompleter(nullptr);
    view()->installEventFilter(this);
    view()->viewport()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!m_fromList)
            return;
        m_fromList = false;
        emit chosen(index);
    });
}

void ListPicker::showPopup()
{
    m_fromList = false;
    QComboBox::showPopup();
}

bool ListPicker::eventFilter(QObject *watched, QEvent *event)
{
    // The open list takes an entry on a mouse release or on Enter (already
    // when Enter is offered as a shortcut); this filter sees the event before
    // the list does.
    if (watched == view() || watched == view()->viewport()) {
        if (event->type() == QEvent::MouseButtonRelease)
            m_fromList = true;
        else if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select)
                m_fromList = true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void ListPicker::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // Stepping through the list on the closed picker chooses the entry
        // (Alt+Down only opens the list).
        m_fromList = !(event->modifiers() & Qt::AltModifier);
        QComboBox::keyPressEvent(event);
        m_fromList = false;
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter on the typed text is no choice: the combo box would take a
        // matching text for its entry.
        event->ignore();
        return;
    default:
        m_fromList = false;
        QComboBox::keyPressEvent(event);
    }
}

void ListPicker::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

void ListPicker::focusOutEvent(QFocusEvent *event)
{
    // Leaving the edit part would take a typed text matching an entry.
    m_fromList = false;
    QComboBox::focusOutEvent(event);
}
