#pragma once

#include "data/DBBase.h"

#include <initializer_list>
#include <QStringList>
#include <QVector>

namespace Vexal {

// A template row: the website it belongs to and one selector text per field
// of that website's form, in the table's column order after WebsiteID.
class DBTemplateBase : public DBBase
{
    Q_OBJECT
public:
    static constexpr int selectorLimit = 128;
    using Column = QString (*)(bool);

    void bindValues(QSqlQuery& query) override;
    void readValues(const QSqlQuery& query) override;
    // Copies only from a record of the same kind.
    void assign(const DBBase* source) override;
    QStringList columns() const override;

    int websiteId() const { return m_websiteId; }
    void setWebsiteId(int websiteId);

protected:
    DBTemplateBase(std::initializer_list<Column> columns, QObject* parent);

    QString selector(int field) const { return m_selectors.at(field); }
    // Cut to selectorLimit characters.
    void setSelector(int field, const QString& value);

private:
    QVector<Column> m_columns;
    QStringList m_selectors;
    int m_websiteId = -1;
};

} // namespace Vexal
