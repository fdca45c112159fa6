// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric layout editor.
#include "tessel/Advanced.h"

#include "tessel/NumericBoxes.h"
#include "tessel/form1.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tessel {
namespace {

const std::map<std::string, const char*>& frameCaptions() {
    static const std::map<std::string, const char*> captions = {{"Marquee", "Marquee"},
                                                                {"SShot", "Screen Shot"},
                                                                {"Cabinet", "Cabinet"},
                                                                {"Path", "Path/Status Label"},
                                                                {"Navigate", "Navigation Controls"},
                                                                {"List Area", "List Area"}};
    return captions;
}

const std::map<std::string, const char*>& pageNotes() {
    static const std::map<std::string, const char*> notes = {
        {"Logo", "Note:  The graphics I supplied for logos are in a 1 to 2 ratio (height to "
                 "width.)  These graphics are NOT kept in perspecitve when stretched.  Size "
                 "accordingly!!"},
        {"Path", "Note:  The proper way to align this is to center it and align the top of the "
                 "'1' with wherever you want the top of the text to be.  Text isn't scaled in "
                 "the editor, but it WILL be in ZB, so design accordingly."},
        {"Navigate", "Note:  The navigation arrows stay for consistency, but now that the list "
                     "can be used with the mouse they are an outdated element.  You may use "
                     "them, but they are no longer officially supported."}};
    return notes;
}

const char* boxCaption(const NumericBox& box) {
    if (box.spacing) {
        return "Space";
    }
    switch (box.property) {
    case Property::Top:
        return "Top";
    case Property::Left:
        return "Left";
    case Property::Height:
        return "Height";
    case Property::Width:
        return "Width";
    }
    return "";
}

} // namespace

Advanced::Advanced(form1& owner) : QWidget(&owner, Qt::Tool), owner_(owner) {
    setObjectName(QStringLiteral("Advanced"));
    setWindowTitle(QStringLiteral("Advanced Edit"));
    setAttribute(Qt::WA_DeleteOnClose);
    timTRefL_ = new QTimer(this);
    timTRefL_->setInterval(1500);
    timTRefL_->setSingleShot(true);
    connect(timTRefL_, &QTimer::timeout, this, &Advanced::timTRefL_Timer);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    std::map<std::string, QFormLayout*> forms;
    QFormLayout* previewImages = nullptr;
    for (const std::string& page : numericPages()) {
        auto* widget = new QWidget(tabs_);
        auto* column = new QVBoxLayout(widget);
        const auto caption = frameCaptions().find(page);
        auto* frame = new QGroupBox(
            caption != frameCaptions().end() ? QString::fromLatin1(caption->second) : QString(),
            widget);
        forms[page] = new QFormLayout(frame);
        column->addWidget(frame);
        if (page == "List Area") {
            auto* images = new QGroupBox(QStringLiteral("Preview Images"), widget);
            previewImages = new QFormLayout(images);
            column->addWidget(images);
        }
        const auto note = pageNotes().find(page);
        if (note != pageNotes().end()) {
            auto* label = new QLabel(QString::fromLatin1(note->second), widget);
            label->setWordWrap(true);
            column->addWidget(label);
        }
        column->addStretch();
        tabs_->addTab(widget, QString::fromStdString(page));
    }
    for (const NumericBox& box : numericBoxes()) {
        auto* edit = new QLineEdit(this);
        const QString name = QString::fromStdString(box.name);
        edit->setObjectName(name);
        boxes_[name] = edit;
        const bool cellBox = box.element == Element::Cell;
        (cellBox ? previewImages : forms[box.page])
            ->addRow(QString::fromLatin1(boxCaption(box)), edit);
        connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
            if (!applyBox(owner_.document().layout, box, text.toStdString())) {
                return; // not a number (yet): the element stays where it is
            }
            if (box.element == Element::Cell || box.spacing) {
                timTRefL_->start();
                return;
            }
            owner_.placeElement(box.element);
            if (box.element == Element::ListArea) {
                timTRefL_->start(); // the entries follow the area once the typing pauses
            }
        });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    fill();
}

void Advanced::fill() {
    const common::SkinLayout& layout = owner_.document().layout;
    for (const NumericBox& box : numericBoxes()) {
        QLineEdit* edit = boxes_.at(QString::fromStdString(box.name));
        if (!edit->hasFocus()) {
            edit->setText(QString::fromStdString(boxText(layout, box)));
        }
    }
}

bool Advanced::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        fill(); // values changed in the other editors show up on return
    }
    return QWidget::event(event);
}

void Advanced::timTRefL_Timer() {
    timTRefL_->stop();
    owner_.placeElement(Element::Cell);
    owner_.DelList2();
    owner_.SetListSize();
}

} // namespace tessel
