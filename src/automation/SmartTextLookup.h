#pragma once

#include "automation/SmartForm.h"
#include "automation/SmartLookup.h"

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

    // "ID" standing as a word of its own, in capitals.
    static bool loneId(const QString& text);
    // 19 City or 20 State for the address levels of the form-filling
    // vocabulary, 0 for a deeper level, -1 for a text that names none.
    static int addressLevel(const QString& text);

    // Case-insensitive "contains" of any keyword, short keywords on word
    // boundaries (SmartUtils::containsKeyword).
    static bool has(const QString& text, const QString& keyword);
    static bool hasAny(const QString& text, std::initializer_list<const char*> keywords);
    static bool typeIn(int type, std::initializer_list<int> accepted);

    struct Rule {
        const char* keyword;
        int kind;
    };
    // The kind of the first rule whose keyword the text holds (as has());
    // 0 when none does.
    static int ruleKind(const QString& text, std::initializer_list<Rule> rules);

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

private:
    // Article forms also take their title and tags from a text area.
    bool isTitleType(int type) const;

    const SmartForm m_form;
};

} // namespace Vexal
