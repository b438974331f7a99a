#pragma once

#include <QObject>
#include <QString>
#include <QWebElement>

namespace Vexal {

// One entry of a form's label sequence: a text run or a control.
class SmartLabel : public QObject
{
    Q_OBJECT
public:
    explicit SmartLabel(QObject* parent);

    void setElement(const QWebElement& element);
    void setText(const QString& text);
    void setBold(bool bold) { m_bold = bold; }

    const QWebElement& element() const { return m_element; }
    const QString& text() const { return m_text; }
    bool isText() const { return m_isText; }
    bool isBold() const { return m_bold; }
    int wordCount() const { return m_wordCount; }

    QString typeAttribute() const;
    QString name() const;
    QString id() const;

    QString toString() const;

private:
    QWebElement m_element;
    QString m_text;
    bool m_isText = false;
    bool m_bold = false;
    int m_wordCount = 0;
};

} // namespace Vexal
