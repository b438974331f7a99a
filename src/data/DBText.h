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
};

} // namespace Vexal
