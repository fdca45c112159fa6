// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/widgets/FormResize.h"

#include "common/ui/Units.h"
#include "zembra/widgets/Scaling.h"

#include <QLabel>
#include <QVariant>
#include <cmath>

namespace zembra {
namespace {

int twips(int pixels) {
    return static_cast<int>(common::pixelsToTwips(pixels));
}

struct Letters {
    bool top = true, height = true, left = true, width = true;
};

Letters lettersOf(const QWidget* control) {
    const QString tag = control->property("tag").toString().toUpper();
    if (!tag.startsWith('@')) {
        return {};
    }
    return {tag.contains('T'), tag.contains('H'), tag.contains('L'), tag.contains('W')};
}

} // namespace

void clsFormResize::ReInitialize() {
    if (form_ == nullptr) {
        return;
    }
    scaleWidth_ = twips(form_->width());
    scaleHeight_ = twips(form_->height());
    records_.clear();
    for (QWidget* control : form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow()) {
            continue;
        }
        const QRect g = control->geometry();
        records_.push_back(
            {control, twips(g.x()), twips(g.y()), twips(g.width()), twips(g.height())});
    }
    firstTime_ = false;
}

void clsFormResize::ScaleControls() {
    if (form_ == nullptr) {
        return;
    }
    if (firstTime_) {
        ReInitialize();
        return;
    }
    if (form_->isMinimized() || scaleWidth_ <= 0 || scaleHeight_ <= 0) {
        return;
    }
    const double heightRatio = scaleRatio(twips(form_->height()), scaleHeight_);
    const double widthRatio = scaleRatio(twips(form_->width()), scaleWidth_);
    for (const Record& r : records_) {
        QWidget* control = r.control;
        if (control == nullptr) {
            continue; // removed since the recording
        }
        const Letters scale = lettersOf(control);
        QRect g = control->geometry();
        if (scale.top) {
            g.moveTop(scaledPixels(r.top, heightRatio));
        }
        if (scale.height) {
            g.setHeight(scaledPixels(r.height, heightRatio));
        }
        if (scale.left) {
            g.moveLeft(scaledPixels(r.left, widthRatio));
        }
        if (scale.width) {
            g.setWidth(scaledPixels(r.width, widthRatio));
        }
        if (const auto* label = qobject_cast<QLabel*>(control)) {
            const int textHeight = label->fontMetrics().height();
            if (textHeight > g.height()) {
                g.setHeight(static_cast<int>(std::lround(1.2 * textHeight)));
            }
        }
        control->setGeometry(g);
    }
}

} // namespace zembra
