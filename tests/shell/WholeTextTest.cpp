#include "TestRunner.h"

#include "FreshStateTest.h"
#include "JobFault.h"
#include "LoopbackServer.h"
#include "ScriptedPrompt.h"
#include "ProgressDialogProbe.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "content/DBArticle.h"
#include "content/DlgSpinner.h"
#include "content/ThreadSpinner.h"
#include "core/RecordKind.h"
#include "core/UtilSignalManager.h"
#include "data/DBConnection.h"
#include "exchange/ThreadDBBackup.h"
#include "exchange/ThreadDBClean.h"
#include "exchange/ThreadDBReindex.h"
#include "exchange/ThreadXmlExport.h"
#include "exchange/ThreadXmlImport.h"
#include "shell/WidErrorConsole.h"
#include "shell/WidNotificationBar.h"
#include "sites/DlgCreateMasterAccount.h"
#include "sites/DlgRank.h"
#include "sites/DlgSelectProject.h"
#include "sites/RankAlexa.h"
#include "sites/RankGoogle.h"
#include "texts/LocaleDialog.h"
#include "texts/LocaleMessage.h"
#include "widgets/UtilGui.h"
#include "widgets/WidTextEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <functional>

using namespace Vexal;

namespace {

QString plain(const QString& text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// What of a window's texts the user cannot read whole at the size it has:
// its title beside a title bar's icon and buttons, a wrapped label short of
// the height its lines take or narrower than forty characters of a text
// longer than that (a column of a few words a line), an unwrapped label or a
// field narrower than its text, a window wider than its screen.
QStringList cutTexts(const QWidget* window)
{
    QStringList cut;
    QFont bold = window->font();
    bold.setBold(true);
    const QFontMetrics title(bold);
    if (window->width() < title.horizontalAdvance(window->windowTitle()) + 4 * title.height())
        cut << QStringLiteral("title in %1 px").arg(window->width());
    if (window->width() > window->screen()->availableGeometry().width())
        cut << QStringLiteral("window of %1 px").arg(window->width());
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QString text = plain(label->text());
        const int readable = qMin(UtilGui::textWidth(label), 40 * label->fontMetrics().averageCharWidth());
        if (label->isVisible()
            && (label->wordWrap() ? label->heightForWidth(label->width()) > label->height() || label->width() < readable
                                  : label->fontMetrics().horizontalAdvance(text) > label->contentsRect().width()))
            cut << QStringLiteral("\"%1\" in %2 x %3").arg(text).arg(label->width()).arg(label->height());
    }
    for (const QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const int room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() - 4;
        if (edit->isVisible() && edit->fontMetrics().horizontalAdvance(edit->text()) > room)
            cut << QStringLiteral("field \"%1\" in %2 px").arg(edit->text()).arg(edit->width());
    }
    return cut;
}

Thread* makeJob(const QString& job, const QString& folder, QObject* parent)
{
    if (job == QLatin1String("import"))
        return new ThreadXmlImport({folder + QStringLiteral("/projects.xml")}, parent);
    if (job == QLatin1String("export"))
        return new ThreadXmlExport(kindCode(RecordKind::Project), folder, parent);
    if (job == QLatin1String("backup"))
        return new ThreadDBBackup(parent);
    if (job == QLatin1String("clean"))
        return new ThreadDBClean(parent);
    return new ThreadDBReindex(parent);
}

// The statement of a job from which on a fault is in place: its first that
// writes (the export's read, which is followed by its file's first write),
// or its commit.
QByteArray faultyStatement(const QString& job, const QString& step)
{
    // A dialog's read meets the fault put in place before it.
    if (step.startsWith(QLatin1String("read")))
        return "";
    if (job == QLatin1String("generator"))
        return "INSERT";
    if (job == QLatin1String("project"))
        return "UPDATE";
    if (job == QLatin1String("import") || job == QLatin1String("spinner"))
        return step == QLatin1String("commit") ? "COMMIT" : "INSERT";
    if (job == QLatin1String("export"))
        return "SELECT";
    if (job == QLatin1String("backup"))
        return "VACUUM";
    return job == QLatin1String("clean") ? "DELETE" : "REINDEX";
}

JobFault::Cause faultOf(const QString& end)
{
    if (end == QLatin1String("full disk"))
        return JobFault::FullDisk;
    return end == QLatin1String("file too large") ? JobFault::FileTooLarge : JobFault::Locked;
}

// The words the user reads for a cause.
QString causeText(const QString& end)
{
    if (end == QLatin1String("full disk"))
        return QString::fromLocal8Bit(std::strerror(ENOSPC));
    if (end == QLatin1String("file too large"))
        return QString::fromLocal8Bit(std::strerror(EFBIG));
    return QStringLiteral("database is locked");
}

} // namespace

