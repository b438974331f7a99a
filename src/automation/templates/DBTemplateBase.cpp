#include "automation/templates/DBTemplateBase.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

namespace {

// The fields before the selectors: the base's three and WebsiteID.
constexpr int leadingFields = 4;

} // namespace

DBTemplateBase::DBTemplateBase(const DBFields& fields, QObject* parent)
    : DBBase(parent)
    , m_fields(fields)
{
    for (std::size_t i = leadingFields; i < m_fields.size(); ++i)
        m_selectors << QString();
}

DBFields DBTemplateBase::templateFields(std::initializer_list<Column> columns)
{
    DBFields table(baseFields(), {DBField::integer(&DBSql::colWebsiteID, &DBTemplateBase::m_websiteId)});
    int index = 0;
    for (Column column : columns)
        table.push_back(DBField::listText(column, &DBTemplateBase::m_selectors, index++, selectorLimit));
    return table;
}

const DBFields& DBTemplateBase::fields() const
{
    return m_fields;
}

void DBTemplateBase::assign(const DBBase* source)
{
    const bool sameKind = source && source->inherits(metaObject()->className());
    assignFirst(source, sameKind ? m_fields.size() : baseFields().size());
}

void DBTemplateBase::setSelector(int field, const QString& value)
{
    markModified();
    m_selectors[field] = Convert::leftText(value, selectorLimit);
}

} // namespace Vexal
