#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QProgressBar;
class QWidget;

// Shows a long piece of work on a progress bar in the window that started
// it and keeps the program repainting. Between steps the event loop runs
// (about twenty times a second) without the clerk's input, which waits and
// reaches the windows once the work is done; so nothing starts twice and no
// data changes under the work. The window cannot be closed meanwhile. When
// the work ends the bar returns to its range and to 0.
class WorkProgress : public QObject
{
public:
    WorkProgress(QProgressBar *bar, QWidget *window);
    ~WorkProgress() override;
    WorkProgress(const WorkProgress &) = delete;
    WorkProgress &operator=(const WorkProgress &) = delete;

    // done of total units of work; lets the event loop run when it is time.
    void step(qint64 done, qint64 total);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QProgressBar> m_bar;
    QPointer<QWidget> m_window;
    int m_minimum;
    int m_maximum;
    QElapsedTimer m_sinceEvents;
};
