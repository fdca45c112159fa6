// SPDX-License-Identifier: GPL-3.0-or-later
// The list's editor: the list area, the columns, the alignment, the list type, the cells.
#pragma once

#include "tessel/Editors.h"

#include <array>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace tessel {

class frmList : public PictureEditor {
    Q_OBJECT

public:
    explicit frmList(form1& owner);

    void sync() override;
    QLineEdit* txtColumns() const { return txtColumns_; }
    QComboBox* cmbAlign() const { return cmbAlign_; }
    QRadioButton* opttype(int k) const { return opttype_[static_cast<std::size_t>(k)]; }
    QScrollBar* hsWidth() const { return bar(kWidthBar); }
    QScrollBar* hsHeight() const { return bar(kHeightBar); }
    QScrollBar* hsSpace() const { return bar(kSpaceBar); }

protected:
    void ChangePics(int k, int value) override;

private:
    static constexpr int kWidthBar = 4;
    static constexpr int kHeightBar = 5;
    static constexpr int kSpaceBar = 6;

    void chooseType(int k);

    QLineEdit* txtColumns_ = nullptr;
    QComboBox* cmbAlign_ = nullptr;
    std::array<QRadioButton*, 5> opttype_{};
    bool ready_ = false;
};

} // namespace tessel
