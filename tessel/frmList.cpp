// SPDX-License-Identifier: GPL-3.0-or-later
// The list's editor.
#include "tessel/frmList.h"

#include "tessel/PreviewList.h"
#include "tessel/form1.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tessel {
namespace {

const char* const kTypes[5] = {"list", "snap", "flyer", "marquee", "cabinet"};
const char* const kTypeCaptions[5] = {"Normal", "Screen Shot", "Flyer", "Marquee", "Cabinet"};

} // namespace

frmList::frmList(form1& owner)
    : PictureEditor(owner, Element::ListArea, QStringLiteral("List Properties"),
                    QStringLiteral("frmList")) {
    // From now on the list area shows as an outline.
    owner_.elementWidget(Element::ListArea)->show();

    int row = grid_->rowCount();
    grid_->addWidget(new QLabel(QStringLiteral("Number of Columns (For Normal List)"), this), row,
                     0);
    txtColumns_ = new QLineEdit(this);
    txtColumns_->setObjectName(QStringLiteral("txtColumns"));
    grid_->addWidget(txtColumns_, row, 1);
    connect(txtColumns_, &QLineEdit::textEdited, this, [this](const QString& text) {
        owner_.document().layout.listColumns = columnsFromText(text.toStdString());
        owner_.SetListSize();
    });

    row = grid_->rowCount();
    grid_->addWidget(new QLabel(QStringLiteral("Alignment"), this), row, 0);
    cmbAlign_ = new QComboBox(this);
    cmbAlign_->setObjectName(QStringLiteral("cmbAlign"));
    cmbAlign_->addItems(
        {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Centered")});
    grid_->addWidget(cmbAlign_, row, 1);
    connect(cmbAlign_, &QComboBox::activated, this, [this](int index) {
        owner_.DelList();
        owner_.document().layout.listAlignment = static_cast<std::int16_t>(index);
        owner_.SetListSize();
    });

    auto* types = new QGroupBox(QStringLiteral("Type of List"), this);
    auto* typeColumn = new QVBoxLayout(types);
    for (int k = 0; k < 5; ++k) {
        auto* option = new QRadioButton(QString::fromLatin1(kTypeCaptions[k]), types);
        option->setObjectName(QStringLiteral("opttype%1").arg(k));
        typeColumn->addWidget(option);
        opttype_[static_cast<std::size_t>(k)] = option;
        connect(option, &QRadioButton::clicked, this, [this, k] { chooseType(k); });
    }
    grid_->addWidget(types, grid_->rowCount(), 0, 1, 2);

    auto* sizes = new QLabel(QStringLiteral("<b>Size of Image (non-normal)</b>"), this);
    grid_->addWidget(sizes, grid_->rowCount(), 0, 1, 2);
    addBar(QStringLiteral("Width"), 0, kDesignWidthTwips);
    addBar(QStringLiteral("Height"), 0, kDesignHeightTwips);
    addBar(QStringLiteral("Space Between Images"), 0, kDesignWidthTwips);
    ready_ = true;
    owner_.SetListSize();
    sync();
}

void frmList::sync() {
    PictureEditor::sync();
    if (!ready_) {
        return; // still being built
    }
    const common::SkinLayout& l = owner_.document().layout;
    setBarQuietly(kWidthBar, l.cellWidth);
    setBarQuietly(kHeightBar, l.cellHeight);
    setBarQuietly(kSpaceBar, l.imageSpacing);
    if (!txtColumns_->hasFocus()) {
        txtColumns_->setText(QString::number(double(l.listColumns))
                                 .prepend(l.listColumns >= 0 ? QStringLiteral(" ") : QString()));
    }
    cmbAlign_->setCurrentIndex(std::clamp<int>(l.listAlignment, 0, 2));
    int type = 0;
    for (int k = 1; k < 5; ++k) {
        if (l.listType == kTypes[k]) {
            type = k;
        }
    }
    const QSignalBlocker quiet(opttype_[static_cast<std::size_t>(type)]);
    opttype_[static_cast<std::size_t>(type)]->setChecked(true);
}

void frmList::chooseType(int k) {
    owner_.DelList();
    owner_.DelList2();
    owner_.document().layout.listType = kTypes[k];
    owner_.SetListSize();
}

void frmList::ChangePics(int k, int value) {
    common::SkinLayout& l = owner_.document().layout;
    switch (k) {
    case kWidthBar:
        setElementValue(l, Element::Cell, Property::Width, value);
        owner_.DelList2();
        break;
    case kHeightBar:
        setElementValue(l, Element::Cell, Property::Height, value);
        owner_.DelList2();
        break;
    case kSpaceBar:
        l.imageSpacing = value;
        break;
    default:
        PictureEditor::ChangePics(k, value);
        break;
    }
    owner_.placeElement(Element::Cell);
    owner_.SetListSize();
}

} // namespace tessel
