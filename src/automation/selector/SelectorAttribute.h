#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// One condition of a selector step: an attribute or keyword, a comparison
// and a quoted value.
class SelectorAttribute final : public QObject
{
    Q_OBJECT
public:
    enum Keyword {
        KeywordAttribute = 0,
        KeywordFirst = 1,
        KeywordLast = 2,
        KeywordText = 3,
        KeywordTrimmed = 4,
        KeywordName = 5
    };
    enum Comparison {
        Equal = 0,
        NotEqual = 1,
        Contains = 2,
        StartsWith = 3,
        EndsWith = 4
    };

    explicit SelectorAttribute(QObject* parent = nullptr);
    SelectorAttribute(const QString& name, const QString& value, QObject* parent = nullptr);

    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    const QString& value() const { return m_value; }
    void setValue(const QString& value) { m_value = value; }
    int keyword() const { return m_keyword; }
    void setKeyword(int keyword) { m_keyword = keyword; }
    int comparison() const { return m_comparison; }
    void setComparison(int comparison) { m_comparison = comparison; }

    // The value as a base-10 integer, 0 when it is none.
    int intValue() const;

    // Appends the canonical text of the condition.
    void toText(QString& out) const;

    static QString comparisonText(int comparison);
    static QString keywordText(int keyword);

private:
    QString m_name;
    QString m_value;
    int m_keyword = KeywordAttribute;
    int m_comparison = Equal;
};

} // namespace Vexal
