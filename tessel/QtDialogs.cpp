// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs as Qt provides them.
#include "tessel/Dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace tessel {

QString QtDialogs::chooseFolder(QWidget* owner, const QString& title) {
    return QFileDialog::getExistingDirectory(owner, title);
}

std::optional<QColor> QtDialogs::chooseColour(QWidget* owner, const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, owner);
    return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
}

std::optional<QFont> QtDialogs::chooseFont(QWidget* owner, const QFont& current) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, current, owner);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

void QtDialogs::message(QWidget* owner, const QString& text, Icon icon) {
    if (icon == Icon::Exclamation) {
        QMessageBox::warning(owner, QStringLiteral("Tessel"), text);
    } else {
        QMessageBox::information(owner, QStringLiteral("Tessel"), text);
    }
}

} // namespace tessel
