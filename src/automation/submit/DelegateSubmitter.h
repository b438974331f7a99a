#pragma once

#include "automation/templates/DBTemplateList.h"
#include "shell/DelegateBase.h"
#include "shell/PageDom.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
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
// view; the caller sets the logger context. Every selector list made during the fill
// belongs to the builder and dies with the delegate.
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
    void fillSelector(const SelectorList* list, const QStringList& otherTexts = QStringList(), bool digits = false);
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

    // Whether the field's value (by its caption) reached the page: the fill
    // found a box for it, and each box it found took the value whole.
    bool took(const QString& caption) const;
    // A step to run once when the fill has written the page, before the
    // user is told what it left undone: a text it gives is told with that.
    void whenFilled(const std::function<QString(const DelegateSubmitter&)>& step) { m_whenFilled = step; }

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
    // Tells the user, on the fills' error notice, what the fill left undone:
    // the notice given (a form not sent), each box left empty because its
    // value does not fit, and each box of the form written into that the
    // form needs and that holds nothing (SmartFill::leftEmpty), by its
    // label, with the reason; each field whose element takes no text, by
    // its caption; then what the step given to whenFilled says.
    // Nothing left undone, no notice.
    void tellUndone(const QString& notice = QString());
    // Whether the notice would name a box: a value that does not fit, a box
    // the form needs left empty, or a field that found no box to write.
    // Read once a fill.
    bool leftUndone();
    // Every box the fill writes is one the form cannot go without (a
    // login's): left empty, it is named as a box the page requires, and so
    // is a field the fill finds no box for.
    void needEveryBox() { m_everyBoxNeeded = true; }
    // Reports the recogniser's error; true when the run can be used.
    bool checkSmartError(const SmartMaster* smart);
    // Runs the recogniser on the page, without its log; false when it failed
    // (reported). The fill then reads the chosen form through what the
    // recogniser read of it.
    template <class Smart>
    bool recognise(Smart& smart)
    {
        smart.setLogEnabled(false);
        smart.analyse(m_dom);
        if (!checkSmartError(&smart))
            return false;
        useRecognised(smart);
        return true;
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
    // Notes what the last writes did, for the field of that caption.
    void noteResults(const QString& caption);
    void useRecognised(SmartMaster& smart);
    // The form written into: the recognised one, or that of the first box a
    // template found.
    void useForm(const PageElement& box);
    // Why a box the form needs holds nothing: what the fill did to it, else
    // what recognition made of it or that the template names it not. Empty
    // for a picture code, which the user types and is not told of.
    QString whyEmpty(const PageElement& box) const;

protected:
    PageDomHandle m_dom;

private:
    SelectorBuilder* m_builder = nullptr;
    SelectorManager* m_manager = nullptr;
    SelectorLookup* m_lookup = nullptr;
    std::unique_ptr<SmartFill> m_fill;
    // What the writes did so far, box by box, with the field's caption.
    struct Done {
        PageElement box;
        int outcome;
        int limit;
        int size;
        QString caption;
    };
    QList<Done> m_done;
    // The fields no box was found for, while every box is needed.
    QStringList m_unfound;
    bool m_everyBoxNeeded = false;
    PageElement m_root;
    // The recognised controls of the form; none on a template's route.
    QList<SmartElement*> m_controls;
    // The notice's lines, read once by leftUndone.
    bool m_checked = false;
    QStringList m_misfits;
    QStringList m_empty;
    QStringList m_unwritten;
    std::function<QString(const DelegateSubmitter&)> m_whenFilled;
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
