#pragma once

#include "data/DBKind.h"

namespace Vexal {

// A row of "Project": the top-level grouping of the user's work. The project
// whose Active flag is set is the current one.
class DBProject : public DBKind<DBProject, &DBSql::tableProject, &LocaleSql::tableProjects>
{
    Q_OBJECT
public:
    static constexpr int urlLimit = 1024;

    explicit DBProject(QObject* parent = nullptr);

    bool isActive() const { return m_active; }
    void setActive(bool active) { change(m_active, active); }
    QString url() const { return m_url; }
    void setUrl(const QString& url) { change(m_url, url, urlLimit); }

    const DBFields& fields() const override;

private:
    bool m_active = false;
    QString m_url;
};

} // namespace Vexal
