#pragma once

#include "platform/WindowRegistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Drives a record window as a clerk does: buttons clicked, boxes typed into,
// pickers stepped with the arrow keys.
namespace WindowDriver {

template<typename W>
W *open(const QString &name)
{
    auto *w = qobject_cast<W *>(WindowRegistry::instance().show(name));
    if (w && !QTest::qWaitForWindowActive(w))
        return nullptr;
    return w;
}

inline QPushButton *button(QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QLatin1String(name));
}

// Clicks a button; false when it is missing or disabled.
inline bool click(QWidget *w, const char *name)
{
    QPushButton *b = button(w, name);
    if (!b || !b->isEnabled())
        return false;
    QTest::mouseClick(b, Qt::LeftButton);
    return true;
}

inline void type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
}

inline void choose(QComboBox *c, int entry)
{
    c->setFocus();
    if (c->currentIndex() < 0)
        QTest::keyClick(c, Qt::Key_Down);
    while (c->currentIndex() < entry)
        QTest::keyClick(c, Qt::Key_Down);
    while (c->currentIndex() > entry)
        QTest::keyClick(c, Qt::Key_Up);
}

// The focused control; a picker's edit part counts as the picker.
inline QString focusName(QWidget *w)
{
    QWidget *f = w->focusWidget();
    if (f && qobject_cast<QComboBox *>(f->parentWidget()))
        f = f->parentWidget();
    return f ? f->objectName() : QString();
}

} // namespace WindowDriver
