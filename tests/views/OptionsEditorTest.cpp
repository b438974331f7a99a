#include "FreshStateTest.h"
#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestRunner.h"
#include "JournalDriver.h"

#include "widgets/WidFolderEdit.h"
#include "core/ConstApp.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBField.h"
#include "data/DBOptions.h"
#include "data/DBOptionsList.h"
#include "shell/WidTabManager.h"
#include "widgets/WidPasswordEdit.h"
#include "views/BaseEditorToolbar.h"
#include "views/BaseTable.h"
#include "views/OptionsTabContent.h"
#include "views/OptionsTabGeneral.h"
#include "views/OptionsTabPrivacy.h"
#include "views/OptionsTabProxy.h"
#include "views/OptionsTabTabs.h"
#include "views/WidOptionsEditor.h"
#include "views/WidUrlShortcutJournal.h"

#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

using namespace Vexal;

namespace {

// The options row stored (adjusted first) and its editor open in a tab.
struct OpenOptions
{
    TestDatabase db;
    WidTabManager tabs;
    int id = -1;
    WidOptionsEditor* editor = new WidOptionsEditor;

    explicit OpenOptions(const std::function<void(DBOptions*)>& adjust = {})
    {
        DBOptionsList list;
        if (list.load()) {
            if (adjust)
                adjust(list.options());
            id = list.options()->save() ? list.options()->id() : -1;
        }
        tabs.addUniqueTab(editor, new Init(id));
    }
};

// The options row as a restarted program reads it.
struct StoredOptions
{
    DBOptionsList list;
    DBOptions* options = nullptr;
    StoredOptions() { options = list.load() ? list.options() : nullptr; }
};

} // namespace

