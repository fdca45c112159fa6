// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a window's elements proportional to the window when it is resized.
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace zembra {

/// Records where every element of a window sits, once, and on every later resize places each
/// element at its recorded position and size times the ratio of the window's new size to the
/// recorded one. An element's "tag" property can limit what is scaled: "@" followed by any of
/// T (top), H (height), L (left), W (width); a tag that is empty or does not start with "@"
/// scales all four. A label too short for its text is made 1.2 times as tall as the text.
class clsFormResize {
public:
    /// The window whose direct child widgets are managed.
    void setSourceForm(QWidget* form) { form_ = form; }
    QWidget* sourceForm() const { return form_; }

    /// Takes the window's current size and its elements' places as the new reference.
    void ReInitialize();

    /// Scales from the reference; the first call (with no reference yet) only records.
    void ScaleControls();

    bool recorded() const { return !firstTime_; }

private:
    struct Record {
        QPointer<QWidget> control;
        int left, top, width, height; // twips, whole numbers
    };

    QPointer<QWidget> form_;
    int scaleWidth_ = 0; // twips
    int scaleHeight_ = 0;
    std::vector<Record> records_;
    bool firstTime_ = true;
};

} // namespace zembra
