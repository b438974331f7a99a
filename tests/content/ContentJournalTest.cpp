#include "ComboTexts.h"
#include "EditorDriver.h"
#include "FileSizeLimit.h"
#include "FreshStateTest.h"
#include "JournalDriver.h"
#include "ScriptedPrompt.h"
#include "SpinnerDriver.h"
#include "SpyTexts.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "content/DlgSpinner.h"
#include "content/ThreadSpinner.h"
#include "content/WidArticleComboBox.h"
#include "content/WidArticleEditor.h"
#include "content/WidArticleJournal.h"
#include "content/WidCategoryComboBox.h"
#include "content/WidCategoryEditor.h"
#include "content/WidCategoryJournal.h"
#include "content/WidDirectoryJournal.h"
#include "content/WidLanguageJournal.h"
#include "content/WidSocialBookmarkJournal.h"
#include "content/WidLanguageComboBox.h"
#include "content/WidLanguageEditor.h"
#include "content/WidSocialBookmarkEditor.h"
#include "content/WidSpinnedArticleComboBox.h"
#include "content/WidSpinnedArticleEditor.h"
#include "content/WidSpinnedArticleJournal.h"
#include "content/WidSpintaxModeComboBox.h"
#include "content/WidSynonymEditor.h"
#include "content/WidSynonymJournal.h"
#include "content/WidWordEditor.h"
#include "content/WidWordTree.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "data/DBConnection.h"
#include "shell/WidTabManager.h"
#include "texts/LocaleArticle.h"
#include "texts/LocaleMessage.h"
#include "views/BaseTable.h"
#include "views/UtilDialog.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QSignalSpy>
#include <QTreeWidgetItemIterator>

#include <cerrno>
#include <cstring>

using namespace Vexal;

namespace {

QVariant value(const QString& statement) { return TestDatabase::value(statement); }

bool insert(const QString& statement) { return TestDatabase::exec(statement); }

void selectWord(WidWordTree* tree, int wordId)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == QString::number(wordId))
            tree->setCurrentItem(*it);
}

// A fresh database with a current project, scripted message boxes and a
// tab manager for the journals.
struct Desk
{
    TestDatabase db;
    ScriptedPrompt prompt;
    int project = useProject(QStringLiteral("P"));
    WidTabManager tabs;
};

} // namespace

using namespace JournalDriver;

class ContentJournalTest : public FreshStateTest
{
    Q_OBJECT

private slots:
    void comboBoxesFillAndSelectById()
    {
        Desk desk;
        QVERIFY(insert(QStringLiteral("INSERT INTO Project (ID, Name, Active) VALUES (90, 'Other', 0)")));
        QVERIFY(insert(QStringLiteral("INSERT INTO Article (ID, Name, ProjectID) VALUES (1, 'b', %1), (2, 'a', %1), "
                                      "(3, 'foreign', 90)").arg(desk.project)));
        QVERIFY(insert(QStringLiteral("INSERT INTO SpunArticle (ID, Name, ProjectID, ArticleID) VALUES "
                                      "(11, 's2', %1, 1), (12, 's1', %1, 1), (13, 'other', %1, 2), "
                                      "(14, 'foreign', 90, 1)").arg(desk.project)));

        WidArticleComboBox articles;
        articles.reload();
        QCOMPARE(comboTexts(articles), QStringList({"a", "b"}));
        WidSpinnedArticleComboBox spun;
        spun.reload(1);
        QCOMPARE(comboTexts(spun), QStringList({"s1", "s2"}));
        spun.reload(-1);
        QCOMPARE(spun.currentId(), -1);
        WidSpintaxModeComboBox modes;
        modes.setCurrentMode(99); // read as Classic, like the spinner does
        QCOMPARE(modes.currentMode(), 8);
        QVERIFY(Logger::errors().isEmpty());
    }

