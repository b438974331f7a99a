#include "automation/smart/SmartKeywords.h"

#include "automation/smart/SmartElement.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <deque>

namespace Vexal {

using E = SmartElement;

namespace {

constexpr int bit(int type)
{
    return 1 << type;
}

constexpr int Check = bit(E::TypeCheckBox);
constexpr int Pass = bit(E::TypePassword);
constexpr int Radio = bit(E::TypeRadio);
constexpr int Select = bit(E::TypeSelect);
constexpr int Text = bit(E::TypeText);
constexpr int Area = bit(E::TypeTextArea);
constexpr int Frame = bit(E::TypeIFrame);

using K = SmartKeywords;
constexpr int All = K::Everywhere;
constexpr int PlainOnly = K::scope(1 << K::Plain, K::AllForms);
constexpr int FieldsOnly = K::scope(1 << K::Fields, K::AllForms);
constexpr int AttributesOnly = K::scope(1 << K::Attributes, K::AllForms);
constexpr int Articles = K::scope(K::AllFamilies, K::ArticleForm);
constexpr int ArticleFields = K::scope(1 << K::Fields, K::ArticleForm);
constexpr int BookmarkFields = K::scope(1 << K::Fields, K::BookmarkForm);
constexpr int DirectoryFields = K::scope(1 << K::Fields, K::DirectoryForm);
constexpr int DirectoryAttributes = K::scope(1 << K::Attributes, K::DirectoryForm);
constexpr int Entries = K::scope(K::AllFamilies, K::ArticleForm | K::DirectoryForm);
constexpr int Bookmarks = K::scope(K::AllFamilies, K::BookmarkForm);

// What a date part of a birthday needs around it; a text box asks for it
// in its own words (an age in years is no year).
constexpr const char* birth = "birth|born|=dob|bday|=age";
constexpr const char* birthItself = "birth|born|=dob|bday";
// What a box that agrees to something offers instead of the site's rules:
// news, offers, credit, paying later, a programme to enrol in (rewards,
// points, a loyalty club, a trial) or a partner's offer, whatever terms of
// their own it accepts with them.
constexpr const char* notTerms = "news|offer|subscri|promo|credit|financ|electronic|pay later|paylater|bill me|"
                                 "reward|loyalty|=points|^enrol|=trial|partner|nieuws|angebot|ofert|aanbied|"
                                 "werbung|pubblicit|publicid|marketing";
// The names of a site's rules, in the languages whose forms the program
// reads: terms, conditions, rules, a code of conduct, a user agreement, a
// legal notice ("AGB", "condizioni", "voorwaarden", "reglas", "regras").
constexpr const char* rulesNames =
    "~term|^condi|^rule|code of conduct|code of ethics|=agreement|t\xe9rmino|=agb|bedingung|datenschutz|"
    "voorwaarden|informativa|reglement|^regel|^regol|^regla|^regra|legal notice|aviso legal|note legali";
// The words that agree to something; with those that say one has read or
// follows it.
constexpr const char* agrees =
    "agree|accept|consent|akzeptier|einverstanden|accett|akkoord|^acept|^aceit|concordo";
constexpr const char* agreesOrRead =
    "agree|accept|consent|akzeptier|einverstanden|accett|akkoord|^acept|^aceit|concordo|"
    "=read|follow|gelesen|letto|gelezen|le\xed" "do|=lido";

// Rows of one group stand together; the first that answers decides, so a
// row for one family or form of lookup stands before the general one.
const std::vector<K::Row>& table()
{
    static const std::vector<K::Row> rows{
        // The country the member lives in; one of his birth, nationality or
        // papers is another question.
        {K::Country, E::KindCountry, Select | Text, FieldsOnly, "country", "birth|nationalit|citizen|issu|passport"},
        {K::Country, E::KindCountry, Select, All & ~FieldsOnly, "countr", "birth|nationalit|citizen|issu|passport"},
        // A box that offers news, offers or credit, or a consent to be
        // billed later, is a preference, whatever else its label says ("I
        // agree to receive the newsletter", "Accept the terms of the credit
        // plan", "Electronic consent" for paying later). The rows before the
        // last speak of the rules (the first: rules, terms, a code of conduct
        // or a user agreement, however the box is worded, "I have read the
        // game's rules"; the second: agreeing to guidelines, a policy, a guide
        // one has read, not a notice that names the privacy policy); the last
        // only agrees to something.
        {K::Terms, E::KindTerms, Check, All, rulesNames, notTerms},
        {K::Terms, E::KindTerms, Check, All, "~guide|polic|privac", notTerms, agreesOrRead},
        {K::Terms, E::KindTerms, Check, All, agrees, notTerms},
        // The documents an agreement is in, as a link's words or its
        // address name them: the rules, a policy, privacy, a legal page.
        {K::Agreement, E::KindTerms, 0, All, rulesNames},
        {K::Agreement, E::KindTerms, 0, All, "polic|~guide|privac|=tos|=eula"},
        // News, and the other things a box may ask to have sent or kept
        // ("Text me updates", "Keep me signed in", "Angemeldet bleiben",
        // "Ricordami", "Lembrar-me"): a preference, never the rules it may
        // link to.
        {K::News, E::KindSpam, Check, All,
         "news|nieuws|=update|=alert|remember|signed in|logged in|angemeldet|eingeloggt|ricordami|onthoud|ingelogd|"
         "recordar|recu\xe9rda|lembrar|mantenha|mantener"},
        // The password goes only into a password box: a box that shows what
        // is typed and asks something of the password (a hint, a phrase to
        // recover it) is left alone; a question to recover it is the
        // security question.
        {K::Password, E::KindPassword, Pass, FieldsOnly, "password"},
        {K::Password, E::KindTrash, Text, FieldsOnly, "password", "question"},
        {K::Password, E::KindPassword, Pass, AttributesOnly, "pass|pswd"},
        {K::Password, E::KindPassword, Pass, PlainOnly, "password"},
        // The words sites put next to the code of a picture, and the names
        // their software gives the field; a payment card's code is none.
        // A code said plainly may also be one sent by text message or
        // printed on a card: it is the picture's only beside a picture.
        {K::Captcha, E::KindCaptcha, Text, All,
         "private_key|captcha|image verification|visual verification|word verification|word verify|"
         "human verification|image code|imagecode|imagestring|imagestamp|humanverify|characters you see|"
         "enter the characters|characters shown|code shown|code in the image|code from the image|what you see|"
         "text shown|text you see|text in the image|letters shown|letters you see|turing"},
        {K::Captcha, E::KindCaptcha, Text, All,
         "confirm code|confirmation code|verification code|verify code|security code|securitycode|seccode|"
         "enter the code",
         "card|cvv|cvc", "", "", false, true},
        // "Mailing address" is no e-mail, though "emailaddress" is one.
        {K::Mail, E::KindEmail, Text, All, "mail!mailing"},
        // "Home" alone is where one lives as often as a page ("Home phone",
        // "HomeArea"): only a home page is a website.
        {K::Url, E::KindWebsite, Text, All, "~url|website|homepage|home page|site address|web address"},
        // A bookmark's address is its page's; an e-mail or a street address
        // is none.
        {K::Url, E::KindWebsite, Text, Bookmarks, "address", "mail|street|postal"},
        // "Address nickname" names an address, not the member.
        // The name a user picks to sign in by, in its usual wordings.
        {K::Login, E::KindLogin, Text, All, "login|nickname|sign in name|signin name|member name|account name",
         "mail!mailing|address"},
        // Article forms also take their title and tags from a text area, a
        // directory its keywords. A heading is the title, and a forum post's
        // subject; a subtitle or a subheading is none.
        {K::Title, E::KindTitle, Text | Area, Articles, "title|heading|headline|subject", "=sub|subtitle|subhead"},
        {K::Title, E::KindTitle, Text, All & ~Articles, "title|heading|headline", "=sub|subtitle|subhead"},
        {K::Tags, E::KindTags, Text | Area, Entries, "~tag|keyword"},
        {K::Tags, E::KindTags, Text, All & ~Entries, "~tag|keyword"},
        // Bookmarks are described in notes and comments too.
        {K::Description, E::KindDescription, Text | Area, BookmarkFields, "~desc|comment|notes"},
        {K::Description, E::KindDescription, Text | Area, All & ~BookmarkFields, "~desc"},
        // The topic or section an entry is filed under too.
        {K::Category, E::KindCategory, Select, All, "categor|=topic|=section"},
        // Article forms name their texts in more ways than the others.
        {K::Intro, E::KindIntro, Area | Frame, ArticleFields, "summary|intro|descr|excerpt"},
        {K::Intro, E::KindIntro, Area | Frame, All & ~ArticleFields, "summary|intro|excerpt"},
        {K::Bio, E::KindBio, Area | Frame, ArticleFields, "resource|bio|author"},
        {K::Bio, E::KindBio, Area | Frame, All & ~ArticleFields, "^res|bio"},
        // A name says "content" too; the words of a text, only a label.
        {K::Body, E::KindBody, Area | Frame, Articles, "~body|content"},
        {K::Body, E::KindBody, Area | Frame, ArticleFields, "^text"},
        {K::Body, E::KindBody, Area | Frame, All & ~Articles, "~body"},
        // A forum post's message is its body; a message to the site's staff
        // is none.
        {K::Body, E::KindBody, Area | Frame, Articles, "message", "editor|moderator|admin|staff|review"},
        // "Article" alone names the body (the letters counted by the caller).
        {K::ArticleWord, E::KindBody, Area | Frame, ArticleFields, "article"},
        {K::Question, E::KindQuestion, Select, All, "question"},
        // A box to type the question into; its answer is another box.
        {K::Question, E::KindQuestion, Text, All, "question", "answer"},
        {K::Answer, E::KindAnswer, Text, All, "answer"},
        // A part of a date is the birthday's only beside words of birth.
        // A text box names the birth itself ("Year of birth", "dobDay"):
        // "Day phone" and "Year of graduation" are none. "Birthday" and
        // "bday" name the whole date, as a text that names several parts
        // does ("mm/dd/yyyy"): no part of it.
        {K::BirthPart, E::KindBirthYear, Select, All, "~year|=yyyy|=yy", "", "", birth, true, false, true},
        {K::BirthPart, E::KindBirthMonth, Select, All, "month|=mm", "", "", birth, true, false, true},
        {K::BirthPart, E::KindBirthDay, Select, All, "~day!birthday!bday|=dd", "", "", birth, true, false, true},
        {K::BirthPart, E::KindBirthYear, Text, All, "~year|=yyyy|=yy", "", birthItself, "", false, false, true},
        {K::BirthPart, E::KindBirthMonth, Text, All, "month|=mm", "", birthItself, "", false, false, true},
        {K::BirthPart, E::KindBirthDay, Text, All, "~day!birthday!bday|=dd", "", birthItself, "", false, false, true},
        // "Postal address" is the street, not the code.
        {K::Contact, E::KindFax, Text, All, "~fax"},
        // A phone's extension is no phone number.
        {K::Contact, E::KindPhone, Text, All, "phone|=tel|mobile", "=ext|=extn|extension|=pin"},
        // A file's name may list ".zip" among its kinds; the suffix of a
        // ZIP code ("zipExtn", "ZIP+4 suffix") is no code of its own.
        {K::Contact, E::KindZipCode, Text, All, "postal", "postal address|=ext|=extn|extension|suffix"},
        {K::Contact, E::KindZipCode, Text, All, "~zip|postcode|post code", "attach|=file|=ext|=extn|extension|suffix"},
        // The postal code under another country's name ("PIN code") is one
        // only inside an address (the context a form's other boxes give),
        // never a card's or a phone's PIN.
        {K::Contact, E::KindZipCode, Text, All, "pin code|pincode", "card|phone|mobile|=sim|bank", "",
         "address|street|city|town"},
        {K::Contact, E::KindState, Text, All, "state|province|county"},
        {K::Contact, E::KindCity, Text, All, "~city|=town"},
        // The address parts of the form-filling vocabulary: "address-level1"
        // is the state or province, "address-level2" the city; neither is a
        // street line, nor a deeper level.
        {K::AddressLevel, E::KindState, 0, All, "address level 1"},
        {K::AddressLevel, E::KindCity, 0, All, "address level 2"},
        {K::AddressLevel, E::KindUndef, 0, All, "address level"},
        // A name, or a company, in an address ("Company name", "address_company",
        // "Company/care of") is no street.
        {K::Address, E::KindAddressDetails, Text, All, "=unit|=apt|apartment|suite"},
        // The second line said in words ("addressLineTwo"), or a line that
        // continues the address ("Address (cont.)", "Further address").
        {K::Address, E::KindAddressDetails, Text, All, "=two|second|=cont|continued|=more|further|additional",
         "name|company|care of", "address|street|=addr"},
        // A multi-line box asks for the whole address ("Full address"). The
        // street's name is the street, though a name in an address is none.
        {K::Address, E::KindAddress, Text | Area, All, "address|street", "name!street name|company|care of"},
        // Parts of a name, said with "name"; both parts in one ("First and
        // last name", "Given and family name") are the whole name.
        {K::NamePart, E::KindFullName, 0, All, "first|given|forename", "", "last|family|surname"},
        {K::NamePart, E::KindFirstName, 0, All, "first", "", "name"},
        {K::NamePart, E::KindMiddleName, 0, All, "middle", "", "name"},
        {K::NamePart, E::KindLastName, 0, All, "last", "", "name"},
        {K::NamePart, E::KindFirstName, 0, All, "given|forename", "", "name"},
        {K::NamePart, E::KindLastName, 0, All, "family|surname", "", "name"},
        {K::NamePart, E::KindFullName, 0, All, "full|real", "", "name"},
        {K::NamePart, E::KindScreenName, 0, All, "screen|display|public", "", "name"},
        {K::NamePart, E::KindUser, 0, All, "your", "", "name"},
        // A middle initial needs no "name" ("M.I.", "shipAddressMI").
        {K::Initial, E::KindMiddleName, 0, All, "middle initial|m i|=mi"},
        // Parts of a name said alone, as sub-labels of a split name say them.
        {K::NameWord, E::KindFirstName, 0, All, "=first|=given|=forename"},
        {K::NameWord, E::KindMiddleName, 0, All, "=middle|=mid|=initial"},
        {K::NameWord, E::KindLastName, 0, All, "=last|=family|=surname"},
        {K::Name, E::KindUser, 0, All, "name"},
        {K::User, E::KindUser, 0, All, "user"},
        // "female" first, since it holds "male".
        {K::Gender, E::KindGenderCombo, Select, AttributesOnly, "gender|~sex"},
        {K::Gender, E::KindGenderFemale, Radio, All, "female"},
        {K::Gender, E::KindGenderMale, Radio, All, "male"},
        {K::GenderName, E::KindGenderCombo, 0, All, "gender"},
        // Messenger and profile handles are never filled. "Yahoo! Mail
        // address" is an e-mail; "Yahoo ID" and "Yahoo Messenger" are not.
        {K::Messenger, E::KindTrash, Text, All, "yahoo|yim", "mail!mailing"},
        {K::Messenger, E::KindTrash, Text, All,
         "messenger|instant messaging|=aim|icq|skype|jabber|xmpp|msn|gtalk|google talk|hangouts|windows live|"
         "im handle|im name|im id|=irc|=qq|=kik|whatsapp|telegram|wechat|viber|discord|snapchat|twitter|"
         "facebook|instagram|linkedin|youtube|tiktok|pinterest"},
        // An article's author and pen name choosers are not to be filled.
        {K::AuthorSelect, E::KindTrash, Select, All, "author"},
        {K::PenName, E::KindTrash, Select, All, "penname"},
        // A directory entry is submitted by a person, not an account.
        {K::Owner, E::KindFullName, 0, DirectoryFields, "submitter|owner|contact", "", "name"},
        {K::Owner, E::KindUser, 0, DirectoryAttributes, "owner", "", "name"},
        // A directory's reciprocal link is not to be filled, nor a paid one.
        {K::Reciprocal, E::KindTrash, 0, All, "reciprocal"},
        {K::LinkAfter, E::KindTrash, 0, All, "$"},
        {K::LinkAfter, E::KindTrash, 0, All, "reciprocal"},
        {K::LinkAfter, E::KindFreeUrl, 0, All, "free"},
        // A description field that mentions a limit is not to be filled.
        {K::DescriptionLimit, E::KindTrash, Text | Area, All, "~desc", "", "limit"},
        {K::DescriptionLimit, E::KindDescription, Text | Area, All, "~desc"},
        {K::LinkType, E::KindFreeUrl, Radio, All, "type"},
        {K::Free, E::KindFreeUrl, 0, All, "free"},
        // A list of the newsletters' topics is an offer of news.
        {K::CategoryList, E::KindCategory, Check, All, "categor|topic", "news|subscri|mailing"},
        // The words of a date's parts, and the words a placeholder asks with.
        {K::DateWord, E::KindUndef, 0, All, "=year|=month|=day|=date"},
        // The words of an age ("18 years old", "13 years or older", "at least
        // eighteen years"), which names no date.
        {K::AgeRule, E::KindUndef, 0, All, "=old|=older|=younger|=aged|at least|=over|=under"},
        {K::Filler, E::KindUndef, 0, All, "=select|=choose|=please|=your|=enter|=pick"},
        // The words of an option that only names its list ("Month", "Year of
        // birth", "Your country"): a text of these alone is no choice.
        {K::Prompt, E::KindUndef, 0, All,
         "=month|=day|=year|=mm|=dd|=yy|=yyyy|=date|=birth|=dob|=gender|=sex|=title|=country|=state|=province|"
         "=region|=category|=your|=of|=the|=a|=an"},
        // The text area of a comment form, which is no sign-up.
        {K::CommentBox, E::KindTrash, Area, All, "comment|message"},
        // Words that name another thing than the member's account or person:
        // a hint or reminder, a code sent or printed, a PIN, a payment card,
        // a company, a tax or VAT number, a file, a price, the nickname of an
        // address, a street's name. A text that holds one gives none of the
        // kinds that cost most when they go astray (costlyKinds). A code of
        // conduct is the rules, no code to type.
        {K::Other, E::KindTrash, 0, All,
         "hint|reminder|one time|=otp|verification|card|=cc|company|business|^tax|=vat|care of|attach|=file|price|"
         "address nickname|addr nickname|=pin|street name"},
        {K::Other, E::KindTrash, 0, All, "=code", "code of conduct|code of ethics"},
        // Another person than the member, whose details a box asks for: one
        // who referred, invited or sponsors him, a parent or guardian, an
        // emergency contact, a friend he invites, a recipient.
        {K::OtherPerson, E::KindTrash, 0, All,
         "referr|=invited|inviter|sponsor|^parent|guardian|emergency|next of kin|=friend|recipient|"
         "beneficiar"},
        // Names other than the member's own: other, previous, maiden names,
        // an alias ("Other forenames", "Previous surname").
        {K::Other, E::KindTrash, 0, All,
         "other name|other forename|other given name|other first name|other surname|other last name|previous|"
         "maiden|=alias|former"},
        // The fields of a payment card: its number, type, expiry, security
        // code and holder (not a holder inside another word, as a page
        // framework's "ContentPlaceHolder").
        {K::Card, E::KindTrash, 0, All, "card|=cc|cvv|cvc|=csc|expir|=exp|^holder", "place holder"},
        // A message about a wrong entry ("Invalid image code"), which asks
        // for nothing.
        {K::Message, E::KindUndef, 0, All, "invalid|incorrect|=wrong|=error|mismatch|not match|=try again"},
        // A note about the marks of the fields a form must have, which is no
        // field's own label ("* Required fields").
        {K::RequiredNote, E::KindUndef, 0, All, "required|mandatory"},
        // Boxes a user leaves as they stand: to save the address, to add a
        // gift (wrap, message); not one that offers something with them.
        {K::KeepAsIs, E::KindTrash, Check, All, "~save|address book", "news|offer|subscri|promot", "address|^ship|^bill"},
        {K::KeepAsIs, E::KindTrash, Check, All, "~gift", "news|offer|subscri|promot"},
        // Nor one that enrols the user in a programme (rewards, points, a
        // loyalty club, a trial): an offer, left as the page has it.
        {K::KeepAsIs, E::KindTrash, Check, All, "reward|loyalty|=points|^enrol|=trial", "news|offer|subscri|promot"},
        // The words of a link that leads to help, not to a document of
        // rules ("Learn more", "Details", "See how it works").
        {K::MoreInfo, E::KindTrash, 0, All,
         "learn more|=details|more information|how it works|find out more|read more|what is this|"
         "what s this|=info",
         "~term|condition|^rule|polic|=agreement"},
        // A number the user already holds in a programme ("Stay Rewards ID
        // No.", "Member ID #", "Frequent flyer ID"), not a name he picks.
        {K::HeldNumber, E::KindTrash, Text, All, "member|loyalty|reward|customer|policy|frequent|=club|id no|=number|#",
         "=choose|=create|=pick|desired"},
        // Whose ID it is, in any words: the word right before "ID" ("Pupil
        // ID", "Acme ID"; wordBefore), where it names the holder of a
        // number the user already holds.
        {K::WhoseId, E::KindTrash, Text, All, "=id"},
        // A question that tells a person from a program: anti-spam, a human
        // or robot check, a sum, a colour to name. The user answers it.
        {K::HumanCheck, E::KindTrash, Text, All,
         "spam|human|robot|=bot|=math|arithmetic|=sum|=plus|=minus|=times|what colour|what color|"
         "which colour|which color"},
        // The words that start a hint about the answer, an example of it
        // ("Alias (e.g. your display name)").
        {K::Hint, E::KindUndef, 0, All, "e g|for example|for instance|such as|=like"},
        // The words of a question that recovers an account, which the user
        // answers himself ("Name of the street you grew up on", "Your
        // grandmother's maiden name"), and those that ask of his past only
        // in a question ("In which town were you born?").
        {K::Recovery, E::KindAnswer, 0, All,
         "grew up|grow up|childhood|favourite|favorite|grandmother|grandfather|grandparent|mother s|father s|"
         "sister s|brother s|best friend|oldest friend|first pet|pet s name|honeymoon|first car|first school|"
         "first job"},
        {K::Asked, E::KindAnswer, 0, All, "born|=was|=were|=did|=met|teacher|=pet|spouse|street|school"},
        // The words of a box's own name that name the account's login beside
        // a user's name ("username", "user_name"): a nick, a screen name.
        {K::LoginName, E::KindLogin, Text, All, "=nick|screenname|screen name"},
        // The words of a box that repeats what the box before it took.
        {K::Repeat, E::KindUndef, 0, All, "confirm|^retype|re type|repeat|again|re enter|reenter|^verify"},
        // The words of a birth itself, which a group of a date's parts (its
        // heading, a container of their names) speaks of.
        {K::BirthWord, E::KindUndef, 0, All, birthItself},
        // Tags the page asks for separated by spaces ("space-separated",
        // "Separate tags with spaces", "no commas"), not where commas do too.
        {K::SpaceSeparated, E::KindUndef, 0, All, "=space", "comma", "separat|delimit|between"},
        {K::SpaceSeparated, E::KindUndef, 0, All, "no comma|without commas|not commas"},
        // The keys of a path after a field's own part that name a property
        // of it, not a field ("email[0][value]").
        {K::PathKey, E::KindUndef, 0, All, "=value|=val"},
        // The member's own addresses a form asks for beside the first: where
        // to bill, ship or mail to.
        {K::OwnAddress, E::KindUndef, 0, All, "^bill|^ship|^deliv|mailing"},
    };
    return rows;
}

enum Mode { Raw, Phrase, Inside, AtStart, Either, Whole };

struct Keyword {
    QString pattern; // lower case; a phrase framed by blanks
    Mode mode;
    QStringList exceptions; // words of the text it is not found in
};

// A word boundary lies between text[i - 1] and text[i].
bool isBoundary(const QString& text, int i)
{
    if (i <= 0 || i >= text.size())
        return true;
    const QChar a = text.at(i - 1);
    const QChar b = text.at(i);
    if (!a.isLetterOrNumber() || !b.isLetterOrNumber())
        return true;
    if (a.isDigit() != b.isDigit())
        return true;
    if (a.isLower() && b.isUpper())
        return true;
    // "IDNumber": the last capital of a run starts the next word.
    return a.isUpper() && b.isUpper() && i + 1 < text.size() && text.at(i + 1).isLower();
}

// The words of the text, lower case, joined by single blanks and framed by
// blanks: " security code ". With origins, the place in the text each
// character of the line stands for (a blank: the character after it).
QString wordLine(const QString& text, std::vector<int>* origins = nullptr)
{
    QString line;
    line.reserve(text.size() + 2);
    const auto add = [&](QChar c, int at) {
        line += c;
        if (origins)
            origins->push_back(at);
    };
    add(QLatin1Char(' '), 0);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (i > 0 && isBoundary(text, i) && line.at(line.size() - 1) != QLatin1Char(' '))
            add(QLatin1Char(' '), i);
        if (c.isLetterOrNumber())
            add(c.toLower(), i);
    }
    if (line.at(line.size() - 1) != QLatin1Char(' '))
        add(QLatin1Char(' '), text.size());
    return line;
}

Keyword parse(const QString& word)
{
    Keyword keyword{word.toLower(), Raw, QStringList()};
    const QChar mark = keyword.pattern.isEmpty() ? QChar() : keyword.pattern.at(0);
    if (mark == QLatin1Char('^') || mark == QLatin1Char('~') || mark == QLatin1Char('=')) {
        keyword.mode = mark == QLatin1Char('^') ? AtStart : mark == QLatin1Char('~') ? Either : Whole;
        keyword.pattern.remove(0, 1);
    }
    const int bang = keyword.pattern.indexOf(QLatin1Char('!'));
    if (bang > 0) {
        keyword.exceptions = keyword.pattern.mid(bang + 1).split(QLatin1Char('!'), Qt::SkipEmptyParts);
        keyword.pattern.truncate(bang);
        if (keyword.mode == Raw)
            keyword.mode = Inside;
    }
    // A phrase starts a word; where it ends is checked as a word's end is.
    if (keyword.pattern.contains(QLatin1Char(' '))) {
        keyword.pattern.prepend(QLatin1Char(' '));
        keyword.mode = Phrase;
    }
    return keyword;
}

// Whether a hit of a word read in the line of words, ending at end, stands
// where its mark asks.
bool standsInLine(const Keyword& keyword, const QString& line, int end)
{
    if (keyword.mode == Raw)
        return false;
    const int start = end - keyword.pattern.size() + 1;
    // The word of the text the hit stands in may be one it is not found
    // in ("mailing", "birthday"), also as a plural.
    if (!keyword.exceptions.isEmpty()) {
        const int from = line.lastIndexOf(QLatin1Char(' '), start) + 1;
        const QStringRef word(&line, from, line.indexOf(QLatin1Char(' '), end) - from);
        for (const QString& exception : keyword.exceptions) {
            // A phrase the hit stands in ("name!street name"), also as a
            // plural.
            if (exception.contains(QLatin1Char(' '))) {
                const QString framed = QLatin1Char(' ') + exception;
                for (int at = line.indexOf(framed); at >= 0 && at < start; at = line.indexOf(framed, at + 1)) {
                    const int after = at + framed.size();
                    if (end < after
                        && (line.at(after) == QLatin1Char(' ')
                            || (line.at(after) == QLatin1Char('s') && line.at(after + 1) == QLatin1Char(' '))))
                        return false;
                }
                continue;
            }
            if (word == exception
                || (word.size() == exception.size() + 1 && word.startsWith(exception) && word.endsWith(QLatin1Char('s'))))
                return false;
        }
    }
    const bool starts = keyword.mode == Phrase || line.at(start - 1) == QLatin1Char(' ');
    const QChar after = line.at(end + 1);
    const bool ends = after == QLatin1Char(' ')
        || (after == QLatin1Char('s') && end + 2 < line.size() && line.at(end + 2) == QLatin1Char(' '));
    switch (keyword.mode) {
    case Inside: return true;
    case AtStart: return starts;
    case Either: return starts || ends;
    case Whole:
    case Phrase: return starts && ends;
    default: return false;
    }
}

} // namespace

