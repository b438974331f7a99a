#pragma once

#include "automation/smart/SmartFillReport.h"
#include "automation/templates/DBTemplateList.h"
#include "shell/DelegateBase.h"
#include "shell/PageDom.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace Vexal {

class SelectorBuilder;
class SelectorList;
class SelectorLookup;
class SelectorManager;
class SmartElement;
class SmartFill;
class SmartMaster;

// Base of the form-filling command objects: one fill of one record into a
// page, by the website's template when there is one, otherwise by smart
// recognition. Built on the caller's stack with the page access of the tab's
// view; the caller sets the logger context. Every selector list made during
// the fill belongs to the builder, and the recogniser with what it read of
// the page stays; both die with the delegate. What the fill did is kept in
// its report (SmartFillReport) until the user is told (tell).
class DelegateSubmitter : public DelegateBase
{
    Q_OBJECT
public:
    DelegateSubmitter(const PageDomHandle& page, QObject* parent);
    ~DelegateSubmitter() override;

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
    // A field of the content (shape: its kind of SmartElement, 0 for none)
    // takes its value as the page asks for it beside the box
    // (SmartContentValues::forBox).
    void fillSelector(const SelectorList* list, const QStringList& otherTexts = QStringList(), bool digits = false,
                      int shape = 0);
    // Click (or, for a FORM, submit) the first element the field finds;
    // false when it finds none (or there is no field).
    bool clickSelector(const SelectorList* list);

    // Smart route: write into every recognised control of the kind (see
    // SmartFill): a choice list may take one of the other texts of the
    // value instead; a number (digits) may be split over the boxes that
    // continue it.
    void fillKind(const QList<SmartElement*>& elements, int kind, const QString& caption, const QString& value,
                  const QStringList& otherTexts = QStringList(), bool digits = false);
    // Choose option texts in every control of the kind (tick the check
    // boxes of a list that they name); no texts, no choice.
    void selectKind(const QList<SmartElement*>& elements, int kind, const QString& caption,
                    const QStringList& values);
    // Click the first recognised Submit control; false when there is none.
    bool clickSubmit(const QList<SmartElement*>& elements);

    // What the fill did, box by box; whole once the fill wrote all it had
    // to write (SmartFillReport::finished).
    const SmartFillReport& report() const;
    // Tells the user once, on the fills' error notice, the lines given first
    // (a caller's own: the account stored, a form not sent), then what the
    // fill left undone (SmartFillReport::undone); untilClosed keeps the
    // notice on the bar until the user closes it. A fill that wrote all it
    // had and left nothing undone says what filledNotice says, beside the
    // lines given or, alone, as information. Nothing to tell, no notice. The
    // report starts afresh.
    void tell(const QStringList& first = QStringList(), bool untilClosed = false);

    // The names of the categories filed under categoryId, in load order. An
    // entry without a category (an id below 0) has none.
    QStringList categoryNames(qint64 categoryId);

    SelectorBuilder* builder() const { return m_builder; }
    SelectorManager* manager() const { return m_manager; }
    SelectorLookup* lookup() const { return m_lookup; }

protected:
    // One field to fill: where it is (a template's selector text, or the
    // kind of the recognised controls), its caption and value(s).
    template <class Where>
    struct FieldAt {
        FieldAt(const Where& fieldWhere, const QString& fieldCaption, const QString& fieldValue)
            : where(fieldWhere), caption(fieldCaption), value(fieldValue) {}
        // A field chosen by option texts.
        FieldAt(const Where& fieldWhere, const QString& fieldCaption, const QStringList& fieldValues)
            : where(fieldWhere), caption(fieldCaption), values(fieldValues), useValues(true) {}
        // The same value as a choice list may show it (a country's codes).
        FieldAt& orAs(const QStringList& texts)
        {
            otherTexts = texts;
            return *this;
        }
        // The field of the value, as the report knows it (a kind of
        // SmartElement; 0: one no caller asks after).
        FieldAt& as(int fieldKind)
        {
            field = fieldKind;
            return *this;
        }
        // A template's field of the content (tags, an address: a kind of
        // SmartElement) whose value takes the shape the page asks for beside
        // the box, as the recognised form's would.
        FieldAt& shapedAs(int fieldKind)
        {
            shape = fieldKind;
            return *this;
        }
        Where where;
        QString caption;
        QString value;
        QStringList values;
        QStringList otherTexts;
        bool useValues = false;
        bool digits = false;
        // No message when the form has no control of the kind: the form
        // asks for the fact another way.
        bool quiet = false;
        int field = 0;
        int shape = 0;
    };
    using TemplateField = FieldAt<QString>;
    using SmartField = FieldAt<int>;

    // Phase one parses every field of the template in order and stops at
    // the first fault (nothing written), which the user is told of with the
    // template's name, the field and the parser's message; phase two writes
    // the parsed fields in the same order. The parsed lists are handed back
    // in field order.
    bool parseFields(const DBBase* templ, const QList<TemplateField>& fields, QList<SelectorList*>& lists);
    bool fillFields(const DBBase* templ, const QList<TemplateField>& fields);
    void fillSmartFields(const QList<SmartElement*>& elements, const QList<SmartField>& fields);
    // Whether the notice would name a box: a value that does not fit, a box
    // the form needs left empty, or a field whose element takes no text.
    bool leftUndone();
    // Every box the fill writes is one the form cannot go without (a
    // login's): SmartFillReport::needEveryBox.
    void needEveryBox();
    // What the user is told of a fill that left nothing undone; nothing
    // here.
    virtual QString filledNotice() const { return QString(); }
    // Reports the recogniser's error; true when the run can be used.
    bool checkSmartError(const SmartMaster* smart);
    // Runs a recogniser of the kind on the page, without its log; null when
    // it failed (reported). The fill then reads the chosen form through what
    // the recogniser read of it, which the delegate keeps.
    template <class Smart>
    Smart* recognise()
    {
        auto* smart = new Smart(this);
        smart->setLogEnabled(false);
        smart->analyse(m_dom);
        if (!checkSmartError(smart))
            return nullptr;
        useRecognised(*smart);
        return smart;
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

    static QString textTrue();
    static QString textFalse();

private:
    // The first element the field finds; a null element when there is no
    // field or it finds nothing (told as an information line).
    PageElement firstFound(const SelectorList* list) const;
    void useRecognised(SmartMaster& smart);

protected:
    PageDomHandle m_dom;

private:
    SelectorBuilder* m_builder = nullptr;
    SelectorManager* m_manager = nullptr;
    SelectorLookup* m_lookup = nullptr;
    std::unique_ptr<SmartFill> m_fill;
};

// The fill of one stored record: fill loads it and takes the route of
// fillByFirstTemplate to the leaf's two fills; submit fills and tells.
template <class Record, class Template, int kind, Template* (DBTemplateList::*templateAt)(int) const>
class DelegateRecordSubmitter : public DelegateSubmitter
{
public:
    using DelegateSubmitter::DelegateSubmitter;

    // Fills and tells the user what the fill left undone.
    void submit(qint64 recordId, qint64 websiteId)
    {
        fill(recordId, websiteId);
        tell();
    }
    // Fills the page; the report then holds what the fill did. A websiteId
    // below 0 goes straight to smart recognition.
    void fill(qint64 recordId, qint64 websiteId)
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
