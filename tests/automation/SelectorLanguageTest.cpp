#include "TestRunner.h"

#include "automation/selector/Selector.h"
#include "automation/selector/SelectorAttribute.h"
#include "automation/selector/SelectorBuilder.h"
#include "automation/selector/SelectorError.h"
#include "automation/selector/SelectorList.h"

#include <QTest>

using namespace Vexal;

namespace {

const QString title = QStringLiteral("Website template contains invalid selectors. I can't parse them.");

QString build(SelectorBuilder& builder, const QString& text)
{
    builder.build(text, QStringLiteral("Caption"), QStringLiteral("Value"));
    if (builder.error())
        return builder.error()->text();
    return builder.result() ? builder.result()->toText() : QString();
}

// Kinds, tags, joins and conditions of every step, for comparing two parses.
QString shape(const SelectorList* list)
{
    QString out;
    for (int i = 0; i < list->count(); ++i) {
        const Selector* step = list->at(i);
        out += QStringLiteral("%1/%2/%3{").arg(step->tag()).arg(step->kind()).arg(step->join());
        for (int j = 0; j < step->attributeCount(); ++j) {
            const SelectorAttribute* a = step->attributeAt(j);
            out += QStringLiteral("%1/%2/%3/%4;").arg(a->name()).arg(a->keyword()).arg(a->comparison()).arg(a->value());
        }
        out += QLatin1Char('}');
    }
    return out;
}

} // namespace

class SelectorLanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void validTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("printed");
        QTest::newRow("plain") << "INPUT" << "INPUT";
        QTest::newRow("attribute") << "input[Name=\"x\"]" << "INPUT[name=\"x\"]";
        QTest::newRow("input keyword") << "XTEXT" << "INPUT[type=\"text\"]";
        QTest::newRow("spaces") << "xtext [Name = \"q\"] : xparent" << "INPUT[type=\"text\"&&name=\"q\"]:XPARENT";
        QTest::newRow("form first") << "FORM[name=\"login\"]:XTEXT[XFIRST=\"0\"]"
                                    << "FORM[name=\"login\"]:INPUT[type=\"text\"&&XFIRST=\"0\"]";
        QTest::newRow("submit") << "XSUBMIT" << "INPUT[type=\"submit\"]";
        QTest::newRow("iframe body") << "IFRAME[id=\"editor\"]:BODY" << "IFRAME[id=\"editor\"]:BODY";
        QTest::newRow("label next") << "LABEL[XTRIMMED=\"Email\"]:XNEXT" << "LABEL[XTRIMMED=\"Email\"]:XNEXT";
        QTest::newRow("any") << "SELECT[name=\"country\"||id=\"country\"]"
                             << "SELECT[name=\"country\"||id=\"country\"]";
        QTest::newRow("comparisons") << "a[xname%%\"b\"&&c!=\"d\"&&e=%\"f\"&&g%=\"h\"&&xtext=\"i\"]"
                                     << "A[XNAME%%\"b\"&&c!=\"d\"&&e=%\"f\"&&g%=\"h\"&&XTEXT=\"i\"]";
        QTest::newRow("empty name") << "INPUT[=\"x\"]" << "INPUT[=\"x\"]";
        QTest::newRow("value spaces") << "INPUT [ title = \"a  b \" ]" << "INPUT[title=\"a  b \"]";
        QTest::newRow("first 1000") << "INPUT[XFIRST=\"1000\"]" << "INPUT[XFIRST=\"1000\"]";
        QTest::newRow("last not") << "INPUT[xlast!=\"0\"]" << "INPUT[XLAST!=\"0\"]";
        QTest::newRow("ordinary words") << "XPREVIOUS[xlike=\"1\"]:xindex" << "XPREVIOUS[xlike=\"1\"]:XINDEX";
        QTest::newRow("navigation") << "TEXTAREA:XCHILD:XSIBLING:XPARENT" << "TEXTAREA:XCHILD:XSIBLING:XPARENT";
        QTest::newRow("cyrillic") << "label[XTRIMMED=\"Имя\"]:поле" << "LABEL[XTRIMMED=\"Имя\"]:ПОЛЕ";
        QTest::newRow("digits in name") << "A[h1=\"x\"]" << "A[h1=\"x\"]";
        QTest::newRow("quote chars kept") << "A[x=\"[]:&&||##\"]" << "A[x=\"[]:&&||##\"]";
    }

    void validTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, printed);
        SelectorBuilder builder;
        QCOMPARE(build(builder, text), printed);
        QVERIFY(!builder.error());
        const SelectorList* first = builder.result();
        QCOMPARE(first->caption(), QStringLiteral("Caption"));
        QCOMPARE(first->value(), QStringLiteral("Value"));
        for (int i = 0; i < first->count(); ++i)
            QCOMPARE(first->at(i)->join() == Selector::JoinUnset, false);

        // The printed form parses to the same objects and prints the same.
        QCOMPARE(build(builder, printed), printed);
        QVERIFY(!builder.error());
        QCOMPARE(shape(builder.result()), shape(first));
    }

    void valuesInsteadOfAValue()
    {
        SelectorBuilder builder;
        builder.build(QStringLiteral("SELECT"), QStringLiteral("Country"), QStringList{"a", "b"});
        QCOMPARE(builder.result()->values(), (QStringList{"a", "b"}));
        QVERIFY(builder.result()->value().isEmpty());
    }

    void errors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const auto at = [](const char* what, int pos, const char* text) -> QString {
            return QStringLiteral("%1 at pos. %2. Selector: %3")
                .arg(QLatin1String(what)).arg(pos).arg(QString::fromUtf8(text));
        };
        const auto incomplete = [](const char* text) -> QString {
            return QStringLiteral("Incomplete selector. Selector: ") + QString::fromUtf8(text);
        };
        QTest::newRow("join after input keyword") << "XTEXT[name=\"a\"||name=\"b\"]"
                                                  << at("Invalid operator", 17, "XTEXT[name=\"a\"||name=\"b\"]");
        QTest::newRow("mixed joins") << "A[x=\"1\"&&y=\"2\"||z=\"3\"]"
                                     << at("Invalid operator", 17, "A[x=\"1\"&&y=\"2\"||z=\"3\"]");
        QTest::newRow("parent first") << "XPARENT:INPUT" << at("Invalid tag name", 9, "XPARENT:INPUT");
        QTest::newRow("next alone") << "xnext" << at("Invalid tag name", 6, "xnext");
        QTest::newRow("child bracket") << "XCHILD[a=\"1\"]" << at("Invalid tag name", 8, "XCHILD[a=\"1\"]");
        QTest::newRow("empty word colon") << ":INPUT" << at("Invalid tag name", 2, ":INPUT");
        QTest::newRow("empty later word") << "A::B" << at("Invalid tag name", 4, "A::B");
        QTest::newRow("ends in colon") << "INPUT:" << incomplete("INPUT:");
        QTest::newRow("ends after bracket") << "INPUT[" << incomplete("INPUT[");
        QTest::newRow("ends in name") << "INPUT[name" << incomplete("INPUT[name");
        QTest::newRow("ends after comparison") << "INPUT[name=" << incomplete("INPUT[name=");
        QTest::newRow("ends in value") << "INPUT [name = \"x y" << incomplete("INPUT[name=\"x y");
        QTest::newRow("no closing bracket") << "INPUT[name=\"x\"" << incomplete("INPUT[name=\"x\"");
        QTest::newRow("ends in join") << "INPUT[name=\"x\"&" << incomplete("INPUT[name=\"x\"&");
        QTest::newRow("ends after join") << "INPUT[name=\"x\"&&" << incomplete("INPUT[name=\"x\"&&");
        QTest::newRow("empty condition") << "INPUT[]" << at("Invalid character", 7, "INPUT[]");
        QTest::newRow("digit in tag") << "H1" << at("Invalid character", 2, "H1");
        QTest::newRow("dash in name") << "INPUT[data-x=\"1\"]" << at("Invalid character", 11, "INPUT[data-x=\"1\"]");
        QTest::newRow("double equal") << "INPUT[name==\"x\"]" << at("Invalid character", 12, "INPUT[name==\"x\"]");
        QTest::newRow("bang") << "INPUT[name!x=\"1\"]" << at("Invalid character", 12, "INPUT[name!x=\"1\"]");
        QTest::newRow("percent") << "INPUT[name%x\"1\"]" << at("Invalid character", 12, "INPUT[name%x\"1\"]");
        QTest::newRow("after bracket") << "INPUT[name=\"x\"]X" << at("Invalid character", 15, "INPUT[name=\"x\"]X");
        QTest::newRow("empty value") << "INPUT[name=\"\"]" << at("Invalid attribute value", 14, "INPUT[name=\"\"]");
        QTest::newRow("first too big") << "INPUT[XFIRST=\"1001\"]"
                                       << at("Invalid attribute value", 20, "INPUT[XFIRST=\"1001\"]");
        QTest::newRow("last not number") << "INPUT[XLAST=\"a\"]" << at("Invalid attribute value", 16, "INPUT[XLAST=\"a\"]");
        QTest::newRow("last contains") << "INPUT[xlast%%\"1\"]" << at("Invalid operator", 14, "INPUT[xlast%%\"1\"]");
        QTest::newRow("first starts") << "INPUT[xfirst=%\"1\"]" << at("Invalid operator", 15, "INPUT[xfirst=%\"1\"]");
        QTest::newRow("hash join") << "A##B" << at("Invalid character", 2, "A##B");
        QTest::newRow("hash after value") << "A[x=\"1\"##y=\"2\"]" << at("Invalid character", 8, "A[x=\"1\"##y=\"2\"]");
        QTest::newRow("single amp") << "A[x=\"1\"&y=\"2\"]" << at("Invalid character", 8, "A[x=\"1\"&y=\"2\"]");
        QTest::newRow("value unquoted") << "A[x=1]" << at("Invalid character", 5, "A[x=1]");
        QTest::newRow("stripped positions") << "  A [ x = \"1\" ] ?" << at("Invalid character", 8, "A[x=\"1\"]?");
        QTest::newRow("non-latin kept") << "ПОЛЕ[x=\"é\"]%" << at("Invalid character", 11, "ПОЛЕ[x=\"é\"]%");
    }

    void errors()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        SelectorBuilder builder;
        QCOMPARE(build(builder, text), message);
        QCOMPARE(builder.error()->title(), title);
    }

    void reuseAndPartialResults()
    {
        SelectorBuilder builder;
        builder.build(QStringLiteral("INPUT:H1"), QString(), QString());
        QVERIFY(builder.error());
        QCOMPARE(builder.result()->count(), 1);
        QCOMPARE(builder.result()->at(0)->tag(), QStringLiteral("INPUT"));

        // A failing word leaves its empty step behind.
        builder.build(QStringLiteral("INPUT:XPARENT:"), QString(), QString());
        QVERIFY(builder.error());
        builder.build(QStringLiteral("FORM::A"), QString(), QString());
        QCOMPARE(builder.result()->count(), 2);
        QVERIFY(builder.result()->at(1)->tag().isEmpty());

        SelectorList* earlier = builder.result();
        builder.build(QStringLiteral("FORM"), QString(), QString());
        QVERIFY(!builder.error());
        QCOMPARE(builder.result()->toText(), QStringLiteral("FORM"));
        QCOMPARE(earlier->toText(), QStringLiteral("FORM:"));  // earlier lists stay alive

        builder.build(QStringLiteral(" \t\n "), QString(), QString());
        QVERIFY(!builder.error());
        QVERIFY(!builder.result());
        builder.build(QStringLiteral("A["), QString(), QString());
        builder.build(QString(), QString(), QString());
        QVERIFY(!builder.error());
        QVERIFY(!builder.result());
        builder.build(QStringLiteral("A"), QString(), QString());
        builder.build(QString(), QString(), QStringList());
        QVERIFY(!builder.result());
    }

    void largeInput()
    {
        // Long texts are read in one pass, with no recursion.
        SelectorBuilder builder;
        QString text = QStringLiteral("DIV");
        for (int i = 0; i < 20000; ++i)
            text += QStringLiteral(":XCHILD[a=\"1\"||b=\"2\"]");
        builder.build(text, QString(), QString());
        QVERIFY(!builder.error());
        QCOMPARE(builder.result()->count(), 20001);
        QCOMPARE(builder.result()->toText(), text);

        builder.build(QString(100000, QLatin1Char('[')), QString(), QString());
        QVERIFY(builder.error());
    }
};

TESVAR_TEST(SelectorLanguageTest)
#include "SelectorLanguageTest.moc"
