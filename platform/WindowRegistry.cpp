#include "platform/WindowRegistry.h"

#include <QApplication>
#include <algorithm>

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::registerWindow(const QString &name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

QWidget *WindowRegistry::window(const QString &name)
{
    if (QWidget *w = existing(name))
        return w;
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.constEnd())
        return nullptr;
    QWidget *w = (*factory)();
    w->setObjectName(name);
    m_windows.insert(name, w);
    return w;
}

QWidget *WindowRegistry::existing(const QString &name) const
{
    return m_windows.value(name).data();
}

QWidget *WindowRegistry::show(const QString &name)
{
    QWidget *w = window(name);
    if (!w)
        return nullptr;
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void WindowRegistry::hide(QWidget *window)
{
    window->hide();
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool anyShown = std::any_of(windows.cbegin(), windows.cend(), [](const QWidget *w) {
        return w->isVisible() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog);
    });
    if (!anyShown)
        endProgram();
}

void WindowRegistry::unload(const QString &name)
{
    delete m_windows.take(name).data();
}

void WindowRegistry::unloadAll()
{
    const QStringList names = m_windows.keys();
    for (const QString &name : names)
        unload(name);
}

void WindowRegistry::endProgram()
{
    if (m_endProgram) {
        m_endProgram();
        return;
    }
    QApplication::exit(0);
}

void WindowRegistry::setEndProgramAction(std::function<void()> action)
{
    m_endProgram = std::move(action);
}
