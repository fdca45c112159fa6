// SPDX-License-Identifier: GPL-3.0-or-later
#include "zembra/browser/ListView.h"

#include "common/ui/SchemeStyle.h"
#include "common/ui/Units.h"
#include "zembra/browser/Artwork.h"
#include "zembra/browser/HighlightPulse.h"
#include "zembra/browser/ListLayout.h"
#include "zembra/browser/SkinPlacement.h"
#include "zembra/catalogue/GameTables.h"
#include "zembra/startup/Application.h"
#include "zembra/widgets/WindowTimer.h"

#include <algorithm>

namespace zembra {

namespace {

TwipRect twipRect(const QRect& r) {
    return {common::pixelsToTwips(r.x()), common::pixelsToTwips(r.y()),
            common::pixelsToTwips(r.width()), common::pixelsToTwips(r.height())};
}

QRect pixelRect(const TwipRect& r) {
    return common::twipsRect(r.left, r.top, r.width, r.height);
}

Qt::Alignment alignmentOf(int listAlignment) {
    switch (listAlignment) {
    case 1:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 2:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

ListView::ListView(QWidget& window, ProgramState& state, common::PictureLoader& loader,
                   QLabel& caption)
    : window_(window), state_(state), loader_(loader), caption_(caption) {
    listArea = new QWidget(&window);
    listArea->setObjectName("listArea");
    listArea->setAttribute(Qt::WA_TransparentForMouseEvents);
    listArea->lower();
    shphigh = new QWidget(&window);
    shphigh->setObjectName("shphigh");
    shphigh->setAutoFillBackground(true);
    shphigh->hide();
    setupTimer(timhigh, 150);
    QObject::connect(&timhigh, &QTimer::timeout, &window, [this] { onTimhigh(); });
}

void ListView::createCells() {
    auto* cell = new common::PictureElement(loader_, &window_);
    cell->setObjectName("xlist");
    cell->setFocusPolicy(Qt::NoFocus);
    cell->installEventFilter(&window_);
    cell->hide();
    xlist.push_back(cell);
}

void ListView::createRows() {
    ll.push_back(newRowLabel());
    ll[0]->hide();
}

QLabel* ListView::newRowLabel() {
    auto* label = new QLabel(&window_);
    label->setObjectName("ll");
    label->setFocusPolicy(Qt::NoFocus);
    label->setWordWrap(false);
    label->installEventFilter(&window_);
    if (!ll.empty()) {
        QLabel* model = ll[0];
        label->setFont(model->font());
        label->setPalette(model->palette());
        label->setAlignment(model->alignment());
        label->setGeometry(model->geometry());
    }
    return label;
}

common::PictureElement* ListView::newCell() {
    auto* cell = new common::PictureElement(loader_, &window_);
    cell->setObjectName("xlist");
    cell->setFocusPolicy(Qt::NoFocus);
    cell->installEventFilter(&window_);
    cell->setBackgroundColour(xlist[0]->backgroundColour());
    cell->resize(xlist[0]->size());
    return cell;
}

void ListView::place() {
    const common::SkinLayout& skin = state_.skinLayout;
    placement::place(listArea, skin.listArea);
    const TwipRect cell = placement::drawable(0, 0, skin.cellWidth, skin.cellHeight);
    xlist[0]->setGeometry(QRect(listArea->pos(), QSize(common::twipsToPixels(cell.width),
                                                       common::twipsToPixels(cell.height))));
    ll[0]->setText("Sgj");
    ll[0]->resize(ll[0]->width(), window_.fontMetrics().height());
    ll[0]->hide();
}

void ListView::applyScheme(const QFont& font, const QColor& text) {
    // Row label 0 is the model the others are copied from, so it carries the scheme too.
    ll[0]->setFont(font);
    common::setTextColour(ll[0], text);
    SetListSize();
    if (isStripMode()) {
        ll[0]->hide();
        return;
    }
    for (QLabel* label : ll) {
        common::setTextColour(label, text);
        label->setFont(font);
    }
    if (static_cast<std::size_t>(state_.midIndex) < ll.size()) {
        QLabel* selection = ll[static_cast<std::size_t>(state_.midIndex)];
        QFont bold = font;
        bold.setBold(true);
        selection->setFont(bold);
        selection->setWordWrap(false);
        selection->raise();
    }
}

void ListView::SetListSize() {
    const common::SkinLayout& skin = state_.skinLayout;
    const int columns =
        drawableColumns(skin.listColumns, common::pixelsToTwips(listArea->geometry().width()));
    if (isStripMode()) {
        DelList();
        SetListSize2();
        shphigh->show();
        return;
    }
    DelList2();
    shphigh->hide();
    DelList();
    QLabel* model = ll[0];
    model->setAlignment(columns > 1 ? Qt::AlignHCenter | Qt::AlignVCenter
                                    : Qt::AlignRight | Qt::AlignVCenter);
    model->setWordWrap(false);
    const double labelHeight =
        common::pixelsToTwips(model->fontMetrics().boundingRect("OStestjjgg").height());
    model->setText(QString());
    const TextListLayout layout =
        textListLayout(twipRect(listArea->geometry()), columns, labelHeight);
    model->setGeometry(pixelRect(layout.labels[0]));
    model->show();
    for (std::size_t i = 1; i < layout.labels.size(); ++i) {
        QLabel* label = newRowLabel();
        label->setGeometry(pixelRect(layout.labels[i]));
        label->show();
        ll.push_back(label);
    }
    state_.midIndex = layout.midIndex;
    if (columns == 1) {
        for (QLabel* label : ll) {
            label->setAlignment(alignmentOf(skin.listAlignment));
        }
    }
    for (QLabel* label : ll) {
        label->raise();
    }
    QLabel* selection = ll[static_cast<std::size_t>(state_.midIndex)];
    selection->setWordWrap(false);
    selection->raise();
    common::setTextColour(selection, common::colourFromNumber(state_.scheme.bgColour));
    QPalette palette = selection->palette();
    palette.setColor(QPalette::Window, common::colourFromNumber(state_.scheme.highColour));
    selection->setPalette(palette);
    selection->setAutoFillBackground(true);
    QFont bold = selection->font();
    bold.setBold(true);
    selection->setFont(bold);
}

void ListView::SetListSize2() {
    DelList2();
    common::PictureElement* first = xlist[0];
    first->show();
    first->move(listArea->pos());
    const TwipRect cell = twipRect(first->geometry());
    const StripLayout layout = stripLayout(twipRect(listArea->geometry()), cell.width, cell.height,
                                           static_cast<double>(state_.skinLayout.imageSpacing));
    for (std::size_t i = 1; i < layout.cells.size(); ++i) {
        common::PictureElement* extra = newCell();
        extra->setGeometry(pixelRect(layout.cells[i]));
        extra->show();
        xlist.push_back(extra);
    }
    state_.midIndex = layout.midIndex;
    shphigh->setGeometry(pixelRect(layout.highlight));
    shphigh->stackUnder(xlist[0]);
}

void ListView::DelList() {
    while (ll.size() > 1) {
        delete ll.back();
        ll.pop_back();
    }
    ll[0]->hide();
}

void ListView::DelList2() {
    while (xlist.size() > 1) {
        delete xlist.back();
        xlist.pop_back();
    }
    xlist[0]->hide();
}

void ListView::clear() {
    isStripMode() ? DelList2() : DelList();
}

void ListView::RefreshList() {
    std::string& type = state_.skinLayout.listType;
    if (type.empty()) {
        type = "list";
    }
    const ItemList& list = state_.list1;
    if (type == "list") {
        if (list.count() == 0) {
            return; // the rows keep their message ("No Roms Found", the scan's progress)
        }
        for (std::size_t r = 0; r < ll.size(); ++r) {
            const int item =
                rowItem(static_cast<int>(r), list.index(), state_.midIndex, list.count());
            ll[r]->setText(item >= 0 ? QString::fromStdString(list.text(item)) : QString());
        }
        if (state_.skinLayout.listColumns > 1 &&
            static_cast<std::size_t>(state_.midIndex) < ll.size()) {
            ll[static_cast<std::size_t>(state_.midIndex)]->adjustSize();
        }
        return;
    }
    if (const auto kind = stripKind(type)) {
        const int path = state_.curPath;
        state_.artFolder = artBaseFolder(state_, path, list.currentText(), list.index()) +
                           std::string(info(*kind).folder);
        if (path >= 1 && path <= kExtrasPath) {
            shootScreens(state_.tables.pathGames[path], info(*kind).fallback);
        }
    }
}

void ListView::shootScreens(const StringTable& arraytype, std::string_view pic) {
    const ItemList& list = state_.list1;
    caption_.setText(QString::fromStdString(list.currentText()));
    caption_.adjustSize();
    const QString fallback = Application::nativeFile(state_.skinFolder() + std::string(pic));
    for (common::PictureElement* cell : xlist) {
        cell->setFallback(fallback);
        if (cell->fileName() != fallback) {
            cell->setFileName(fallback);
        }
    }
    const auto pictures = stripPictures(arraytype, list.index(), state_.midIndex,
                                        static_cast<int>(xlist.size()), state_.artFolder);
    for (std::size_t r = 0; r < pictures.size(); ++r) {
        if (!pictures[r].visible) {
            xlist[r]->hide();
            continue;
        }
        xlist[r]->setFileName(Application::nativeFile(pictures[r].file));
        xlist[r]->show();
    }
}

void ListView::showMessage(const QString& text) {
    const std::size_t mid = static_cast<std::size_t>(state_.midIndex);
    QLabel* label = mid < ll.size() ? ll[mid] : ll[0];
    label->setText(text);
    label->show();
    label->repaint();
}

void ListView::clearFirstRow() {
    if (!ll.empty()) {
        ll[0]->setText(QString());
    }
}

void ListView::onTimhigh() {
    const std::size_t mid = static_cast<std::size_t>(state_.midIndex);
    QLabel* selection = mid < ll.size() ? ll[mid] : nullptr;
    if (selection != nullptr) {
        selection->setAutoFillBackground(false);
    }
    const auto colour = pulseColour(pulseStep_, state_.scheme.highColour);
    if (colour) {
        const QColor c = common::colourFromNumber(*colour);
        if (selection != nullptr) {
            common::setTextColour(selection, c);
        }
        QPalette palette = shphigh->palette();
        palette.setColor(QPalette::Window, c);
        shphigh->setPalette(palette);
    }
    pulseStep_ = nextPulseStep(pulseStep_);
}

std::optional<int> ListView::rowOf(const QObject* element) const {
    const auto row = std::find(ll.begin(), ll.end(), element);
    return row == ll.end() ? std::nullopt : std::optional<int>(static_cast<int>(row - ll.begin()));
}

std::optional<int> ListView::cellOf(const QObject* element) const {
    const auto cell = std::find(xlist.begin(), xlist.end(), element);
    return cell == xlist.end() ? std::nullopt
                               : std::optional<int>(static_cast<int>(cell - xlist.begin()));
}

bool ListView::isStripMode() const {
    const std::string& type = state_.skinLayout.listType;
    return type != "list" && !type.empty();
}

} // namespace zembra
