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
    LogindPower(QDBusConnection bus, bool own) : bus_(std::move(bus)), own_(own) {}
    ~LogindPower() override {
        if (own_) {
            QDBusConnection::disconnectFromBus(bus_.name());
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
                reply = bus_.call(QDBusMessage::createMethodCall(kService, session.path(), kSession,
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
        if (!bus_.isConnected()) {
            const QDBusError error = bus_.lastError();
            return QDBusMessage::createError(
                error.name().isEmpty() ? "org.freedesktop.DBus.Error.NoServer" : error.name(),
                error.message().isEmpty() ? "the message bus cannot be reached" : error.message());
        }
        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, kManagerPath, kManager, method);
        call.setArguments(arguments);
        return bus_.call(call, QDBus::Block, kTimeoutMs);
    }

    QDBusConnection bus_;
    const bool own_; ///< a connection of this power's own, closed with it
};

} // namespace

std::unique_ptr<Power> makePower(const std::string& busAddress) {
    if (busAddress.empty()) {
        return std::make_unique<LogindPower>(QDBusConnection::systemBus(), false);
    }
    // Qt hands out an open connection again by its name, whatever address it was opened for:
    // every power gets a name of its own.
    static std::atomic<unsigned> opened = 0;
    return std::make_unique<LogindPower>(
        QDBusConnection::connectToBus(QString::fromStdString(busAddress),
                                      QStringLiteral("zembra-power-%1").arg(++opened)),
        true);
}

} // namespace zembra
