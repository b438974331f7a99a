#pragma once

#include "data/DBSubmission.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "Directory": a directory entry of a project, the texts that are
// submitted to web directories.
class DBDirectory : public DBKind<DBDirectory, &DBSql::tableDirectory, &LocaleSql::tableDirectories, DBSubmission>
{
    Q_OBJECT
public:
    using DBKind::DBKind;

    const DBFields& fields() const override;

    qint64 categoryId() const { return m_categoryId; }
    QString userName() const { return m_userName; }
    QString userEmail() const { return m_userEmail; }

    void setCategoryId(qint64 categoryId) { change(m_categoryId, categoryId); }
    void setUserName(const QString& text);
    void setUserEmail(const QString& text);

private:
    qint64 m_categoryId = -1;
    QString m_userName;
    QString m_userEmail;
};

} // namespace Vexal