    void articleEditorStoresAndEdits()
    {
        Desk desk;
        QVERIFY(insert(QStringLiteral("INSERT INTO Category (ID, Name, MasterID) VALUES (5, 'News', -1)")));

        WidArticleEditor editor;
        editor.setInit(newRecordInit());
        editor.nameEdit->setText(QStringLiteral("First"));
        editor.categoryBox->setCurrentId(5);
        editor.titleEdit->setPlainText(QStringLiteral("{Hello|Hi} world"));
        editor.bodyEdit->setPlainText(QStringLiteral("body"));
        auto* bodyMode = editor.bodyEdit->parentWidget()->findChild<WidSpintaxModeComboBox*>();
        QVERIFY(bodyMode);
        bodyMode->setCurrentMode(8);
        editor.save();
        QVERIFY(!editor.isModified());
        const int id = editor.init()->id();
        QVERIFY(id > 0);
        const QString row = QStringLiteral("SELECT %2 FROM Article WHERE ID = %1").arg(id);
        QCOMPARE(value(row.arg(QStringLiteral("ProjectID || '/' || CategoryID || '/' || Title || '/' || TitleMode || "
                                              "'/' || BodyMode")))
                     .toString(),
                 QStringLiteral("%1/5/{Hello|Hi} world/2/8").arg(desk.project));

        WidArticleEditor again;
        again.setInit(new Init(id, nullptr));
        QVERIFY(!again.isModified());
        QCOMPARE(again.categoryBox->currentId(), 5);
        QCOMPARE(again.bodyEdit->parentWidget()->findChild<WidSpintaxModeComboBox*>()->currentMode(), 8);
        again.categoryBox->setCurrentId(-1); // a category can be taken away again
        QVERIFY(again.isModified());
        again.save();
        QCOMPARE(value(row.arg(QStringLiteral("CategoryID"))).toInt(), -1);
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Article")), 1);
    }

    void editorTextCommandsWorkOnTheFocusedField()
    {
        Desk desk;
        WidArticleEditor editor;
        editor.setInit(newRecordInit());
        editor.bodyEdit->setPlainText(QStringLiteral("one two One"));
        QCOMPARE(editor.activeTextEdit(), editor.bodyEdit); // the body until another field had the focus

        editor.find(QStringLiteral("ONE"), true, false);
        QCOMPARE(editor.selectedText(), QStringLiteral("one"));
        // Replace swaps the found text and moves on to the next match.
        editor.replace(QStringLiteral("one"), QStringLiteral("1"), true, false);
        QCOMPARE(editor.bodyEdit->toPlainText(), QStringLiteral("1 two One"));
        QCOMPARE(editor.selectedText(), QStringLiteral("One"));
        // A case-sensitive replace leaves a selection of other case alone.
        editor.replace(QStringLiteral("one"), QStringLiteral("1"), true, true);
        QCOMPARE(editor.bodyEdit->toPlainText(), QStringLiteral("1 two One"));
        editor.replaceAll(QStringLiteral("o"), QStringLiteral("oo"), false);
        QCOMPARE(editor.bodyEdit->toPlainText(), QStringLiteral("1 twoo oone"));

        QFocusEvent focus(QEvent::FocusIn);
        QCoreApplication::sendEvent(editor.titleEdit, &focus);
        QCOMPARE(editor.activeTextEdit(), editor.titleEdit);
        editor.titleEdit->setPlainText(QStringLiteral("{a|b}"));
        editor.replaceAll(QStringLiteral("|"), QStringLiteral("|c|"), true);
        QCOMPARE(editor.titleEdit->toPlainText(), QStringLiteral("{a|c|b}"));
        QCOMPARE(editor.bodyEdit->toPlainText(), QStringLiteral("1 twoo oone"));
    }

