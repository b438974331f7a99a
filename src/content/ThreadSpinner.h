#pragma once

#include "core/Thread.h"

#include <atomic>

namespace Vexal {

// Makes spun articles from one article: each one gets, as its final title,
// intro and body, a variant of the article's parts spun in each part's
// dialect. With includeOriginal the article's spintax and dialects are kept
// in the spun article's own parts, so it can be spun again later; without
// it they stay empty. Spun articles are named after their final title.
//
// A run is one transaction: an article with an unbalanced brace in any part
// stores nothing, and a failing write rolls the whole run back. stop() ends
// the run after the spun article being made; the ones already made are kept.
class ThreadSpinner final : public Thread
{
    Q_OBJECT
public:
    ThreadSpinner(qint64 articleId, int count, bool includeOriginal, QObject* parent = nullptr);

    QString title() const override;

    // Both take effect only before the job starts.
    void setCount(int count);
    void setIncludeOriginal(bool includeOriginal);

    qint64 articleId() const { return m_articleId; }
    int count() const { return m_count; }
    bool includeOriginal() const { return m_includeOriginal; }

    // Spun articles stored by the last run (valid once it has ended).
    int storedCount() const { return m_stored; }
    bool isStopRequested() const { return m_stop.load(); }

    // As stop(): the spun articles already made are kept.
    void cancel() override { stop(); }

public slots:
    // Safe from any thread.
    void stop();

signals:
    // After each spun article made; emitted on the job's thread.
    void progress(int done, int total);

protected:
    void run() override;

private:
    bool spin();

    const qint64 m_articleId;
    int m_count;
    bool m_includeOriginal;
    int m_stored = 0;
    std::atomic<bool> m_stop{false};
};

} // namespace Vexal
