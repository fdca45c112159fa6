// SPDX-License-Identifier: GPL-3.0-or-later
// The colour scheme editor: the skin's font and three colours, saved to scheme.cfg.
#pragma once

#include "common/skin/SchemeFile.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace tessel {

class form1;

/// Edits a copy of the scheme: closing without saving changes nothing, saving writes
/// scheme.cfg and shows it in the mock-up.
class Configold : public QWidget {
    Q_OBJECT

public:
    explicit Configold(form1& owner);

    /// False when the skin's scheme.cfg was missing or could not be read whole.
    bool schemeRead() const { return schemeRead_; }
    const common::Scheme& scheme() const { return scheme_; }
    void RefreshScheme();

    QPushButton* cmdBg() const { return cmdBg_; }
    QPushButton* cmdFColor() const { return cmdFColor_; }
    QPushButton* cmdHigh() const { return cmdHigh_; }
    QPushButton* cmdFontStyle() const { return cmdFontStyle_; }
    QPushButton* cmdSave() const { return cmdSave_; }
    QLabel* lblFont() const { return lblFont_; }
    QLabel* lblHigh() const { return lblHigh_; }

private:
    void chooseColour(std::int32_t& colour);
    void chooseFont();
    void save();

    form1& owner_;
    common::Scheme scheme_;
    bool schemeRead_ = false;
    QLabel* lblFont_ = nullptr;
    QLabel* lblHigh_ = nullptr;
    QPushButton* cmdBg_ = nullptr;
    QPushButton* cmdFColor_ = nullptr;
    QPushButton* cmdHigh_ = nullptr;
    QPushButton* cmdFontStyle_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
};

} // namespace tessel