// Every dialog and bar whose text changes while it is shown reads whole at
// the size it takes, without the user resizing it: each job dialog at its
// ends (success; a failure at a row or at the commit, for each cause a user
// can act on, which the result names; an import's stored-ID refusal), the
// spinner, the dialogs that store a record (a failed read or save, whose
// cause a box in front of them names), failed rank look-ups, a long notice
// on the bar.
// Where a result sends the user to the Error Console, the console shows what
// it refers to.
class WholeTextTest : public FreshStateTest
{
    Q_OBJECT

private slots:
    void readsWhole_data()
    {
        addColumns<QString, QString, QString>("window", "step", "end");
        const char* const jobs[] = {"import", "export", "backup", "clean", "reindex", "spinner"};
        for (const char* job : jobs)
            QTest::newRow(qPrintable(QStringLiteral("%1, success").arg(QLatin1String(job))))
                << job << "" << "success";
        // The export and the backup commit no transaction (they write a file
        // of their own, row by row, or a copy); clean and re-index commit
        // each statement as it ends, so that only the statement can meet a
        // reader's lock. The full disk is made through SQLite, which writes
        // no file of the export's.
        for (const QString job : jobs) {
            for (const QString step : {"insert", "commit"}) {
                if (step == QLatin1String("commit")
                    && (job == QLatin1String("export") || job == QLatin1String("backup")))
                    continue;
                for (const QString end : {"full disk", "file too large", "locked"}) {
                    if ((end == QLatin1String("full disk") && job == QLatin1String("export"))
                        || (end == QLatin1String("locked") && step == QLatin1String("commit")
                            && (job == QLatin1String("clean") || job == QLatin1String("reindex"))))
                        continue;
                    QTest::newRow(qPrintable(QStringLiteral("%1, %2, %3").arg(job, step, end))) << job << step << end;
                }
            }
        }
        // The dialogs that store a record when the user accepts them: the
        // master-account generator and the project chooser. A chooser's
        // read fails as the dialog opens (and again at OK), the reads at OK
        // fail after the dialog opened well (the identity tables, the chosen
        // project), or the save fails; a box in front of the dialog names
        // the cause, and the dialog stays open on what the user chose.
        for (const QString dialog : {"generator", "project"}) {
            for (const QString step : {"read", "read after opening", "save"}) {
                for (const QString end : {"full disk", "file too large", "locked"})
                    QTest::newRow(qPrintable(QStringLiteral("%1, %2, %3").arg(dialog, step, end)))
                        << dialog << step << end;
            }
        }
        QTest::newRow("import, stored ID") << "import" << "insert" << "stored ID";
        QTest::newRow("spinner, failure") << "spinner" << "" << "unbalanced";
        QTest::newRow("rank, failure") << "rank" << "" << "no service";
        QTest::newRow("notice") << "bar" << "" << "hides itself";
        QTest::newRow("notice until closed") << "bar" << "" << "until closed";
    }

