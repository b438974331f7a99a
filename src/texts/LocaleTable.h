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

#define TESVAR_LOCALE_DEFINE(TABLE)                                                          \
    TABLE(TESVAR_LOCALE_DEFINE_TEXT, TESVAR_LOCALE_DEFINE_TEXT_ARG, TESVAR_LOCALE_DEFINE_FORWARD, \
          TESVAR_LOCALE_DEFINE_FORWARD_ARGS)
