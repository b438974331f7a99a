#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>

// Tells the benchmark on standard output when a window has been painted for the
// first time: the moment its user sees it.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget* window)
        : m_window(window)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_done && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == m_window) {
            m_done = true;
            QCoreApplication::instance()->removeEventFilter(this);
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            QMetaObject::invokeMethod(this, [this] { finished(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

    virtual void finished() { QCoreApplication::quit(); }

private:
    QWidget* m_window;
    bool m_done = false;
};