    void recordsOfTheOtherKindsStoreAndEdit()
    {
        Desk desk;
        QVERIFY(insert(QStringLiteral("INSERT INTO Article (ID, Name, ProjectID) VALUES (3, 'Art', %1)")
                           .arg(desk.project)));

        WidSpinnedArticleEditor spun;
        spun.setInit(newRecordInit());
        spun.nameEdit->setText(QStringLiteral("S"));
        spun.articleBox->setCurrentId(3);
        spun.titleFinalEdit->setText(QStringLiteral("Final"));
        spun.submittedBox->setChecked(true);
        spun.save();
        const int spunId = spun.init()->id();
        QVERIFY(spunId > 0);
        QCOMPARE(value(QStringLiteral("SELECT ArticleID || '/' || TitleFinal || '/' || Submitted || '/' || ProjectID "
                                      "FROM SpunArticle"))
                     .toString(),
                 QStringLiteral("3/Final/1/%1").arg(desk.project));

        WidCategoryEditor master;
        master.setInit(newRecordInit());
        master.nameEdit->setText(QStringLiteral("Master"));
        master.save();
        const int masterId = master.init()->id();
        WidCategoryEditor child;
        child.setInit(newRecordInit());
        child.masterBox->reload(); // the master was stored after the page was built
        child.nameEdit->setText(QStringLiteral("Child"));
        child.masterBox->setCurrentId(masterId);
        child.save();
        QCOMPARE(value(QStringLiteral("SELECT MasterName FROM CategoryView WHERE Name = 'Child'")).toString(),
                 QStringLiteral("Master"));
        // A category is never its own master.
        master.masterBox->reload();
        master.masterBox->setCurrentId(masterId);
        master.save();
        QVERIFY(master.isModified());
        QCOMPARE(value(QStringLiteral("SELECT MasterID FROM Category WHERE ID = %1").arg(masterId)).toInt(), -1);
        QCOMPARE(desk.prompt.messages.size(), 1);

        QVERIFY(Logger::errors().isEmpty());
    }

    void wordsCarryALanguageAndSynonymsAWord()
    {
        Desk desk;
        const int languageId = saveNamed<WidLanguageEditor>(QStringLiteral("English"));
        QVERIFY(languageId > 0);

        // No language exists (a new database): refused, nothing stored, and
        // the message says where languages come from; a synonym the same.
        QVERIFY(insert(QStringLiteral("DELETE FROM Language")));
        QCOMPARE(saveNamed<WidWordEditor>(QStringLiteral("fast")), -1);
        QCOMPARE(saveNamed<WidSynonymEditor>(QStringLiteral("quick")), -1);
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Word")) + TestDatabase::rowCount(QStringLiteral("Synonym")), 0);
        QCOMPARE(desk.prompt.messages.size(), 2);
        for (const auto& message : desk.prompt.messages) {
            QVERIFY2(message.text.contains(QStringLiteral("File > Import")), qPrintable(message.text));
            QVERIFY(message.text.contains(QStringLiteral("languages.xml")));
        }
        QVERIFY(insert(QStringLiteral("INSERT INTO Language (ID, Name) VALUES (%1, 'English')").arg(languageId)));

        WidWordEditor word;
        word.setInit(newRecordInit(languageId)); // the language chosen in the journal
        QCOMPARE(word.languageBox->currentId(), languageId);
        word.nameEdit->setText(QStringLiteral("fast"));
        word.save();
        const int wordId = word.init()->id();
        QVERIFY(wordId > 0);
        QCOMPARE(value(QStringLiteral("SELECT LanguageID FROM Word")).toInt(), languageId);
        QCOMPARE(saveNamed<WidWordEditor>(QStringLiteral("fast"), languageId), -1);
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Word")), 1);
        QCOMPARE(desk.prompt.messages.last().text, LocaleArticle::wordExists());

        // Saving a stored word again under its own name is no duplicate.
        word.nameEdit->setText(QStringLiteral("fast"));
        word.handleDirty();
        word.save();
        QVERIFY(!word.isModified());

        // A synonym belongs to the word chosen in the journal, and needs one.
        const int quick = saveNamed<WidSynonymEditor>(QStringLiteral("quick"), wordId);
        QCOMPARE(value(QStringLiteral("SELECT WordID FROM Synonym WHERE ID = %1").arg(quick)).toInt(), wordId);
        QCOMPARE(saveNamed<WidSynonymEditor>(QStringLiteral("rapid")), -1);
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Synonym")), 1);
        QCOMPARE(desk.prompt.messages.last().text, LocaleMessage::requiredItemsMissing());
    }

