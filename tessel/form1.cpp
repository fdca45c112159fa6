// SPDX-License-Identifier: GPL-3.0-or-later
// Tessel's main window: the menus, opening and saving, and the clicks that open the editors.
#include "tessel/form1.h"

#include "common/picture/PictureElement.h"
#include "common/picture/PictureLoader.h"
#include "tessel/Advanced.h"
#include "tessel/Configold.h"
#include "tessel/Editors.h"
#include "tessel/Preview.h"
#include "tessel/frmList.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <cmath>

namespace tessel {
namespace {

const char* const kNavCaptions[5] = {"<< ", "  < ", "   ", " >  ", " >>"};

} // namespace

form1::form1(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("ZB Tessel 3.0"));
    loader_ = new common::PictureLoader(32 * 1024 * 1024, this);
    buildMenus();
    buildPreview();
    applyScheme();
    placeElements();
    SetListSize();
}

form1::~form1() {
    // The editors are windows of their own; they go with the main window.
    for (QWidget* editor :
         std::initializer_list<QWidget*>{frmMarquee, frmSS, frmFlyer, frmCabinet, frmLogo, frmList_,
                                         frmpath, frmNav, advanced_, configold_}) {
        delete editor;
    }
    // The pictures tell their loader goodbye, so they go before it.
    delete preview_;
}

void form1::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("&Open Skin"));
    open->setShortcut(QKeySequence::Open);
    open->setShortcutContext(Qt::ApplicationShortcut);
    connect(open, &QAction::triggered, this, [this] {
        const QString folder = dialogs_.chooseFolder(this, QStringLiteral("Select Source Skin"));
        if (!folder.isEmpty()) {
            openSkinFolder(folder);
        }
    });
    QAction* save = file->addAction(QStringLiteral("&Save Skin"));
    save->setShortcut(QKeySequence::Save);
    // Saving works from every editor window, not only when the mock-up has the focus.
    save->setShortcutContext(Qt::ApplicationShortcut);
    connect(save, &QAction::triggered, this, [this] { saveSkin(); });
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    QAction* all = view->addAction(QStringLiteral("&Make All Visible"));
    connect(all, &QAction::triggered, this, &form1::makeAllVisible);

    QAction* scheme = menuBar()->addAction(QStringLiteral("&Scheme"));
    connect(scheme, &QAction::triggered, this, &form1::showScheme);
    QAction* advanced = menuBar()->addAction(QStringLiteral("&Advanced"));
    connect(advanced, &QAction::triggered, this, &form1::showAdvanced);
}

void form1::buildPreview() {
    preview_ = new Preview(this);
    preview_->setFixedSize(px(kDesignWidthTwips), px(kDesignHeightTwips));
    setCentralWidget(preview_);

    const auto picture = [this](Element element, const char* name) {
        auto* element_widget = new common::PictureElement(*loader_, preview_);
        element_widget->setObjectName(QString::fromLatin1(name));
        connect(element_widget, &common::PictureElement::clicked, this,
                [this, element] { openEditor(element); });
        return element_widget;
    };
    xScreen = picture(Element::Snap, "xScreen");
    xCabinet = picture(Element::Cabinet, "xCabinet");
    xFlyer = picture(Element::Flyer, "xFlyer");
    xMarquee = picture(Element::Marquee, "xMarquee");

    // The logo belongs to the path shown, not to the skin: a framed stand-in marks its place.
    xlogo = new QLabel(QStringLiteral("LOGO"), preview_);
    xlogo->setObjectName(QStringLiteral("xlogo"));
    xlogo->setAlignment(Qt::AlignCenter);
    xlogo->setStyleSheet(QStringLiteral("QLabel { border: 2px dashed #c0c0c0; color: #e0e0e0; "
                                        "background: rgba(0, 0, 0, 96); font-weight: bold; }"));
    xlogo->installEventFilter(this);

    Shape1 = new QFrame(preview_);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1->setStyleSheet(QStringLiteral("QFrame { border: 1px solid #ffffff; }"));
    Shape1->hide(); // the list area shows as an outline once its editor has been opened

    shphigh = new QFrame(preview_);
    shphigh->setObjectName(QStringLiteral("shphigh"));
    shphigh->hide();

    auto* first = picture(Element::ListArea, "xList");
    first->hide();
    xList.push_back(first);

    auto* entry = new QLabel(preview_);
    entry->setObjectName(QStringLiteral("ll"));
    entry->installEventFilter(this);
    ll.push_back(entry);

    lblPath = new QLabel(QStringLiteral("1"), preview_);
    lblPath->setObjectName(QStringLiteral("lblPath"));
    lblPath->installEventFilter(this);
    for (std::size_t i = 0; i < lblNav.size(); ++i) {
        lblNav[i] = new QLabel(QString::fromLatin1(kNavCaptions[i]), preview_);
        lblNav[i]->setObjectName(QStringLiteral("lblNav%1").arg(i));
        lblNav[i]->installEventFilter(this);
    }
}

