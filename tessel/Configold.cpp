// SPDX-License-Identifier: GPL-3.0-or-later
// The colour scheme editor.
#include "tessel/Configold.h"

#include "common/ui/SchemeStyle.h"
#include "common/ui/Units.h"
#include "tessel/form1.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace tessel {
namespace {

QIcon swatch(std::int32_t colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(common::colourFromNumber(colour));
    return QIcon(pixmap);
}

void paintSample(QLabel* label, const QFont& font, std::int32_t background, std::int32_t text) {
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; padding: 6px; }")
                             .arg(common::colourFromNumber(background).name(),
                                  common::colourFromNumber(text).name()));
}

} // namespace

Configold::Configold(form1& owner) : QWidget(&owner, Qt::Tool), owner_(owner) {
    setObjectName(QStringLiteral("Configold"));
    setWindowTitle(QStringLiteral("cd1.ShowOpen"));
    setAttribute(Qt::WA_DeleteOnClose);
    scheme_ = owner_.document().scheme;
    schemeRead_ = common::loadScheme(owner_.document().schemePath, scheme_);

    lblFont_ = new QLabel(QStringLiteral("Font"), this);
    lblHigh_ = new QLabel(QStringLiteral("Highlight"), this);
    const auto button = [this](const char* caption, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    cmdBg_ = button("&Background", "cmdBg");
    cmdFColor_ = button("&Font Color", "cmdFColor");
    cmdHigh_ = button("&Highlight", "cmdHigh");
    cmdFontStyle_ = button("Font S&tyle", "cmdFontStyle");
    cmdSave_ = button("&Save", "cmdSave");
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblFont_, 0, 0);
    grid->addWidget(lblHigh_, 0, 1);
    grid->addWidget(cmdBg_, 1, 0);
    grid->addWidget(cmdFColor_, 1, 1);
    grid->addWidget(cmdHigh_, 2, 0);
    grid->addWidget(cmdFontStyle_, 2, 1);
    grid->addWidget(cmdSave_, 3, 0, 1, 2);
    connect(cmdBg_, &QPushButton::clicked, this, [this] { chooseColour(scheme_.bgColour); });
    connect(cmdFColor_, &QPushButton::clicked, this, [this] { chooseColour(scheme_.fontColour); });
    connect(cmdHigh_, &QPushButton::clicked, this, [this] { chooseColour(scheme_.highColour); });
    connect(cmdFontStyle_, &QPushButton::clicked, this, &Configold::chooseFont);
    connect(cmdSave_, &QPushButton::clicked, this, &Configold::save);
    RefreshScheme();
}

void Configold::RefreshScheme() {
    const QFont font = common::schemeFont(scheme_);
    paintSample(lblFont_, font, scheme_.bgColour, scheme_.fontColour);
    paintSample(lblHigh_, font, scheme_.bgColour, scheme_.highColour);
    cmdBg_->setIcon(swatch(scheme_.bgColour));
    cmdFColor_->setIcon(swatch(scheme_.fontColour));
    cmdHigh_->setIcon(swatch(scheme_.highColour));
}

void Configold::chooseColour(std::int32_t& colour) {
    const auto chosen = owner_.dialogs().chooseColour(this, common::colourFromNumber(colour));
    if (chosen) {
        colour = common::numberFromColour(*chosen);
    }
    RefreshScheme();
}

void Configold::chooseFont() {
    // A cancelled dialog keeps the font the skin has.
    const auto chosen = owner_.dialogs().chooseFont(this, common::schemeFont(scheme_));
    if (chosen) {
        scheme_.fontName = chosen->family().toStdString();
        if (chosen->pointSizeF() > 0) {
            scheme_.fontSize = static_cast<float>(chosen->pointSizeF());
        }
    }
    RefreshScheme();
}

void Configold::save() {
    SkinDocument saved = owner_.document();
    saved.scheme = scheme_;
    std::string error;
    if (!saveSchemeFile(saved, error)) {
        owner_.dialogs().message(this,
                                 QStringLiteral("scheme.cfg could not be saved; the colours "
                                                "are still here.\n\n%1")
                                     .arg(QString::fromStdString(error)),
                                 Dialogs::Icon::Exclamation);
        return;
    }
    owner_.reloadAfterSchemeSave();
    close();
}

} // namespace tessel
