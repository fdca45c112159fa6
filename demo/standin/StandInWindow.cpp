// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in's window: what it shows, the key names it records and how it ends.
#include "StandInWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <string>
#include <utility>

namespace standin {
namespace {

constexpr std::size_t kRecentKeys = 6;
const QColor kBackground(16, 20, 28);
const QColor kText(230, 232, 236);
const QColor kAccent(255, 196, 64);
const QColor kDim(140, 150, 170);

} // namespace

QString keyName(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return QString(QChar(key));
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    }
    switch (key) {
    case Qt::Key_Control:
        return QStringLiteral("Ctrl");
    case Qt::Key_Alt:
        return QStringLiteral("Alt");
    case Qt::Key_Shift:
        return QStringLiteral("Shift");
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("Enter");
    case Qt::Key_Escape:
        return QStringLiteral("Escape");
    case Qt::Key_Tab:
    case Qt::Key_Backtab: // Shift+Tab: the key pressed is still Tab
        return QStringLiteral("Tab");
    case Qt::Key_Space:
        return QStringLiteral("Space");
    case Qt::Key_Backspace:
        return QStringLiteral("Backspace");
    case Qt::Key_Left:
        return QStringLiteral("Left");
    case Qt::Key_Up:
        return QStringLiteral("Up");
    case Qt::Key_Right:
        return QStringLiteral("Right");
    case Qt::Key_Down:
        return QStringLiteral("Down");
    default:
        break;
    }
    // Key 0 and Qt::Key_unknown have no text; neither do some keys outside Qt's tables.
    const QString text = key == 0 || key == Qt::Key_unknown
                             ? QString()
                             : QKeySequence(key).toString(QKeySequence::PortableText);
    if (!text.isEmpty()) {
        return text;
    }
    return QStringLiteral("0x") + QString::number(static_cast<unsigned>(key), 16);
}

bool isModifierKey(int key) {
    switch (key) {
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Shift:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
        return true;
    default:
        return false;
    }
}

bool ClosingSequence::press(int key, bool altHeld) {
    if (isModifierKey(key)) {
        return false;
    }
    if (key == Qt::Key_Q) {
        stage_ = 1;
    } else if (stage_ == 1 && key == Qt::Key_F && altHeld) {
        stage_ = 2;
    } else if (stage_ == 2 && key == Qt::Key_X) {
        stage_ = 0;
        return true;
    } else {
        stage_ = 0;
    }
    return false;
}

StandInWindow::StandInWindow(Launch launch, std::function<void(std::string_view)> record)
    : launch_(std::move(launch)), record_(std::move(record)) {
    setWindowTitle(QStringLiteral("Zembra stand-in emulator"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
}

bool StandInWindow::event(QEvent* event) {
    switch (event->type()) {
    // Keys are taken here, before QWidget would turn Tab into a focus move.
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        key(*static_cast<QKeyEvent*>(event), event->type() == QEvent::KeyPress);
        event->accept();
        return true;
    // Every key is ours: no shortcut may take one before it arrives as a key press.
    case QEvent::ShortcutOverride:
        event->accept();
        return true;
    case QEvent::WindowActivate:
        if (!ended_) {
            record_("focus");
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void StandInWindow::key(const QKeyEvent& event, bool down) {
    if (ended_ || event.isAutoRepeat()) {
        return;
    }
    // With Shift, a key can come down as `!` and go up as `1` when Shift was let go first; the
    // release takes the name of its press, so that every `down` has an `up` of the same name.
    QString name = keyName(event.key());
    const quint32 physical = event.nativeScanCode();
    if (physical != 0) {
        if (down) {
            pressedNames_[physical] = name;
        } else if (const auto pressed = pressedNames_.find(physical);
                   pressed != pressedNames_.end()) {
            name = pressed->second;
            pressedNames_.erase(pressed);
        }
    }
    const QString entry = (down ? QStringLiteral("down ") : QStringLiteral("up ")) + name;
    record_(entry.toStdString());
    recentKeys_.push_back(entry);
    while (recentKeys_.size() > kRecentKeys) {
        recentKeys_.pop_front();
    }
    update();
    if (!down) {
        return;
    }
    const bool closed = closing_.press(event.key(), event.modifiers() & Qt::AltModifier);
    if (event.key() == Qt::Key_Escape) {
        end("escape");
    } else if (closed) {
        end("visual-pinball");
    }
}

void StandInWindow::end(std::string_view how) {
    if (ended_) {
        return;
    }
    ended_ = true;
    record_(std::string("end ") + std::string(how));
    QCoreApplication::exit(0);
}

void StandInWindow::closeEvent(QCloseEvent* event) {
    end("closed");
    event->accept();
}

void StandInWindow::paintEvent(QPaintEvent* /*event*/) {
    if (!exposed_) {
        // Only now is the window on the screen. Without a window manager the keyboard follows
        // an explicit request, and one made before the window was mapped can be lost.
        exposed_ = true;
        QTimer::singleShot(0, this, [this] {
            raise();
            activateWindow();
        });
    }

    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const int lineHeight = std::max(18, height() / 16);
    const int margin = lineHeight;
    const int textWidth = std::max(1, width() - 2 * margin);
    QFont font = painter.font();
    font.setPixelSize(lineHeight * 7 / 10);
    QFont big = font;
    big.setPixelSize(lineHeight);
    big.setBold(true);

    int y = margin;
    // One line: a label in the dim colour, then the text elided to the room left after it.
    const auto line = [&](const QString& label, const QString& text, const QFont& lineFont,
                          const QColor& colour, Qt::TextElideMode elide = Qt::ElideMiddle) {
        painter.setFont(lineFont);
        const QFontMetrics metrics(lineFont);
        int x = margin;
        if (!label.isEmpty()) {
            painter.setPen(kDim);
            painter.drawText(x, y + metrics.ascent(), label);
            x += metrics.horizontalAdvance(label + QStringLiteral("  "));
        }
        painter.setPen(colour);
        const int room = std::max(1, margin + textWidth - x);
        painter.drawText(x, y + metrics.ascent(), metrics.elidedText(text, elide, room));
        y += metrics.height() + metrics.height() / 4;
    };

    line({}, launch_.program.isEmpty() ? QStringLiteral("(no program name)") : launch_.program, big,
         kAccent);
    // Room for the folder, the keys and the hint below the arguments.
    const int bottomLines = 4;
    const int lineStep = QFontMetrics(font).height() * 5 / 4;
    const int room = std::max(1, (height() - margin - y) / lineStep - bottomLines);
    const int count = static_cast<int>(launch_.arguments.size());
    if (count == 0) {
        line({}, QStringLiteral("no arguments"), font, kDim);
    }
    const int shown = count > room ? room - 1 : count;
    for (int i = 0; i < shown; ++i) {
        // Quoted, so that an empty argument or one with blanks at its ends can be seen.
        line(QString::number(i + 1), QStringLiteral("\u201C%1\u201D").arg(launch_.arguments[i]),
             font, kText);
    }
    if (shown < count) {
        line({}, QStringLiteral("\u2026 and %1 more").arg(count - shown), font, kDim);
    }
    line(QStringLiteral("folder"), launch_.folder, font, kText);
    // The newest keys stay in sight: older ones are elided on the left.
    const QStringList keys(recentKeys_.begin(), recentKeys_.end());
    line(QStringLiteral("keys"),
         keys.isEmpty() ? QStringLiteral("none yet") : keys.join(QStringLiteral(" \u00B7 ")), font,
         kText, Qt::ElideLeft);
    line({}, QStringLiteral("Escape ends"), big, kAccent);
}

} // namespace standin
