// SPDX-License-Identifier: GPL-3.0-or-later
// Window scaling: recorded places, tags that limit what is scaled, tall-enough labels.
#include "zembra/widgets/FormResize.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

struct Form {
    Form() {
        window.resize(512, 384);
        label->setGeometry(0, 0, 100, 2);
        resize.setSourceForm(&window);
    }
    QWidget* child(QRect place, const char* tag = nullptr) {
        auto* widget = new QWidget(&window);
        widget->setGeometry(place);
        if (tag != nullptr)
            widget->setProperty("tag", tag);
        return widget;
    }

    QWidget window;
    QWidget* picture = child({100, 50, 200, 100});
    QWidget* topOnly = child({10, 20, 30, 40}, "@t");
    QWidget* untagged = child({10, 20, 30, 40}, "X");
    QLabel* label = new QLabel("Pac-Man", &window);
    zembra::clsFormResize resize;
};

TEST(FormResize, TheFirstCallRecordsThenElementsScaleFromThereAsTheirTagsAllow) {
    Form form;
    form.window.resize(1024, 768);
    form.resize.ScaleControls(); // the first call only records
    EXPECT_EQ(form.picture->geometry(), QRect(100, 50, 200, 100));
    form.window.resize(2048, 1536);
    form.resize.ScaleControls();
    EXPECT_EQ(form.picture->geometry(), QRect(200, 100, 400, 200));
    EXPECT_EQ(form.untagged->geometry(), QRect(20, 40, 60, 80)); // not "@": all four
    EXPECT_EQ(form.topOnly->geometry(), QRect(10, 40, 30, 40));
    // A label shorter than its text grows to one and a fifth of it.
    EXPECT_EQ(form.label->height(),
              static_cast<int>(std::lround(1.2 * form.label->fontMetrics().height())));
    // Scaling again from the same record changes nothing.
    form.resize.ScaleControls();
    EXPECT_EQ(form.picture->geometry(), QRect(200, 100, 400, 200));
}

} // namespace
