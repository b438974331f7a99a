#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "automation/smart/SmartForm.h"
#include "automation/smart/SmartLabelLookup.h"

namespace Vexal {

class SmartElement;
class SmartError;
class SmartFormLookup;

// Base of the recognisers: runs the pipeline that finds a page's main form
// and gives each of its controls a field kind. Controls, labels and the
// error record are children of the recogniser. The controls' page elements
// stay valid while the recogniser lives (a web view's page access, from
// PageDomFactory, lives while its elements do) or, for a given page access,
// while that lives.
class SmartMaster : public QObject
{
    Q_OBJECT
public:
    explicit SmartMaster(QObject* parent);
    ~SmartMaster() override;

    QList<SmartElement*>& elements() { return m_elements; }
    // The label sequence the run read of the chosen form, and the form (or
    // the container of its controls) it was read under; the fill reads the
    // form's labels from here rather than from the page again.
    const QList<SmartLabel*>& labels() const { return m_labels; }
    const PageElement& labelRoot() const { return m_labelRoot; }
    SmartError* error() const { return m_error; }

    void setLogEnabled(bool enabled);
    bool isLogEnabled() const { return m_logEnabled; }
    void setError(const QString& reason, const QString& message);
    bool hasRecognised() const;

    virtual bool selectForm(SmartFormLookup* forms, const QList<int>& scoreTypes);
    virtual void dedupeKinds(QList<SmartElement*>& list, QList<int> repeatable);
    virtual void fillDemo(QList<SmartElement*>& list);

protected:
    struct Pipeline {
        QList<int> types;           // HTML types kept by the element filter
        bool unnamed = false;       // also controls without id and name
        QList<int> scoreTypes;      // HTML types that score a form
        QList<int> repeatable;      // kinds that may occur more than once
        bool skipSmallChoice = false; // no form choice with at most 3 controls
        bool signUp = false;        // comment and message forms are no choice
        // Gives the kinds to the chosen form's controls.
        std::function<void(QList<SmartElement*>&)> classify;
    };

    // A missing page access or one that reads no page (a null view's)
    // fails like any other run.
    void run(const PageDomHandle& page, const Pipeline& pipeline);
    void run(PageDom& page, const Pipeline& pipeline);

    // The attribute pass, the label lookup under the first control's
    // container and the field pass.
    void classifyWith(SmartForm form, QList<SmartElement*>& list);
    void collectLabels(QList<SmartElement*>& list, SmartLabelLookup& labels);
    // Steps shared by every form choice: fails on an empty lookup, then
    // drops the controls in no numbered form.
    bool removeUnplaced(SmartFormLookup* forms, const QString& emptyReason);
    // Drops the forms whose main field is a comment or message text area
    // (a form without a password that holds one): whatever fields they
    // share with a sign-up, they post what they get. False, with the error
    // set, when no form is left.
    bool dropCommentForms(SmartFormLookup& forms);
    bool isCommentForm(const SmartFormLookup& forms, int number) const;
    // The text boxes a comment form holds at most beside its text area.
    static constexpr int CommenterBoxes = 4;

private:
    QList<SmartElement*> m_elements;
    QList<SmartLabel*> m_labels;
    PageElement m_labelRoot;
    // The ids the LABELs of the run's label sequences name, read once a run.
    std::shared_ptr<SmartLabelIds> m_ids;
    SmartError* m_error = nullptr;
    bool m_logEnabled = false;
};

} // namespace Vexal
