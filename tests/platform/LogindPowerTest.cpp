// SPDX-License-Identifier: GPL-3.0-or-later
// Power control through logind, end to end against a pretend logind on a private D-Bus.
#include "tests/support/TempFolder.h"
#include "zembra/platform/Power.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>
#include <QVariant>
#include <atomic>
#include <chrono>
#include <csignal>
#include <future>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing_support::TempFolder;
using zembra::makePower;
using zembra::Power;
using zembra::SystemError;
using Action = Power::Action;

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
// Not "session/self": LogOff must end the session logind names, not one it guesses.
const QString kSessionPath = QStringLiteral("/org/freedesktop/login1/session/c7");
const std::string kServiceUnknown = "org.freedesktop.DBus.Error.ServiceUnknown";

/// What the pretend logind answers, and every call it got in order. The test thread writes the
/// answers and reads the calls; the fake's thread does the opposite.
class Script {
public:
    void setAnswer(const QString& answer) {
        std::lock_guard lock(mutex_);
        answer_ = answer;
    }
    QString answer() const {
        std::lock_guard lock(mutex_);
        return answer_;
    }

    /// From now on `method` fails with this D-Bus error instead of answering.
    void refuse(const QString& method, const QString& name, const QString& message) {
        std::lock_guard lock(mutex_);
        refusals_[method] = {name, message};
    }
    void stopRefusing() {
        std::lock_guard lock(mutex_);
        refusals_.clear();
    }
    std::optional<std::pair<QString, QString>> refusalOf(const QString& method) const {
        std::lock_guard lock(mutex_);
        const auto found = refusals_.find(method);
        if (found == refusals_.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    void record(const QDBusMessage& call) {
        QStringList arguments;
        for (const QVariant& argument : call.arguments()) {
            arguments << argument.toString();
        }
        const QString text =
            QStringLiteral("%1(%2: %3) at %4")
                .arg(call.member(), call.signature(), arguments.join(", "), call.path());
        std::lock_guard lock(mutex_);
        calls_.push_back(text.toStdString());
    }
    /// The calls so far, as "Method(signature: arguments) at /object/path", and forgets them.
    std::vector<std::string> takeCalls() {
        std::lock_guard lock(mutex_);
        return std::exchange(calls_, {});
    }

private:
    mutable std::mutex mutex_;
    QString answer_ = QStringLiteral("yes");
    std::map<QString, std::pair<QString, QString>> refusals_;
    std::vector<std::string> calls_;
};

/// One exported object of the fake: notes each call, then fails it if the script says so.
class FakeObject : public QObject, protected QDBusContext {
    // The bus finds the context of a call through the meta-object, so this one needs its own.
    Q_OBJECT

public:
    explicit FakeObject(Script& script) : script_(script) {}

protected:
    void answer() {
        script_.record(message());
        if (const auto refusal = script_.refusalOf(message().member())) {
            sendErrorReply(refusal->first, refusal->second);
        }
    }
    Script& script_;
};

class FakeManager final : public FakeObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    using FakeObject::FakeObject;

public slots:
    QString CanPowerOff() { return can(); }
    QString CanReboot() { return can(); }
    QString CanHalt() { return can(); }
    void PowerOff(bool) { answer(); }
    void Reboot(bool) { answer(); }
    void Halt(bool) { answer(); }
    QDBusObjectPath GetSessionByPID(uint) {
        answer();
        return QDBusObjectPath(kSessionPath);
    }

private:
    QString can() {
        answer();
        return script_.answer();
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

/// The pretend logind on its own thread and connection: the power calls block the test's
/// thread until answered, so the answers must come from elsewhere.
class FakeLogind final : public QThread {
public:
    FakeLogind(const QString& address, Script& script)
        : address_(address), script_(script),
          connectionName_(QStringLiteral("fake-logind-%1").arg(++instances_)) {}
    ~FakeLogind() override {
        quit();
        wait();
    }

    /// Starts the fake and waits until it owns logind's name: an empty text, or what failed.
    std::string startAndWait() {
        std::future<std::string> ready = ready_.get_future();
        start();
        if (ready.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
            return "the fake logind did not come up within 20 s";
        }
        return ready.get();
    }

protected:
    void run() override {
        std::string failure;
        {
            QDBusConnection bus = QDBusConnection::connectToBus(address_, connectionName_);
            FakeManager manager(script_);
            FakeSession session(script_);
            if (!bus.isConnected()) {
                failure = "cannot connect: " + bus.lastError().message().toStdString();
            } else if (!bus.registerObject(kManagerPath, &manager,
                                           QDBusConnection::ExportAllSlots) ||
                       !bus.registerObject(kSessionPath, &session,
                                           QDBusConnection::ExportAllSlots)) {
                failure = "cannot export the manager and the session";
            } else if (!bus.registerService(kService)) {
                failure = "cannot own the name: " + bus.lastError().message().toStdString();
            }
            ready_.set_value(failure);
            if (failure.empty()) {
                exec();
            }
            bus.unregisterObject(kSessionPath);
            bus.unregisterObject(kManagerPath);
        }
        QDBusConnection::disconnectFromBus(connectionName_);
    }

private:
    static inline std::atomic<int> instances_ = 0;
    const QString address_;
    Script& script_;
    const QString connectionName_;
    std::promise<std::string> ready_;
};

/// A D-Bus daemon of the test's own, listening in `folder`, stopped when this goes.
class PrivateBus {
public:
    PrivateBus(const QString& program, const TempFolder& folder) {
        // Nothing but a socket and an open policy: no service files, so no name is ever
        // started on demand, and no settings of the machine's own session bus apply.
        folder.write("bus.conf",
                     "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
                     "1.0//EN\"\n \"http://www.freedesktop.org/standards/dbus/1.0/"
                     "busconfig.dtd\">\n<busconfig>\n  <type>session</type>\n  <listen>unix:dir=" +
                         folder.text() +
                         "</listen>\n  <auth>EXTERNAL</auth>\n  <policy context=\"default\">\n"
                         "    <allow send_destination=\"*\"/>\n    <allow receive_sender=\"*\"/>\n"
                         "    <allow own=\"*\"/>\n"
                         "  </policy>\n</busconfig>\n");
        process_.setProgram(program);
        // Should the test die without unwinding, the daemon goes with it.
        process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process_.setArguments(
            {"--config-file=" + QString::fromStdString((folder / "bus.conf").string()), "--nofork",
             "--print-address"});
        process_.start();
        QByteArray output;
        QElapsedTimer clock;
        clock.start();
        while (!output.contains('\n') && process_.state() != QProcess::NotRunning &&
               clock.elapsed() < 20000) {
            process_.waitForReadyRead(100);
            output += process_.readAllStandardOutput();
        }
        if (output.contains('\n')) {
            address_ = output.left(output.indexOf('\n')).trimmed().toStdString();
        } else {
            failure_ = "dbus-daemon printed no address: " + process_.errorString().toStdString() +
                       " " + process_.readAllStandardError().toStdString();
        }
    }
    ~PrivateBus() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(5000)) {
                process_.kill();
                process_.waitForFinished(5000);
            }
        }
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    const std::string& address() const { return address_; }
    const std::string& failure() const { return failure_; }

private:
    QProcess process_;
    std::string address_;
    std::string failure_;
};

std::string describe(const std::optional<SystemError>& error) {
    return error ? error->name + ": " + error->message : "no error";
}

struct Verb {
    Action action;
    std::string name;
};
const std::vector<Verb> kVerbs{
    {Action::PowerOff, "PowerOff"}, {Action::Reboot, "Reboot"}, {Action::Halt, "Halt"}};

class LogindPower : public testing::Test {
protected:
    void SetUp() override {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) {
            GTEST_SKIP() << "dbus-daemon is not installed (Debian package dbus-daemon), so there "
                            "is no private bus to put a pretend logind on";
        }
        bus_.emplace(daemon, folder_);
        ASSERT_FALSE(bus_->address().empty()) << bus_->failure();
    }

