#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "widgets/WidFolderEdit.h"
#include "data/DBCache.h"

#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using Vexal::DBCache;
using Vexal::WidFolderEdit;

class FolderFieldTest : public QObject
{
    Q_OBJECT
private slots:
    void choosingAFolder()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        ScriptedPrompt prompt;
        const QString lastFolder = DBCache::lastFolder();

        WidFolderEdit field;
        field.init();
        QVERIFY(field.lineEdit()->isReadOnly());
        QSignalSpy changed(&field, &WidFolderEdit::onFolderChanged);

        field.setFolder(QStringLiteral("/start"));
        QCOMPARE(field.folder(), QStringLiteral("/start"));
        QCOMPARE(changed.count(), 0); // only the user's choice counts as a change

        const QString chosen = db.folder();
        prompt.files << chosen << chosen << QString();
        field.browseButton()->click();
        QCOMPARE(field.folder(), QDir::toNativeSeparators(chosen));
        QCOMPARE(changed.count(), 1);

        field.browseButton()->click(); // the same folder again
        field.browseButton()->click(); // cancelled
        QCOMPARE(field.folder(), QDir::toNativeSeparators(chosen));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(prompt.folders.size(), 3);

        // A form's folder field does not move the remembered folder.
        QCOMPARE(DBCache::lastFolder(), lastFolder);
    }
};

TESVAR_TEST(FolderFieldTest)
#include "FolderFieldTest.moc"
