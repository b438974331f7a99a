#include "data/DBField.h"

#include "core/Convert.h"
#include "data/DBBase.h"

namespace Vexal {

QString& DBField::textOf(DBBase* record) const
{
    return m_index >= 0 ? (record->*m_member.l)[m_index] : record->*m_member.s;
}

const QString& DBField::textOf(const DBBase* record) const
{
    return m_index >= 0 ? (record->*m_member.l).at(m_index) : record->*m_member.s;
}

bool DBField::sameAs(const DBField& other) const
{
    if (m_column != other.m_column || m_type != other.m_type || m_index != other.m_index || m_wide != other.m_wide)
        return false;
    switch (m_type) {
    case FieldType::Int:
        if (m_ranged != other.m_ranged)
            return false;
        if (m_wide)
            return m_member.w == other.m_member.w;
        return m_ranged ? m_member.r == other.m_member.r : m_member.i == other.m_member.i;
    case FieldType::Text:
        return m_index >= 0 ? m_member.l == other.m_member.l : m_member.s == other.m_member.s;
    case FieldType::Bool:
        return m_member.b == other.m_member.b;
    case FieldType::Date:
        return m_member.d == other.m_member.d;
    case FieldType::DateTime:
        return m_member.t == other.m_member.t;
    case FieldType::Image:
        return m_member.p == other.m_member.p;
    }
    return false;
}

namespace {

// The stored form as a value; NULL typed as the driver reads the column back.
struct ToVariant
{
    QVariant value;
    void bindNull() {}
    void bindInt(qint64 number) { value = number; }
    void bindText(const QString& text) { value = text; }
    void bindBytes(const QByteArray& bytes) { value = bytes; }
};

} // namespace

QVariant DBField::stored(const DBBase* record) const
{
    ToVariant to{QVariant(m_type == FieldType::Image ? QVariant::ByteArray : QVariant::String)};
    bind(to, record);
    return to.value;
}

void DBField::load(DBBase* record, const QVariant& value) const
{
    switch (m_type) {
    case FieldType::Int:
        if (m_wide)
            record->*m_member.w = value.toLongLong();
        else
            intOf(record) = value.toInt();
        break;
    case FieldType::Text:
        textOf(record) = value.toString();
        break;
    case FieldType::Bool:
        record->*m_member.b = DBBase::readBool(value);
        break;
    case FieldType::Date:
        record->*m_member.d = DBBase::readDate(value);
        break;
    case FieldType::DateTime:
        record->*m_member.t = DBBase::readDateTime(value);
        break;
    case FieldType::Image:
        record->*m_member.p = DBBase::readImage(value);
        break;
    }
}

void DBField::copy(DBBase* record, const DBBase* source) const
{
    switch (m_type) {
    case FieldType::Int:
        setInt(record, intValue(source));
        break;
    case FieldType::Text:
        setText(record, textOf(source));
        break;
    case FieldType::Bool:
        setBool(record, source->*m_member.b);
        break;
    case FieldType::Date:
        setDate(record, source->*m_member.d);
        break;
    case FieldType::DateTime:
        setDateTime(record, source->*m_member.t);
        break;
    case FieldType::Image:
        setImage(record, source->*m_member.p);
        break;
    }
}

void DBField::copyRaw(DBBase* record, const DBBase* source) const
{
    switch (m_type) {
    case FieldType::Int:
        if (m_wide)
            record->*m_member.w = source->*m_member.w;
        else
            intOf(record) = intOf(source);
        break;
    case FieldType::Text:
        textOf(record) = textOf(source);
        break;
    case FieldType::Bool:
        record->*m_member.b = source->*m_member.b;
        break;
    case FieldType::Date:
        record->*m_member.d = source->*m_member.d;
        break;
    case FieldType::DateTime:
        record->*m_member.t = source->*m_member.t;
        break;
    case FieldType::Image:
        record->*m_member.p = source->*m_member.p;
        break;
    }
}

bool DBField::holds(const DBBase* record, const void* member) const
{
    switch (m_type) {
    case FieldType::Int:
        return m_wide ? &(record->*m_member.w) == member : &intOf(record) == member;
    case FieldType::Text:
        return m_index < 0 && &(record->*m_member.s) == member;
    case FieldType::Bool:
        return &(record->*m_member.b) == member;
    case FieldType::Date:
        return &(record->*m_member.d) == member;
    case FieldType::DateTime:
        return &(record->*m_member.t) == member;
    case FieldType::Image:
        return &(record->*m_member.p) == member;
    }
    return false;
}

qint64 DBField::intValue(const DBBase* record) const
{
    if (m_type == FieldType::Int)
        return m_wide ? record->*m_member.w : intOf(record);
    return m_type == FieldType::Bool ? record->*m_member.b : 0;
}

int DBField::intInRange(const DBBase* record) const
{
    return m_type == FieldType::Int && !m_wide ? int(qBound(m_minimum, qint64(intOf(record)), m_maximum))
                                               : int(intValue(record));
}

// By reference: binding a record's texts, item after item, takes no copy.
const QString& DBField::textValue(const DBBase* record) const
{
    static const QString none;
    return m_type == FieldType::Text ? textOf(record) : none;
}

bool DBField::boolValue(const DBBase* record) const
{
    return intValue(record) != 0;
}

QDate DBField::dateValue(const DBBase* record) const
{
    return m_type == FieldType::Date ? record->*m_member.d : QDate();
}

QDateTime DBField::dateTimeValue(const DBBase* record) const
{
    return m_type == FieldType::DateTime ? record->*m_member.t : QDateTime();
}

QImage DBField::imageValue(const DBBase* record) const
{
    return m_type == FieldType::Image ? record->*m_member.p : QImage();
}

void DBField::setInt(DBBase* record, qint64 value) const
{
    record->markModified();
    if (m_type == FieldType::Int && m_wide)
        record->*m_member.w = qBound(m_minimum, value, m_maximum);
    else if (m_type == FieldType::Int)
        intOf(record) = int(qBound(m_minimum, value, m_maximum));
    else if (m_type == FieldType::Bool)
        record->*m_member.b = value != 0;
}

void DBField::setText(DBBase* record, const QString& value) const
{
    if (m_type != FieldType::Text)
        return;
    record->markModified();
    QString& text = textOf(record);
    text = m_limit > 0 ? Convert::leftText(value, m_limit) : value;
    if (has(NonEmpty) && text.isEmpty())
        text = DBBase::emptyName();
}

void DBField::setBool(DBBase* record, bool value) const
{
    setInt(record, value ? 1 : 0);
}

void DBField::setDate(DBBase* record, const QDate& value) const
{
    record->markModified();
    if (m_type == FieldType::Date)
        record->*m_member.d = value;
}

void DBField::setDateTime(DBBase* record, const QDateTime& value) const
{
    record->markModified();
    if (m_type == FieldType::DateTime)
        record->*m_member.t = value;
}

void DBField::setImage(DBBase* record, const QImage& value) const
{
    record->markModified();
    if (m_type == FieldType::Image)
        record->*m_member.p = value;
}

const DBField* DBFields::find(const QString& column) const
{
    for (const DBField& field : *this) {
        if (field.column() == column)
            return &field;
    }
    return nullptr;
}

const DBField* DBFields::find(const DBBase* record, const void* member) const
{
    for (const DBField& field : *this) {
        if (field.holds(record, member))
            return &field;
    }
    return nullptr;
}

} // namespace Vexal
