#pragma once

#include <QString>

namespace Vexal {

// Helpers for the rare places where a value must be written into SQL text.
// Everywhere else values are bound.
class DBText
{
public:
    DBText() = delete;

    // The text as an SQL string literal: between single quotes, every ' doubled.
    // A NUL character cannot stand inside a literal, so it is joined in as
    // char(0). The % and _ of the text keep their LIKE meaning.
    static QString quote(const QString& text);

    // The text with \, % and _ escaped by a backslash, for a bound LIKE pattern
    // that must match the text literally; the statement adds likeEscape().
    static QString escapeLike(const QString& text);

    // The clause that follows such a pattern: ESCAPE '\'
    static QString likeEscape();

    // A condition that holds when the column's text contains the needle
    // literally (ASCII letters in either case), with the needle bound to the
    // placeholder as containsValue(needle): "column LIKE :p ESCAPE '\'".
    // SQLite's LIKE reads both of its texts only up to the first NUL, so a
    // needle holding a NUL would shrink to what precedes it, "%" alone for a
    // lone NUL, and match every row; such a needle is compared whole by
    // instr() on the lower-cased texts instead, which folds case like LIKE.
    static QString containsCondition(const QString& column, const QString& placeholder, const QString& needle);
    static QString containsValue(const QString& needle);
};

} // namespace Vexal
