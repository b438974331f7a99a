#include "ExchangeTestUtil.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Convert.h"
#include "core/RecordKind.h"
#include "data/DBCache.h"
#include "exchange/ThreadXmlExport.h"
#include "exchange/ThreadXmlImport.h"
#include "exchange/XmlItem.h"
#include "exchange/XmlReader.h"

#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Vexal;

namespace {

// A whole reading of a file as the import takes it (read again as
// Windows-1252 when the bytes turn out not to be UTF-8): its root, its items,
// and how and where it ended.
QString readWith(const QByteArray& bytes, int pieceSize)
{
    QStringList out;
    for (const bool legacy : {false, true}) {
        out.clear();
        XmlSource source;
        source.setBytes(bytes, legacy);
        if (pieceSize > 0)
            source.setPieceSize(pieceSize);
        XmlReader reader(&source);
        XmlReader::Result result = reader.open() ? XmlReader::Item : XmlReader::Error;
        if (result == XmlReader::Item)
            out << reader.rootName() + QLatin1Char('|') + reader.table();
        XmlItem item;
        while (result == XmlReader::Item) {
            result = reader.next(&item);
            if (result == XmlReader::Item)
                out << describeItem(item);
        }
        if (source.needsLegacy() && !legacy)
            continue;
        if (result == XmlReader::Error)
            out << QStringLiteral("error: %1 at %2:%3").arg(reader.errorText()).arg(reader.line()).arg(reader.column());
        if (legacy)
            out << QStringLiteral("read as Windows-1252");
        break;
    }
    return out.join(QLatin1Char('\n'));
}

QByteArray utf16(const QString& text)
{
    QByteArray bytes("\xff\xfe");
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xff);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}

// Exports the bookmarks and articles into an empty folder; its files, by name.
QStringList exportKinds(const QString& folder)
{
    for (const RecordKind kind : {RecordKind::Bookmark, RecordKind::Article}) {
        ThreadXmlExport job(kindCode(kind), folder);
        if (!runJob(job) || !job.isSuccessful())
            return {};
    }
    QStringList files;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
        files << QDir(folder).filePath(name);
    return files;
}

// A long text of its own for each row, with what XML escapes, line ends and
// characters of one to four UTF-8 bytes, so that pieces end everywhere.
QString longText(int row, int length)
{
    const QString parts[] = {QStringLiteral("<&>\"' ]]> "), QStringLiteral("caf\u00e9 \u20ac "),
                             QString::fromUcs4(U"\U0001F600 "), QStringLiteral("line\r\nend\ttab ")};
    QString text = QStringLiteral("row %1: ").arg(row);
    for (int i = row; text.size() < length; ++i)
        text += parts[i % 4] + QString::number(i * 7919 % 1000);
    return text.left(length);
}

} // namespace