const std::vector<SmartKeywords::Row>& SmartKeywords::standardRows()
{
    return table();
}

const SmartKeywords& SmartKeywords::standard()
{
    static const SmartKeywords keywords(table());
    return keywords;
}

// One automaton over every word of the table: a text is read once, raw (for
// words found anywhere) and as its line of words (for the others).
struct SmartKeywords::Automaton {
    std::vector<Keyword> keywords;
    std::array<int, 128> classOf{};
    int classes = 1; // class 0: any character no word holds
    std::vector<int> next;
    std::vector<std::vector<int>> output;

    int add(const Keyword& keyword)
    {
        for (int i = 0; i < int(keywords.size()); ++i) {
            const Keyword& known = keywords.at(i);
            if (known.pattern == keyword.pattern && known.mode == keyword.mode
                && known.exceptions == keyword.exceptions)
                return i;
        }
        keywords.push_back(keyword);
        return int(keywords.size()) - 1;
    }

    int charClass(QChar c) const { return c.unicode() < 128 ? classOf[c.unicode()] : 0; }

    void build()
    {
        for (const Keyword& keyword : keywords) {
            for (const QChar c : keyword.pattern) {
                if (c.unicode() < 128 && classOf[c.unicode()] == 0)
                    classOf[c.unicode()] = classes++;
            }
        }
        // The trie, then the failure links folded into a full table.
        std::vector<int> fail(1, 0);
        next.assign(classes, -1);
        output.assign(1, {});
        for (int id = 0; id < int(keywords.size()); ++id) {
            int node = 0;
            for (const QChar c : keywords.at(id).pattern) {
                const int cls = charClass(c);
                if (next[node * classes + cls] < 0) {
                    next[node * classes + cls] = int(output.size());
                    next.resize(next.size() + classes, -1);
                    output.emplace_back();
                    fail.push_back(0);
                }
                node = next[node * classes + cls];
            }
            output[node].push_back(id);
        }
        std::deque<int> queue;
        for (int cls = 0; cls < classes; ++cls) {
            int& target = next[cls];
            if (target < 0) {
                target = 0;
            } else {
                fail[target] = 0;
                queue.push_back(target);
            }
        }
        while (!queue.empty()) {
            const int node = queue.front();
            queue.pop_front();
            const std::vector<int>& inherited = output[fail[node]];
            output[node].insert(output[node].end(), inherited.begin(), inherited.end());
            for (int cls = 0; cls < classes; ++cls) {
                int& target = next[node * classes + cls];
                if (target < 0) {
                    target = next[fail[node] * classes + cls];
                } else {
                    fail[target] = next[fail[node] * classes + cls];
                    queue.push_back(target);
                }
            }
        }
    }

