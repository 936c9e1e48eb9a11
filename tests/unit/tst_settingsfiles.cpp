#include "settings/connectionsettings.h"
#include "settings/contactssettings.h"
#include "settings/languagesettings.h"
#include "settings/settingsmanager.h"
#include "settings/virtualcardsettings.h"
#include "tests/support/testfiles.h"
#include "util/privatefiles.h"

#include "config.h"

#include <QDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using TestFiles::settingsFile;

class SettingsFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QDir(TestFiles::settingsDir()).removeRecursively();
        QVERIFY(PrivateFiles::ensureDirectory(TestFiles::settingsDir()));
    }

    void filesHaveTheHandsetByteLayout()
    {
        SettingsManager manager;
        ConnectionSettings *c = manager.getConnectionSettings();
        c->homeNet = c->homeNetTone = c->homeNetGprsEdgeWifi = c->natRoum = c->natRoumTone = false;
        c->intRoumGprsEdgeWifi = c->sip = false;
        c->intRoum = c->intRoumSms = true;
        QVERIFY(manager.saveConnectionSettings());
        QCOMPARE(TestFiles::read(settingsFile("connopt.bin")), QByteArray::fromHex("000000000001010000"));

        manager.getLanguageSettings()->english = true;
        manager.getLanguageSettings()->russian = false;
        QVERIFY(manager.saveLanguageSettings());
        QCOMPARE(TestFiles::read(settingsFile("langSettFile.bin")), QByteArray::fromHex("0001"));

        VirtualCardSettings *vc = manager.getVirtualCardSettings();
        vc->cardNumber = vc->pin = vc->telephoneNumber = vc->accessNumber = QString();
        QVERIFY(manager.saveVirtualCardSettings());
        QCOMPARE(TestFiles::read(settingsFile("vcSettings.bin")), QByteArray(16, char(0xFF)));

        vc->cardNumber = vc->pin = vc->telephoneNumber = vc->accessNumber = QLatin1String("");
        QVERIFY(manager.saveVirtualCardSettings());
        QCOMPARE(TestFiles::read(settingsFile("vcSettings.bin")), QByteArray(16, '\0'));

        vc->cardNumber = QStringLiteral("12");
        QVERIFY(manager.saveVirtualCardSettings());
        QCOMPARE(TestFiles::read(settingsFile("vcSettings.bin")).left(8), QByteArray::fromHex("0000000400310032"));
    }

    void savedValuesReachASecondManager()
    {
        const QStringList files{"connopt.bin", "vcSettings.bin", "contSettFile.bin", "langSettFile.bin"};
        {
            SettingsManager manager;
            ConnectionSettings *c = manager.getConnectionSettings();
            c->homeNet = false;
            c->natRoumTone = c->intRoumGprsEdgeWifi = c->sip = true;
            manager.getVirtualCardSettings()->pin = QStringLiteral("0000");
            manager.getVirtualCardSettings()->telephoneNumber = QStringLiteral("+79160000000");
            manager.getContactsSettings()->sim = true;
            manager.getLanguageSettings()->russian = true;
            QVERIFY(manager.saveConnectionSettings() && manager.saveVirtualCardSettings()
                    && manager.saveContactsSettings() && manager.saveLanguageSettings());
        }
        QList<QByteArray> saved;
        for (const QString &file : files)
            saved << TestFiles::read(settingsFile(file));

        // What a second manager reads, it writes back byte for byte.
        SettingsManager second;
        const ConnectionSettings *c = second.getConnectionSettings();
        QVERIFY(!c->homeNet && c->natRoumTone && c->intRoumGprsEdgeWifi && !c->intRoumSms && c->sip);
        QCOMPARE(second.getVirtualCardSettings()->pin, QStringLiteral("0000"));
        QVERIFY(second.saveConnectionSettings() && second.saveVirtualCardSettings()
                && second.saveContactsSettings() && second.saveLanguageSettings());
        for (int i = 0; i < files.size(); ++i)
            QCOMPARE(TestFiles::read(settingsFile(files[i])), saved[i]);
    }

    void accessNumberDefaultIsAppliedOnlyByTheConstructor()
    {
        {
            SettingsManager manager;
            QCOMPARE(manager.getVirtualCardSettings()->accessNumber, QStringLiteral(ZELVIT_DEFAULT_ACCESS_NUMBER));
            QVERIFY(!QFile::exists(settingsFile("vcSettings.bin")));
            manager.getVirtualCardSettings()->accessNumber = QLatin1String("");
            QVERIFY(manager.saveVirtualCardSettings());
        }
        SettingsManager manager;
        QCOMPARE(manager.getVirtualCardSettings()->accessNumber, QStringLiteral(ZELVIT_DEFAULT_ACCESS_NUMBER));
        QVERIFY(manager.loadVirtualCardSettings());
        QVERIFY(manager.getVirtualCardSettings()->accessNumber.isEmpty());
    }

    void shortEmptyAndMissingFilesReadAsDesigned()
    {
        SettingsManager manager;
        ConnectionSettings fresh;
        QVERIFY(!manager.readConnectionSettings(&fresh));
        QVERIFY(fresh.homeNet && fresh.homeNetTone && !fresh.sip);

        QVERIFY(TestFiles::write(settingsFile("connopt.bin"), QByteArray()));
        QVERIFY(manager.readConnectionSettings(&fresh));
        QVERIFY(fresh.homeNet && fresh.homeNetTone);

        QVERIFY(TestFiles::write(settingsFile("connopt.bin"), QByteArray::fromHex("01")));
        ConnectionSettings truncated;
        truncated.sip = true;
        QVERIFY(manager.readConnectionSettings(&truncated));
        QVERIFY(truncated.homeNet);
        QVERIFY(!truncated.homeNetTone && !truncated.natRoum && !truncated.intRoumSms && !truncated.sip);

        QVERIFY(TestFiles::write(settingsFile("vcSettings.bin"), QByteArray::fromHex("000000020031")));
        VirtualCardSettings card;
        QVERIFY(manager.readVirtualCardSettings(&card));
        QCOMPARE(card.cardNumber, QStringLiteral("1"));
        QVERIFY(card.pin.isEmpty() && card.accessNumber.isEmpty());
    }

    void shorterPinLeavesNoStaleTail()
    {
        SettingsManager manager;
        VirtualCardSettings *vc = manager.getVirtualCardSettings();
        vc->cardNumber = QStringLiteral("1");
        vc->pin = QStringLiteral("98765432109876");
        QVERIFY(manager.saveVirtualCardSettings());
        vc->pin = QStringLiteral("11");
        QVERIFY(manager.saveVirtualCardSettings());

        const QByteArray bytes = TestFiles::read(settingsFile("vcSettings.bin"));
        QVERIFY(!bytes.contains(QByteArray::fromHex("0039003800370036"))); // "9876" in UTF-16
        SettingsManager second;
        QCOMPARE(second.getVirtualCardSettings()->pin, QStringLiteral("11"));
        QCOMPARE(bytes.size(), 4 + 2 + 4 + 4 + 4 + 4 + 2 * QString(ZELVIT_DEFAULT_ACCESS_NUMBER).size());
    }

    void failedSaveKeepsThePreviousFile_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("unwritable directory") << false;
        QTest::newRow("full disk") << true;
    }

    void failedSaveKeepsThePreviousFile()
    {
        QFETCH(bool, fullDisk);
        SettingsManager manager;
        manager.getLanguageSettings()->russian = true;
        manager.getLanguageSettings()->english = false;
        QVERIFY(manager.saveLanguageSettings());
        manager.getLanguageSettings()->russian = false;
        manager.getLanguageSettings()->english = true;

        bool saved = true;
        if (fullDisk) {
            // No file may grow beyond zero bytes, as on a disk without space.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit old;
            getrlimit(RLIMIT_FSIZE, &old);
            rlimit none = old;
            none.rlim_cur = 0;
            setrlimit(RLIMIT_FSIZE, &none);
            saved = manager.saveLanguageSettings();
            setrlimit(RLIMIT_FSIZE, &old);
        } else {
            if (geteuid() == 0)
                QSKIP("root writes into a read-only directory; the full-disk row covers the failure");
            QFile::setPermissions(TestFiles::settingsDir(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            saved = manager.saveLanguageSettings();
            PrivateFiles::ensureDirectory(TestFiles::settingsDir());
        }
        QVERIFY(!saved);
        QCOMPARE(TestFiles::read(settingsFile("langSettFile.bin")), QByteArray::fromHex("0100"));
        QCOMPARE(QDir(TestFiles::settingsDir()).entryList(QDir::Files), QStringList{"langSettFile.bin"});
    }

    void settingsDirectoryAndFilesArePrivate()
    {
        QFile::setPermissions(TestFiles::settingsDir(), QFileDevice::Permissions(0x7755));
        QVERIFY(PrivateFiles::ensureDirectory(TestFiles::settingsDir()));
        QCOMPARE(TestFiles::mode(TestFiles::settingsDir()), 0700);

        QVERIFY(TestFiles::write(settingsFile("vcSettings.bin"), QByteArray(16, '\0')));
        QFile::setPermissions(settingsFile("vcSettings.bin"), QFileDevice::Permissions(0x6644));
        SettingsManager manager;
        QCOMPARE(TestFiles::mode(settingsFile("vcSettings.bin")), 0600);
        QVERIFY(manager.saveConnectionSettings());
        QCOMPARE(TestFiles::mode(settingsFile("connopt.bin")), 0600);
    }
};

QTEST_GUILESS_MAIN(SettingsFilesTest)
#include "tst_settingsfiles.moc"
