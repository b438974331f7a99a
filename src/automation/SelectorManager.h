#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWebElement>

class QWebFrame;
class QWebView;

namespace Vexal {

// Writes into one element of the page of a web view: a value, a chosen option,
// a check mark, rich text into an editor frame, a click or a form submission.
// Writes set the attribute and the live property alike, so a control that the
// user or a script already changed is filled too; no DOM events are raised.
class SelectorManager final : public QObject
{
    Q_OBJECT
public:
    enum ElementType {
        TypeOther = 0,
        TypeInput = 1,
        TypeCheckbox = 2,
        TypeRadio = 3,
        TypeTextarea = 4,
        TypeSelect = 5,
        TypeIframe = 6
    };

    explicit SelectorManager(QWebView* view, QObject* parent = nullptr);

    void setValue(const QWebElement& element, const QString& value);
    // Chooses the first OPTION, in document order, whose text equals one of the texts.
    void selectOption(const QWebElement& element, const QStringList& texts);
    // Submits a FORM, clicks anything else.
    void click(const QWebElement& element);

    static int elementType(const QWebElement& element);
    QWebFrame* frameOf(const QWebElement& element) const;

private:
    bool canWrite(const QWebElement& element) const;
    void setValueAttribute(QWebElement element, const QString& value);
    void setChecked(QWebElement element, const QString& value);
    void setText(QWebElement element, const QString& value);
    void selectIndex(QWebElement element, const QString& value);
    void setRichText(const QWebElement& element, const QString& value);
    void selectOptionByTexts(QWebElement element, const QStringList& texts);

    QPointer<QWebView> m_view;
};

} // namespace Vexal
