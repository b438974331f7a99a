#pragma once

#include "data/DBTypedList.h"
#include "data/DBWebsite.h"

namespace Vexal {

// All websites, the websites of some type flags, or the websites whose Host
// holds a host (in braces).
class DBWebsiteList final : public DBTypedList<DBWebsite>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeType = 1, ModeHost = 2 };

    explicit DBWebsiteList(const QString& host, QObject* parent = nullptr);
    explicit DBWebsiteList(int typeFlags, QObject* parent = nullptr);
    explicit DBWebsiteList(QObject* parent = nullptr);

    // The host is never written into the text: it is bound as :HostPattern.
    QString whereText() const override;
    void bindWhere(QSqlQuery& query) const override;

    int typeFlags() const { return m_typeFlags; }
    QString host() const { return m_host; }

    // The bound value that finds a host in braces anywhere in Host.
    static QString hostPattern(const QString& host);

protected:
    // A new website takes the list's type flags.
    void fillNew(DBBase* record) const override;

private:
    int m_typeFlags;
    QString m_host;
};

} // namespace Vexal
