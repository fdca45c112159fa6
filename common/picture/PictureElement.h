// SPDX-License-Identifier: GPL-3.0-or-later
// The picture element: a PNG, JPEG or GIF shown by file name inside a rectangle.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

namespace common {

class PictureLoader;

/// Shows the picture scaled to fit its rectangle, aspect kept, centred over its background
/// colour. Setting the file name checks the file's header at once: a file that is missing or
/// not a PNG, JPEG or GIF reads back as an empty name. Decoding happens on the loader's workers;
/// the element paints the picture when it arrives and keeps showing what it showed before until
/// then. A picture that cannot be shown (missing, not a picture, or failing to decode) never
/// leaves the one before it on screen: the element shows its fall-back picture, or only its
/// background when it has none.
class PictureElement : public QWidget {
    Q_OBJECT

public:
    PictureElement(PictureLoader& loader, QWidget* parent = nullptr);
    ~PictureElement() override;

    /// `file` is a native path. An empty name clears the element.
    void setFileName(const QString& file);
    QString fileName() const { return fileName_; }

    /// The picture shown in place of one that cannot be shown (a native path; empty for the
    /// background alone). Its name does not read back: `fileName()` stays empty then.
    void setFallback(const QString& file);
    QString fallback() const { return fallback_; }

    void setBackgroundColour(const QColor& colour);
    QColor backgroundColour() const { return background_; }

    /// The image on screen now (null before the first picture arrives); for tests.
    const QImage& shownImage() const { return image_; }

signals:
    void clicked(Qt::MouseButton button);
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void load(const QString& file);
    void request();
    void showFallback();
    void deliver(const QString& file, const QImage& image);

    PictureLoader& loader_;
    QString fileName_;
    QString fallback_;
    QString pending_; ///< the picture wanted on screen (the named one or the fall-back)
    QColor background_ = Qt::black;
    QImage image_;
    quint64 ticket_ = 0;
    friend class PictureLoader;
};

} // namespace common