int form1::px(double twips) {
    return static_cast<int>(std::lround(twips / 15.0 * kPreviewZoom));
}

QRect form1::pxRect(const TwipBox& box) {
    const int left = px(box.left);
    const int top = px(box.top);
    // Edges, not sizes, are rounded, so neighbouring elements stay edge to edge.
    return QRect(left, top, px(box.left + box.width) - left, px(box.top + box.height) - top);
}

void form1::openSkinFolder(const QString& folder) {
    setSkinFolder(document_, folder.toStdString());
    const common::SkinFolderLoad load = LoadSkin();
    if (!load.layoutFound) {
        dialogs_.message(this,
                         QStringLiteral("This folder holds no skin.ini, so nothing could be "
                                        "placed:\n%1\n\nChoose a skin folder (one with skin.ini "
                                        "and scheme.cfg) with File, Open Skin.")
                             .arg(folder),
                         Dialogs::Icon::Exclamation);
    } else if (!load.layoutComplete) {
        dialogs_.message(this,
                         QStringLiteral("skin.ini in %1 ends early or holds a value that is not "
                                        "a number; the elements it does not place keep their "
                                        "places.")
                             .arg(folder),
                         Dialogs::Icon::Exclamation);
    }
}

bool form1::saveSkin() {
    if (!document_.isOpen()) {
        dialogs_.message(this, QStringLiteral("Please open a skin first!!"),
                         Dialogs::Icon::Exclamation);
        return false;
    }
    std::string error;
    if (!tessel::saveSkin(document_, error)) {
        dialogs_.message(this,
                         QStringLiteral("skin.ini could not be saved; your changes are still "
                                        "here, so try another folder or free some space.\n\n%1")
                             .arg(QString::fromStdString(error)),
                         Dialogs::Icon::Exclamation);
        return false;
    }
    statusBar()->showMessage(
        QStringLiteral("Saved %1skin.ini").arg(QString::fromStdString(document_.skinFolder)), 4000);
    return true;
}

void form1::makeAllVisible() {
    tessel::makeAllVisible(document_.layout);
    placeElements();
}

void form1::showScheme() {
    if (document_.schemePath.empty()) {
        dialogs_.message(this, QStringLiteral("Please open a skin first!!"),
                         Dialogs::Icon::Exclamation);
        return;
    }
    // The scheme editor reads the file afresh every time it opens.
    delete configold_;
    configold_ = new Configold(*this);
    configold_->show();
    configold_->raise();
    configold_->activateWindow();
    if (!configold_->schemeRead()) {
        dialogs_.message(configold_,
                         QStringLiteral("This folder dosen't contain a vaild scheme file!"),
                         Dialogs::Icon::Information);
    }
}

void form1::reloadAfterSchemeSave() {
    if (document_.hasUnsavedLayout()) {
        SetTheme();
        SetListSize();
        statusBar()->showMessage(
            QStringLiteral("Scheme saved; the layout changes not yet saved are kept"), 6000);
        return;
    }
    LoadSkin();
}

