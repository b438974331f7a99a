#pragma once

#include "automation/smart/SmartForm.h"
#include "automation/smart/SmartKeywords.h"
#include "automation/smart/SmartLookup.h"
#include "shell/PageDom.h"

#include <QHash>

#include <initializer_list>

namespace Vexal {

// Keyword matchers: each decides from a text (a label or the id and name of
// a control) and the control's HTML type code whether the text names one
// field kind. Subclasses replace single matchers for their form kind.
class SmartTextLookup : public SmartLookup
{
    Q_OBJECT
public:
    explicit SmartTextLookup(QObject* parent, SmartForm form = SmartFormNone);

    SmartForm form() const { return m_form; }

    virtual bool isCountry(const QString& text, int type);
    virtual bool isTerms(const QString& text, int type);
    virtual bool isNews(const QString& text, int type);
    virtual bool isPassword(const QString& text, int type);
    virtual bool isCaptcha(const QString& text, int type);
    virtual bool isMail(const QString& text, int type);
    virtual bool isUrl(const QString& text, int type);
    virtual bool isLogin(const QString& text, int type);
    virtual bool isTitle(const QString& text, int type);
    virtual bool isTags(const QString& text, int type);
    virtual bool isDescription(const QString& text, int type);
    virtual bool isCategory(const QString& text, int type);
    virtual bool isIntro(const QString& text, int type);
    virtual bool isBio(const QString& text, int type);
    virtual bool isBody(const QString& text, int type);
    virtual bool isQuestion(const QString& text, int type);
    virtual bool isAnswer(const QString& text, int type);
    virtual bool isYear(const QString& text, int type);
    virtual bool isMonth(const QString& text, int type);
    virtual bool isDay(const QString& text, int type);
    virtual int contactKind(const QString& text, int type);
    virtual int addressKind(const QString& text, int type);
    virtual int userKind(const QString& text, const QString& second, bool fallback, int type);
    virtual int nameKind(const QString& text);
    virtual int ownerKind(const QString& text);
    virtual int genderKind(const QString& text, const QString& second, int type);
    // A messenger or profile handle (AIM, ICQ, Skype, Jabber, MSN, Yahoo
    // messenger, social profiles): a text field that is never filled.
    bool isMessenger(const QString& text, int type);

    // Whether the text asks the control for the code of a picture: in words
    // that say so, or in words of a code with a picture beside the control;
    // a message about a wrong entry ("Invalid image code") asks for none.
    bool asksPictureCode(SmartElement* control, const QString& text);
    // Whether the control's class names it for the code of a picture, read
    // as its id and name are ("g-recaptcha-box").
    bool classAsksPictureCode(SmartElement* control);

    // First, Middle or Last Name where the control's id or name says which
    // part of a name it takes ("dnrfirst", "dnrlast"); 0 otherwise.
    int namePartByNames(const SmartElement* control) const;
    // First, Middle or Last Name for a text that is a part of a name alone
    // or with "name" ("Given", "Last name", "Surname"); bare tells whether
    // it lacks "name". 0 for any other text.
    int namePart(const QString& text, bool* bare) const;

    // The text of a control's id and name: "%1 %2" of their own parts
    // (ownId, ownName); read once per control.
    // A rich editor's frame is named by the text area it edits.
    const QString& attributeText(const SmartElement* control) const;
    // A name written as a path ("pay.card.billingAddress.firstName",
    // "customer[address][street]", "ctl00$Card$txtPwd") names its field by
    // its own part, the last, however short: the parts before it name the
    // groups the field stands in (a card, a billing address), which are no
    // kind of its own and never leave it alone. Keys after the own part that
    // name no field (an index, "value": "email[0][value]") are passed over.
    // Any other name is read whole.
    QString ownName(const QString& name) const;
    // An id read the same way: as a path, or, where a framework built it
    // from a name written as a path ("ctl00_Body_txtEmail" beside
    // "ctl00$Body$txtEmail", "signup_email" beside "signup[email]"), by that
    // name's own part. Any other id is read whole.
    QString ownId(const QString& id, const QString& name) const;

    // "ID" standing as a word of its own, in capitals.
    static bool loneId(const QString& text);
    // The line of an address a text numbers, by a number standing as one of
    // its own ("Address line 3", "address3"), not a digit of a longer one
    // ("address_45381448"): 1 or 2 where it holds those, else the least
    // of 3 to 9; 0 for none.
    static int addressLine(const QString& text);
    // City or State for the address levels of the form-filling
    // vocabulary, 0 for a deeper level, -1 for a text that names none.
    int addressLevel(const QString& text);

    // The words of the table the text holds, read once per text.
    SmartKeywords::Hits hits(const QString& text) const;
    // The kind the first row of the group gives the text (for a control of
    // that type; SmartKeywords::AnyType for any) in this lookup; 0 for none.
    int kindOf(SmartKeywords::Group group, const QString& text, int type = SmartKeywords::AnyType) const;
    // Whether a row of the group giving that kind answers the text.
    bool is(SmartKeywords::Group group, int kind, const QString& text, int type) const;
    // Whether the text holds any word of the group.
    bool holds(SmartKeywords::Group group, const QString& text) const;
    const SmartKeywords& keywords() const { return *m_keywords; }
    // Reads by another table (the standard one unless set).
    void setKeywords(const SmartKeywords* keywords);
    int scope() const { return m_scope; }

protected:
    // The steps a form's chain of matchers is made of: each a matcher and the
    // kind it gives. StepUser is strict, StepUserOrLogin falls back to a
    // login or full name (userKind). Passes add steps of their own.
    enum Step {
        StepCaptcha, StepCategory, StepTitle, StepTags, StepBio, StepIntro, StepBody, StepUrl, StepDescription,
        StepMail, StepPassword, StepTerms, StepNews, StepLogin, StepUser, StepUserOrLogin, StepGender, StepYear,
        StepMonth, StepDay, StepQuestion, StepAnswer, StepCountry, StepContact, StepAddress, StepMessenger, StepOwn
    };
    // The steps of a registration form in their order (user and gender
    // first); fallback goes to userKind.
    int registrationKind(SmartElement* control, const QString& text, bool fallback);
    // The kind of the first step in the chain that gives one.
    int firstKind(std::initializer_list<int> steps, SmartElement* control, const QString& text);
    // The kind one step gives the control; 0 when it does not match.
    virtual int stepKind(int step, SmartElement* control, const QString& text);

    SmartTextLookup(QObject* parent, SmartForm form, SmartKeywords::Family family);

    // Reads a text strictly: no fallback to a login or full name.
    bool m_strict = false;

private:
    QString editedAreaText(const PageElement& area) const;

    const SmartForm m_form;
    const int m_scope;
    const SmartKeywords* m_keywords;
    mutable QHash<QString, SmartKeywords::Hits> m_hits;
    mutable QHash<const SmartElement*, QString> m_attributeTexts;
    mutable QString m_lastText;
    mutable SmartKeywords::Hits m_lastHits;
};

} // namespace Vexal
