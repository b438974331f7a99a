#pragma once

#include "automation/smart/SmartForm.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <bitset>
#include <memory>
#include <vector>

namespace Vexal {

// The words smart recognition reads field kinds by, as rows of one table:
// each row gives a field kind to a text of a control of certain HTML types
// when the text holds one of its words and none of the words that exclude
// it (and, where the row says so, also one of its further words). A row may
// name the context the kind needs beyond the text (words that the
// control's other texts must hold) and whether a choice list's option texts
// count. Rows are grouped by the question they answer (a matcher); within a
// group the first row that answers decides.
//
// Every text is read once: one automaton over all the words of the table
// finds every word the text holds in a single pass.
class SmartKeywords
{
    Q_GADGET
public:
    // The questions the rows answer, each a group of rows in table order.
    enum Group {
        Country, Terms, News, Password, Captcha, Mail, Url, Login, Title, Tags, Description, Category,
        Intro, Bio, Body, ArticleWord, Question, Answer, BirthPart, Contact, AddressLevel, Address, NamePart, NameWord,
        User, Name, Gender, GenderName, Messenger, AuthorSelect, PenName, Owner, Reciprocal, LinkAfter,
        DescriptionLimit, LinkType, Free, CategoryList, DateWord, Filler, Prompt, CommentBox, Other, Card,
        RequiredNote, OwnAddress, Message, Initial, KeepAsIs, AgeRule, MoreInfo, HeldNumber, HumanCheck, PathKey,
        BirthWord, Hint, WhoseId, SpaceSeparated, Recovery, Asked, Repeat, Agreement, LoginName, OtherPerson,
        GroupCount
    };
    Q_ENUM(Group)

    // Which lookups a row serves: a family of lookups in a kind of form.
    enum Family { Plain, Fields, Attributes };
    static constexpr int scope(int families, int forms)
    {
        int bits = 0;
        for (int family = 0; family < 3; ++family) {
            if (families & (1 << family))
                bits |= forms << (family * 5);
        }
        return bits;
    }
    // Form bits: no form, then the forms in the order of SmartForm.
    enum FormBit { NoForm = 1, ArticleForm = 2, DirectoryForm = 4, RegistrationForm = 8, BookmarkForm = 16 };
    static constexpr int AllForms = 31;
    static constexpr int AllFamilies = 7;
    static constexpr int Everywhere = 0x7FFF; // scope(AllFamilies, AllForms)
    // The scope bit of one lookup.
    static int scopeOf(Family family, SmartForm form) { return 1 << (family * 5 + form + 1); }

    struct Row {
        Group group;
        int kind;                  // the field kind the row gives
        int types;                 // the HTML types it takes (bits 1 << type)
        int scope;                 // the lookups it serves
        const char* words;         // any one of these ("|" between words)
        const char* excluded = ""; // none of these in the same text
        const char* also = "";     // and one of these in the same text
        const char* context = "";  // one of these in the control's other texts
        bool options = false;      // a choice list's option texts count
        bool picture = false;      // the kind needs a picture beside the control
        bool single = false;       // not where the text names another kind of the group too
    };
    // Words are found ignoring case. A word with a blank is a phrase of whole
    // words ("security code" also in "securityCode" and "security_code");
    // any other word is found anywhere in the text, unless marked: "^res"
    // only where it starts a word of the text, "~tag" where it starts or ends
    // one, "=aim" only as a word of its own, "mail!mailing" anywhere but in
    // the word "mailing" ("~day!birthday!bday": at a word's start or end, but
    // not in those words; "name!street name": not in that phrase). Words are
    // split at blanks, punctuation, "-", "_", case changes and digits; a hit
    // at a word's end (a phrase's last word too) may carry a plural "s".

    static const std::vector<Row>& standardRows();
    static const SmartKeywords& standard();

    explicit SmartKeywords(std::vector<Row> rows);
    ~SmartKeywords();
    SmartKeywords(const SmartKeywords&) = delete;
    SmartKeywords& operator=(const SmartKeywords&) = delete;

    static constexpr int MaxWords = 512;
    // The words of the table a text holds.
    using Hits = std::bitset<MaxWords>;
    Hits scan(const QString& text) const;
    // Where in the text the first word of a group that the text holds
    // starts (as scan finds it); -1 for none.
    int firstAt(Group group, const QString& text) const;

