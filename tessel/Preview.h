// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas of the mock-up: the skin's background colour and picture behind the elements.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace tessel {

class Preview : public QWidget {
public:
    explicit Preview(QWidget* parent = nullptr) : QWidget(parent) {}

    /// A null image shows the colour alone.
    void setBackground(const QColor& colour, const QImage& picture);
    const QImage& backgroundPicture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_ = Qt::black;
    QImage picture_;
};

} // namespace tessel