    // Runs over the text, handing each hit on with the word's id and the
    // place of its last character.
    template <class Hit>
    void each(const QString& text, const Hit& hit) const
    {
        int node = 0;
        for (int i = 0; i < text.size(); ++i) {
            node = next[node * classes + charClass(text.at(i).toLower())];
            for (int id : output[node])
                hit(id, i);
        }
    }
    // Each hit of a word read in this form of the text is checked where it
    // stands.
    template <class Accept>
    void run(const QString& text, Hits& hits, const Accept& accept) const
    {
        each(text, [&](int id, int end) {
            if (!hits.test(id) && accept(keywords[id], end))
                hits.set(id);
        });
    }
};

struct SmartKeywords::Compiled {
    Hits words;
    Hits excluded;
    Hits also;
    Hits context;
    Hits others; // the words of the group's rows giving other kinds
};

SmartKeywords::SmartKeywords(std::vector<Row> rows)
    : m_rows(std::move(rows))
    , m_automaton(new Automaton)
    , m_groups(GroupCount)
    , m_groupWords(GroupCount)
{
    auto mask = [this](const char* words) {
        Hits hits;
        const QString list = QString::fromLatin1(words);
        for (const QString& word : list.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            const int id = m_automaton->add(parse(word));
            if (id >= MaxWords)
                qFatal("SmartKeywords: more than %d words", MaxWords);
            hits.set(id);
        }
        return hits;
    };
    for (int i = 0; i < int(m_rows.size()); ++i) {
        const Row& row = m_rows.at(i);
        m_compiled.push_back(Compiled{mask(row.words), mask(row.excluded), mask(row.also), mask(row.context), Hits()});
        m_groups[row.group].push_back(i);
        m_groupWords[row.group] |= m_compiled.back().words;
        if (row.group == Other) {
            m_other |= m_compiled.back().words;
            m_otherExcluded |= m_compiled.back().excluded;
            if (*row.also)
                qFatal("SmartKeywords: a row of the Other group takes no further words");
        }
    }
    for (int i = 0; i < int(m_rows.size()); ++i) {
        if (m_compiled[i].excluded.none())
            continue;
        const int kind = m_rows[i].kind;
        if (kind >= int(m_excluding.size()))
            m_excluding.resize(kind + 1);
        m_excluding[kind].push_back(i);
    }
    for (int i = 0; i < int(m_rows.size()); ++i) {
        for (int j : m_groups[m_rows[i].group]) {
            if (m_rows[j].kind != m_rows[i].kind)
                m_compiled[i].others |= m_compiled[j].words;
        }
    }
    m_automaton->build();
}

