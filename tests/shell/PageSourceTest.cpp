#include "FreshStateTest.h"
#include "ScriptedPrompt.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "FileSizeLimit.h"

#include "widgets/HtmlHighlighter.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "shell/WidErrorConsole.h"
#include "shell/WidPageSource.h"
#include "shell/WidPageSourceToolbar.h"
#include "widgets/WidTextEdit.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <memory>

using namespace Vexal;

namespace {

// A page-source tab opened as the browser command opens it.
void open(WidPageSource& page, const QString& title, const QString& source)
{
    auto* init = new Init;
    init->setTitle(title);
    init->setText(source);
    page.setInit(init);
}

// Whether the highlighter has coloured anything in the first line.
bool coloured(const WidPageSource& page)
{
    const QTextBlock block = page.textEdit()->document()->firstBlock();
    return block.layout() && !block.layout()->formats().isEmpty();
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class PageSourceTest : public FreshStateTest
{
    Q_OBJECT

private slots:
    void togglesKeepTheText()
    {
        WidPageSource page;
        open(page, QStringLiteral("T"), QStringLiteral("<b>bold</b>"));
        HtmlHighlighter* highlighter = page.highlighter();
        QVERIFY(highlighter && coloured(page));
        emit page.toolbar()->onHighlight();
        QVERIFY(!highlighter->isEnabled());
        QVERIFY(!coloured(page));
        emit page.toolbar()->onHighlight();
        QVERIFY(highlighter->isEnabled());
        QVERIFY(coloured(page));
        QCOMPARE(page.textEdit()->toPlainText(), QStringLiteral("<b>bold</b>"));

        // Reset leaves the logger's context alone.
        page.zoomIn();
        QCOMPARE(Logger::contextAction(), QStringLiteral("Zoom In"));
        page.zoomReset();
        QCOMPARE(Logger::contextAction(), QStringLiteral("Zoom In"));
        QCOMPARE(page.textEdit()->zoomLevel(), 0);
    }

    // Both text tabs save through one path: nothing on cancel; on success the
    // text as UTF-8 (the console's as a page) and a notice; an error that
    // names the tab's class when the file cannot be written.
    void textTabsSaveAndReport()
    {
        for (const bool console : {false, true}) {
            TestFolder folder;
            ScriptedPrompt prompt;
            QSignalSpy infos(UtilSignalManager::instance(), &UtilSignalManager::onInfo);
            QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
            const QString text = QStringLiteral("stored \u00e9\u65e5");
            std::unique_ptr<WidTextTab> tab;
            if (console) {
                Logger::error(text);
                tab = std::make_unique<WidErrorConsole>();
                tab->setInit(nullptr);
            } else {
                auto page = std::make_unique<WidPageSource>();
                open(*page, QStringLiteral("S"), text);
                tab = std::move(page);
            }
            tab->save();
            QCOMPARE(infos.count() + errors.count(), 0);

            const QString path = folder.file(QStringLiteral("saved.html"));
            prompt.files << path;
            tab->save();
            QCOMPARE(infos.count(), 1);
            const QString saved = QString::fromUtf8(bytesOf(path));
            QVERIFY2(console ? saved.contains(text) && saved.contains(QStringLiteral("utf-8"), Qt::CaseInsensitive)
                             : saved == text,
                     qPrintable(saved));

            const QString blocked = folder.file(QStringLiteral("blocked.html"));
            QVERIFY(QDir().mkpath(blocked + QStringLiteral("/inner")));
            prompt.files << blocked;
            tab->save();
            QCOMPARE(errors.count(), 1);
            QCOMPARE(infos.count(), 1);
            QVERIFY(QFileInfo(blocked + QStringLiteral("/inner")).isDir());
            QVERIFY(Logger::errors().last().contains(console ? QStringLiteral("WidErrorConsole.Save")
                                                             : QStringLiteral("WidPageSource.Save")));
        }
    }

    void failedSaveKeepsTheEarlierFile()
    {
        TestFolder folder;
        ScriptedPrompt prompt;
        QSignalSpy infos(UtilSignalManager::instance(), &UtilSignalManager::onInfo);
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        WidPageSource page;
        open(page, QStringLiteral("Big"), QString(8192, QLatin1Char('a')));

        // An empty source is refused by the file layer.
        WidPageSource empty;
        open(empty, QStringLiteral("E"), QString());
        prompt.files << folder.file(QStringLiteral("empty.html"));
        empty.save();
        QCOMPARE(errors.count(), 1);
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("empty.html"))));

        // A write that fails part-way (the file size limit) leaves the earlier
        // file whole; this holds for root too.
        const QString path = folder.file(QStringLiteral("earlier.html"));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        prompt.files << path;
        {
            FileSizeLimit limit(4096);
            QVERIFY(limit.ok());
            page.save();
        }
        QCOMPARE(errors.count(), 2);
        QCOMPARE(infos.count(), 0);
        QCOMPARE(bytesOf(path), QByteArray("earlier"));
        // No temporary file is left behind.
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("earlier*")}, QDir::Files),
                 QStringList{QStringLiteral("earlier.html")});
    }
};

TESVAR_TEST(PageSourceTest)
#include "PageSourceTest.moc"
