#include "TestRunner.h"

#include "core/Logger.h"
#include "shell/WidFind.h"
#include "shell/WidGotoLine.h"
#include "shell/WidReplace.h"
#include "shell/WidStatusBar.h"

#include <QCheckBox>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

using namespace Vexal;

class FindBarTest : public QObject
{
    Q_OBJECT

private slots:
    void findEmitsOnlyWithText()
    {
        WidFind bar;
        bar.init();
        QSignalSpy spy(&bar, &WidFind::onFind);

        QTest::keyClick(bar.edit(), Qt::Key_Return);
        bar.nextButton()->click();
        bar.previousButton()->click();
        QCOMPARE(spy.count(), 0);

        bar.edit()->setText(QStringLiteral("abc"));
        QTest::keyClick(bar.edit(), Qt::Key_Return);
        bar.matchCase()->setChecked(true);
        QCOMPARE(spy.count(), 1); // toggling Match Case alone emits nothing
        bar.previousButton()->click();
        bar.matchCase()->setChecked(false);
        bar.nextButton()->click();

        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0), (QVariantList{QStringLiteral("abc"), true, false}));
        QCOMPARE(spy.at(1), (QVariantList{QStringLiteral("abc"), false, true}));
        QCOMPARE(spy.at(2), (QVariantList{QStringLiteral("abc"), true, false}));
        QCOMPARE(Logger::contextClassName(), QStringLiteral("Vexal::WidFind"));
        QCOMPARE(Logger::contextAction(), QStringLiteral("Find"));
    }

    void selectAllToggles()
    {
        WidFind bar;
        bar.init();
        QSignalSpy spy(&bar, &WidFind::onFindAll);
        const QStringList typed{"abc", "abc", "abd", "", "abd"};
        for (const QString& text : typed) {
            bar.edit()->setText(text);
            bar.selectAllButton()->click();
        }
        QStringList emitted;
        for (const QVariantList& args : spy)
            emitted << args.at(0).toString();
        QCOMPARE(emitted, (QStringList{"abc", "", "abd", "", "abd"}));
        QCOMPARE(bar.lastFindAll(), QStringLiteral("abd"));

        // The remembered text survives hiding the bar.
        bar.hide();
        bar.selectAllButton()->click();
        QCOMPARE(spy.last().at(0).toString(), QString());
        QCOMPARE(Logger::contextAction(), QStringLiteral("Select All"));
    }

    void activateSelectsGivenText()
    {
        QWidget window;
        QVBoxLayout layout(&window);
        WidFind* find = new WidFind;
        WidReplace* replace = new WidReplace;
        WidGotoLine* gotoLine = new WidGotoLine;
        for (WidFindBase* bar : {static_cast<WidFindBase*>(find), static_cast<WidFindBase*>(replace),
                                 static_cast<WidFindBase*>(gotoLine)}) {
            bar->init();
            layout.addWidget(bar);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        find->activate(QStringLiteral("日本 ü"));
        QCOMPARE(find->edit()->text(), QStringLiteral("日本 ü"));
        QCOMPARE(find->edit()->selectedText(), QStringLiteral("日本 ü"));
        QVERIFY(find->edit()->hasFocus());

        replace->activate(QString());
        QVERIFY(replace->edit()->text().isEmpty());
        QVERIFY(replace->edit()->hasFocus());

        gotoLine->spinBox()->setValue(42);
        gotoLine->activate(QStringLiteral("ignored"));
        QCOMPARE(gotoLine->spinBox()->value(), 42);
        QVERIFY(gotoLine->spinBox()->hasFocus());
    }

    void replaceEmitsOnlyWithText()
    {
        WidReplace bar;
        bar.init();
        QSignalSpy one(&bar, &WidReplace::onReplace);
        QSignalSpy all(&bar, &WidReplace::onReplaceAll);

        bar.replaceEdit()->setText(QStringLiteral("x"));
        bar.nextButton()->click();
        bar.replaceAllButton()->click();
        QCOMPARE(one.count() + all.count(), 0);

        bar.edit()->setText(QStringLiteral("a\u00e9"));
        bar.matchCase()->setChecked(true);
        QTest::keyClick(bar.replaceEdit(), Qt::Key_Return);
        QTest::keyClick(bar.edit(), Qt::Key_Enter);
        bar.previousButton()->click();
        bar.replaceAllButton()->click();

        QCOMPARE(one.count(), 3);
        QCOMPARE(one.at(0), (QVariantList{QStringLiteral("a\u00e9"), QStringLiteral("x"), true, true}));
        QCOMPARE(one.at(1).at(2).toBool(), true);
        QCOMPARE(one.at(2).at(2).toBool(), false);
        QCOMPARE(all.count(), 1);
        QCOMPARE(all.at(0), (QVariantList{QStringLiteral("a\u00e9"), QStringLiteral("x"), true}));
        QCOMPARE(Logger::contextAction(), QStringLiteral("Replace All"));

        QSignalSpy closed(&bar, &WidFindBase::onClose);
        bar.closeButton()->click();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(Logger::contextClassName(), QStringLiteral("Vexal::WidReplace"));
    }

    void gotoLineEmitsEveryValue()
    {
        WidGotoLine bar;
        bar.init();
        QSignalSpy spy(&bar, &WidGotoLine::onGotoLine);
        bar.goButton()->click();
        bar.spinBox()->setValue(20000);
        QTest::keyClick(bar.spinBox(), Qt::Key_Return);
        QCOMPARE(spy.count(), 1);
        bar.goButton()->click();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
        QCOMPARE(spy.at(1).at(0).toInt(), 10000);
    }

    // A hovered link is page text: it shows as written, never as markup.
    void statusBarShowsLinksAsPlainText()
    {
        WidStatusBar bar;
        bar.init();
        bar.setLinkText(QStringLiteral("http://127.0.0.1/<b>x</b>"));
        QCOMPARE(bar.linkLabel()->text(), QStringLiteral("http://127.0.0.1/<b>x</b>"));
        QCOMPARE(bar.linkLabel()->textFormat(), Qt::PlainText);
    }
};

TESVAR_TEST(FindBarTest)
#include "FindBarTest.moc"