    const std::string& address() const { return bus_->address(); }

    void startLogind() {
        logind_ = std::make_unique<FakeLogind>(QString::fromStdString(address()), script_);
        ASSERT_EQ(logind_->startAndWait(), "");
    }

    // Destroyed bottom up: the fake leaves the bus before the bus stops.
    TempFolder folder_;
    std::optional<PrivateBus> bus_;
    Script script_;
    std::unique_ptr<FakeLogind> logind_;
};

TEST_F(LogindPower, IsAvailableOnlyWhileTheServiceAnswers) {
    const std::unique_ptr<Power> power = makePower(address());
    {
        SCOPED_TRACE("a bus without logind");
        EXPECT_FALSE(power->available());
        const auto refusal = power->permission(Action::PowerOff);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_TRUE(refusal->couldNotAsk);
        EXPECT_EQ(refusal->error.name, kServiceUnknown);
        EXPECT_THAT(refusal->error.message, HasSubstr("org.freedesktop.login1"));
        const auto error = power->request(Action::PowerOff);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->name, kServiceUnknown);
    }
    {
        SCOPED_TRACE("logind arrives on the same bus");
        ASSERT_NO_FATAL_FAILURE(startLogind());
        EXPECT_TRUE(power->available());
        // Only the question: the refused power-off above never reached anybody.
        EXPECT_THAT(script_.takeCalls(), ElementsAre("CanPowerOff(: ) at /org/freedesktop/login1"));
    }
    // A second power on another address must not borrow the first one's connection, and a bus
    // that is not there must not hold anybody up.
    for (const std::string& unreachable :
         {"unix:path=" + folder_.text() + "/no-bus-here", std::string("no address at all")}) {
        SCOPED_TRACE(unreachable);
        QElapsedTimer clock;
        clock.start();
        const std::unique_ptr<Power> lost = makePower(unreachable);
        EXPECT_FALSE(lost->available());
        for (const Verb& verb : kVerbs) {
            const auto refusal = lost->permission(verb.action);
            ASSERT_TRUE(refusal.has_value()) << verb.name;
            EXPECT_TRUE(refusal->couldNotAsk) << verb.name;
            EXPECT_FALSE(refusal->error.name.empty()) << verb.name;
            EXPECT_FALSE(refusal->error.message.empty()) << verb.name;
        }
        for (const Action action :
             {Action::LogOff, Action::Halt, Action::Reboot, Action::PowerOff}) {
            const auto error = lost->request(action);
            ASSERT_TRUE(error.has_value());
            EXPECT_FALSE(error->name.empty());
            EXPECT_FALSE(error->message.empty());
        }
        EXPECT_LT(clock.elapsed(), 5000) << "ms for all the calls above";
    }
    EXPECT_THAT(script_.takeCalls(), IsEmpty());
}