    const std::vector<Row>& rows() const { return m_rows; }
    // The kind of the first row of the group serving the scope that takes
    // the type (AnyType: whatever type) and that the hits answer; 0 when
    // none does.
    static constexpr int AnyType = -1;
    int kind(Group group, const Hits& hits, int type, int scope) const;
    // That row itself; null when none answers.
    const Row* answering(Group group, const Hits& hits, int type, int scope) const;
    // The kinds that cost most when they go astray (the account's password,
    // e-mail and login, a tick on the terms, the person's names): no row
    // gives one to a text that names another thing (a row of the Other
    // group answers it), and such a text contradicts them (excludes,
    // holdsExclusion).
    static bool costly(int kind);
    // The kinds of the member's own details: his account, names, contacts,
    // address and birth (OtherPerson's words leave a box of them alone).
    static bool ownDetail(int kind);
    // Whether the hits name what a box of the kind cannot take: another
    // thing for a costly kind (namesOther), another person than the member
    // for any of his own details ("Parent's e-mail", "Emergency contact
    // phone").
    bool namesOtherFor(int kind, const Hits& hits) const
    {
        return (costly(kind) && namesOther(hits)) || (ownDetail(kind) && holdsAny(OtherPerson, hits));
    }
    bool namesOther(const Hits& hits) const
    {
        // Most texts hold no word of the group, and most that do none of the
        // words its rows exclude.
        if (!(m_other & hits).any())
            return false;
        return !(m_otherExcluded & hits).any() || otherRowAnswers(hits);
    }
    // The place of that row among the rows of its group serving the scope;
    // -1 when none answers.
    int rank(Group group, const Hits& hits, int type, int scope) const;
    // The number of rows of the group serving the scope that take the type.
    int rowCount(Group group, int type, int scope) const;
    // Whether a row of the group giving that kind answers.
    bool matches(Group group, int kind, const Hits& hits, int type, int scope) const;
    // Whether the hits hold any word of a row of the group (its own words,
    // not its further or context words).
    bool holdsAny(Group group, const Hits& hits) const;
    // Whether the hits hold a context word of a row of the group giving
    // that kind (any kind: -1).
    bool holdsContext(Group group, int kind, const Hits& hits) const;
    // Whether the hits hold a word that excludes a row of the group giving
    // that kind, or, for a costly kind, name another thing.
    bool holdsExclusion(Group group, int kind, const Hits& hits) const;
    // Only the words the rows of the group giving that kind exclude.
    bool holdsRowExclusion(Group group, int kind, const Hits& hits) const;
    // Whether they hold a word that excludes some row (of any group, serving
    // the scope) giving that kind: a text that contradicts the kind.
    bool excludes(int kind, const Hits& hits, int scope) const;
    // The words of the rows of a group (their own words), as hits.
    Hits wordsOf(Group group) const;
    // The words of the rows of a group, in table order (without marks).
    QStringList words(Group group) const;
    // The word right before the first word of the group's rows that the text
    // holds as a word of its own, set apart from it by marks or blanks alone:
    // its letters ("Acme" in "Your Acme ID"); empty where no word stands so.
    QString wordBefore(Group group, const QString& text) const;
    // How many times a question walked the rows of a group, for tests: a
    // text that holds no word of the group walks none.
    qint64 walksForTests() const { return m_walks; }

private:
    struct Compiled;
    static bool answers(const Compiled& row, const Hits& hits);
    bool answersRow(int row, const Hits& hits) const;
    bool otherRowAnswers(const Hits& hits) const;
    static bool serves(const Row& row, int type, int scope);

    std::vector<Row> m_rows;
    struct Automaton;
    std::unique_ptr<Automaton> m_automaton;
    std::vector<Compiled> m_compiled;
    std::vector<std::vector<int>> m_groups;
    std::vector<Hits> m_groupWords; // the words of each group's rows
    std::vector<std::vector<int>> m_excluding; // by kind, the rows that exclude words
    Hits m_other;         // the words of the Other group's rows
    Hits m_otherExcluded; // and the words they exclude
    mutable qint64 m_walks = 0;
};

static_assert(SmartKeywords::scope(SmartKeywords::AllFamilies, SmartKeywords::AllForms) == SmartKeywords::Everywhere,
              "every lookup in every form");

} // namespace Vexal
