#pragma once

#include <QString>

// Text catalogues are written as tables, one entry per getter:
//   TEXT(getter, "literal")                      own text
//   TEXT_ARG(getter, parameter, "literal %1")    own text, %1 filled with a QString parameter
//   FORWARD(getter, Catalogue, entry)            the entry of another catalogue
//   FORWARD_ARGS(getter, Catalogue, entry, (parameters), (arguments))
// A catalogue header declares its getters with TESVAR_LOCALE_DECLARE(table) inside the catalogue's
// namespace (TESVAR_LOCALE_DECLARE_STATIC inside a class); its .cpp defines TESVAR_LOCALE_CLASS as the
// catalogue name and expands TESVAR_LOCALE_DEFINE(table).

#define TESVAR_LOCALE_DECLARE_TEXT(Getter, Literal) QString Getter();
#define TESVAR_LOCALE_DECLARE_TEXT_ARG(Getter, Param, Literal) QString Getter(const QString& Param);
#define TESVAR_LOCALE_DECLARE_FORWARD(Getter, Target, Entry) QString Getter();
#define TESVAR_LOCALE_DECLARE_FORWARD_ARGS(Getter, Target, Entry, Params, Args) QString Getter Params;

#define TESVAR_LOCALE_DECLARE(TABLE)                                                             \
    TABLE(TESVAR_LOCALE_DECLARE_TEXT, TESVAR_LOCALE_DECLARE_TEXT_ARG, TESVAR_LOCALE_DECLARE_FORWARD, \
          TESVAR_LOCALE_DECLARE_FORWARD_ARGS)

#define TESVAR_LOCALE_DECLARE_STATIC_TEXT(Getter, Literal) static TESVAR_LOCALE_DECLARE_TEXT(Getter, Literal)
#define TESVAR_LOCALE_DECLARE_STATIC_TEXT_ARG(Getter, Param, Literal) \
    static TESVAR_LOCALE_DECLARE_TEXT_ARG(Getter, Param, Literal)
#define TESVAR_LOCALE_DECLARE_STATIC_FORWARD(Getter, Target, Entry) \
    static TESVAR_LOCALE_DECLARE_FORWARD(Getter, Target, Entry)
#define TESVAR_LOCALE_DECLARE_STATIC_FORWARD_ARGS(Getter, Target, Entry, Params, Args) \
    static TESVAR_LOCALE_DECLARE_FORWARD_ARGS(Getter, Target, Entry, Params, Args)

#define TESVAR_LOCALE_DECLARE_STATIC(TABLE) \
    TABLE(TESVAR_LOCALE_DECLARE_STATIC_TEXT, TESVAR_LOCALE_DECLARE_STATIC_TEXT_ARG, \
          TESVAR_LOCALE_DECLARE_STATIC_FORWARD, TESVAR_LOCALE_DECLARE_STATIC_FORWARD_ARGS)

#define TESVAR_LOCALE_DEFINE_TEXT(Getter, Literal) \
    QString TESVAR_LOCALE_CLASS::Getter() { return QStringLiteral(Literal); }
#define TESVAR_LOCALE_DEFINE_TEXT_ARG(Getter, Param, Literal) \
    QString TESVAR_LOCALE_CLASS::Getter(const QString& Param) { return QStringLiteral(Literal).arg(Param); }
#define TESVAR_LOCALE_DEFINE_FORWARD(Getter, Target, Entry) \
    QString TESVAR_LOCALE_CLASS::Getter() { return Target::Entry(); }
#define TESVAR_LOCALE_DEFINE_FORWARD_ARGS(Getter, Target, Entry, Params, Args) \
    QString TESVAR_LOCALE_CLASS::Getter Params { return Target::Entry Args; }

// The entries every catalogue of a kind of web address shares.
#define TESVAR_LOCALE_ADDRESS_ENTRIES(FORWARD) \
    FORWARD(url, LocaleBase, url) \
    FORWARD(urlPrefix, LocaleBase, urlPrefix) \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(id, LocaleBase, id)

// The entries the catalogues of the submitted kinds (directories, social
// bookmarks) share: their fields and the common words of their journals.
#define TESVAR_LOCALE_SUBMISSION_ENTRIES(TEXT, FORWARD) \
    TEXT(general, "General") \
    TEXT(spam, "Spam") \
    TEXT(acceptTerms, "Accept Terms") \
    TEXT(userEmail, "User Email") \
    TEXT(userName, "User Name") \
    TEXT(description, "Description") \
    TEXT(tags, "Tags") \
    TEXT(title, "Title") \
    TEXT(category, "Category") \
    TESVAR_LOCALE_ADDRESS_ENTRIES(FORWARD) \
    FORWARD(name, LocaleBase, name) \
    FORWARD(project, LocaleInstance, project)

// The entries the catalogues of the page records (bookmarks, history) share.
#define TESVAR_LOCALE_PAGE_RECORD_ENTRIES(FORWARD) \
    TESVAR_LOCALE_ADDRESS_ENTRIES(FORWARD) \
    FORWARD(title, LocaleDialog, title) \
    FORWARD(load, LocaleBase, load) \
    FORWARD(selectionChanged, LocaleBase, selectionChanged)

#define TESVAR_LOCALE_DEFINE(TABLE)                                                          \
    TABLE(TESVAR_LOCALE_DEFINE_TEXT, TESVAR_LOCALE_DEFINE_TEXT_ARG, TESVAR_LOCALE_DEFINE_FORWARD, \
          TESVAR_LOCALE_DEFINE_FORWARD_ARGS)
