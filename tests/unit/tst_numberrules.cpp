#include "util/utils.h"

#include <QtTest>

class NumberRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void isPhoneNumber_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks only") << "   " << false;
        // Numbers as address books hold them were refused.
        QTest::newRow("address book form") << "+7 (916) 555-12-34" << true;
        QTest::newRow("dots, slash, blanks") << "7.916/555 12\u00a035" << true;
        QTest::newRow("separators only") << "(-) /" << false;
        QTest::newRow("plus inside") << "7916+0000000" << false;
        QTest::newRow("letter") << "7916000000a" << false;
        QTest::newRow("leading plus") << "+79160000000" << true;
        QTest::newRow("blanks around") << "  79160000000 " << true;
        QTest::newRow("plus alone") << "+" << true;
        QTest::newRow("two leading plus") << "++79160000000" << false;
    }

    void isPhoneNumber()
    {
        QFETCH(QString, input);
        QFETCH(bool, accepted);
        QCOMPARE(Utils::isPhoneNumber(input), accepted);
    }

    void toDiallingForm_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("foreign");
        QTest::addColumn<QString>("dialled");
        QTest::newRow("plus and blanks dropped") << " +79160000000 " << false << "79160000000";
        QTest::newRow("foreign gets 10") << "+37250000000" << true << "1037250000000";
        QTest::newRow("foreign keeps existing 10") << "1037250000000" << true << "1037250000000";
        QTest::newRow("short number with 10 unchanged") << "10" << true << "10";
        QTest::newRow("Russian number abroad") << "79160000000" << true << "1079160000000";
        QTest::newRow("address book form") << "+7 (916) 555-12-34" << false << "79165551234";
        QTest::newRow("address book form abroad") << "+372 (5) 000-00-00" << true << "1037250000000";
        QTest::newRow("letter gives 0") << "7916-000a" << false << "0";
        QTest::newRow("empty gives 0") << "" << true << "0";
        QTest::newRow("two plus give 0") << "++7916" << false << "0";
        QTest::newRow("plus alone") << "+" << false << "0";
        QTest::newRow("blank after plus dropped") << "+ 79160000000" << false << "79160000000";
        QTest::newRow("blank after plus abroad") << "+ 37250000000" << true << "1037250000000";
        QTest::newRow("blank then second plus gives 0") << "+ +79160000000" << true << "0";
        QTest::newRow("blanks around plus and number") << " + 79160000000 " << false << "79160000000";
        QTest::newRow("six digits") << "123456" << false << "123456";
        QTest::newRow("fifteen digits") << "123456789012345" << false << "123456789012345";
        QTest::newRow("thirteen digits become fifteen") << "1234567890123" << true << "101234567890123";
    }

    void toDiallingForm()
    {
        QFETCH(QString, input);
        QFETCH(bool, foreign);
        QFETCH(QString, dialled);
        const QString result = Utils::toDiallingForm(input, foreign);
        QCOMPARE(result, dialled);
        QVERIFY(!result.contains(QLatin1Char('+')) && !result.contains(QLatin1Char(' ')));
    }

    void removeForeignPrefix_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("result");
        QTest::newRow("foreign") << "1037250000000" << "37250000000";
        QTest::newRow("Russian unchanged") << "79160000000" << "79160000000";
        QTest::newRow("10 alone") << "10" << "";
        QTest::newRow("10 further in unchanged") << "7910" << "7910";
        QTest::newRow("trimmed first") << " 1037250000000 " << "37250000000";
    }

    void removeForeignPrefix()
    {
        QFETCH(QString, input);
        QFETCH(QString, result);
        QCOMPARE(Utils::removeForeignPrefix(input), result);
    }

    void removePlusDropsOnlyOne()
    {
        QCOMPARE(Utils::removePlus(QStringLiteral(" ++7 ")), QStringLiteral("+7"));
    }
};

QTEST_GUILESS_MAIN(NumberRulesTest)
#include "tst_numberrules.moc"