TEST_F(LogindPower, AllowsOnlyWhatTheSystemAnswersYesOrChallengeTo) {
    ASSERT_NO_FATAL_FAILURE(startLogind());
    const std::unique_ptr<Power> power = makePower(address());
    for (const char* answer : {"yes", "challenge", "no", "na", "maybe"}) {
        SCOPED_TRACE(answer);
        script_.setAnswer(answer);
        const bool allowed = std::string(answer) == "yes" || std::string(answer) == "challenge";
        for (const Verb& verb : kVerbs) {
            const auto refusal = power->permission(verb.action);
            EXPECT_THAT(script_.takeCalls(),
                        ElementsAre("Can" + verb.name + "(: ) at /org/freedesktop/login1"));
            if (allowed) {
                EXPECT_FALSE(refusal.has_value()) << verb.name << ": " << refusal->error.message;
                continue;
            }
            ASSERT_TRUE(refusal.has_value()) << verb.name;
            EXPECT_FALSE(refusal->couldNotAsk) << verb.name;
            EXPECT_THAT(refusal->error.message, HasSubstr('"' + std::string(answer) + '"'));
            EXPECT_THAT(refusal->error.message, HasSubstr("Can" + verb.name));
        }
    }
    // Ending one's own session is never asked about.
    script_.setAnswer("no");
    EXPECT_FALSE(power->permission(Action::LogOff).has_value());
    EXPECT_THAT(script_.takeCalls(), IsEmpty());
    // A question the system cannot answer is not a refusal.
    script_.refuse("CanHalt", "org.freedesktop.DBus.Error.AccessDenied", "Halting is not for you");
    const auto refusal = power->permission(Action::Halt);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_TRUE(refusal->couldNotAsk);
    EXPECT_EQ(refusal->error.name, "org.freedesktop.DBus.Error.AccessDenied");
    EXPECT_EQ(refusal->error.message, "Halting is not for you");
}

TEST_F(LogindPower, AsksForEachActionWithoutInteraction) {
    ASSERT_NO_FATAL_FAILURE(startLogind());
    const std::unique_ptr<Power> power = makePower(address());
    for (const Verb& verb : kVerbs) {
        const auto error = power->request(verb.action);
        EXPECT_FALSE(error.has_value()) << verb.name << ": " << describe(error);
        EXPECT_THAT(script_.takeCalls(),
                    ElementsAre(verb.name + "(b: false) at /org/freedesktop/login1"));
    }
    // Logging off ends the session logind says this process belongs to.
    const auto error = power->request(Action::LogOff);
    EXPECT_FALSE(error.has_value()) << describe(error);
    EXPECT_THAT(script_.takeCalls(),
                ElementsAre("GetSessionByPID(u: " + std::to_string(::getpid()) +
                                ") at /org/freedesktop/login1",
                            "Terminate(: ) at " + kSessionPath.toStdString()));
}

TEST_F(LogindPower, PassesOnTheSystemsRefusalWordForWord) {
    ASSERT_NO_FATAL_FAILURE(startLogind());
    const std::unique_ptr<Power> power = makePower(address());
    const QString message = QStringLiteral("Anmeldung nötig – “interaktiv” ✓");
    script_.refuse("Reboot", "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired",
                   message);
    auto error = power->request(Action::Reboot);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->name, "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired");
    EXPECT_EQ(error->message, message.toStdString());
    // The other actions are not caught up in it.
    EXPECT_FALSE(power->request(Action::PowerOff).has_value());
    script_.takeCalls();

    // Logging off fails at either step, and a session that is not found is not ended.
    script_.refuse("GetSessionByPID", "org.freedesktop.login1.NoSessionForPID",
                   "PID 4242 does not belong to any known session");
    error = power->request(Action::LogOff);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->name, "org.freedesktop.login1.NoSessionForPID");
    EXPECT_EQ(error->message, "PID 4242 does not belong to any known session");
    EXPECT_THAT(script_.takeCalls(), ElementsAre(HasSubstr("GetSessionByPID")));

    script_.stopRefusing();
    script_.refuse("Terminate", "org.freedesktop.DBus.Error.AccessDenied", "Permission denied");
    error = power->request(Action::LogOff);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->name, "org.freedesktop.DBus.Error.AccessDenied");
    EXPECT_EQ(error->message, "Permission denied");
    EXPECT_THAT(script_.takeCalls(),
                ElementsAre(HasSubstr("GetSessionByPID"), HasSubstr("Terminate")));
}

} // namespace

#include "LogindPowerTest.moc"
