// SPDX-License-Identifier: GPL-3.0-or-later
// Power control through systemd-logind on the system bus.
#include "zembra/platform/Power.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QVariant>
#include <atomic>
#include <unistd.h>

namespace zembra {
namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSession = QStringLiteral("org.freedesktop.login1.Session");
// A power-off request is answered at once; a bus that does not answer in this time is gone.
constexpr int kTimeoutMs = 10000;

SystemError errorOf(const QDBusMessage& reply) {
    return {reply.errorName().toStdString(), reply.errorMessage().toStdString()};
}

class LogindPower final : public Power {
public:
    explicit LogindPower(std::string busAddress) : busAddress_(std::move(busAddress)) {}
    ~LogindPower() override {
        if (bus_ && !busAddress_.empty()) {
            QDBusConnection::disconnectFromBus(bus_->name());
        }
    }

    bool available() override {
        const QDBusMessage reply = callManager(QStringLiteral("CanPowerOff"), {});
        return reply.type() == QDBusMessage::ReplyMessage;
    }

    std::optional<Refusal> permission(Action action) override {
        if (action == Action::LogOff) {
            return std::nullopt; // ending one's own session needs no permission
        }
        const QString verb = verbOf(action);
        const QDBusMessage reply = callManager("Can" + verb, {});
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            return Refusal{true, errorOf(reply)};
        }
        const QString answer = reply.arguments().first().toString();
        // "challenge" means an administrator's password would do; the request itself then
        // fails with the system's own words.
        if (answer == "yes" || answer == "challenge") {
            return std::nullopt;
        }
        return Refusal{false,
                       {"", "the system answers \"" + answer.toStdString() + "\" to Can" +
                                verb.toStdString()}};
    }

    std::optional<SystemError> request(Action action) override {
        QDBusMessage reply;
        if (action == Action::LogOff) {
            reply = callManager(QStringLiteral("GetSessionByPID"),
                                {QVariant::fromValue(static_cast<uint>(::getpid()))});
            const auto session = reply.arguments().value(0).value<QDBusObjectPath>();
            if (reply.type() == QDBusMessage::ReplyMessage && session.path().isEmpty()) {
                return SystemError{"", "the system names no session for this program"};
            }
            if (reply.type() == QDBusMessage::ReplyMessage) {
                reply =
                    bus().call(QDBusMessage::createMethodCall(kService, session.path(), kSession,
                                                              QStringLiteral("Terminate")),
                               QDBus::Block, kTimeoutMs);
            }
        } else {
            // Not interactive: a cabinet has nobody at a keyboard to type a password.
            reply = callManager(verbOf(action), {false});
        }
        if (reply.type() == QDBusMessage::ReplyMessage) {
            return std::nullopt;
        }
        return errorOf(reply);
    }

private:
    static QString verbOf(Action action) {
        switch (action) {
        case Action::Halt:
            return QStringLiteral("Halt");
        case Action::Reboot:
            return QStringLiteral("Reboot");
        default:
            return QStringLiteral("PowerOff");
        }
    }

    QDBusMessage callManager(const QString& method, const QList<QVariant>& arguments) {
        if (!bus().isConnected()) {
            const QDBusError error = bus().lastError();
            return QDBusMessage::createError(
                error.name().isEmpty() ? "org.freedesktop.DBus.Error.NoServer" : error.name(),
                error.message().isEmpty() ? "the message bus cannot be reached" : error.message());
        }
        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, kManagerPath, kManager, method);
        call.setArguments(arguments);
        return bus().call(call, QDBus::Block, kTimeoutMs);
    }

    /// The bus, connected on first use: most runs never power off, and start-up need not wait
    /// for the system bus.
    QDBusConnection& bus() {
        if (!bus_) {
            if (busAddress_.empty()) {
                bus_ = QDBusConnection::systemBus();
            } else {
                // Qt hands out an open connection again by its name, whatever address it was
                // opened for: every power gets a name of its own, closed with it.
                static std::atomic<unsigned> opened = 0;
                bus_ =
                    QDBusConnection::connectToBus(QString::fromStdString(busAddress_),
                                                  QStringLiteral("zembra-power-%1").arg(++opened));
            }
        }
        return *bus_;
    }

    std::string busAddress_; ///< empty: the system bus
    std::optional<QDBusConnection> bus_;
};

} // namespace

std::unique_ptr<Power> makePower(const std::string& busAddress) {
    return std::make_unique<LogindPower>(busAddress);
}

} // namespace zembra
