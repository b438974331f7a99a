#include "TestRunner.h"

#include "widgets/HtmlHighlighter.h"
#include "content/SpintaxHighlighter.h"

#include <QCoreApplication>
#include <QPlainTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

using Vexal::HtmlHighlighter;
using Vexal::SpintaxHighlighter;

namespace {

// The colouring of the character at a document position.
QTextCharFormat formatAt(const QTextDocument& document, int position)
{
    const QTextBlock block = document.findBlock(position);
    const int offset = position - block.position();
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        if (offset >= range.start && offset < range.start + range.length)
            return range.format;
    return QTextCharFormat();
}

// The colouring of a whole document, one letter per character as the legend
// names the formats: '.' for none, '?' for one the legend does not name.
QString colours(const QTextDocument& document, const QList<QPair<char, QTextCharFormat>>& legend)
{
    QString result;
    for (int position = 0; position < document.characterCount() - 1; ++position) {
        const QTextCharFormat format = formatAt(document, position);
        char letter = format == QTextCharFormat() ? '.' : '?';
        for (const auto& entry : legend)
            if (entry.second == format)
                letter = entry.first;
        result += QLatin1Char(letter);
    }
    return result;
}

bool isPlain(const QTextDocument& document, int position)
{
    return formatAt(document, position) == QTextCharFormat();
}

// Documents get a layout as they have in an editor; without one a document
// reports no edits to its highlighter.
QTextDocument* withLayout(QTextDocument& document)
{
    document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
    return &document;
}

// Colouring runs from the event loop, spintax in two passes.
void settle(int rounds = 1)
{
    for (int i = 0; i < rounds; ++i)
        QCoreApplication::processEvents();
}

// Exactly these braces are unclosed, in the list and in colour.
void checkUnclosed(const SpintaxHighlighter& highlighter, const QTextDocument& document, const QVector<int>& braces)
{
    QCOMPARE(highlighter.unclosedBraces(), braces);
    for (int position : braces)
        QCOMPARE(formatAt(document, position), SpintaxHighlighter::format(SpintaxHighlighter::Error));
}

} // namespace

class HighlighterTest : public QObject
{
    Q_OBJECT
private slots:
    // One letter per character: t tag, a attribute, v value, c comment,
    // e entity. A comment and a quoted value carry over to the next line; a
    // lone "<" is text.
    void htmlTokens()
    {
        QTextDocument document(QStringLiteral("<a href=\"x y\" id=top>T &amp; 1 < 2<!-- note\nstill --><br/>\n"
                                              "<p title='one\ntwo'>x</p>"));
        HtmlHighlighter highlighter(withLayout(document));
        highlighter.rehighlight();
        QCOMPARE(colours(document, {{'t', HtmlHighlighter::format(HtmlHighlighter::Tag)},
                                    {'a', HtmlHighlighter::format(HtmlHighlighter::Attribute)},
                                    {'v', HtmlHighlighter::format(HtmlHighlighter::Value)},
                                    {'c', HtmlHighlighter::format(HtmlHighlighter::Comment)},
                                    {'e', HtmlHighlighter::format(HtmlHighlighter::Entity)}}),
                 QStringLiteral("tt.aaaa.vvvvv.aa.vvvt..eeeee......ccccccccc.cccccccccttttt.tt.aaaaa.vvvv.vvvvt.tttt"));
    }

    void htmlEnabledFlag()
    {
        QTextDocument document(QStringLiteral("<b>bold</b>"));
        HtmlHighlighter highlighter(withLayout(document));
        settle();
        QVERIFY(!isPlain(document, 0));

        highlighter.setEnabled(false);
        QVERIFY(isPlain(document, 0));
        QVERIFY(isPlain(document, 8));

        highlighter.setEnabled(true);
        QCOMPARE(formatAt(document, 8), HtmlHighlighter::format(HtmlHighlighter::Tag));
    }