// Files are read in pieces: where a piece ends must never change what is read.
class XmlBoundariesTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { DBCache::reset(); }

    // Each file, read with every piece size from one byte up to the whole
    // file, gives what one piece gives: the same items, or the same refusal
    // at the same place.
    void everyPieceSizeReadsTheSame_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("ending"); // how one piece ends the reading
        const QByteArray head = "<!DOCTYPE doc>\n<items Table=\"Project\">\n <item>\n  <ID>1</ID>\n";
        const QByteArray tail = " </item>\n</items>\n";
        // Longer than the reader looks ahead for a name, so that texts too
        // reach the ends of pieces.
        const QByteArray text = QByteArray("text &amp; &lt;&#65;&#x1F600;&#x0000000000041; caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80 \r\n ] ]] \t")
                                    .repeated(12);
        const QByteArray blank = QByteArray(" \r\n\t ").repeated(80);
        QTest::newRow("long texts")
            << head + "  <Name>" + text + "</Name>\n  <Comments>" + text + "<![CDATA[" + text + "]]>" + text
                   + "</Comments>\n  <URL>" + text + "<!--" + text + "-->" + text + "</URL>" + tail
            << "";
        QTest::newRow("long attribute")
            << "<items Table=\"Project\" other=\"" + text + "\" more='" + text + "'><item><ID>1</ID></item></items>"
            << "";
        QTest::newRow("long white space and text outside fields")
            << head + blank + "<Name>n</Name>" + blank + text + "<Comments>" + blank + "</Comments>" + blank + tail
                   + blank + "<!-- " + text + " -->" + blank + "<?pi " + text + "?>" + blank
            << "";
        // UTF-16 hands on the halves of a surrogate pair in separate pieces.
        QTest::newRow("long UTF-16 text")
            << utf16(QString::fromUtf8(head + "  <Name>" + text + "</Name>\n" + tail)) << "";
        QTest::newRow("long text between items")
            << head + " </item>" + text + "<item><ID>2</ID></item>" + blank + "<![CDATA[" + text + "]]></items>" << "";
        QTest::newRow("long text with a fault")
            << head + "  <Name>" + text + "\x02" + text + "</Name>" + tail << "character not allowed";
        QTest::newRow("long attribute with a fault")
            << "<items Table=\"Project\" other=\"" + text + "<\"></items>" << "unexpected character";
        QTest::newRow("texts and references")
            << head + "  <Name>a long name &amp; &lt;tag&gt; &quot;q&quot; &apos;a&apos; &#65;&#x42;&#xd;&#x1F600;"
                      " caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80 end</Name>\n"
                      "  <Comments>line one\r\nline two\rline three\n\ttabbed ] ]] x</Comments>\n" + tail
            << "";
        QTest::newRow("attributes")
            << QByteArray("<items\r\n Table = 'Wo&#x72;d'\tother=\"a&#x9;b\r\nc &amp; d ] \xc3\xa9\"\n>"
                          "<item a=\"1\" b='2'><ID>3</ID></item><item/></items>")
            << "";
        QTest::newRow("names")
            << head + "  <AVeryLongElementNameThatIsNotAColumnOfTheKind_0123456789.-x>v</AVeryLongElementNameThatIsNotAColumnOfTheKind_0123456789.-x>\n"
                      "  <Name>n</Name><Comments>c</Comments>\n </item>\n <item><Comments>d</Comments><ID>2</ID>"
                      "<Name >m</Name ><\xc3\xa9l\xc3\xa9ment>x</\xc3\xa9l\xc3\xa9ment></item>\n</items>"
            << "";
        QTest::newRow("markup")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<!-- a comment -->\n"
                          "<?pi some data?>\n<!DOCTYPE doc SYSTEM \"doc.dtd\" [ ]>\n<items Table=\"Project\">"
                          "<item><ID>1</ID><Name>x<!-- c -->y<![CDATA[<z> & ]] ]>\r\nw]]><?pi d?>z</Name>text<Comments/>"
                          "</item><!-- between -->\n text \n<![CDATA[data]]><?pi?></items>\n<!-- after -->\n<?pi after?>\n")
            << "";
        QTest::newRow("byte-order mark")
            << QByteArray("\xef\xbb\xbf<?xml version='1.0'?><items Table=\"Project\"><item><ID>1</ID>"
                          "<Name>\xef\xbb\xbfn</Name></item></items>")
            << "";
        QTest::newRow("UTF-16")
            << utf16(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?><items Table=\"Project\"><item><ID>1</ID>"
                                    "<Name>caf\u00e9 %1 \u20ac</Name></item></items>")
                         .arg(QString::fromUcs4(U"\U0001F600\U0001F601")))
            << "";
        QTest::newRow("declared encoding")
            << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?>\n<items Table=\"Project\"><item><ID>3</ID>"
                          "<Name>\xb3\xf3" "d\xbc \xb3\xf3" "d\xbc</Name></item></items>")
            << "";
        QTest::newRow("Windows-1252 late")
            << head + "  <Name>plain ASCII for a while, then caf\xe9 and \x80 and \x9c</Name>\n" + tail
            << "read as Windows-1252";
        QTest::newRow("Windows-1252 at the very end") << head + tail + "<!-- \xe9 -->\n<!--\xe9-->" << "read as Windows-1252";
        QTest::newRow("mismatch") << head + "  <Name>some text</Nam>\n" + tail << "tag mismatch";
        QTest::newRow("lone surrogate")
            << utf16(QStringLiteral("<items Table=\"Project\"><item><ID>1</ID><Name>a") + QChar(0xD800)
                     + QStringLiteral("b</Name></item></items>"))
            << "character not allowed";
        QTest::newRow("unclosed comment") << head + tail + "<!-- a comment that never ends -" << "unexpected end";
        QTest::newRow("attribute without =") << QByteArray("<items Table \"Project\"></items>") << "unexpected character";
        QTest::newRow("attributes run together")
            << QByteArray("<items Table=\"Project\"other=\"x\"></items>") << "unexpected character";
        QTest::newRow("white space only") << QByteArray(" \r\n\t \r\n") << "no root";
        // The fault lies before the byte that is not UTF-8: the place of the
        // refusal still counts the characters as Windows-1252 gives them.
        QTest::newRow("refusal before a Windows-1252 byte")
            << head + "  <Name>caf\xc3\xa9 \xc3\xa9t\xc3\xa9 &bad; then " + text + "\xe9</Name>\n" + tail
            << "undefined entity";
    }
    void everyPieceSizeReadsTheSame()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, ending);
        const QString whole = readWith(bytes, 0);
        if (ending.isEmpty())
            QVERIFY2(!whole.contains(QLatin1String("error: ")) && !whole.contains(QLatin1String("read as")),
                     qPrintable(whole));
        else
            QVERIFY2(whole.contains(ending), qPrintable(whole));
        const QStringList expected = whole.split(QLatin1Char('\n'));
        for (int size = 1; size <= bytes.size() + 1; ++size) {
            const QStringList got = readWith(bytes, size).split(QLatin1Char('\n'));
            int line = 0;
            while (line < got.size() && line < expected.size() && got.at(line) == expected.at(line))
                ++line;
            if (got.size() != expected.size() || line < got.size())
                QFAIL(qPrintable(QStringLiteral("piece size %1, line %2: %3\none piece: %4")
                                     .arg(size)
                                     .arg(line + 1)
                                     .arg(got.value(line, QStringLiteral("(none)")),
                                          expected.value(line, QStringLiteral("(none)")))));
        }
    }

    // Files whose reading is known, read in pieces of every small size:
    // XML's line ends are normalised in texts, CDATA sections and attribute
    // values; names are compared whole; and no length (of a reference, a
    // name, white space, a declaration) makes a well-formed file refused.
    void readsWhatXmlDefines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        const QString smiley = QString::fromUcs4(U"\U0001F600");
        QTest::newRow("markup, references and white space")
            << QByteArray("\xef\xbb\xbf<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- by hand -->\r\n"
                          "<!DOCTYPE doc SYSTEM \"doc.dtd\">\n<ITEMS Table='Word' other=\"a&#x9;b\">\r\n"
                          " <item a=\"1\"><ID>1</ID><Name>a &amp; b &lt;c&gt; &quot;&apos;&#65;&#x42;&#xd;&#x1F600;"
                          "&#x000000000043;&#0000000000068;</Name><Comments/><URL></URL>text between"
                          "<Blank> \n\t</Blank>\r\n<Mixed>x<!-- c -->y<![CDATA[<z> & ]]>\r\nw<?pi data?></Mixed></item>\n"
                          " <item/>\n</ITEMS>\n<!-- after -->\n")
            << QStringLiteral("ITEMS|Word\nitem\nID|1|1|1\nName|a & b <c> \"'AB\r%1CD|1|1\nComments||1|0\nURL||1|0\n"
                              "Blank| \n\t|1|1\nMixed|xy<z> & \nw|1|1\nitem")
                   .arg(smiley);
        QTest::newRow("line ends")
            << QByteArray("<items Table=\"A\r\nB\rC\nD\tE&#xd;&#xa;&#x9;F\"><item>"
                          "<Text>a\r\nb\rc\r\r\nd\n\re</Text><CData><![CDATA[a\r\nb\rc\r\r\nd\n\re]]></CData>"
                          "<Mixed>a\r<![CDATA[\nb\r]]>\nc\r</Mixed></item></items>")
            << QStringLiteral("items|A B C D E\r\n\tF\nitem\nText|a\nb\nc\n\nd\n\ne|1|1\n"
                              "CData|a\nb\nc\n\nd\n\ne|1|1\nMixed|a\n\nb\n\nc\n|1|1");
        QTest::newRow("names compared whole")
            << QByteArray("<items Table=\"T\"><item><Title>a</Title><TitleFinal>b</TitleFinal><Titl>c</Titl>"
                          "<Title>d</Title></item><item><TitleFinal>e</TitleFinal><Title>f</Title></item></items>")
            << QStringLiteral("items|T\nitem\nTitle|a|1|1\nTitleFinal|b|1|1\nTitl|c|1|1\nTitle|d|1|1\n"
                              "item\nTitleFinal|e|1|1\nTitle|f|1|1");
        const QByteArray zeros(1100, '0');
        QTest::newRow("long references")
            << "<items Table=\"&#" + zeros + "84;\"><item><V>&#" + zeros + "65;&#x" + zeros + "1F600;</V></item></items>"
            << QStringLiteral("items|T\nitem\nV|A%1|1|1").arg(smiley);
        const QByteArray blanks(400, ' ');
        const QByteArray name(1100, 'N');
        QTest::newRow("long declaration")
            << "<?xml" + blanks + "version" + blanks + "=" + blanks + "'1." + zeros + "'" + blanks
                   + "encoding=\"UTF-8\"" + blanks + "standalone=\"no\"" + blanks + "?><items Table=\"T\"/>"
            << QStringLiteral("items|T");
        QTest::newRow("long names and white space")
            << "<!DOCTYPE " + name + blanks
                   + "SYSTEM" + blanks + "\"doc.dtd\"" + blanks + "><?" + name + " data?><items" + blanks + "Table"
                   + blanks + "=" + blanks + "\"T\"" + blanks + name + "=\"x\"" + blanks + "><item><" + name + blanks
                   + ">v</" + name + blanks + "><Name" + blanks + ">n</Name" + blanks + "></item></items>"
            << QStringLiteral("items|T\nitem\n%1|v|1|1\nName|n|1|1").arg(QString(1100, QLatin1Char('N')));
    }
    void readsWhatXmlDefines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        // 0 is the usual piece; the small ones put a piece's end everywhere.
        for (const int size : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 17, 31, 64, 127, 509})
            QVERIFY2(readWith(bytes, size) == expected,
                     qPrintable(QStringLiteral("piece size %1: %2").arg(size).arg(readWith(bytes, size))));
    }

    // An export of a few megabytes of bookmarks with icons and of articles
    // with long texts imports back row for row: exported again, the rows give
    // the same files.
    void largeExportImportsBack()
    {
        QTemporaryDir exchange;
        QStringList files;
        {
            TestDatabase source;
            QVERIFY(source.isOpen());
            QVERIFY(TestDatabase::exec(QStringLiteral("BEGIN;")));
            QSqlQuery bookmark;
            bookmark.prepare(QStringLiteral("INSERT INTO Bookmark (ID, Name, Comments, Icon, Title, URL, Visible) "
                                            "VALUES (?, ?, ?, ?, ?, ?, ?);"));
            quint32 noise = 1;
            for (int row = 1; row <= 1200; ++row) {
                QImage icon(16 + row % 17, 16 + row % 13, QImage::Format_ARGB32);
                for (int y = 0; y < icon.height(); ++y) {
                    for (int x = 0; x < icon.width(); ++x) {
                        noise = noise * 1103515245u + 12345u;
                        icon.setPixel(x, y, noise >> 4 | 0xff000000u);
                    }
                }
                for (const QVariant& value :
                     {QVariant(row), QVariant(longText(row, 40 + row % 80)), QVariant(longText(row * 3, 1 + row % 1000)),
                      QVariant(Convert::imageToBytes(icon)), QVariant(longText(row * 5, 100)),
                      QVariant(QStringLiteral("http://site%1.example/page?a=1&b=%2").arg(row).arg(row * 2)),
                      QVariant(row % 2)})
                    bookmark.addBindValue(value);
                QVERIFY(bookmark.exec());
            }
            QSqlQuery article;
            article.prepare(QStringLiteral("INSERT INTO Article (ID, Name, Comments, ProjectID, CategoryID, Title, "
                                           "TitleMode, Tags, Author, Intro, IntroMode, Body, BodyMode, Spun) "
                                           "VALUES (?, ?, ?, 1, ?, ?, 1, ?, ?, ?, 0, ?, 2, ?);"));
            for (int row = 1; row <= 250; ++row) {
                for (const QVariant& value :
                     {QVariant(row), QVariant(longText(row, 128)), QVariant(longText(row * 7, 1024)), QVariant(row % 5),
                      QVariant(longText(row * 11, 1024)), QVariant(longText(row, 300)), QVariant(longText(row, 90)),
                      QVariant(longText(row * 13, 1000)), QVariant(longText(row * 17, 5000 + row * 37)),
                      QVariant(row % 2)})
                    article.addBindValue(value);
                QVERIFY(article.exec());
            }
            QVERIFY(TestDatabase::exec(QStringLiteral("COMMIT;")));
            files = exportKinds(exchange.path());
        }
        QCOMPARE(files.size(), 2);
        for (const QString& file : files)
            QVERIFY2(QFileInfo(file).size() > 2 * XmlSource::defaultPieceSize, qPrintable(file));

        TestDatabase target;
        ThreadXmlImport job(files);
        QVERIFY(runJob(job));
        QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));
        QTemporaryDir again;
        const QStringList back = exportKinds(again.path());
        QCOMPARE(back.size(), files.size());
        for (int i = 0; i < files.size(); ++i)
            QVERIFY2(readBytes(back.at(i)) == readBytes(files.at(i)), qPrintable(files.at(i)));
    }
};

TESVAR_TEST(XmlBoundariesTest)
#include "XmlBoundariesTest.moc"
