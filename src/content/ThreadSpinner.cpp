#include "content/ThreadSpinner.h"

#include "content/DBArticle.h"
#include "content/DBSpinnedArticle.h"
#include "content/SPNSpintax.h"
#include "core/Random.h"
#include "data/DBConnection.h"
#include "core/DBSql.h"
#include "texts/LocaleArticle.h"
#include "texts/LocaleThread.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Vexal {

ThreadSpinner::ThreadSpinner(qint64 articleId, int count, bool includeOriginal, QObject* parent)
    : Thread(parent)
    , m_articleId(articleId)
    , m_count(count)
    , m_includeOriginal(includeOriginal)
{
}

QString ThreadSpinner::title() const
{
    return LocaleThread::spin();
}

void ThreadSpinner::setCount(int count)
{
    if (!isRunning())
        m_count = count;
}

void ThreadSpinner::setIncludeOriginal(bool includeOriginal)
{
    if (!isRunning())
        m_includeOriginal = includeOriginal;
}

void ThreadSpinner::stop()
{
    m_stop.store(true);
}

void ThreadSpinner::run()
{
    m_stored = 0;
    runGuarded([this] { setSuccessful(spin()); });
    DBConnection::releaseThreadConnection();
}

bool ThreadSpinner::spin()
{
    if (m_articleId < 0 || m_count < 1) {
        setErrorText(LocaleThread::invalidObjectState(QString::fromLatin1(metaObject()->className())));
        return false;
    }

    DBArticle article;
    if (!article.load(m_articleId)) {
        setErrorText(article.errorText().isEmpty()
                         ? LocaleThread::invalidObjectState(QString::fromLatin1(article.metaObject()->className()))
                         : article.errorText());
        setFailureCause(article.failureCause());
        return false;
    }

    const SPNSpintax title(article.title(), article.titleMode());
    const SPNSpintax intro(article.intro(), article.introMode());
    const SPNSpintax body(article.body(), article.bodyMode());
    const struct {
        const SPNSpintax& spintax;
        QString part;
    } parts[] = {{title, LocaleArticle::title()}, {intro, LocaleArticle::intro()}, {body, LocaleArticle::body()}};
    for (const auto& part : parts) {
        if (!part.spintax.isValid()) {
            setErrorText(part.part + QStringLiteral(": ") + part.spintax.errorString());
            return false;
        }
    }

    QSqlDatabase db = DBConnection::current();
    QString beginError;
    QString beginCause;
    if (!DBConnection::beginWrite(db, &beginError, &beginCause)) {
        setErrorText(LocaleThread::sqlQueryFailed(DBConnection::beginWriteText(), beginError));
        setFailureCause(beginCause);
        return false;
    }

    Random random;
    bool ok = true;
    int stored = 0;
    for (int i = 0; i < m_count && !m_stop.load(); ++i) {
        DBSpinnedArticle spun;
        spun.setProjectId(article.projectId());
        spun.setArticleId(article.id());
        spun.setTitleMode(article.titleMode());
        spun.setIntroMode(article.introMode());
        spun.setBodyMode(article.bodyMode());
        if (m_includeOriginal) {
            spun.setTitle(article.title());
            spun.setIntro(article.intro());
            spun.setBody(article.body());
        }
        spun.setTitleFinal(title.spin(random));
        spun.setIntroFinal(intro.spin(random));
        spun.setBodyFinal(body.spin(random));
        const QString name = spun.titleFinal().simplified();
        spun.setName(name.isEmpty() ? article.name() : name);
        if (!spun.save()) {
            setErrorText(spun.errorText());
            setFailureCause(spun.failureCause());
            ok = false;
            break;
        }
        ++stored;
        emit progress(i + 1, m_count);
    }

    if (ok && stored > 0) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("UPDATE ") + DBSql::tableArticle() + QStringLiteral(" SET ") + DBSql::colSpun()
                      + QStringLiteral(" = 1 WHERE ") + DBSql::colID() + QStringLiteral(" = ") + DBSql::colID(true));
        query.bindValue(DBSql::colID(true), article.id());
        if (!query.exec()) {
            setErrorText(LocaleThread::sqlQueryFailed(query.lastQuery(), query.lastError().text()));
            setFailureCause(DBConnection::failureCause(db, query.lastError()));
            ok = false;
        }
    }
    if (ok && !db.commit()) {
        setErrorText(LocaleThread::sqlQueryFailed(QStringLiteral("COMMIT"), db.lastError().text()));
        setFailureCause(DBConnection::failureCause(db, db.lastError()));
        ok = false;
    }
    if (!ok) {
        db.rollback();
        return false;
    }
    m_stored = stored;
    return true;
}

} // namespace Vexal
