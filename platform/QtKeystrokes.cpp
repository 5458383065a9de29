#include "platform/QtKeystrokes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
// The widget that takes the focus given to w: w itself, or where its focus
// proxies lead (an editable picker's edit part leads to the picker).
QWidget *focusTaker(QWidget *w)
{
    while (w->focusProxy())
        w = w->focusProxy();
    return w;
}
} // namespace

QWidget *QtKeystrokes::nextInTabChain(QWidget *window)
{
    QWidget *start = window->focusWidget() ? focusTaker(window->focusWidget()) : window;
    for (QWidget *w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if (w->window() != window || focusTaker(w) == start)
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled()
            && w->isVisibleTo(window))
            return focusTaker(w);
    }
    return nullptr;
}

void QtKeystrokes::send(QWidget *window, const QString &keys)
{
    if (!window)
        return;
    if (keys == QLatin1String("{Tab}")) {
        if (QWidget *next = nextInTabChain(window))
            next->setFocus(Qt::TabFocusReason);
        return;
    }
    if (keys == QLatin1String("{Home}+{End}")) {
        QWidget *target = window->focusWidget();
        if (!target)
            return;
        QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &home);
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ShiftModifier);
        QCoreApplication::sendEvent(target, &end);
    }
}