    void readsWhole()
    {
        QFETCH(QString, window);
        QFETCH(QString, step);
        QFETCH(QString, end);
        const bool fault = end == QLatin1String("full disk") || end == QLatin1String("file too large")
                           || end == QLatin1String("locked");
        const bool dialogWindow = window == QLatin1String("generator") || window == QLatin1String("project");
        TestDatabase db;
        // A row's change reaches the disk at once in a rollback journal; in
        // a write-ahead log (the program's own files) nothing before the
        // commit. Only a rollback journal waits for readers to commit, and
        // keeps readers out while another connection writes; a connection's
        // first read of a write-ahead log writes its shared-memory file.
        if (fault && step == QLatin1String("commit") && end != QLatin1String("locked"))
            QVERIFY(DBConnection::useWriteAheadLog(db.database()));
        if (fault && dialogWindow && step.startsWith(QLatin1String("read")) != (end == QLatin1String("locked")))
            QVERIFY(DBConnection::useWriteAheadLog(db.database()));
        // Rows for every job: projects, orphans to clean, a file to import.
        for (int i = 1; i <= 20; ++i) {
            QVERIFY(addRow(QStringLiteral("Project"), {{"Name", QStringLiteral("Project %1").arg(i)}}) > 0);
            QVERIFY(addRow(QStringLiteral("Account"), {{"ProjectID", 900 + i}, {"Login", "orphan"}}) > 0);
        }
        QByteArray items = end == QLatin1String("stored ID") ? "<item><ID>1</ID><Name>Stored</Name></item>" : "";
        for (int i = 100; i < 150; ++i)
            items += "<item><ID>" + QByteArray::number(i) + "</ID><Name>Imported</Name></item>";
        QFile file(db.file(QStringLiteral("projects.xml")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<!DOCTYPE doc>\n<items Table=\"Project\">" + items + "</items>\n");
        file.close();
        const int article = addRow(QStringLiteral("Article"),
                                   {{"ProjectID", 1}, {"Name", "A"}, {"Title", end == "unbalanced" ? "{a|b" : "{a|b} c"},
                                    {"TitleMode", 2}, {"Intro", "i"}, {"IntroMode", 4}, {"Body", "b"}, {"BodyMode", 8}});
        DBArticle source;
        QVERIFY(source.load(article));
        // What the generator draws from.
        for (const char* statement :
             {"INSERT INTO Language (ID, Name) VALUES (2, 'English')",
              "INSERT INTO Country (ID, Name, Code) VALUES (2, 'USA', 'US')",
              "INSERT INTO FirstName (Name, LanguageID, Gender) VALUES ('John', 2, 1), ('Mary', 2, 0)",
              "INSERT INTO LastName (Name, LanguageID) VALUES ('Smith', 2)",
              "INSERT INTO City (Name, CountryID, Province) VALUES ('Boston', 2, 'MA')",
              "INSERT INTO Address (Name, CountryID) VALUES ('1 Elm Street', 2)"})
            QVERIFY(TestDatabase::exec(QLatin1String(statement)));
        const QString fullText = LocaleMessage::operationFailedBecause(
            LocaleMessage::cannotOverrideItemCause(QStringLiteral("a-file-with-a-long-name.xml"), 123, 456));

        // Each window brought to its end; `shown` is its result.
        QObject owner;
        std::unique_ptr<QWidget> shownWindow;
        QString shown;
        QString error; // the job's own, for a failure's message
        QStringList cut;
        bool faultMet = false;
        const auto runJob = [&](QPushButton* start, QLabel* status) {
            cut << cutTexts(shownWindow.get()); // as it is first shown
            std::unique_ptr<JobFault> met;
            if (fault) {
                met = std::make_unique<JobFault>(faultOf(end), faultyStatement(window, step), db.databaseFile());
                QVERIFY(met->isReady());
            }
            start->click();
            QTRY_COMPARE_WITH_TIMEOUT(start->text(), LocaleDialog::close(), 60000);
            faultMet = met && met->isArmed();
            shown = plain(status->text());
        };
        if (dialogWindow) {
            ScriptedPrompt prompt;
            const bool afterOpening = step == QLatin1String("read after opening");
            // The window's connection opens again to meet the fault; a read
            // meets it from the first, which reads the schema, on, as after
            // a start on a full disk.
            std::unique_ptr<JobFault> met;
            const auto meetFault = [&] {
                db.database().close();
                met = std::make_unique<JobFault>(faultOf(end), faultyStatement(window, step), db.databaseFile());
                QVERIFY(met->isReady());
                QVERIFY(db.database().open());
                if (step.startsWith(QLatin1String("read")))
                    met->putInPlace();
            };
            if (!afterOpening)
                meetFault();
            // What the user chose before OK, and what the dialog shows after it.
            QString chosen;
            std::function<QString()> choice;
            if (window == QLatin1String("generator")) {
                auto* dialog = new DlgCreateMasterAccount;
                shownWindow.reset(dialog);
                dialog->build(nullptr);
                dialog->show();
                dialog->findChild<QCheckBox*>()->setChecked(true);
                QComboBox* gender = dialog->findChildren<QComboBox*>().first();
                gender->setCurrentIndex(gender->findData(0));
                choice = [dialog]() -> QString {
                    QStringList texts;
                    for (const QComboBox* combo : dialog->findChildren<QComboBox*>())
                        texts << combo->currentText();
                    return texts.join(QLatin1Char('/')) + (dialog->isAgreed() ? "/agreed" : "");
                };
                chosen = choice();
                if (afterOpening)
                    meetFault();
                dialog->slotAccept();
                QVERIFY(dialog->result() != QDialog::Accepted);
                error = step == QLatin1String("read")  ? QStringLiteral("FROM Country")
                        : afterOpening                 ? QStringLiteral("FROM FirstName")
                                                       : QStringLiteral("INSERT INTO MasterAccount");
            } else {
                auto* dialog = new DlgSelectProject;
                shownWindow.reset(dialog);
                dialog->build(nullptr);
                dialog->show();
                dialog->setProjectId(2);
                choice = [dialog] { return QString::number(dialog->projectId()); };
                chosen = choice();
                if (afterOpening)
                    meetFault();
                dialog->slotAccept();
                QVERIFY(dialog->result() != QDialog::Accepted);
                error = step == QLatin1String("save") ? QStringLiteral("UPDATE Project") : QStringLiteral("FROM Project");
            }
            faultMet = met->isArmed();
            // Nothing was stored; one box in front of the dialog named the
            // failure, and the dialog shows what the user chose.
            QStringList asked;
            for (const ScriptedPrompt::Message& message : prompt.messages)
                asked << message.text;
            QVERIFY2(prompt.messages.size() == 1 && prompt.messages.first().icon == QMessageBox::Warning,
                     qPrintable(asked.join(QLatin1String(" | "))));
            shown = asked.first();
            QCOMPARE(choice(), chosen);
        } else if (window == QLatin1String("spinner")) {
            auto* dialog = new DlgSpinner;
            shownWindow.reset(dialog);
            dialog->build(&source);
            dialog->show();
            runJob(dialog->startButton(), dialog->statusLabel());
            error = dialog->job()->errorText();
        } else if (window == QLatin1String("rank")) {
            LoopbackServer server; // serves no rank
            QVERIFY(server.start());
            RankGoogle::setServiceUrl(server.url(QStringLiteral("/none")));
            RankAlexa::setServiceUrl(server.url(QStringLiteral("/none")));
            const auto builtIn = qScopeGuard([] {
                RankGoogle::setServiceUrl(QUrl());
                RankAlexa::setServiceUrl(QUrl());
            });
            auto* google = new RankGoogle(QUrl(QStringLiteral("http://site.test/")), &owner);
            auto* alexa = new RankAlexa(QUrl(QStringLiteral("http://site.test/")), &owner);
            auto* dialog = new DlgRank(google, alexa);
            shownWindow.reset(dialog);
            dialog->build(nullptr);
            dialog->show();
            QTRY_VERIFY_WITH_TIMEOUT(google->isFinished() && alexa->isFinished(), 30000);
            shown = dialog->googleText();
        } else if (window == QLatin1String("bar")) {
            shownWindow = std::make_unique<QWidget>();
            auto* layout = new QVBoxLayout(shownWindow.get());
            layout->addStretch();
            auto* bar = new WidNotificationBar(shownWindow.get());
            bar->init();
            layout->addWidget(bar);
            shownWindow->resize(shownWindow->screen()->availableGeometry().width(), 400);
            shownWindow->show();
            bar->showError(fullText, end == QLatin1String("until closed"));
            QCoreApplication::processEvents();
            shown = fullText;
        } else {
            auto* dialog = new ProgressDialogProbe;
            shownWindow.reset(dialog);
            dialog->build(makeJob(window, db.folder(), dialog));
            dialog->show();
            runJob(dialog->ok(), dialog->status());
            error = dialog->job()->errorText();
        }

        // The result says what the user needs: where a backup or an export
        // went, the option a refusal names, the cause a job met, at the step
        // it met it.
        const QByteArray why = (shown + QStringLiteral(" / the job's error: ") + error).toUtf8();
        if (window == QLatin1String("backup") && end == QLatin1String("success"))
            QVERIFY2(shown.contains(db.file(QStringLiteral("bku/"))), why.constData());
        else if (window == QLatin1String("export") && end == QLatin1String("success"))
            QVERIFY2(shown.contains(db.file(QStringLiteral("Projects.xml"))), why.constData());
        else if (end == QLatin1String("stored ID"))
            QVERIFY2(shown.contains(QLatin1String("Override existing data")), why.constData());
        else if (fault) {
            QVERIFY2(faultMet, why.constData());
            QVERIFY2(shown.contains(causeText(end)), why.constData());
            if (window == QLatin1String("import") || window == QLatin1String("spinner"))
                QVERIFY2(error.contains(QLatin1String("COMMIT")) == (step == QLatin1String("commit")), why.constData());
        }
        if (dialogWindow) {
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("MasterAccount")), 0);
            QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM Project WHERE Active = 1")).toInt(), 0);
        }
        // A failed import stored nothing of its file, and says so.
        if (window == QLatin1String("import") && end != QLatin1String("success")) {
            QVERIFY2(shown.contains(QLatin1String("nothing was stored")), why.constData());
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("Project")), 20);
        }
        if (end == QLatin1String("success"))
            QVERIFY2(shown.startsWith(LocaleMessage::operationCompleted()), why.constData());
        cut << cutTexts(shownWindow.get());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("; "))));

        // The console the result sends the user to shows what it refers to:
        // the job's error, the failed look-up.
        if (window != QLatin1String("bar") && shown.contains(QLatin1String("See Error Console"))) {
            WidErrorConsole console;
            console.setInit(nullptr);
            const QString lines = console.textEdit()->toPlainText();
            const QString referred = window == QLatin1String("rank") ? QStringLiteral("Vexal::RankGoogle.Rank") : error;
            QVERIFY2(!referred.isEmpty() && lines.contains(referred),
                     qPrintable(lines + QStringLiteral(" / ") + referred));
        }
    }
};

TESVAR_TEST(WholeTextTest)
#include "WholeTextTest.moc"
