// SPDX-License-Identifier: GPL-3.0-or-later
// Power control through logind, end to end against a pretend logind on a private D-Bus.
#include "tests/fakes/FakePower.h"
#include "tests/support/Contract.h"
#include "tests/support/TempFolder.h"
#include "zembra/platform/Power.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
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
    std::vector<std::string> calls; ///< "Method(signature: arguments) at /path"

    std::vector<std::string> takeCalls() {
        std::lock_guard lock(mutex);
        return std::exchange(calls, {});
    }
};

/// Notes each call, then fails it when the script says so.
class FakeObject : public QObject, protected QDBusContext {
    Q_OBJECT // the bus finds a call's context through this class's own meta-object

        public : explicit FakeObject(Script& script)
        : script_(script) {}

protected:
    QString answer() {
        QStringList arguments;
        for (const QVariant& argument : message().arguments()) {
            arguments << argument.toString();
        }
        std::lock_guard lock(script_.mutex);
        script_.calls.push_back(QStringLiteral("%1(%2: %3) at %4")
                                    .arg(message().member(), message().signature(),
                                         arguments.join(", "), message().path())
                                    .toStdString());
        const auto refusal = script_.refusals.find(message().member());
        if (refusal != script_.refusals.end()) {
            sendErrorReply(refusal->second.first, refusal->second.second);
        }
        return script_.answer;
    }
    Script& script_;
};

class FakeManager final : public FakeObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    using FakeObject::FakeObject;

public slots:
    QString CanPowerOff() { return answer(); }
    QString CanReboot() { return answer(); }
    QString CanHalt() { return answer(); }
    void PowerOff(bool) { answer(); }
    void Reboot(bool) { answer(); }
    void Halt(bool) { answer(); }
    QDBusObjectPath GetSessionByPID(uint) {
        answer();
        return QDBusObjectPath(kSessionPath);
    }
};

class FakeSession final : public FakeObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Session")

public:
    using FakeObject::FakeObject;

public slots:
    void Terminate() { answer(); }
};

/// The power calls block the test's thread until answered, so the fake answers from its own
/// thread and connection.
class FakeLogind final : public QThread {
public:
    FakeLogind(QString address, Script& script) : address_(std::move(address)), script_(script) {}
    ~FakeLogind() override {
        quit();
        wait();
    }
    /// Empty when the fake owns logind's name, otherwise what failed.
    std::string startAndWait() {
        auto ready = ready_.get_future();
        start();
        return ready.wait_for(std::chrono::seconds(20)) == std::future_status::ready
                   ? ready.get()
                   : "the fake logind did not come up";
    }

protected:
    void run() override {
        {
            QDBusConnection bus = QDBusConnection::connectToBus(address_, "fake-logind");
            FakeManager manager(script_);
            FakeSession session(script_);
            const bool up =
                bus.registerObject(kManagerPath, &manager, QDBusConnection::ExportAllSlots) &&
                bus.registerObject(kSessionPath, &session, QDBusConnection::ExportAllSlots) &&
                bus.registerService(kService);
            ready_.set_value(up ? "" : bus.lastError().message().toStdString());
            if (up) {
                exec();
            }
        }
        QDBusConnection::disconnectFromBus("fake-logind");
    }

private:
    QString address_;
    Script& script_;
    std::promise<std::string> ready_;
};

