#ifndef WINDOWFIXTURE_H
#define WINDOWFIXTURE_H

#include "tests/support/handsetsim.h"
#include "tests/support/operatorsim.h"
#include "tests/support/telepathysim.h"
#include "tests/support/testfiles.h"
#include "tests/support/testmain.h"
#include "tests/ui/windowharness.h"

#include "config.h"
#include "ui/mainwindow.h"
#include "util/icdhandler.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

// Before each window test: no settings, a registered handset on line, no notices, empty records.
class WindowFixture : public QObject
{
    Q_OBJECT

protected:
    // telepathy: Telepathy stand-ins run; cardOwner: the holder's number as the operator knows it.
    explicit WindowFixture(bool telepathy, const QString &cardOwner = FlowSettings().telephoneNumber)
        : telepathy(telepathy), cardOwner(cardOwner) {}

    // The default card with exactly the named connection choices on.
    static FlowSettings situation(const QString &choices)
    {
        FlowSettings s;
        s.choices = choices;
        return s;
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
    void click(const QString &button) { find<QAbstractButton>(button.toLatin1())->click(); }
    void type(const char *field, const QString &text) { find<QLineEdit>(field)->setText(text); }
    QString text(const char *name) { return find<QWidget>(name)->property("text").toString(); }
    static QStringList notices() { return HandsetSim::notices(); }
    int page() { return currentPage(window.get()); }
    QAbstractItemView *list(const char *name) { return find<QAbstractItemView>(name); }
    QModelIndex line(const char *name, int row) { return list(name)->model()->index(row, 0); }
    void selectLine(const char *name, int row)
    {
        list(name)->selectionModel()->select(line(name, row), QItemSelectionModel::Select);
    }

    QStringList lines(const char *name)
    {
        QStringList result;
        for (int row = 0; row < list(name)->model()->rowCount(); ++row)
            result << line(name, row).data().toString();
        return result;
    }

    // What the stand-ins received: "ring:<dial string>", "sofiasip:<address>", "sms:<text>" (to an
    // access number), "web:<service> <field>=<value>..." (no request id).
    QStringList seen()
    {
        QStringList result;
        for (const TelepathySim::ChannelRequest &request : telepathy ? TelepathySim::channelRequests()
                                                                     : QList<TelepathySim::ChannelRequest>()) {
            if (!request.channelType.endsWith("Text"))
                result << request.manager + ':' + request.targetId;
        }
        for (const TelepathySim::SentText &sent :
             telepathy ? TelepathySim::sentTexts() : QList<TelepathySim::SentText>())
            result << (smsAccessNumbers.contains(sent.receiver) ? "sms:" : sent.receiver + ':') + sent.text;
        for (const OperatorSim::Request &request : operatorSim.requests().mid(requestsBefore)) {
            QString line = "web:" + request.service;
            for (const auto &field : request.fields)
                line += field.first == "REQUEST_ID" ? "" : ' ' + field.first + '=' + field.second;
            result << line;
        }
        return result;
    }

    // A refused action is followed by a known one, which must then be the first thing sent.
    void expectSeen(const QStringList &expected)
    {
        QTRY_VERIFY(seen().size() >= expected.size());
        QCOMPARE(seen(), expected);
    }

    static inline const QStringList smsAccessNumbers = {
        ZELVIT_SMS_ACCESS_NUMBER_1, ZELVIT_SMS_ACCESS_NUMBER_2, ZELVIT_SMS_ACCESS_NUMBER_3};
    static inline const QString noConnection = "There is no connection.";
    static inline const QString pin = FlowSettings().pin;
    OperatorSim operatorSim;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ModalAnswerer> boxes;

protected slots:
    void initTestCase()
    {
        QVERIFY(operatorSim.start({{FlowSettings().cardNumber, pin, "25.00", cardOwner}}));
        watchConnectivity(this);
    }

    void init()
    {
        QDir(TestFiles::settingsDir()).removeRecursively();
        QVERIFY(HandsetSim::setRegistered(true));
        setOnline(true);
        QVERIFY(HandsetSim::clearNotices());
        QVERIFY(!telepathy || TelepathySim::clear());
        requestsBefore = operatorSim.requests().size();
        boxes.reset(new ModalAnswerer);
    }

    // The log never shows the PIN nor the SIP password made of its start.
    void cleanup()
    {
        window.reset();
        QVERIFY(!TestFiles::activityLog().contains(pin.left(8).toLatin1()));
    }

private:
    const bool telepathy;
    const QString cardOwner;
    int requestsBefore = 0;
};

#endif
