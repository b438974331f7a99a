#pragma once

#include "automation/DBTemplateList.h"
#include "shell/DelegateBase.h"
#include "shell/PageDom.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QWebView;

namespace Vexal {

class SelectorBuilder;
class SelectorList;
class SelectorLookup;
class SelectorManager;
class SmartElement;

// Base of the form-filling command objects: one fill of one record into the
// page of a web view, by the website's template when there is one, otherwise
// by smart recognition. Built on the caller's stack with the tab's view; the
// caller sets the logger context. Every selector list made during the fill
// belongs to the builder and dies with the delegate.
class DelegateSubmitter : public DelegateBase
{
    Q_OBJECT
public:
    DelegateSubmitter(QWebView* view, QObject* parent);
    ~DelegateSubmitter() override;

    QWebView* view() const;
    // The page access of the fill: every element it writes into comes from it.
    PageDom* dom() const { return m_dom.get(); }

    // Parse one template field; on a fault the detail goes to the log, the
    // general title to the user, and the result is false. An empty selector
    // parses to no list. The list is then builder()->result().
    bool buildSelector(const QString& selector, const QString& caption, const QStringList& values);
    bool buildSelector(const QString& selector, const QString& caption, const QString& value);
    // Parse and hand back the list (null for an empty selector).
    bool buildSelector(const QString& selector, const QString& caption, const QStringList& values,
                       SelectorList** list);
    bool buildSelector(const QString& selector, const QString& caption, const QString& value,
                       SelectorList** list);

    // Write one parsed field into the first element it finds; a field that
    // finds nothing is an information line "Can't find "<caption>" field".
    // A choice list may take one of the other texts of the value instead; a
    // number (digits) may be split over the boxes that follow.
    void fillSelector(const SelectorList* list, const QStringList& otherTexts = QStringList(), bool digits = false);
    // Click (or, for a FORM, submit) the first element the field finds.
    void clickSelector(const SelectorList* list);

    // Smart route: write into every recognised control of the kind; a
    // choice list may take one of the other texts of the value instead; a
    // number (digits) may be split over the boxes that follow, none of them
    // recognised as another field.
    void fillKind(const QList<SmartElement*>& elements, int kind, const QString& caption, const QString& value,
                  const QStringList& otherTexts = QStringList(), bool digits = false);
    // Choose option texts in every control of the kind (tick the check
    // boxes of a list that they name); no texts, no choice.
    void selectKind(const QList<SmartElement*>& elements, int kind, const QString& caption,
                    const QStringList& values);
    // Click the first recognised Submit control.
    void clickSubmit(const QList<SmartElement*>& elements);

    // The names of the categories filed under categoryId, in load order. An
    // entry without a category (an id below 0) has none.
    QStringList categoryNames(qint64 categoryId);

    SelectorBuilder* builder() const { return m_builder; }
    SelectorManager* manager() const { return m_manager; }
    SelectorLookup* lookup() const { return m_lookup; }

protected:
    // One field of a template: its selector text, caption and value(s).
    struct TemplateField {
        TemplateField(const QString& fieldSelector, const QString& fieldCaption, const QString& fieldValue)
            : selector(fieldSelector), caption(fieldCaption), value(fieldValue) {}
        // A field chosen by option texts.
        TemplateField(const QString& fieldSelector, const QString& fieldCaption, const QStringList& fieldValues)
            : selector(fieldSelector), caption(fieldCaption), values(fieldValues), useValues(true) {}
        // The same value as a choice list may show it (a country's codes).
        TemplateField& orAs(const QStringList& texts)
        {
            otherTexts = texts;
            return *this;
        }
        QString selector;
        QString caption;
        QString value;
        QStringList values;
        QStringList otherTexts;
        bool useValues = false;
        bool digits = false;
    };
    // One row of a smart table.
    struct SmartField {
        SmartField(int fieldKind, const QString& fieldCaption, const QString& fieldValue)
            : kind(fieldKind), caption(fieldCaption), value(fieldValue) {}
        // A field chosen by option texts.
        SmartField(int fieldKind, const QString& fieldCaption, const QStringList& fieldValues)
            : kind(fieldKind), caption(fieldCaption), values(fieldValues), useValues(true) {}
        SmartField& orAs(const QStringList& texts)
        {
            otherTexts = texts;
            return *this;
        }
        int kind;
        QString caption;
        QString value;
        QStringList values;
        QStringList otherTexts;
        bool useValues = false;
        bool digits = false;
        // No message when the form has no control of the kind: the form
        // asks for the fact another way.
        bool quiet = false;
    };