    void journalsListTheirRecordsAndOpenTheirEditors()
    {
        Desk desk;
        QVERIFY(insert(QStringLiteral("INSERT INTO Category (ID, Name, MasterID) VALUES (1, 'a', -1), (2, 'b', 1)")));
        QVERIFY(insert(QStringLiteral("INSERT INTO Language (ID, Name) VALUES (1, 'English'), (2, 'German')")));
        for (const char* table : {"Directory", "SocialBookmark"})
            QVERIFY(insert(QStringLiteral("INSERT INTO %1 (Name, ProjectID) VALUES ('x', %2)")
                               .arg(QLatin1String(table))
                               .arg(desk.project)));

        auto* categories = openJournal<WidCategoryJournal>(desk.tabs);
        QCOMPARE(rows(categories), 2);
        selectRows(categories->tableWidget(), {1});
        categories->edit();
        auto* category = qobject_cast<WidCategoryEditor*>(desk.tabs.currentWidget());
        QVERIFY(category);
        QCOMPARE(category->masterBox->currentId(), 1);

        // Add opens the kind's editor.
        const QList<QPair<BaseJournal*, const char*>> journals = {
            {openJournal<WidDirectoryJournal>(desk.tabs), "Vexal::WidDirectoryEditor"},
            {openJournal<WidSocialBookmarkJournal>(desk.tabs), "Vexal::WidSocialBookmarkEditor"},
            {openJournal<WidLanguageJournal>(desk.tabs), "Vexal::WidLanguageEditor"}};
        for (const auto& journal : journals) {
            desk.tabs.setCurrentWidget(journal.first);
            journal.first->add();
            QCOMPARE(desk.tabs.currentWidget()->metaObject()->className(), journal.second);
        }
        QCOMPARE(rows(journals.at(0).first), 1);
        QCOMPARE(rows(journals.at(1).first), 1);
        QCOMPARE(rows(journals.at(2).first), 2);
        QVERIFY(Logger::errors().isEmpty());
    }

    void synonymJournalFollowsTheWordTree()
    {
        Desk desk;
        QVERIFY(DBConnection::useWriteAheadLog(desk.db.database()));
        QVERIFY(insert(QStringLiteral("INSERT INTO Language (ID, Name) VALUES (1, 'English')")));
        QVERIFY(insert(QStringLiteral("INSERT INTO Word (ID, Name, LanguageID) VALUES (10, 'fast', 1), "
                                      "(11, 'big', 1)")));
        QVERIFY(insert(QStringLiteral("INSERT INTO Synonym (Name, WordID) VALUES ('quick', 10), ('rapid', 10), "
                                      "('large', 11)")));
        auto* journal = openJournal<WidSynonymJournal>(desk.tabs);
        SyncManager* sync = journal->syncManagerObject();
        QCOMPARE(rows(journal), 0);
        QVERIFY(!sync->isEnabled(BaseTable::CommandAdd) && !sync->isEnabled(BaseTable::CommandEditWord));
        QVERIFY(sync->isEnabled(BaseTable::CommandAddWord));

        selectWord(journal->wordTree(), 10);
        QCOMPARE(rows(journal), 2);
        QVERIFY(sync->isEnabled(BaseTable::CommandAdd) && sync->isEnabled(BaseTable::CommandDeleteWord));

        // A new synonym belongs to the chosen word; Add Word starts on its language.
        const int before = desk.tabs.count();
        journal->add();
        auto* synonymEditor = qobject_cast<WidSynonymEditor*>(desk.tabs.currentWidget());
        QVERIFY(synonymEditor);
        QCOMPARE(synonymEditor->init()->secondId(), 10);
        journal->slotAddWord();
        auto* wordEditor = qobject_cast<WidWordEditor*>(desk.tabs.currentWidget());
        QVERIFY(wordEditor);
        QCOMPARE(wordEditor->languageBox->currentId(), 1);
        QCOMPARE(desk.tabs.count(), before + 2);

        // Under a file-size limit the word and its synonyms stay, and the
        // bar names the cause that the commit met.
        desk.prompt.answers.enqueue(QMessageBox::Yes);
        {
            QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
            FileSizeLimit limit(1);
            QVERIFY(limit.ok());
            journal->slotDeleteWord();
            QCOMPARE(spyTexts(errors), QStringList{LocaleMessage::operationFailedBecause(
                                           QString::fromLocal8Bit(std::strerror(EFBIG)))});
        }
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Word")), 2);
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Synonym")), 3);
        Logger::resetForTests();

        desk.prompt.answers.enqueue(QMessageBox::Yes);
        journal->slotDeleteWord();
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Word")), 1);
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Synonym")), 1); // only big's
        QCOMPARE(journal->wordTree()->currentWordId(), -1);
        QCOMPARE(rows(journal), 0);
        QVERIFY(Logger::errors().isEmpty());
    }

