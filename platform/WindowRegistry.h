#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

// Every window exists at most once. The registry creates a window the first
// time it is asked for and keeps it; a window that unloads itself (deletes
// itself on close) is created afresh on the next use.
class WindowRegistry
{
public:
    using Factory = std::function<QWidget *()>;

    static WindowRegistry &instance();

    void registerWindow(const QString &name, Factory factory);

    // The window, created hidden when it does not exist; null for a name
    // that no window is registered under.
    QWidget *window(const QString &name);
    // The window if it exists, else null.
    QWidget *existing(const QString &name) const;
    // Show modeless, raise and activate.
    QWidget *show(const QString &name);
    // Hide the window, keeping everything it holds. Hidden windows do not
    // keep the program running: when no window is left on the screen, the
    // program ends.
    void hide(QWidget *window);
    // Destroy the window now (if it exists); the next use creates it afresh.
    void unload(const QString &name);
    // Destroy every window (end of the program, end of a test).
    void unloadAll();

    // Ends the whole program at once. Tests replace the action.
    void endProgram();
    void setEndProgramAction(std::function<void()> action);

    template<typename T>
    T *window(const QString &name) { return qobject_cast<T *>(window(name)); }

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_windows;
    std::function<void()> m_endProgram;
};