SmartKeywords::~SmartKeywords() = default;

SmartKeywords::Hits SmartKeywords::scan(const QString& text) const
{
    Hits hits;
    if (text.isEmpty())
        return hits;
    const Automaton& a = *m_automaton;
    a.run(text, hits, [](const Keyword& keyword, int) { return keyword.mode == Raw; });
    const QString line = wordLine(text);
    a.run(line, hits, [&line](const Keyword& keyword, int end) { return standsInLine(keyword, line, end); });
    return hits;
}

int SmartKeywords::firstAt(Group group, const QString& text) const
{
    const Hits& words = m_groupWords[group];
    const Automaton& a = *m_automaton;
    int first = -1;
    const auto take = [&first](int at) { first = first < 0 ? at : std::min(first, at); };
    a.each(text, [&](int id, int end) {
        if (words.test(id) && a.keywords[id].mode == Raw)
            take(end - a.keywords[id].pattern.size() + 1);
    });
    std::vector<int> origins;
    const QString line = wordLine(text, &origins);
    a.each(line, [&](int id, int end) {
        const Keyword& keyword = a.keywords[id];
        if (words.test(id) && standsInLine(keyword, line, end)) {
            // A phrase's pattern starts with the blank before its first word.
            const int start = end - keyword.pattern.size() + (keyword.mode == Phrase ? 2 : 1);
            take(origins[size_t(start)]);
        }
    });
    return first;
}

