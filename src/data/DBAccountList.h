#pragma once

#include "data/DBProjectListBase.h"

namespace Vexal {

class DBAccount;

// The accounts of a project, or of a project on one website.
class DBAccountList : public DBProjectListBase
{
    Q_OBJECT
public:
    DBAccountList(int projectId, int websiteId, QObject* parent = nullptr);
    explicit DBAccountList(int projectId, QObject* parent = nullptr);

    QString whereText() const override;

    // Null outside the list, and when the entry is no account.
    DBAccount* at(int index) const;
    DBAccount* findById(int id) const;
    // The first account; on an empty list a new unsaved account of the list's
    // project (website not set), appended.
    DBAccount* firstOrCreate();

    int websiteId() const { return m_websiteId; }

private:
    int m_websiteId;
};

} // namespace Vexal
