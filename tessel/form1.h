// SPDX-License-Identifier: GPL-3.0-or-later
// Tessel's main window: the mock-up of the browser screen, the menus, open and save.
#pragma once

#include "common/skin/SkinFolder.h"
#include "tessel/Dialogs.h"
#include "tessel/SkinDocument.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <vector>

class QAction;
class QFrame;
class QLabel;

namespace common {
class PictureElement;
class PictureLoader;
} // namespace common

namespace tessel {

class Advanced;
class Configold;
class frmList;
class LabelEditor;
class PictureEditor;
class Preview;

/// The mock-up shows the design canvas of 7680 × 5760 twips at this many pixels per design
/// pixel (15 twips), so a skin is comfortable to edit on today's screens.
inline constexpr double kPreviewZoom = 1.5;
inline constexpr int kDesignWidthTwips = 7680;
inline constexpr int kDesignHeightTwips = 5760;

/// The document is the truth: the preview widgets are placed from it after every edit, so
/// saving never reads rounded pixel positions back.
class form1 : public QMainWindow {
    Q_OBJECT

public:
    form1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~form1() override;

    SkinDocument& document() { return document_; }
    const SkinDocument& document() const { return document_; }

    /// Opens `folder` as Open Skin does after the folder dialog. A folder without skin.ini
    /// is said so in a message; the editor stays as it was.
    void openSkinFolder(const QString& folder);
    /// Writes skin.ini; a failure is reported and the document kept. True when saved.
    bool saveSkin();
    void makeAllVisible();
    void showScheme();
    void showAdvanced();
    /// After scheme.cfg was saved: the skin is loaded again from its files, except that layout
    /// changes not yet saved to skin.ini are kept (saving colours must not throw away moves).
    void reloadAfterSchemeSave();

    /// Loads the open skin folder into the mock-up; says what the files gave.
    common::SkinFolderLoad LoadSkin();
    void setScheme();
    void SetTheme();
    void setRes();
    void SetListSize();
    void SetListSize2();
    void DelList();
    void DelList2();
    void MoveNav();

    /// Places one element (or every element) from the document and refreshes the editors
    /// that show it.
    void placeElement(Element element);
    void placeElements();

    /// Opens the editor of an element, as a click on it does.
    void openEditor(Element element);

    // The mock-up as it stands, for the editors and the tests.
    QWidget* elementWidget(Element element) const;
    const std::vector<QLabel*>& entries() const { return ll; }
    const std::vector<common::PictureElement*>& cells() const { return xList; }
    const std::array<QLabel*, 5>& navLabels() const { return lblNav; }
    int midIndex() const { return midIndex_; }
    /// Twips to preview pixels and back.
    static int px(double twips);
    static QRect pxRect(const TwipBox& box);
    /// The height of one list row in the scheme's font, in twips of the design.
    double rowHeightTwips() const;

    PictureEditor* pictureEditor(Element element) const;
    frmList* listEditor() const;
    LabelEditor* labelEditor(Element element) const;
    Advanced* advancedEditor() const;
    Configold* schemeEditor() const;
    Dialogs& dialogs() { return dialogs_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildPreview();
    void applyScheme();
    void loadPictures();
    void refreshEditors();
    QFont previewFont() const;

    Dialogs& dialogs_;
    SkinDocument document_;
    common::PictureLoader* loader_ = nullptr;
    Preview* preview_ = nullptr;
    common::PictureElement* xScreen = nullptr;
    common::PictureElement* xCabinet = nullptr;
    common::PictureElement* xFlyer = nullptr;
    common::PictureElement* xMarquee = nullptr;
    QLabel* xlogo = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* shphigh = nullptr;
    QLabel* lblPath = nullptr;
    std::array<QLabel*, 5> lblNav{};
    std::vector<QLabel*> ll;
    std::vector<common::PictureElement*> xList;
    int midIndex_ = 0;

    QPointer<PictureEditor> frmMarquee, frmSS, frmFlyer, frmCabinet, frmLogo;
    QPointer<frmList> frmList_;
    QPointer<LabelEditor> frmpath, frmNav;
    QPointer<Advanced> advanced_;
    QPointer<Configold> configold_;
};

} // namespace tessel