/// A private D-Bus of the test's own, on which a pretend logind can be started.
class PrivateBus {
public:
    /// Empty when the bus is up, otherwise why it cannot be had here.
    std::string start() {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty()) {
            return "dbus-daemon (Debian package dbus-daemon) is missing";
        }
        // A socket and an open policy, nothing started on demand, nothing of the machine's own.
        folder.write("bus.conf",
                     "<busconfig><type>session</type><listen>unix:dir=" + folder.text() +
                         "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                         "<allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                         "<allow own=\"*\"/></policy></busconfig>");
        // Should the test die without unwinding, the daemon goes with it.
        daemonProcess.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        daemonProcess.start(
            daemon, {"--config-file=" + QString::fromStdString((folder / "bus.conf").string()),
                     "--nofork", "--print-address"});
        QByteArray output;
        for (int tries = 0; tries < 200 && !output.contains('\n'); ++tries) {
            daemonProcess.waitForReadyRead(100);
            output += daemonProcess.readAllStandardOutput();
        }
        if (!output.contains('\n')) {
            ADD_FAILURE() << daemonProcess.readAllStandardError().toStdString();
            return "dbus-daemon did not start";
        }
        address = output.left(output.indexOf('\n')).trimmed().toStdString();
        return "";
    }
    ~PrivateBus() {
        logind.reset(); // off the bus before the bus goes
        daemonProcess.terminate();
        daemonProcess.waitForFinished(5000);
    }

    void startLogind() {
        logind = std::make_unique<FakeLogind>(QString::fromStdString(address), script);
        ASSERT_EQ(logind->startAndWait(), "");
    }

    testing_support::TempFolder folder;
    QProcess daemonProcess;
    std::string address;
    Script script;
    std::unique_ptr<FakeLogind> logind;
};

class LogindPower : public testing::Test, protected PrivateBus {
protected:
    void SetUp() override {
        const std::string missing = start();
        if (!missing.empty()) {
            GTEST_SKIP() << missing;
        }
    }
};

TEST_F(LogindPower, IsAvailableOnlyWhileTheServiceAnswers) {
    const auto power = zembra::makePower(address);
    EXPECT_FALSE(power->available());
    // What cannot be asked says so (PowerContract); here, in the bus's own words.
    EXPECT_EQ(power->permission(Action::PowerOff)->error.name,
              "org.freedesktop.DBus.Error.ServiceUnknown");

    ASSERT_NO_FATAL_FAILURE(startLogind());
    EXPECT_TRUE(power->available());
    EXPECT_THAT(script.takeCalls(), ElementsAre("CanPowerOff(: ) at /org/freedesktop/login1"));

    // A second service on a bus that is not there borrows nothing from the first and answers
    // every call with the reason.
    const auto lost = zembra::makePower("unix:path=" + folder.text() + "/no-bus-here");
    EXPECT_FALSE(lost->available());
    EXPECT_TRUE(lost->permission(Action::Reboot)->couldNotAsk);
    EXPECT_TRUE(script.takeCalls().empty());
}

TEST_F(LogindPower, AllowsOnlyWhatTheSystemAnswersYesOrChallengeTo) {
    ASSERT_NO_FATAL_FAILURE(startLogind());
    const auto power = zembra::makePower(address);
    for (const char* answer : {"yes", "challenge", "no", "na"}) {
        {
            std::lock_guard lock(script.mutex);
            script.answer = answer;
        }
        const auto refusal = power->permission(Action::Reboot);
        const bool allowed = std::string(answer) == "yes" || std::string(answer) == "challenge";
        EXPECT_EQ(refusal.has_value(), !allowed) << answer;
        if (refusal) {
            EXPECT_FALSE(refusal->couldNotAsk);
            EXPECT_THAT(refusal->error.message, HasSubstr(std::string("\"") + answer + "\""));
        }
    }
    EXPECT_FALSE(power->permission(Action::LogOff).has_value()); // never asked about
    EXPECT_THAT(script.takeCalls(), testing::Each("CanReboot(: ) at /org/freedesktop/login1"));
}

