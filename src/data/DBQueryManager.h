#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

namespace Vexal {

// Fixed statements that touch many rows at once or need no record: showing
// and hiding bookmarks, trimming and clearing the history, making one project
// or master account the active one, and existence tests. Texts from users or
// pages are always bound, never written into the statement. Made on the
// stack for one call; errorText tells why a call returned false.
class DBQueryManager final : public QObject
{
    Q_OBJECT
public:
    // Period codes of clearHistory.
    enum Period {
        PeriodLastHour = 0,
        PeriodLastTwoHours = 1,
        PeriodLastFourHours = 2,
        PeriodToday = 3,
        PeriodEverything = 4,
        PeriodLastHours = 5
    };

    explicit DBQueryManager(QObject* parent = nullptr);

    // The text of the last failure; a later success does not clear it.
    QString errorText() const { return m_errorText; }
    // Why the last failure failed, when it is a cause a user can act on
    // (DBConnection::failureCause); "" otherwise.
    QString failureCause() const { return m_failureCause; }
    // Whether the last call failed. A lookup that returns false either found
    // no row or failed; this tells the two apart.
    bool lastFailed() const { return m_lastFailed; }

    // Prepares and executes one statement (nothing bound).
    bool exec(const QString& statement);

    bool setBookmarksVisible(const QList<qint64>& ids, bool visible);
    // Shows or hides every bookmark that satisfies the condition (on the
    // columns of "Bookmark"), in one statement whatever their number.
    bool setBookmarksVisibleWhere(const QString& condition, bool visible);
    // Deletes the history rows created before the day that lies the given
    // number of days before today; that day's rows stay.
    bool deleteHistoryBefore(int days);
    bool deleteHistoryBefore(int days, const QDate& today);
    // Deletes the history rows created at or after the period's cutoff and,
    // when url is not empty, whose URL contains it (ASCII case ignored).
    bool clearHistory(int period, int hours, const QString& url);
    bool clearHistory(int period, int hours, const QString& url, const QDateTime& now);
    // Makes the row the only active one, in one transaction. An id that
    // names no row changes nothing and fails.
    bool setActiveProject(qint64 id);
    bool setActiveMasterAccount(qint64 id);

    // Whether a history row was created before the day that lies the given
    // number of days before today.
    bool findExpiredHistory(int days, const QDate& today);
    bool findAccountId(qint64 websiteId);
    bool findWordId(const QString& name, qint64 languageId);
    bool findSynonymId(const QString& name, qint64 wordId);
    bool exists(qint64 id, const QString& table);

    // The statement texts.
    static QString bookmarksVisibleText(const QList<qint64>& ids, bool visible);
    static QString bookmarksVisibleWhereText(const QString& condition, bool visible);
    // Every such row, or as many as `most` when it is above 0.
    static QString deleteHistoryBeforeText(int days, const QDate& today, int most = 0);
    // With the placeholders :CreateDate and, when the url is not empty, :URL.
    static QString clearHistoryText(const QString& url);
    // The CreateDate cutoff of a period code as stored text; empty for an
    // unknown code.
    static QString clearHistoryCutoff(int period, int hours, const QDateTime& now);
    static QString findAccountIdText(qint64 websiteId);
    // With the placeholder :Name.
    static QString findWordIdText(qint64 languageId);
    static QString findSynonymIdText(qint64 wordId);
    static QString existsText(qint64 id, const QString& table);

private:
    // Prepares, binds and executes; on failure sets the error text.
    bool run(const QString& text, const QVariantMap& values = QVariantMap(), int* rowsAffected = nullptr);
    // True when the statement yields a row; a failure sets the error text.
    bool lookup(const QString& text, const QVariantMap& values = QVariantMap());
    bool setOnlyActive(const QString& table, qint64 id);
    void fail(const QString& text, const QString& cause = QString());

    QString m_errorText;
    QString m_failureCause;
    bool m_lastFailed = false;
};

} // namespace Vexal
