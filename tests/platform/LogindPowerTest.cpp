// SPDX-License-Identifier: GPL-3.0-or-later
// Power control through logind, end to end against a pretend logind on a private D-Bus.
#include "tests/fakes/FakePower.h"
#include "tests/support/Contract.h"
#include "tests/support/TempFolder.h"
#include "zembra/platform/Power.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <future>
#include <gmock/gmock.h>
#include <map>
#include <mutex>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using zembra::Power;
using Action = Power::Action;

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
// Not "session/self": LogOff must end the session logind names, not one it guesses.
const QString kSessionPath = QStringLiteral("/org/freedesktop/login1/session/c7");

/// What the pretend logind answers and the calls it got, shared between the test's thread and
/// the fake's.
struct Script {
    std::mutex mutex;
    QString answer = QStringLiteral("yes");
    std::map<QString, std::pair<QString, QString>> refusals; ///< method: error name, message
    std::vector<std::string> calls; ///< "Interface.Method(signature: arguments) at /path"

    std::vector<std::string> takeCalls() {
        std::lock_guard lock(mutex);
        return std::exchange(calls, {});
    }
};

/// The manager and its sessions: notes each call, then answers it as the script says.
class FakeLogindObject final : public QDBusVirtualObject {
public:
    explicit FakeLogindObject(Script& script) : script_(script) {}
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        QStringList arguments;
        for (const QVariant& argument : message.arguments())
            arguments << argument.toString();
        const QString member = message.member();
        std::lock_guard lock(script_.mutex);
        script_.calls.push_back(QStringLiteral("%1.%2(%3: %4) at %5")
                                    .arg(message.interface().section('.', -1), member,
                                         message.signature(), arguments.join(", "), message.path())
                                    .toStdString());
        QDBusMessage reply = message.createReply();
        if (script_.refusals.contains(member))
            reply = message.createErrorReply(script_.refusals[member].first,
                                             script_.refusals[member].second);
        else if (member.startsWith("Can"))
            reply = message.createReply(script_.answer);
        else if (member == "GetSessionByPID")
            reply = message.createReply(QVariant::fromValue(QDBusObjectPath(kSessionPath)));
        return connection.send(reply);
    }

private:
    Script& script_;
};

/// logind pretended on a private D-Bus of the test's own.
class LogindWorld {
public:
    /// Empty when the bus is up, otherwise why it cannot be had here.
    std::string missing() {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty())
            return "dbus-daemon (Debian package dbus-daemon) is missing";
        // A socket and an open policy, nothing started on demand, nothing of the machine's own.
        folder.write("bus.conf",
                     "<busconfig><type>session</type><listen>unix:dir=" + folder.text() +
                         "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                         "<allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                         "<allow own=\"*\"/></policy></busconfig>");
        // Should the test die without unwinding, the daemon goes with it.
        daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        daemon_.start(daemon,
                      {"--config-file=" + QString::fromStdString((folder / "bus.conf").string()),
                       "--nofork", "--print-address"});
        QByteArray output;
        for (int tries = 0; tries < 200 && !output.contains('\n'); ++tries) {
            daemon_.waitForReadyRead(100);
            output += daemon_.readAllStandardOutput();
        }
        if (!output.contains('\n')) {
            ADD_FAILURE() << daemon_.readAllStandardError().toStdString();
            return "dbus-daemon did not start";
        }
        address = output.left(output.indexOf('\n')).trimmed().toStdString();
        return "";
    }
    ~LogindWorld() {
        power_.reset();
        if (logind_) { // off the bus before the bus goes
            logind_->quit();
            logind_->wait();
        }
        daemon_.terminate();
        daemon_.waitForFinished(5000);
    }

    /// The power calls block the test's thread until answered, so the fake answers from its
    /// own thread and connection.
    void serviceUp() {
        auto ready = std::make_shared<std::promise<std::string>>();
        logind_.reset(QThread::create([this, ready] {
            {
                auto bus = QDBusConnection::connectToBus(QString::fromStdString(address), "logind");
                FakeLogindObject object(script); // lives on this thread, where the calls come
                const bool up =
                    bus.registerVirtualObject(kManagerPath, &object, QDBusConnection::SubPath) &&
                    bus.registerService(kService);
                ready->set_value(up ? "" : bus.lastError().message().toStdString());
                if (up)
                    QEventLoop().exec();
            }
            QDBusConnection::disconnectFromBus("logind");
        }));
        logind_->start();
        auto answer = ready->get_future();
        ASSERT_EQ(answer.wait_for(std::chrono::seconds(20)), std::future_status::ready);
        ASSERT_EQ(answer.get(), "");
    }
    void answer(bool allowed) {
        std::lock_guard lock(script.mutex);
        script.answer = allowed ? "yes" : "no";
    }
    void refuseRequests(const std::string& name, const std::string& words) {
        std::lock_guard lock(script.mutex);
        for (const char* method : {"PowerOff", "Reboot", "Halt", "GetSessionByPID"})
            script.refusals[method] = {QString::fromStdString(name), QString::fromStdString(words)};
    }
    Power& power() {
        if (!power_)
            power_ = zembra::makePower(address);
        return *power_;
    }

    testing_support::TempFolder folder;
    std::string address;
    Script script;