bool SmartKeywords::answers(const Compiled& row, const Hits& hits)
{
    return (row.words & hits).any() && !(row.excluded & hits).any() && (row.also.none() || (row.also & hits).any());
}

bool SmartKeywords::serves(const Row& row, int type, int scope)
{
    return (row.scope & scope) && (type == AnyType || row.types == 0 || (type >= 0 && (row.types & bit(type))));
}

bool SmartKeywords::costly(int kind)
{
    switch (kind) {
    case E::KindPassword:
    case E::KindEmail:
    case E::KindTerms:
    case E::KindLogin:
    case E::KindFirstName:
    case E::KindMiddleName:
    case E::KindLastName:
    case E::KindFullName:
    case E::KindScreenName:
    case E::KindUser:
        return true;
    default:
        return false;
    }
}

bool SmartKeywords::ownDetail(int kind)
{
    // A question and its answer are the member's own, whoever they name
    // ("Your best friend's name?").
    return costly(kind)
        || (kind >= E::KindGenderCombo && kind <= E::KindFax && kind != E::KindQuestion && kind != E::KindAnswer);
}

bool SmartKeywords::otherRowAnswers(const Hits& hits) const
{
    for (int i : m_groups.at(Other)) {
        if (answers(m_compiled[i], hits))
            return true;
    }
    return false;
}

