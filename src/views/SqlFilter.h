#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace Vexal {

// One condition of a record table's WHERE text: "column operator literal".
// The kind codes are the column kinds of the saved layouts (0 text, 1 integer,
// 2 float, 3 date, 4 date-time, 5 bool, 6 second text kind).
class SqlFilter final : public QObject
{
    Q_OBJECT
public:
    enum Operator {
        Equal = 0,
        NotEqual = 1,
        Contains = 2,
        StartsWith = 3,
        EndsWith = 4,
        Greater = 5,
        GreaterOrEqual = 6,
        Less = 7,
        LessOrEqual = 8
    };

    explicit SqlFilter(QObject* parent = nullptr);

    int type() const { return m_type; }
    int operatorCode() const { return m_operatorCode; }
    bool isEnabled() const { return m_enabled; }
    QString column() const { return m_column; }
    QString header() const { return m_header; }
    QVariant value() const { return m_value; }

    void setType(int type) { m_type = type; }
    void setOperator(int code) { m_operatorCode = code; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    void setColumn(const QString& column) { m_column = column; }
    void setHeader(const QString& header) { m_header = header; }
    void setValue(const QVariant& value) { m_value = value; }

    // The starting value of the kind: empty text, 0, 0.0, today, now, false.
    void setDefaultValue();

    static bool isTextKind(int type) { return type == 0 || type == 6; }

    QString operatorText() const;
    // The SQL operator of a code; empty for an unknown code.
    static QString operatorText(int code);
    // The value as an SQL literal of the filter's kind.
    QString valueText() const;
    QString conditionText() const;

private:
    QString nulTextCondition(const QString& text) const;

    int m_type = 0;
    int m_operatorCode = 0;
    bool m_enabled = false;
    QString m_column;
    QString m_header;
    QVariant m_value;
};

} // namespace Vexal
