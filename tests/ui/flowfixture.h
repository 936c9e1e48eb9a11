#ifndef FLOWFIXTURE_H
#define FLOWFIXTURE_H

#include "tests/support/handsetsim.h"
#include "tests/support/operatorsim.h"
#include "tests/support/telepathysim.h"
#include "tests/support/testfiles.h"
#include "tests/ui/windowharness.h"

#include "config.h"
#include "ui/mainwindow.h"
#include "util/icdhandler.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

// What the flow tests share: an operator stand-in that knows the stored card;
// before each test a registered handset on line, empty stand-in records and
// modal dialogs answered; one window at a time.
class FlowFixture : public QObject
{
    Q_OBJECT

protected:
    // cardOwner: the card holder's number as the operator knows it.
    explicit FlowFixture(const QString &cardOwner = FlowSettings().telephoneNumber) : cardOwner(cardOwner) {}

    // The default card with exactly the named connection choices on, e.g. "intRoum intRoumSms".
    static FlowSettings situation(const QString &choices)
    {
        const QStringList on = choices.split(' ');
        FlowSettings s;
        s.homeNet = on.contains("homeNet");
        s.homeNetTone = on.contains("homeNetTone");
        s.homeNetGprsEdgeWifi = on.contains("homeNetGprsEdgeWifi");
        s.natRoum = on.contains("natRoum");
        s.intRoum = on.contains("intRoum");
        s.intRoumGprsEdgeWifi = on.contains("intRoumGprsEdgeWifi");
        s.intRoumSms = on.contains("intRoumSms");
        s.sip = on.contains("sip");
        return s;
    }

    // Targets of the channel requests one connection manager ("ring", "sofiasip") received.
    static QStringList targets(const QString &manager)
    {
        QStringList result;
        for (const TelepathySim::ChannelRequest &request : TelepathySim::channelRequests()) {
            if (request.manager == manager)
                result << request.targetId;
        }
        return result;
    }

    static void setOnline(bool online)
    {
        QVERIFY(HandsetSim::setInternet(online));
        QTRY_COMPARE(IcdHandler::internetConnected, online);
    }

    void open(const FlowSettings &settings = FlowSettings())
    {
        settings.save();
        window.reset(new MainWindow(nullptr, operatorSim.endpoints()));
        window->show();
    }

    template <typename T>
    T *find(const char *name) { return widget<T>(window.get(), name); }
    void click(const char *button) { find<QPushButton>(button)->click(); }
    int page() { return currentPage(window.get()); }

    QStringList lines(const char *list)
    {
        QStringList result;
        for (int row = 0; row < find<QListWidget>(list)->count(); ++row)
            result << find<QListWidget>(list)->item(row)->text();
        return result;
    }

    static inline const QStringList smsAccessNumbers = {
        ZELVIT_SMS_ACCESS_NUMBER_1, ZELVIT_SMS_ACCESS_NUMBER_2, ZELVIT_SMS_ACCESS_NUMBER_3};
    static inline const QString noConnection = "There is no connection.";
    OperatorSim operatorSim;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ModalAnswerer> boxes;

protected slots:
    void initTestCase()
    {
        const FlowSettings s;
        QVERIFY(operatorSim.start({{s.cardNumber, s.pin, "25.00", cardOwner}}));
        watchConnectivity(this);
    }

    void init()
    {
        QVERIFY(HandsetSim::setRegistered(true));
        setOnline(true);
        QVERIFY(HandsetSim::clearNotices());
        QVERIFY(TelepathySim::clear());
        boxes.reset(new ModalAnswerer);
    }

    void cleanup() { window.reset(); }

    // After every flow test program: whatever the flows did, the log never shows the PIN.
    void cleanupTestCase() { QVERIFY(!TestFiles::activityLog().contains(FlowSettings().pin.toLatin1())); }

private:
    const QString cardOwner;
};

#endif