bool SmartKeywords::answersRow(int row, const Hits& hits) const
{
    return answers(m_compiled[row], hits) && !namesOtherFor(m_rows[row].kind, hits)
        && !(m_rows[row].single && (m_compiled[row].others & hits).any());
}

const SmartKeywords::Row* SmartKeywords::answering(Group group, const Hits& hits, int type, int scope) const
{
    // No row answers a text that holds none of the group's words.
    if (!(m_groupWords[group] & hits).any())
        return nullptr;
    ++m_walks;
    for (int i : m_groups.at(group)) {
        if (serves(m_rows[i], type, scope) && answersRow(i, hits))
            return &m_rows[i];
    }
    return nullptr;
}

int SmartKeywords::kind(Group group, const Hits& hits, int type, int scope) const
{
    const Row* row = answering(group, hits, type, scope);
    return row ? row->kind : int(E::KindUndef);
}

int SmartKeywords::rowCount(Group group, int type, int scope) const
{
    int count = 0;
    for (int i : m_groups.at(group))
        count += serves(m_rows[i], type, scope) ? 1 : 0;
    return count;
}

int SmartKeywords::rank(Group group, const Hits& hits, int type, int scope) const
{
    if (!(m_groupWords[group] & hits).any())
        return -1;
    ++m_walks;
    int place = 0;
    for (int i : m_groups.at(group)) {
        if (!serves(m_rows[i], type, scope))
            continue;
        if (answersRow(i, hits))
            return place;
        ++place;
    }
    return -1;
}

