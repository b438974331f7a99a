#pragma once

#include <QString>

#include <vector>

namespace Vexal {

class Random;

// A spintax text compiled once and spun many times.
//
// "{a|b|c}" stands for one of its alternatives, alternatives nest and may be
// empty, and "\{", "\}" and "\|" are the literal characters. A "|" outside
// braces and a backslash before any other character are plain text.
//
// The text is compiled into a small jump program over the unescaped literal
// characters, so neither parsing nor spinning recurses: nesting depth and
// text size are bounded by memory only. A text with an unbalanced brace is
// not spun: spin() returns it unchanged and error() tells what and where.
class SPNSpintax final
{
public:
    // The dialect codes of the spun-article parts. All three spin the same
    // grammar; an unknown code is read as Classic.
    enum Dialect { Extreme = 2, Advance = 4, Classic = 8 };

    enum Error {
        NoError,
        UnexpectedClose, // a "}" without an open "{"
        UnclosedOpen     // a "{" that is never closed
    };

    SPNSpintax();
    explicit SPNSpintax(const QString& source, int dialect = Classic);

    // Compiles source, replacing what was compiled before; false on an error.
    bool parse(const QString& source, int dialect = Classic);

    bool isValid() const { return m_error == NoError; }
    Error error() const { return m_error; }
    // Index in the source of the offending brace (for an unclosed brace the
    // innermost one still open); -1 without an error.
    int errorPosition() const { return m_errorPosition; }
    // A one-line description of the error for the log; empty without one.
    QString errorString() const;

    int dialect() const { return m_dialect; }
    static int normalizedDialect(int dialect);

    // Number of "{...}" groups of a valid text.
    int choiceCount() const { return int(m_choices); }

    // One random variant of the text; the text itself when it is invalid.
    QString spin(Random& random) const;

private:
    enum Op : quint32 { OpText, OpChoice, OpJump, OpEnd };

    void clear();

    // The unescaped literal characters, in source order.
    QString m_text;
    // OpText offset length | OpChoice count tableIndex | OpJump target | OpEnd
    std::vector<quint32> m_code;
    // Start addresses of the alternatives, each group's contiguous.
    std::vector<quint32> m_table;
    quint32 m_choices = 0;
    Error m_error = NoError;
    int m_errorPosition = -1;
    int m_dialect = Classic;
};

} // namespace Vexal