void form1::showAdvanced() {
    if (advanced_ == nullptr) {
        advanced_ = new Advanced(*this);
        // Typing starts in the first box, so the editor works from the keyboard alone.
        advanced_->box(QStringLiteral("Mtop"))->setFocus();
    }
    advanced_->show();
    advanced_->raise();
    advanced_->activateWindow();
}

PictureEditor* form1::pictureEditor(Element element) const {
    switch (element) {
    case Element::Snap:
        return frmSS;
    case Element::Cabinet:
        return frmCabinet;
    case Element::Flyer:
        return frmFlyer;
    case Element::Marquee:
        return frmMarquee;
    case Element::Logo:
        return frmLogo;
    default:
        return nullptr;
    }
}

frmList* form1::listEditor() const {
    return frmList_;
}

Advanced* form1::advancedEditor() const {
    return advanced_;
}

Configold* form1::schemeEditor() const {
    return configold_;
}

LabelEditor* form1::labelEditor(Element element) const {
    return element == Element::Path  ? frmpath.data()
           : element == Element::Nav ? frmNav.data()
                                     : nullptr;
}

void form1::openEditor(Element element) {
    QWidget* editor = nullptr;
    const auto make = [this](QPointer<PictureEditor>& slot, Element e, const char* caption,
                             const char* name) {
        if (slot == nullptr) {
            slot = new PictureEditor(*this, e, QString::fromLatin1(caption),
                                     QString::fromLatin1(name));
        }
        return slot.data();
    };
    switch (element) {
    case Element::Snap:
        editor = make(frmSS, element, "Snap Properties", "frmSS");
        break;
    case Element::Cabinet:
        editor = make(frmCabinet, element, "Cabinet Properties", "frmCabinet");
        break;
    case Element::Flyer:
        editor = make(frmFlyer, element, "Flyer Properties", "frmFlyer");
        break;
    case Element::Marquee:
        editor = make(frmMarquee, element, "Marquee Properties", "frmMarquee");
        break;
    case Element::Logo:
        editor = make(frmLogo, element, "Logo Properties", "frmLogo");
        break;
    case Element::Path:
        if (frmpath == nullptr) {
            frmpath = new LabelEditor(*this, element);
        }
        editor = frmpath;
        break;
    case Element::Nav:
        if (frmNav == nullptr) {
            frmNav = new LabelEditor(*this, element);
        }
        editor = frmNav;
        break;
    case Element::ListArea:
    case Element::Cell:
        if (frmList_ == nullptr) {
            frmList_ = new frmList(*this);
        }
        editor = frmList_;
        break;
    }
    if (!editor->isVisible() && !editor->property("placed").toBool()) {
        // Beside the mock-up, so the element being edited stays in sight.
        const QRect frame = frameGeometry();
        editor->move(frame.right() + 8, frame.top());
        editor->setProperty("placed", true);
    }
    editor->show();
    editor->raise();
    editor->activateWindow();
}

bool form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == xlogo) {
            openEditor(Element::Logo);
            return true;
        }
        if (watched == lblPath) {
            openEditor(Element::Path);
            return true;
        }
        for (QLabel* label : lblNav) {
            if (watched == label) {
                openEditor(Element::Nav);
                return true;
            }
        }
        for (QLabel* label : ll) {
            if (watched == label) {
                openEditor(Element::ListArea);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void form1::refreshEditors() {
    for (PictureEditor* editor :
         {frmMarquee.data(), frmSS.data(), frmFlyer.data(), frmCabinet.data(), frmLogo.data(),
          static_cast<PictureEditor*>(frmList_.data())}) {
        if (editor != nullptr) {
            editor->sync();
        }
    }
    for (LabelEditor* editor : {frmpath.data(), frmNav.data()}) {
        if (editor != nullptr) {
            editor->sync();
        }
    }
    if (advanced_ != nullptr) {
        advanced_->fill();
    }
}

} // namespace tessel