class OptionsEditorTest : public FreshStateTest
{
    Q_OBJECT

private slots:
    // In the smallest main window no label of the option pages is cut off.
    void labelsShowTheirWholeText()
    {
        OpenOptions open;
        WidOptionsEditor* editor = open.editor;
        open.tabs.resize(800, 440);
        open.tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&open.tabs));
        QTabWidget* pages = editor->tabWidgetObject();
        // The labels that do not show their whole text, as "text: size, needs".
        const auto cut = [](QWidget* page) {
            QStringList texts;
            for (QLabel* label : page->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull())
                    continue;
                // A label may take more lines when its column is narrow; on
                // one line it must have the width of its text.
                if (!label->wordWrap() && label->sizeHint().width() > label->width())
                    texts << QStringLiteral("%1: %2 wide, needs %3")
                                 .arg(label->text())
                                 .arg(label->width())
                                 .arg(label->sizeHint().width());
            }
            return texts.join(QLatin1String("; "));
        };
        for (int page = 0; page < pages->count() - 1; ++page) {
            pages->setCurrentIndex(page);
            // Once the layouts have settled.
            QTRY_VERIFY2(cut(pages->widget(page)).isEmpty(), qPrintable(cut(pages->widget(page))));
        }
    }

    void savedChangePersistsReachesCacheAndHubOnce()
    {
        OpenOptions open;
        WidOptionsEditor* editor = open.editor;
        QSignalSpy updates(UtilSignalManager::instance(), &UtilSignalManager::onUpdateOptions);
        QVERIFY(!editor->isModified());
        QVERIFY(!JournalDriver::saveEnabled(editor));
        QCOMPARE(editor->proxyPageObject()->portBox()->value(), 1); // stored 0, shown clamped

        editor->contentPageObject()->blockPopupsBox()->click();
        QVERIFY(editor->isModified());
        QVERIFY(JournalDriver::saveEnabled(editor));
        // Editing alone touches neither the cache nor the hub.
        QVERIFY(!DBCache::blockPopups());
        QCOMPARE(updates.count(), 0);

        editor->tabsPageObject()->maxTabsBox()->setValue(20);
        editor->privacyPageObject()->saveHistoryBox()->setChecked(false);
        editor->save();

        QCOMPARE(updates.count(), 1);
        QVERIFY(!editor->isModified());
        QVERIFY(!JournalDriver::saveEnabled(editor));
        QVERIFY(DBCache::blockPopups());
        QCOMPARE(DBCache::maxOpenedTabs(), 20);
        QVERIFY(!DBCache::saveHistory());

        StoredOptions stored;
        QVERIFY(stored.options);
        QCOMPARE(stored.options->id(), open.id);
        QVERIFY(stored.options->blockPopups());
        QCOMPARE(stored.options->maxOpenedTabs(), 20);
        QVERIFY(!stored.options->saveHistory());
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Options")), 1);
    }

    void startupAndLocationBarMappings()
    {
        OpenOptions open([](DBOptions* options) {
            options->setStartup(4);
            options->setLocationBar(8);
            options->setHomeUrl(QStringLiteral("http://mine.test/"));
        });
        WidOptionsEditor* editor = open.editor;
        OptionsTabGeneral* general = editor->generalPageObject();
        QCOMPARE(general->startupBox()->currentIndex(), 1);
        QCOMPARE(editor->privacyPageObject()->locationBarBox()->currentIndex(), 2);

        // "Use Default settings" stores start-up 2 and the default address,
        // whatever the edit holds.
        general->startupBox()->setCurrentIndex(OptionsTabGeneral::UseDefaultSettings);
        general->homePageEdit()->setText(QStringLiteral("http://other.test/"));
        editor->save();
        StoredOptions stored;
        QCOMPARE(stored.options->startup(), 2);
        QCOMPARE(stored.options->homeUrl(), ConstApp::homeUrl());
        QCOMPARE(stored.options->locationBar(), 8);
        QCOMPARE(general->startupBox()->currentIndex(), 0);
    }

    void proxyFieldsPortsAndScrambledPassword()
    {
        OpenOptions open;
        WidOptionsEditor* editor = open.editor;
        OptionsTabProxy* proxy = editor->proxyPageObject();

        QTest::keyClicks(proxy->passwordEdit()->lineEdit(), QStringLiteral("s3cret"));
        QVERIFY(editor->isModified());
        proxy->passwordEdit()->handleShowPassword(true);
        proxy->useProxyBox()->click();
        proxy->addressEdit()->setText(QStringLiteral("127.0.0.1"));
        proxy->portBox()->setValue(31280); // above the old 9999 limit
        editor->save();
        QVERIFY(!proxy->passwordEdit()->isPasswordShown());

        {
            StoredOptions stored;
            QVERIFY(stored.options->httpProxy());
            QCOMPARE(stored.options->httpPort(), 31280);
            QVERIFY(stored.options->httpPassword() != QStringLiteral("s3cret"));
            QVERIFY(!stored.options->httpPassword().isEmpty());
            QCOMPARE(stored.options->decryptedHttpPassword(), QStringLiteral("s3cret"));
            // Other proxies keep their stored values.
            QCOMPARE(TestDatabase::value(QStringLiteral("SELECT SocksPort FROM Options;")).toInt(), 0);
        }

        // A later save of another option keeps the password and the port.
        editor->contentPageObject()->imagesBox()->click();
        editor->save();
        StoredOptions stored;
        QCOMPARE(stored.options->decryptedHttpPassword(), QStringLiteral("s3cret"));
        QCOMPARE(stored.options->httpPort(), 31280);
        QVERIFY(!stored.options->enableImages());
    }

    // A spin box of the option pages offers the range of its option's row in
    // the field table and shows what the program uses; a saved page stores
    // it. A history period stored as -5 showed 1 while the start-up deleted
    // yesterday's history.
    void spinBoxesShowTheRangesOfTheirRows()
    {
        // Stored below the range, as another program may have written it.
        OpenOptions open([](DBOptions* options) {
            for (const DBField& field : DBOptions::fieldTable()) {
                if (field.hasRange())
                    field.load(options, field.minimum() - 6);
            }
        });
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT HistoryPeriod FROM Options;")).toInt(), -5);
        WidOptionsEditor* editor = open.editor;
        StoredOptions stored;
        const QList<QSpinBox*> boxes = editor->findChildren<QSpinBox*>();
        QCOMPARE(boxes.size(), 3);
        for (QSpinBox* box : boxes) {
            const DBField* field = DBOptions::fieldTable().find(box->objectName());
            QVERIFY2(field && field->hasRange(), qPrintable(box->objectName()));
            QCOMPARE(box->minimum(), field->minimum());
            QCOMPARE(box->maximum(), field->maximum());
            QCOMPARE(box->value(), field->intInRange(stored.options));
        }
        QCOMPARE(editor->privacyPageObject()->historyPeriodBox()->value(), 1);
        QCOMPARE(stored.options->historyPeriod(), 1);

        editor->contentPageObject()->imagesBox()->click();
        editor->save();
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT HistoryPeriod FROM Options;")).toInt(), 1);
        QCOMPARE(DBCache::historyPeriod(), 1);
    }

    void recordCommandsActOnlyOnTheShortcutPage()
    {
        // A shortcut stored before the editor opens.
        OpenOptions open([](DBOptions*) {
            TestDatabase::exec(
                QStringLiteral("INSERT INTO UrlShortcut (Name, Shortcut, URL) VALUES ('n', 'x', 'http://x.test/')"));
        });
        WidOptionsEditor* editor = open.editor;
        WidUrlShortcutJournal* journal = editor->shortcutJournalObject();
        BaseTable* table = journal->tableWidget();
        QCOMPARE(table->model()->rowCount(), 1); // open loaded the journal

        ScriptedPrompt prompt;
        prompt.defaultAnswer = QMessageBox::Yes;
        editor->selectAll();
        QVERIFY(!table->selectionModel()->hasSelection());
        table->selectRow(0);
        editor->remove();
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 1);

        editor->tabWidgetObject()->setCurrentWidget(journal);
        table->clearSelection();
        editor->selectAll();
        QVERIFY(table->selectionModel()->hasSelection());
        editor->remove();
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 0);
        QVERIFY(!editor->isModified()); // shortcuts are not part of the options record
    }
};

TESVAR_TEST(OptionsEditorTest)
#include "OptionsEditorTest.moc"
