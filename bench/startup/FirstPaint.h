#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>

#include "../CallgrindMarks.h"

#define TESVAR_FIRST_PAINT_DUMP() CALLGRIND_DUMP_STATS_AT("first paint")

// Tells the benchmark on standard output when the program's main window has
// been painted for the first time (the moment its user sees it), with the
// time the shown window stood blank before that and the processor time of
// the process until then, all threads: "painted <ms> <cpu ms>". Install it
// before the window is built, since a window may be shown while it is built.
// Under callgrind the instructions until then go into a dump of their own.
class FirstPaint : public QObject
{
public:
    FirstPaint()
    {
        m_clock.start();
        QCoreApplication::instance()->installEventFilter(this);
    }

    // Runs once the paint has been reported, from the event loop.
    std::function<void()> onPainted = [] { QCoreApplication::quit(); };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_done || !watched->isWidgetType())
            return QObject::eventFilter(watched, event);
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !m_window && widget->isWindow() && qobject_cast<QMainWindow*>(widget)) {
            m_window = widget;
            m_shownAt = m_clock.nsecsElapsed();
        } else if (event->type() == QEvent::Paint && m_window && widget->window() == m_window) {
            m_done = true;
            TESVAR_FIRST_PAINT_DUMP();
            QCoreApplication::instance()->removeEventFilter(this);
            timespec cpu{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
            std::printf("painted %.3f %.3f\n", (m_clock.nsecsElapsed() - m_shownAt) / 1e6,
                        cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6);
            std::fflush(stdout);
            QMetaObject::invokeMethod(this, [this] { onPainted(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer m_clock;
    qint64 m_shownAt = 0;
    QWidget* m_window = nullptr;
    bool m_done = false;
};
