#include "TestData.h"
#include "TestRunner.h"

#include "data/Encryptor.h"
#include "widgets/WidPasswordEdit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Vexal;

class PasswordFieldTest : public QObject
{
    Q_OBJECT
private slots:
    void untouchedFieldKeepsStoredText()
    {
        const QString plain = QStringLiteral("pässwörd ✓ 密码");
        const QString stored = scrambled(plain);
        WidPasswordEdit field;
        field.setScrambledText(stored);
        QCOMPARE(field.plainText(), plain);
        QVERIFY(!field.isModified());
        // Scrambling draws a random byte: only the very same text proves nothing was re-encoded.
        QCOMPARE(field.scrambledText(), stored);

        // A text the field cannot read shows as empty and survives a save.
        const QString unreadable = QStringLiteral("not a scrambled text");
        field.setScrambledText(unreadable);
        QCOMPARE(field.plainText(), QString());
        QCOMPARE(field.scrambledText(), unreadable);

        // An empty stored text clears what was typed before a reload.
        field.setPlainText(QStringLiteral("typed before a reload"));
        field.setScrambledText(QString());
        QCOMPARE(field.plainText(), QString());
        QCOMPARE(field.scrambledText(), QString());
        QVERIFY(!field.isModified());
    }

    void typedTextIsScrambled()
    {
        WidPasswordEdit field;
        field.setScrambledText(scrambled(QStringLiteral("old")));
        QSignalSpy changed(&field, &WidPasswordEdit::textChanged);
        field.lineEdit()->selectAll();
        QTest::keyClicks(field.lineEdit(), QStringLiteral("n3w"));
        QVERIFY(field.isModified());
        QCOMPARE(changed.last().at(0).toString(), QStringLiteral("n3w"));
        const QString stored = field.scrambledText();
        QVERIFY(stored != QStringLiteral("n3w"));
        QCOMPARE(Encryptor(Encryptor::programKey()).decode(stored), QStringLiteral("n3w"));

        // Erasing the password by hand stores nothing.
        field.lineEdit()->selectAll();
        QTest::keyClick(field.lineEdit(), Qt::Key_Backspace);
        QCOMPARE(field.scrambledText(), QString());
    }

    void showAndHide()
    {
        WidPasswordEdit field;
        QVERIFY(!field.isPasswordShown());
        field.showButton()->click();
        QVERIFY(field.isPasswordShown());
        QCOMPARE(field.lineEdit()->echoMode(), QLineEdit::Normal);
        field.handleHidePassword();
        QCOMPARE(field.lineEdit()->echoMode(), QLineEdit::Password);
        QVERIFY(!field.showButton()->isChecked());
        // The button works again after a hide from outside.
        field.showButton()->click();
        QVERIFY(field.isPasswordShown());
    }
};

TESVAR_TEST(PasswordFieldTest)
#include "PasswordFieldTest.moc"
