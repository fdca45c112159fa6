// SPDX-License-Identifier: GPL-3.0-or-later
// The picture element: asks the loader for its picture and paints it fitted to its rectangle.
#include "common/picture/PictureElement.h"

#include "common/picture/PictureLoader.h"

#include <QMouseEvent>
#include <QPainter>

namespace common {

namespace {

/// The element's size in device pixels, the size its pictures are decoded and cached at.
QSize deviceSize(const QWidget& widget) {
    const qreal ratio = widget.devicePixelRatioF();
    return {qRound(widget.width() * ratio), qRound(widget.height() * ratio)};
}

} // namespace

PictureElement::PictureElement(PictureLoader& loader, QWidget* parent)
    : QWidget(parent), loader_(loader) {
    // Every pixel is painted (background, then picture), so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent, background_.alpha() == 255);
}

PictureElement::~PictureElement() {
    loader_.forget(this);
}

void PictureElement::setFileName(const QString& file) {
    if (!file.isEmpty() && !PictureLoader::isShowable(file)) {
        fileName_.clear();
        showFallback();
        return;
    }
    fileName_ = file;
    load(file);
}

void PictureElement::setFallback(const QString& file) {
    fallback_ = file;
}

void PictureElement::load(const QString& file) {
    // Any answer to an earlier request is stale from here on.
    ++ticket_;
    loader_.forget(this);
    pending_ = file;
    if (file.isEmpty()) {
        image_ = QImage();
        update();
        return;
    }
    request();
}

void PictureElement::showFallback() {
    if (fallback_.isEmpty() || !PictureLoader::isShowable(fallback_)) {
        load(QString());
        return;
    }
    // The browser often puts the fall-back up first and then tries the game's own picture;
    // a fall-back on screen or still on its way is simply kept.
    if (pending_ != fallback_) {
        load(fallback_);
    }
}

void PictureElement::setBackgroundColour(const QColor& colour) {
    if (colour == background_)
        return;
    background_ = colour;
    // A see-through background lets the parent show, so Qt must paint the parent first.
    setAttribute(Qt::WA_OpaquePaintEvent, background_.alpha() == 255);
    update();
}

void PictureElement::request() {
    ++ticket_;
    const QSize size = deviceSize(*this);
    if (pending_.isEmpty() || size.isEmpty()) {
        loader_.forget(this);
        return; // Asked again by resizeEvent once the element has a size.
    }
    const QImage hit = loader_.cached(pending_, size);
    if (!hit.isNull()) {
        // Shown in the same frame, so moving onto a cached game never flickers.
        loader_.forget(this);
        image_ = hit;
        update();
        return;
    }
    loader_.request(this, pending_, size, ticket_);
}

void PictureElement::deliver(const QString& file, const QImage& image) {
    if (file != pending_)
        return;
    if (image.isNull()) {
        // A damaged file: the name reads back empty and the fall-back (or nothing) shows
        // instead, never the picture of the game before.
        if (file == fileName_)
            fileName_.clear();
        if (file == fallback_) {
            load(QString());
        } else {
            showFallback();
        }
        return;
    }
    image_ = image;
    update();
}

void PictureElement::paintEvent(QPaintEvent* /*event*/) {
    if (!isVisible())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (image_.isNull())
        return;
    const QSize target = deviceSize(*this);
    if (target.isEmpty())
        return;
    const QSize fitted = image_.size().scaled(target, Qt::KeepAspectRatio);
    const qreal ratio = devicePixelRatioF();
    const QRectF place((target.width() - fitted.width()) / 2 / ratio,
                       (target.height() - fitted.height()) / 2 / ratio, fitted.width() / ratio,
                       fitted.height() / ratio);
    // The cache holds the picture at this size; smoothing only matters while a resized
    // element waits for its picture at the new size.
    if (fitted != image_.size())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(place, image_);
}

void PictureElement::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!pending_.isEmpty())
        request();
}

void PictureElement::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(event->button());
}

void PictureElement::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit released(event->button());
    if (rect().contains(event->position().toPoint()))
        emit clicked(event->button());
}

void PictureElement::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit doubleClicked();
}

} // namespace common
