// SPDX-License-Identifier: GPL-3.0-or-later
// The questions Tessel asks through the desktop's dialogs, behind one seam for the tests.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace tessel {

class Dialogs {
public:
    enum class Icon { Information, Exclamation };

    virtual ~Dialogs() = default;
    /// A folder, or empty text when the user cancelled.
    virtual QString chooseFolder(QWidget* owner, const QString& title) = 0;
    /// Starts from `initial`; empty when the user cancelled.
    virtual std::optional<QColor> chooseColour(QWidget* owner, const QColor& initial) = 0;
    /// Starts from `current`; empty when the user cancelled.
    virtual std::optional<QFont> chooseFont(QWidget* owner, const QFont& current) = 0;
    /// A message box with an OK button.
    virtual void message(QWidget* owner, const QString& text, Icon icon) = 0;
};

/// Qt's own folder, colour and font dialogs and message boxes.
class QtDialogs : public Dialogs {
public:
    QString chooseFolder(QWidget* owner, const QString& title) override;
    std::optional<QColor> chooseColour(QWidget* owner, const QColor& initial) override;
    std::optional<QFont> chooseFont(QWidget* owner, const QFont& current) override;
    void message(QWidget* owner, const QString& text, Icon icon) override;
};

} // namespace tessel
