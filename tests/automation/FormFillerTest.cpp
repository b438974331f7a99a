#include "ComboTexts.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "automation/submit/DlgDataSource.h"
#include "automation/submit/DlgFormFiller.h"
#include "automation/submit/ExtFormFiller.h"
#include "automation/submit/ExtFormFillerToolbar.h"
#include "automation/submit/WidDataSourceComboBox.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "widgets/WidDNDList.h"
#include "shell/WidWebTab.h"
#include "views/UtilDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace Vexal;

namespace {

QStringList captions(const WidDNDList* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList values(const WidDNDList* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->data(Qt::UserRole).toString();
    return out;
}

// A web tab with the form filler attached.
struct Panel
{
    WidWebTab tab;
    QPointer<ExtFormFiller> filler;

    Panel()
    {
        tab.setInit(nullptr);
        filler = new ExtFormFiller;
        tab.setExtension(filler);
    }
    ~Panel() { UtilDialog::setRunner(nullptr); }
    WidDNDList* list() const { return filler->list(); }
};

} // namespace

class FormFillerTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Logger::resetForTests(); }

    void dataSourceReplacesItems()
    {
        TestDatabase db;
        QVERIFY(useProject(QStringLiteral("P")) > 0);
        const int master = addRow(QStringLiteral("MasterAccount"),
                                  {{"Name", "m"}, {"FirstName", "Anna"}, {"Fax", "42"},
                                   {"Password", scrambled(QStringLiteral("pässword"))}});
        const int spun = addRow(QStringLiteral("SpunArticle"),
                                {{"Name", "s"}, {"ProjectID", DBCache::projectId()}, {"Title", "{a|b}"}});

        Panel panel;
        QVERIFY(panel.list());
        panel.filler->addItem(QStringLiteral("x"), QStringLiteral("1"));
        panel.filler->addItem(QStringLiteral("y"), QStringLiteral("2"));

        int shown = 0;
        UtilDialog::setRunner([&](QDialog* dialog) {
            ++shown;
            auto* source = qobject_cast<DlgDataSource*>(dialog);
            if (!source)
                return int(QDialog::Rejected);
            // Opens on the master accounts.
            if (source->sourceType() != 0 || source->recordId() != master)
                return int(QDialog::Rejected);
            return int(QDialog::Accepted);
        });
        panel.filler->toolbar()->onFill();
        QCOMPARE(shown, 1);
        QCOMPARE(captions(panel.list()).join(QLatin1Char(',')),
                 QStringLiteral("First Name,Middle Name,Last Name,Full Name,Login,Password,Email,Url,Answer,Country,"
                                "City,Province,Address,Details,Zip Code,Phone,Fax"));
        QCOMPARE(values(panel.list()).at(0), QStringLiteral("Anna"));
        QCOMPARE(values(panel.list()).at(5), QStringLiteral("pässword"));
        QCOMPARE(values(panel.list()).at(16), QStringLiteral("42"));

        // Stored finals only: no spinning.
        panel.filler->loadRecord(WidDataSourceComboBox::SourceSpunArticles, spun);
        QCOMPARE(values(panel.list()), QStringList({QString(), QString(), QString()}));

        // A record that cannot be loaded keeps the list.
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        panel.filler->loadRecord(WidDataSourceComboBox::SourceAccounts, 9999);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(panel.list()->count(), 3);
        QCOMPARE(Logger::errors().size(), 1);
    }

    void addDeleteAndClose()
    {
        TestDatabase db;
        Panel panel;
        UtilDialog::setRunner([](QDialog* dialog) {
            auto* add = qobject_cast<DlgFormFiller*>(dialog);
            if (!add)
                return int(QDialog::Rejected);
            add->dataEdit()->setPlainText(QStringLiteral("line 1\n  line 2"));
            return int(QDialog::Accepted);
        });
        panel.filler->slotAdd();
        QCOMPARE(captions(panel.list()), QStringList{QStringLiteral("Untitled")});
        QCOMPARE(values(panel.list()), QStringList{QStringLiteral("line 1\n  line 2")});

        UtilDialog::setRunner([](QDialog*) { return int(QDialog::Rejected); });
        panel.filler->slotAdd();
        QCOMPARE(panel.list()->count(), 1);

        for (const QString& caption : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")})
            panel.filler->addItem(caption, caption);
        panel.filler->slotDelete(); // nothing selected
        QCOMPARE(panel.list()->count(), 4);
        for (int row : {0, 1, 3})
            panel.list()->item(row)->setSelected(true);
        panel.filler->slotDelete();
        QCOMPARE(captions(panel.list()), QStringList{QStringLiteral("b")});
    }

    void sourceDialogLists()
    {
        TestDatabase db;
        const int other = useProject(QStringLiteral("Other"));
        QVERIFY(addRow(QStringLiteral("Account"), {{"Name", "A-other"}, {"ProjectID", other}}) > 0);
        const int project = useProject(QStringLiteral("P"));
        for (const char* name : {"c", "a", "b"})
            QVERIFY(addRow(QStringLiteral("Account"), {{"Name", name}, {"ProjectID", project}}) > 0);

        DlgDataSource dialog;
        dialog.build(nullptr);
        QCOMPARE(dialog.recordId(), -1);
        dialog.sourceBox()->selectByCode(WidDataSourceComboBox::SourceAccounts);
        QCOMPARE(comboTexts(*dialog.recordBox()), QStringList({"a", "b", "c"}));
        QCOMPARE(dialog.recordBox()->currentIndex(), 0);
        QVERIFY(dialog.recordId() > 0);

        // A list that cannot be loaded leaves the box empty.
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        QVERIFY(TestDatabase::exec(QStringLiteral("DROP TABLE Directory")));
        dialog.sourceBox()->selectByCode(WidDataSourceComboBox::SourceDirectories);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(dialog.recordId(), -1);
    }
};

TESVAR_TEST(FormFillerTest)
#include "FormFillerTest.moc"