bool SmartKeywords::matches(Group group, int kind, const Hits& hits, int type, int scope) const
{
    if (!(m_groupWords[group] & hits).any())
        return false;
    ++m_walks;
    for (int i : m_groups.at(group)) {
        if (m_rows[i].kind == kind && serves(m_rows[i], type, scope) && answersRow(i, hits))
            return true;
    }
    return false;
}

bool SmartKeywords::holdsAny(Group group, const Hits& hits) const
{
    return (m_groupWords[group] & hits).any();
}

bool SmartKeywords::holdsContext(Group group, int kind, const Hits& hits) const
{
    for (int i : m_groups.at(group)) {
        if ((kind < 0 || m_rows[i].kind == kind) && (m_compiled[i].context & hits).any())
            return true;
    }
    return false;
}

bool SmartKeywords::holdsExclusion(Group group, int kind, const Hits& hits) const
{
    return namesOtherFor(kind, hits) || holdsRowExclusion(group, kind, hits);
}

bool SmartKeywords::holdsRowExclusion(Group group, int kind, const Hits& hits) const
{
    for (int i : m_groups.at(group)) {
        if (m_rows[i].kind == kind && (m_compiled[i].excluded & hits).any())
            return true;
    }
    return false;
}

bool SmartKeywords::excludes(int kind, const Hits& hits, int scope) const
{
    if (namesOtherFor(kind, hits))
        return true;
    if (kind < 0 || kind >= int(m_excluding.size()))
        return false;
    for (int i : m_excluding[kind]) {
        if ((m_rows[i].scope & scope) && (m_compiled[i].excluded & hits).any())
            return true;
    }
    return false;
}

