// SPDX-License-Identifier: GPL-3.0-or-later
// The element editors: scroll bars that move and size one element of the mock-up.
#pragma once

#include "tessel/SkinDocument.h"
#include "tessel/Throttle.h"

#include <QWidget>
#include <array>
#include <vector>

class QCheckBox;
class QGridLayout;
class QScrollBar;
class QTimer;

namespace tessel {

class form1;

/// The bars are 16-bit values in twips: width, height, left, top (bars 0 to 3), up to the
/// design canvas's size. A bar's changes pass the throttle `timYet`: at most one value per
/// 5 ms tick reaches the mock-up, and the last value of a drag always does.
class PictureEditor : public QWidget {
    Q_OBJECT

public:
    PictureEditor(form1& owner, Element element, const QString& caption, const QString& name);

    /// Sets the bars and the box from the document without writing anything back.
    virtual void sync();

    Element element() const { return element_; }
    QScrollBar* hsBar(int k) const { return hsBar_[static_cast<std::size_t>(k)]; }
    QCheckBox* chkVis() const { return chkVis_; }
    QTimer* timYet() const { return timYet_; }
    /// The throttle timer's tick; tests call it instead of waiting.
    void timYet_Timer();

protected:
    /// Adds a throttled bar with a caption; returns its number.
    int addBar(const QString& caption, int minimum, int maximum);
    QScrollBar* bar(int k) const { return bars_[static_cast<std::size_t>(k)]; }
    /// Applies bar `k`'s value to the mock-up.
    virtual void ChangePics(int k, int value);
    void setBarQuietly(int k, double value);

    form1& owner_;
    QGridLayout* grid_ = nullptr;

private:
    void hsBar_Change(int k, int value);

    Element element_;
    std::array<QScrollBar*, 4> hsBar_{};
    std::vector<QScrollBar*> bars_;
    QCheckBox* chkVis_ = nullptr;
    QTimer* timYet_ = nullptr;
    Throttle throttle_;
};

/// frmpath and frmNav: a label's left and top, applied at once, and its visibility. The path
/// label may go half the canvas beyond the left and top edges.
class LabelEditor : public QWidget {
    Q_OBJECT

public:
    LabelEditor(form1& owner, Element element);

    void sync();
    QScrollBar* hsBar(int k) const { return k == 2 ? left_ : top_; }
    QCheckBox* chkVis() const { return chkVis_; }

private:
    form1& owner_;
    Element element_;
    QScrollBar* left_ = nullptr;
    QScrollBar* top_ = nullptr;
    QCheckBox* chkVis_ = nullptr;
};

} // namespace tessel