TEST_F(LogindPower, AsksWithoutInteractionAndPassesRefusalsOnWordForWord) {
    ASSERT_NO_FATAL_FAILURE(startLogind());
    const auto power = zembra::makePower(address);
    EXPECT_FALSE(power->request(Action::PowerOff).has_value());
    EXPECT_FALSE(power->request(Action::Halt).has_value());
    EXPECT_FALSE(power->request(Action::LogOff).has_value());
    EXPECT_THAT(script.takeCalls(), ElementsAre("PowerOff(b: false) at /org/freedesktop/login1",
                                                "Halt(b: false) at /org/freedesktop/login1",
                                                "GetSessionByPID(u: " + std::to_string(::getpid()) +
                                                    ") at /org/freedesktop/login1",
                                                "Terminate(: ) at " + kSessionPath.toStdString()));

    const QString words = QStringLiteral("Anmeldung nötig – “interaktiv”");
    std::unique_lock lock(script.mutex);
    script.refusals["Reboot"] = {"org.freedesktop.DBus.Error.InteractiveAuthorizationRequired",
                                 words};
    script.refusals["GetSessionByPID"] = {"org.freedesktop.login1.NoSessionForPID", "no session"};
    lock.unlock();
    const auto refused = power->request(Action::Reboot);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->name, "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired");
    EXPECT_EQ(refused->message, words.toStdString());
    EXPECT_EQ(power->request(Action::LogOff)->message, "no session");
    EXPECT_THAT(script.takeCalls().back(), HasSubstr("GetSessionByPID")); // nothing terminated
}

/// logind on the private bus, pretended.
class LogindWorld : PrivateBus {
public:
    std::string missing() { return start(); }
    void serviceUp() { startLogind(); }
    void answer(bool allowed) {
        std::lock_guard lock(script.mutex);
        script.answer = allowed ? "yes" : "no";
    }
    void refuseRequests(const std::string& name, const std::string& words) {
        std::lock_guard lock(script.mutex);
        for (const char* method : {"PowerOff", "Reboot", "Halt", "GetSessionByPID"}) {
            script.refusals[method] = {QString::fromStdString(name), QString::fromStdString(words)};
        }
    }
    Power& power() {
        if (!power_) {
            power_ = zembra::makePower(address);
        }
        return *power_;
    }

private:
    std::unique_ptr<Power> power_;
};

class FakeWorld {
public:
    void serviceUp() { fake_.reachable = true; }
    void answer(bool allowed) {
        fake_.refusal.reset();
        if (!allowed) {
            fake_.refusal = Power::Refusal{false, {"", "the system answers \"no\""}};
        }
    }
    void refuseRequests(const std::string& name, const std::string& words) {
        fake_.error = zembra::SystemError{name, words};
    }
    Power& power() { return fake_; }

private:
    testing_fakes::FakePower fake_ = [] {
        testing_fakes::FakePower unreachable;
        unreachable.reachable = false;
        return unreachable;
    }();
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
    const auto refusal = power.permission(Action::PowerOff);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_TRUE(refusal->couldNotAsk);
    const auto error = power.request(Action::Reboot);
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->name.empty() && error->message.empty());
}

TYPED_TEST(PowerContract, AnAnsweringServiceAllowsRefusesAndPassesItsWordsOn) {
    ASSERT_NO_FATAL_FAILURE(this->world.serviceUp());
    Power& power = this->world.power();
    EXPECT_TRUE(power.available());
    this->world.answer(true);
    EXPECT_EQ(power.permission(Action::Reboot), std::nullopt);
    EXPECT_EQ(power.request(Action::PowerOff), std::nullopt);
    this->world.answer(false);
    const auto refusal = power.permission(Action::Reboot);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_FALSE(refusal->couldNotAsk);
    EXPECT_FALSE(refusal->error.message.empty());

    this->world.refuseRequests("org.freedesktop.login1.Busy", "Operation already in progress");
    for (const Action action : {Action::Halt, Action::LogOff}) {
        const auto refused = power.request(action);
        ASSERT_TRUE(refused.has_value());
        EXPECT_EQ(refused->name, "org.freedesktop.login1.Busy");
        EXPECT_EQ(refused->message, "Operation already in progress");
    }
}

} // namespace

#include "LogindPowerTest.moc"
