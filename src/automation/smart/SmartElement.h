#pragma once

#include "automation/smart/SmartNode.h"

namespace Vexal {

// One form control found by smart recognition: its page element, the
// container it was assigned to, its HTML type code and its field kind.
class SmartElement final : public SmartNode
{
    Q_OBJECT
public:
    // HTML type codes.
    enum Type {
        TypeUndef = 0, TypeButton, TypeCheckBox, TypeFile, TypeHidden, TypeImage,
        TypePassword, TypeRadio, TypeReset, TypeSelect, TypeSubmit, TypeText,
        TypeTextArea, TypeIFrame
    };
    // Field kinds.
    enum Kind {
        KindUndef = 0, KindFirstName, KindMiddleName, KindLastName, KindFullName,
        KindScreenName, KindGenderCombo, KindGenderMale, KindGenderFemale, KindBirthYear,
        KindBirthMonth, KindBirthDay, KindLogin, KindPassword, KindEmail, KindWebsite,
        KindQuestion, KindAnswer, KindCountry, KindCity, KindState, KindAddress,
        KindAddressDetails, KindZipCode, KindPhone, KindFax, KindTerms, KindSpam,
        KindCaptcha, KindTitle, KindTags, KindDescription, KindCategory, KindFreeUrl,
        KindSubmit, KindBio, KindIntro, KindBody, KindTrash, KindUser
    };

    explicit SmartElement(QObject* parent);

    void setElement(const PageElement& element);
    const PageElement& form() const { return m_form; }
    int type() const { return m_type; }
    int kind() const { return m_kind; }
    int formNumber() const { return m_formNumber; }
    bool isVisible() const { return m_visible; }

    void setForm(const PageElement& form) { m_form = form; }
    void setKind(int kind) { m_kind = kind; }
    void setFormNumber(int number) { m_formNumber = number; }
    void setVisible(bool visible) { m_visible = visible; }

    bool formIsNull() const { return m_form.isNull(); }

    // A further box of the field before it (a number split over boxes): it
    // shares that field's kind and is no repetition of it.
    bool continuesPrevious() const { return m_continuesPrevious; }
    void setContinuesPrevious(bool continues) { m_continuesPrevious = continues; }
    // A text box the page follows with "@" and a domain: it takes the part
    // of an address before its "@" (SmartBoxFacts::followedByDomain).
    bool asksLocalPart() const { return m_asksLocalPart; }
    void setAsksLocalPart(bool asks) { m_asksLocalPart = asks; }
    // A box left for the user to answer: a question that tests whether a
    // person fills the form ("What is 3 + 4?"). It is never filled; where
    // the page requires it, the fill names it as a question the user answers.
    bool asksUser() const { return m_asksUser; }
    void setAsksUser(bool asks) { m_asksUser = asks; }
    // The question a box left for the user asks in its own words (a
    // recovery question: "What was your first pet's name?"); empty for
    // none. The box takes the answer to it where the account's question is
    // that question (asks).
    const QString& question() const { return m_question; }
    void setQuestion(const QString& question) { m_question = question; }
    // Whether the box's question is that question: the same words, case and
    // marks aside.
    bool asks(const QString& question) const;
    // A box of several lines: a text area shown with more than one row.
    bool takesLines() const;
    // A frame whose document the user types into: a rich editor. Such a
    // frame mostly stands over a hidden text area that carries the field's
    // name and label (SmartElementLookup pairs them): its words name the
    // frame, and the frame takes its text.
    bool isEditor() const { return m_editor; }
    void setEditor(bool editor) { m_editor = editor; }
    const PageElement& editedArea() const { return m_editedArea; }
    void setEditedArea(const PageElement& area) { m_editedArea = area; }
    // A tags box whose page asks for the tags separated by spaces.
    bool separatesBySpaces() const { return m_separatesBySpaces; }
    void setSeparatesBySpaces(bool spaces) { m_separatesBySpaces = spaces; }
    // A box the page writes a scheme right before ("http:// [    ]"): it
    // takes an address without its scheme.
    bool followsScheme() const { return m_followsScheme; }
    void setFollowsScheme(bool follows) { m_followsScheme = follows; }

    // What the page declares of the control, read from the page once: its
    // type attribute as written ("email", "tel" on an INPUT), and its
    // autocomplete attribute.
    const QString& typeDeclared() const { return m_typeDeclared; }
    const QString& autocomplete() const { return once(Autocomplete); }
    // The words a box shows itself, read from the page once: the title it
    // shows as a tip, and the text it shows inside until the user types;
    // and the name the page gives it for assistive technology
    // (aria-label), its label where no text of the page is.
    const QString& title() const { return once(Title); }
    const QString& placeholder() const { return once(Placeholder); }
    const QString& ariaLabel() const { return once(AriaLabel); }

    QString value() const;
    bool hasIdOrName() const;
    // A button that sends its form when clicked: a submit or a picture button.
    bool sendsForm() const { return m_type == TypeSubmit || m_type == TypeImage; }

    QString toString() const;

    // The HTML type code of a page element.
    static int typeOf(const PageElement& element);
    // A box that only decorates another (a clear button drawn as a box): it
    // has no name, so it sends nothing, and it takes no typing (read-only,
    // disabled, or shown as a mere picture to readers).
    static bool isDecoration(const PageElement& element);

    static bool containsKind(const QList<SmartElement*>& list, int kind);
    static QList<SmartElement*> elementsOfKind(const QList<SmartElement*>& list, int kind);

private:
    static int typeOf(const QString& tag, const QString& type);
    enum Attribute { Autocomplete, Title, Placeholder, AriaLabel, AttributeCount };
    const QString& once(Attribute attribute) const;

    PageElement m_form;
    int m_type = TypeUndef;
    int m_kind = KindUndef;
    int m_formNumber = 0;
    bool m_visible = true;
    bool m_continuesPrevious = false;
    bool m_asksLocalPart = false;
    bool m_asksUser = false;
    QString m_question;
    bool m_editor = false;
    bool m_separatesBySpaces = false;
    bool m_followsScheme = false;
    PageElement m_editedArea;
    QString m_typeDeclared;
    mutable QString m_attributes[AttributeCount];
    mutable unsigned m_read = 0;
};

} // namespace Vexal