private:
    QProcess daemon_;
    std::unique_ptr<QThread> logind_;
    std::unique_ptr<Power> power_;
};

class FakeWorld {
public:
    FakeWorld() { fake_.reachable = false; }
    void serviceUp() { fake_.reachable = true; }
    void answer(bool allowed) {
        fake_.refusal = allowed ? std::nullopt
                                : std::optional(Power::Refusal{false, {"", "the system says no"}});
    }
    void refuseRequests(const std::string& name, const std::string& words) {
        fake_.error = zembra::SystemError{name, words};
    }
    Power& power() { return fake_; }

private:
    testing_fakes::FakePower fake_;
};

template <typename World>
using PowerContract = testing_support::Contract<World>;

using Powers = testing::Types<LogindWorld, FakeWorld>;
TYPED_TEST_SUITE(PowerContract, Powers);

// The exit's power-off tells an owner why nothing happened: it must know whether the system
// said no or could not be asked at all.
TYPED_TEST(PowerContract, WithoutTheServiceNothingCanBeAskedAndEveryRequestFails) {
    Power& power = this->world.power();
    EXPECT_FALSE(power.available());
    // (An empty answer fails the test with "bad optional access".)
    EXPECT_TRUE(power.permission(Action::PowerOff).value().couldNotAsk);
    const auto error = power.request(Action::Reboot).value();
    EXPECT_FALSE(error.name.empty() && error.message.empty());
}

TYPED_TEST(PowerContract, AnAnsweringServiceAllowsRefusesAndPassesItsWordsOn) {
    ASSERT_NO_FATAL_FAILURE(this->world.serviceUp());
    Power& power = this->world.power();
    EXPECT_TRUE(power.available());
    this->world.answer(true);
    EXPECT_EQ(power.permission(Action::Reboot), std::nullopt);
    EXPECT_EQ(power.request(Action::PowerOff), std::nullopt);
    this->world.answer(false);
    const auto refusal = power.permission(Action::Reboot).value();
    EXPECT_FALSE(refusal.couldNotAsk || refusal.error.message.empty());

    // Word for word, whatever the language.
    const std::string words = "Anmeldung nötig – “interaktiv”";
    this->world.refuseRequests("org.freedesktop.login1.Busy", words);
    const auto refused = power.request(Action::Halt).value();
    EXPECT_EQ(refused.name + ": " + refused.message, "org.freedesktop.login1.Busy: " + words);
}

using LogindPower = testing_support::Contract<LogindWorld>;

// LogOff ends the session logind names, and a log-off for which it names none is reported. (The
// non-interactive power-off itself is driven end to end.)
TEST_F(LogindPower, LogOffEndsTheSessionLogindNames) {
    ASSERT_NO_FATAL_FAILURE(world.serviceUp());
    Power& power = world.power();
    EXPECT_FALSE(power.permission(Action::LogOff).has_value()); // never asked about
    world.script.takeCalls();
    EXPECT_FALSE(power.request(Action::LogOff).has_value());
    EXPECT_THAT(world.script.takeCalls(),
                ElementsAre("Manager.GetSessionByPID(u: " + std::to_string(::getpid()) +
                                ") at /org/freedesktop/login1",
                            "Session.Terminate(: ) at " + kSessionPath.toStdString()));
    world.refuseRequests("org.freedesktop.login1.NoSessionForPID", "no session");
    EXPECT_TRUE(power.request(Action::LogOff).has_value());
    EXPECT_THAT(world.script.takeCalls(), ElementsAre(HasSubstr("GetSessionByPID"))); // no end

    // A second service, on a bus that is not there, borrows nothing from the first.
    const auto lost = zembra::makePower("unix:path=" + world.folder.text() + "/no-bus-here");
    EXPECT_FALSE(lost->available());
    EXPECT_TRUE(lost->permission(Action::Reboot).value().couldNotAsk);
    EXPECT_TRUE(world.script.takeCalls().empty());
}

} // namespace