SmartKeywords::Hits SmartKeywords::wordsOf(Group group) const
{
    return m_groupWords[group];
}

QStringList SmartKeywords::words(Group group) const
{
    QStringList list;
    for (int i : m_groups.at(group)) {
        for (const QString& word : QString::fromLatin1(m_rows[i].words).split(QLatin1Char('|'), Qt::SkipEmptyParts))
            list << parse(word).pattern.trimmed();
    }
    return list;
}

namespace {

// The letters right before the place in the text, set apart from it by marks
// or blanks alone; empty where none stand so.
QString lettersBefore(const QString& text, int at)
{
    int end = at;
    while (end > 0 && !text.at(end - 1).isLetterOrNumber())
        --end;
    int start = end;
    while (start > 0 && text.at(start - 1).isLetter())
        --start;
    return end < at ? text.mid(start, end - start) : QString();
}

} // namespace

QString SmartKeywords::wordBefore(Group group, const QString& text) const
{
    int first = text.size();
    QString before;
    for (const QString& word : words(group)) {
        for (int at = text.indexOf(word, 1, Qt::CaseInsensitive); at > 0 && at < first;
             at = text.indexOf(word, at + 1, Qt::CaseInsensitive)) {
            const int end = at + word.size();
            if (text.at(at - 1).isLetterOrNumber() || (end < text.size() && text.at(end).isLetterOrNumber()))
                continue;
            const QString letters = lettersBefore(text, at);
            if (!letters.isEmpty()) {
                first = at;
                before = letters;
                break;
            }
        }
    }
    return before;
}

} // namespace Vexal
