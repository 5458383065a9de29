#include "platform/WorkProgress.h"

#include <QCoreApplication>
#include <QEvent>
#include <QProgressBar>
#include <QWidget>

namespace {
constexpr int kSteps = 1000;
constexpr int kEventsEveryMs = 50;
} // namespace

WorkProgress::WorkProgress(QProgressBar *bar, QWidget *window)
    : m_bar(bar), m_window(window), m_minimum(bar->minimum()), m_maximum(bar->maximum())
{
    m_bar->setRange(0, kSteps);
    m_bar->setValue(0);
    m_bar->show();
    if (m_window)
        m_window->installEventFilter(this);
    m_sinceEvents.start();
}

WorkProgress::~WorkProgress()
{
    if (m_window)
        m_window->removeEventFilter(this);
    if (m_bar) {
        m_bar->setRange(m_minimum, m_maximum);
        m_bar->setValue(0);
    }
}

void WorkProgress::step(qint64 done, qint64 total)
{
    if (m_bar && total > 0)
        m_bar->setValue(int(qBound(qint64(0), done * kSteps / total, qint64(kSteps))));
    if (m_sinceEvents.elapsed() >= kEventsEveryMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_sinceEvents.restart();
    }
}

bool WorkProgress::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
