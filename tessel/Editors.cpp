// SPDX-License-Identifier: GPL-3.0-or-later
// The picture elements' editors and the two label editors.
#include "tessel/Editors.h"

#include "tessel/form1.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <cmath>
#include <limits>

namespace tessel {
namespace {

constexpr Property kBarProperty[4] = {Property::Width, Property::Height, Property::Left,
                                      Property::Top};

// Bars hold 16-bit values, as they always have.
int barValue(double twips) {
    const double whole = std::round(twips);
    return static_cast<int>(std::clamp(whole, double(std::numeric_limits<std::int16_t>::min()),
                                       double(std::numeric_limits<std::int16_t>::max())));
}

QScrollBar* newBar(QWidget* parent, int minimum, int maximum) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    // One twip per arrow press for fine placing; ten design pixels per page key.
    bar->setPageStep(150);
    bar->setMinimumWidth(260);
    return bar;
}

} // namespace

PictureEditor::PictureEditor(form1& owner, Element element, const QString& caption,
                             const QString& name)
    : QWidget(&owner, Qt::Tool), owner_(owner), element_(element) {
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    grid_ = new QGridLayout(this);
    const char* captions[4] = {"width", "height", "left", "top"};
    const int maxima[4] = {kDesignWidthTwips, kDesignHeightTwips, kDesignWidthTwips,
                           kDesignHeightTwips};
    for (int k = 0; k < 4; ++k) {
        hsBar_[static_cast<std::size_t>(k)] = bar(addBar(captions[k], 0, maxima[k]));
    }
    if (elementShown(owner_.document().layout, element_)) {
        chkVis_ = new QCheckBox(QStringLiteral("Visible"), this);
        grid_->addWidget(chkVis_, grid_->rowCount(), 0, 1, 2);
        connect(chkVis_, &QCheckBox::clicked, this, [this](bool checked) {
            setElementShown(owner_.document().layout, element_, checked);
            owner_.placeElement(element_);
        });
    }
    timYet_ = new QTimer(this);
    timYet_->setInterval(5);
    connect(timYet_, &QTimer::timeout, this, &PictureEditor::timYet_Timer);
    PictureEditor::sync();
}

int PictureEditor::addBar(const QString& caption, int minimum, int maximum) {
    const int k = static_cast<int>(bars_.size());
    QScrollBar* bar = newBar(this, minimum, maximum);
    bar->setObjectName(QStringLiteral("hsBar%1").arg(k));
    const int row = grid_->rowCount();
    grid_->addWidget(new QLabel(caption, this), row, 0);
    grid_->addWidget(bar, row, 1);
    bars_.push_back(bar);
    connect(bar, &QScrollBar::valueChanged, this, [this, k](int value) { hsBar_Change(k, value); });
    return k;
}

void PictureEditor::setBarQuietly(int k, double value) {
    QScrollBar* b = bar(k);
    const QSignalBlocker quiet(b);
    b->setValue(barValue(value));
}

void PictureEditor::sync() {
    const TwipBox box = elementBox(owner_.document().layout, element_);
    const double values[4] = {box.width, box.height, box.left, box.top};
    for (int k = 0; k < 4; ++k) {
        setBarQuietly(k, values[k]);
    }
    if (chkVis_ != nullptr) {
        chkVis_->setChecked(elementShown(owner_.document().layout, element_).value_or(true));
    }
}

void PictureEditor::hsBar_Change(int k, int value) {
    if (throttle_.offer(k, value)) {
        ChangePics(k, value);
        timYet_->start();
    }
}

void PictureEditor::timYet_Timer() {
    for (const auto& [k, value] : throttle_.tick()) {
        ChangePics(k, value);
    }
    if (!throttle_.running()) {
        timYet_->stop();
    }
}

void PictureEditor::ChangePics(int k, int value) {
    if (k >= 0 && k < 4) {
        setElementValue(owner_.document().layout, element_, kBarProperty[k], value);
        owner_.placeElement(element_);
    }
}

LabelEditor::LabelEditor(form1& owner, Element element)
    : QWidget(&owner, Qt::Tool), owner_(owner), element_(element) {
    const bool path = element == Element::Path;
    setObjectName(path ? QStringLiteral("frmpath") : QStringLiteral("frmNav"));
    setWindowTitle(path ? QStringLiteral("Path Properties")
                        : QStringLiteral("Navigation Properties"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    // The path label may hang half the canvas beyond the left and top edges.
    left_ = newBar(this, path ? -kDesignWidthTwips / 2 : 0, kDesignWidthTwips);
    top_ = newBar(this, path ? -kDesignHeightTwips / 2 : 0, kDesignHeightTwips);
    left_->setObjectName(QStringLiteral("hsBar2"));
    top_->setObjectName(QStringLiteral("hsBar3"));
    grid->addWidget(new QLabel(QStringLiteral("left"), this), 0, 0);
    grid->addWidget(left_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("top"), this), 1, 0);
    grid->addWidget(top_, 1, 1);
    chkVis_ = new QCheckBox(path ? QStringLiteral("Visible (Recommended if list is in "
                                                  "Non-normal mode)")
                                 : QStringLiteral("Visible (Recommended for mouse use)"),
                            this);
    grid->addWidget(chkVis_, 2, 0, 1, 2);
    const auto change = [this](Property property, int value) {
        setElementValue(owner_.document().layout, element_, property, value);
        owner_.placeElement(element_);
    };
    connect(left_, &QScrollBar::valueChanged, this,
            [change](int value) { change(Property::Left, value); });
    connect(top_, &QScrollBar::valueChanged, this,
            [change](int value) { change(Property::Top, value); });
    connect(chkVis_, &QCheckBox::clicked, this, [this](bool checked) {
        setElementShown(owner_.document().layout, element_, checked);
        owner_.placeElement(element_);
    });
    sync();
}

void LabelEditor::sync() {
    const TwipBox box = elementBox(owner_.document().layout, element_);
    {
        const QSignalBlocker quietLeft(left_);
        const QSignalBlocker quietTop(top_);
        left_->setValue(barValue(box.left));
        top_->setValue(barValue(box.top));
    }
    chkVis_->setChecked(elementShown(owner_.document().layout, element_).value_or(true));
}

} // namespace tessel
