#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "OnlineTool": an entry of the Online Tools menu (its Name) with
// the address it opens; Line orders the menu.
class DBOnlineTool final : public DBKind<DBOnlineTool, &DBSql::tableOnlineTool, &LocaleSql::tableOnlineTools>
{
    Q_OBJECT
public:
    static constexpr int urlLimit = 1024;

    using DBKind::DBKind;

    const DBFields& fields() const override;

    QString url() const { return m_url; }
    int line() const { return m_line; }

    void setUrl(const QString& url) { change(m_url, url, urlLimit); }
    void setLine(int line) { change(m_line, line); }

private:
    QString m_url;
    int m_line = 0;
};

} // namespace Vexal
