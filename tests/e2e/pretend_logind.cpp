// SPDX-License-Identifier: GPL-3.0-or-later
// A pretend logind for the end-to-end tests: on a private bus it answers that power-off is
// allowed, refuses the power-off itself, and writes each call it gets to a record, one a line.
// Usage: pretend_logind BUS_ADDRESS RECORD_FILE. It writes "ready" once it owns logind's name.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QFile>
#include <cstdio>

namespace {

class PretendManager final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    explicit PretendManager(QString record) : record_(std::move(record)) {}

    void note(const QByteArray& line) {
        QFile file(record_);
        if (file.open(QIODevice::Append)) {
            file.write(line + '\n');
        }
    }

public slots:
    QString CanPowerOff() {
        note("CanPowerOff");
        return QStringLiteral("yes");
    }
    void PowerOff(bool interactive) {
        note(interactive ? "PowerOff interactive" : "PowerOff");
        sendErrorReply(QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"),
                       QStringLiteral("Permission denied by the pretend logind"));
    }

private:
    QString record_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pretend_logind BUS_ADDRESS RECORD_FILE\n");
        return 2;
    }
    QDBusConnection bus = QDBusConnection::connectToBus(QString::fromLocal8Bit(argv[1]), "bus");
    PretendManager manager(QString::fromLocal8Bit(argv[2]));
    if (!bus.registerObject("/org/freedesktop/login1", &manager, QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.login1")) {
        std::fprintf(stderr, "pretend_logind: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    manager.note("ready");
    return QCoreApplication::exec();
}

#include "pretend_logind.moc"