    // Phase one parses every field in order and stops at the first fault
    // (nothing written); phase two writes the parsed fields in the same
    // order. The parsed lists are handed back in field order.
    bool parseFields(const QList<TemplateField>& fields, QList<SelectorList*>& lists);
    bool fillFields(const QList<TemplateField>& fields);
    void fillSmartFields(const QList<SmartElement*>& elements, const QList<SmartField>& fields);
    // Reports the recogniser's error; true when the run can be used.
    bool checkSmartError(const class SmartMaster* smart);
    // Runs the recogniser on the view, without its log; false when it failed
    // (reported).
    template <class Smart>
    bool recognise(Smart& smart)
    {
        smart.setLogEnabled(false);
        smart.analyse(view());
        return checkSmartError(&smart);
    }
    // Fills by the website's first template of the kind (templateAt reads
    // it from the list), by smart recognition when it has none or websiteId
    // is below 0. A list that fails to load is reported and fills nothing.
    template <class Template, class ByTemplate, class BySmart>
    void fillByFirstTemplate(int kind, qint64 websiteId, Template* (DBTemplateList::*templateAt)(int) const,
                             ByTemplate byTemplate, BySmart bySmart)
    {
        if (websiteId < 0) {
            bySmart();
            return;
        }
        DBTemplateList templates(kind, websiteId);
        if (!templates.load()) {
            reportListError(&templates);
            return;
        }
        if (const Template* templ = templates.count() > 0 ? (templates.*templateAt)(0) : nullptr)
            byTemplate(templ);
        else
            bySmart();
    }

    // Writes a value into one element. A choice list takes the option whose
    // text or value is the value or one of its other texts; an editor frame
    // anywhere in the page takes the text; a text box, see writeText.
    void writeValue(const PageElement& element, const QString& value, const QStringList& otherTexts = QStringList(),
                    bool digits = false, const PageElements& taken = PageElements());
    // A text box takes the value only when it fits: a value longer than the
    // box's maxlength is never typed cut. A number (digits) that does not fit
    // goes, digits only, into the consecutive boxes beginning with this one
    // whose maxlengths add up to its digits (the number without its country
    // code where it is written "+<code> ..."), none of them taken. A box
    // that the page follows with "@" and a domain takes the part of the
    // value before its "@".
    void writeText(const PageElement& box, const QString& value, bool digits, const PageElements& taken);
    // Whether the page follows the box with "@" and a domain (or with a lone
    // "@" before a choice list of domains).
    static bool asksLocalPart(const PageElement& box);
    // The maxlength of a text box; -1 when it sets none.
    static int maxLength(const PageElement& box);
    // Selects the first option, in document order, whose text or value is
    // one of the wanted ones, compared trimmed, ignoring case, blanks,
    // non-breaking spaces and the indent marks of a tree ("|___ Sport"),
    // never a placeholder. Failing that, the one option whose text is a path
    // ("Computers > Internet") ending in a wanted one; none where several
    // do. False when no option is chosen.
    static bool chooseOption(const PageElement& select, const QStringList& wanted);
    // A text as options are compared: a sign before a number stays; the
    // parts of a path are joined by one separator.
    static QString optionKey(const QString& text);
    // An option that only asks for a choice: its value is empty, "-1", "0"
    // or mere marks ("--"), and its text too, or a request ("Select...",
    // "Choose one") or the field's bare name ("Month", "Day", "Year of
    // birth").
    static bool isPlaceholder(const PageElement& option);
    // A choice list takes the option of one of the texts; a check box of a
    // list is ticked when its label or value is one of them, and else left
    // as it is.
    void choose(const PageElement& element, const QStringList& wanted);
    static bool boxNamed(const PageElement& box, const QStringList& wanted);

    static QString textTrue();
    static QString textFalse();

private:
    // The first element the field finds; a null element when there is no
    // field or it finds nothing (told as an information line).
    PageElement firstFound(const SelectorList* list) const;

    PageDomHandle m_dom;
    SelectorBuilder* m_builder = nullptr;
    SelectorManager* m_manager = nullptr;
    SelectorLookup* m_lookup = nullptr;
};

// The fill of one stored record: submit loads it and takes the route of
// fillByFirstTemplate to the leaf's two fills.
template <class Record, class Template, int kind, Template* (DBTemplateList::*templateAt)(int) const>
class DelegateRecordSubmitter : public DelegateSubmitter
{
public:
    using DelegateSubmitter::DelegateSubmitter;

    // A websiteId below 0 goes straight to smart recognition.
    void submit(qint64 recordId, qint64 websiteId)
    {
        Record record;
        if (!record.load(recordId)) {
            reportRecordError(&record);
            return;
        }
        fillByFirstTemplate(
            kind, websiteId, templateAt, [&](const Template* templ) { fillByTemplate(&record, templ); },
            [&] { fillSmart(&record); });
    }
    virtual void fillByTemplate(const Record* record, const Template* templ) = 0;
    virtual void fillSmart(const Record* record) = 0;
};

} // namespace Vexal
