#pragma once

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
    explicit SmartTextLookup(QObject* parent);

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

protected:
    // The matchers of a registration form in their order (user and gender
    // first, the captcha last); fallback goes to userKind.
    int registrationKind(SmartElement* control, const QString& text, bool fallback);
    // The matchers of an article form in their order, category to body.
    int articleKind(const QString& text, int type);
};

} // namespace Vexal