    // B/b brace and P/p pipe at depth 0/1, e escape, x error. Nesting
    // carries over lines; a pipe outside braces is text.
    void spintaxTokens()
    {
        QTextDocument document(QStringLiteral("{a|{b|c}} \\{ x|y }\n{m\n|n}"));
        SpintaxHighlighter highlighter(withLayout(document));
        highlighter.rehighlight();
        QCOMPARE(colours(document, {{'B', SpintaxHighlighter::format(SpintaxHighlighter::Brace, 0)},
                                    {'b', SpintaxHighlighter::format(SpintaxHighlighter::Brace, 1)},
                                    {'P', SpintaxHighlighter::format(SpintaxHighlighter::Pipe, 0)},
                                    {'p', SpintaxHighlighter::format(SpintaxHighlighter::Pipe, 1)},
                                    {'e', SpintaxHighlighter::format(SpintaxHighlighter::Escape)},
                                    {'x', SpintaxHighlighter::format(SpintaxHighlighter::Error)}}),
                 QStringLiteral("B.Pb.p.bB.ee.....x.B..P.B"));
        QVERIFY(highlighter.unclosedBraces().isEmpty());
    }

    void spintaxUnclosedBraces()
    {
        QTextDocument document(QStringLiteral("{a|b} {c\n{d}\n\\{e"));
        SpintaxHighlighter highlighter(withLayout(document));
        settle(2);
        checkUnclosed(highlighter, document, {6});
        QCOMPARE(formatAt(document, 9), SpintaxHighlighter::format(SpintaxHighlighter::Brace, 1));

        // Text typed before the brace moves the mark with it.
        QTextCursor cursor(&document);
        cursor.insertText(QStringLiteral("zz"));
        settle();
        checkUnclosed(highlighter, document, {8});

        // Closing it at the end clears the mark on the first line.
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("}"));
        settle();
        QVERIFY(highlighter.unclosedBraces().isEmpty());
        QCOMPARE(formatAt(document, 8), SpintaxHighlighter::format(SpintaxHighlighter::Brace, 0));

        // Opening one more at the end marks only that one.
        cursor.insertText(QStringLiteral("{"));
        settle();
        checkUnclosed(highlighter, document, {document.characterCount() - 2});
        QCOMPARE(formatAt(document, 8), SpintaxHighlighter::format(SpintaxHighlighter::Brace, 0));
    }

    void largeDocuments()
    {
        // A few megabytes of markup and spintax: one linear pass each, and
        // an edit at the end finds a brace left open on the first line.
        QString html;
        QString spintax = QStringLiteral("{never closed\n");
        const QString htmlLine = QStringLiteral("<div class=\"row\" id=r><a href='#x'>item &amp; more</a><!-- c --></div>\n");
        const QString spinLine = QStringLiteral("{Hello|Hi|{Good|Nice} day} \\{literal\\} {a|b|{c|d|{e|f}}} text\n");
        while (html.size() < 3 * 1024 * 1024)
            html += htmlLine;
        while (spintax.size() < 3 * 1024 * 1024)
            spintax += spinLine;

        QTextDocument htmlDocument(html);
        HtmlHighlighter htmlHighlighter(withLayout(htmlDocument));
        settle();
        const QTextBlock lastHtml = htmlDocument.lastBlock().previous();
        QCOMPARE(formatAt(htmlDocument, lastHtml.position()), HtmlHighlighter::format(HtmlHighlighter::Tag));

        QTextDocument spinDocument(spintax);
        SpintaxHighlighter spinHighlighter(withLayout(spinDocument));
        settle(2);
        checkUnclosed(spinHighlighter, spinDocument, {0});
        const QTextBlock lastSpin = spinDocument.lastBlock().previous();
        QCOMPARE(formatAt(spinDocument, lastSpin.position()), SpintaxHighlighter::format(SpintaxHighlighter::Brace, 1));

        QTextCursor cursor(&spinDocument);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("}"));
        settle();
        QVERIFY(spinHighlighter.unclosedBraces().isEmpty());
        QCOMPARE(formatAt(spinDocument, 0), SpintaxHighlighter::format(SpintaxHighlighter::Brace, 0));
    }
};

TESVAR_TEST(HighlighterTest)
#include "HighlighterTest.moc"