    void articleJournalCopiesAndSpins()
    {
        Desk desk;
        QVERIFY(insert(QStringLiteral("INSERT INTO Article (ID, Name, ProjectID, Title, TitleMode, Intro, IntroMode, "
                                      "Body, BodyMode, Spun) VALUES (4, 'Art', %1, '{a|b}', 2, 'i', 4, "
                                      "'{x|y|z}', 8, 0)").arg(desk.project)));
        auto* journal = openJournal<WidArticleJournal>(desk.tabs);
        SyncManager* sync = journal->syncManagerObject();
        QVERIFY(!sync->isEnabled(BaseTable::CommandSpin));
        selectRows(journal->tableWidget(), {0});
        QVERIFY(sync->isEnabled(BaseTable::CommandSpin) && sync->isEnabled(BaseTable::CommandCopy));

        // Spin drives the spinner dialog: three spun articles of the article.
        int runs = 0;
        SpinnerDriver::answerSpinner(3, &runs);
        journal->slotSpin();
        QCOMPARE(runs, 1);
        QCOMPARE(value(QStringLiteral("SELECT COUNT(*) FROM SpunArticle WHERE ArticleID = 4 AND ProjectID = %1")
                           .arg(desk.project))
                     .toInt(),
                 3);
        QCOMPARE(value(QStringLiteral("SELECT SpunCount FROM ArticleView WHERE ID = 4")).toInt(), 3);

        // The spun-articles journal opened with the article id shows those only.
        QVERIFY(insert(QStringLiteral("INSERT INTO SpunArticle (Name, ProjectID, ArticleID) VALUES ('x', %1, 99)")
                           .arg(desk.project)));
        auto* spun = openJournal<WidSpinnedArticleJournal>(desk.tabs, new Init(QUrl(QStringLiteral("4")), nullptr));
        QCOMPARE(rows(spun), 3);
        spun->add(); // a new spun article starts on that article
        auto* spunEditor = qobject_cast<WidSpinnedArticleEditor*>(desk.tabs.currentWidget());
        QVERIFY(spunEditor);
        QCOMPARE(spunEditor->articleBox->currentId(), 4);
        WidTabManager others;
        auto* all = openJournal<WidSpinnedArticleJournal>(others);
        QCOMPARE(rows(all), 4);

        // Copy asks first; "No" keeps one article, "Yes" duplicates it.
        selectRows(journal->tableWidget(), {0});
        desk.prompt.answers.enqueue(QMessageBox::No);
        journal->slotCopy();
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Article")), 1);
        selectRows(journal->tableWidget(), {0});
        desk.prompt.answers.enqueue(QMessageBox::Yes);
        journal->slotCopy();
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Article")), 2);
        QCOMPARE(value(QStringLiteral("SELECT COUNT(*) FROM Article WHERE Name = 'Art' AND Body = '{x|y|z}' "
                                      "AND BodyMode = 8 AND ProjectID = %1").arg(desk.project))
                     .toInt(),
                 2);
        QCOMPARE(value(QStringLiteral("SELECT SUM(Spun) FROM Article")).toInt(), 1); // the copy is not spun
        QCOMPARE(rows(journal), 2);
        QVERIFY(Logger::errors().isEmpty());
    }
};

TESVAR_TEST(ContentJournalTest)
#include "ContentJournalTest.moc"
