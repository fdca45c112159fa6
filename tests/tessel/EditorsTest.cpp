// SPDX-License-Identifier: GPL-3.0-or-later
// The element editors, the numeric editor and the scheme editor on a copy of a demo skin.
#include "tessel/Editors.h"

#include "common/picture/PictureElement.h"
#include "common/ui/Units.h"
#include "tessel/Advanced.h"
#include "tessel/Configold.h"
#include "tessel/frmList.h"
#include "tests/tessel/OpenSkin.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

using tessel::Element;
using tessel::form1;
using tessel_testing::OpenSkin;

void type(QLineEdit* box, const QString& text) {
    box->setText(text);
    emit box->textEdited(text);
}

TEST(Editors, DraggingAppliesOneValuePerTickAndTheLastOneLands) {
    OpenSkin open("neon");
    open.window.openEditor(Element::Marquee);
    tessel::PictureEditor* editor = open.window.pictureEditor(Element::Marquee);
    const common::SkinLayout& layout = open.window.document().layout;
    editor->hsBar(2)->setValue(1000); // idle: applied at once
    editor->hsBar(2)->setValue(1200);
    editor->hsBar(3)->setValue(1300); // another bar in the same tick keeps its own value
    EXPECT_EQ(layout.marquee.left, 1000);
    editor->timYet_Timer();
    EXPECT_EQ(layout.marquee.left, 1200);
    EXPECT_EQ(layout.marquee.top, 1300);
    EXPECT_EQ(open.window.elementWidget(Element::Marquee)->x(), form1::px(1200));
}

TEST(Editors, LabelEditsAreSaved) {
    OpenSkin open("neon");
    open.window.openEditor(Element::Path);
    open.window.labelEditor(Element::Path)->hsBar(2)->setValue(-300);
    open.window.openEditor(Element::Nav);
    open.window.labelEditor(Element::Nav)->hsBar(3)->setValue(4500);
    open.window.labelEditor(Element::Nav)->chkVis()->click();
    EXPECT_FALSE(open.window.navLabels()[0]->isVisibleTo(&open.window));
    ASSERT_TRUE(open.window.saveSkin());
    EXPECT_EQ(open.line(13) + " " + open.line(15) + " " + open.line(16),
              "690,-300 4500,210 #FALSE#");
}

TEST(Editors, TheListEditorChangesColumnsAlignmentAndType) {
    OpenSkin open("neon");
    open.window.openEditor(Element::ListArea);
    tessel::frmList* list = open.window.listEditor();
    type(list->txtColumns(), "3 columns");
    EXPECT_EQ(open.window.document().layout.listColumns, 3);

    list->opttype(1)->click();
    EXPECT_FALSE(open.window.entries()[0]->isVisibleTo(&open.window));
    // Neon's cells have no size yet; give them one with the bars.
    list->hsWidth()->setValue(1000);
    list->timYet_Timer();
    list->hsHeight()->setValue(800);
    list->timYet_Timer();
    EXPECT_GT(open.window.cells().size(), 4u);
    list->opttype(0)->click();
    EXPECT_EQ(open.window.cells().size(), 1u);

    ASSERT_TRUE(open.window.saveSkin());
    EXPECT_EQ(open.line(11), "\"list\"");
    EXPECT_EQ(open.line(12), "1000,800");
}

// What a box takes is SkinDocumentTest's; a box moving the marquee into the saved file is the
// end-to-end run's.
TEST(Editors, NumericEditsReachTheMockUpAndShowValuesChangedElsewhere) {
    OpenSkin open("filmstrip");
    open.window.showAdvanced();
    tessel::Advanced* advanced = open.window.advancedEditor();
    const std::size_t cells = open.window.cells().size();
    type(advanced->box("LAPSpace"), "900");
    advanced->timTRefL_Timer(); // the list is rebuilt when the typing pauses
    EXPECT_LT(open.window.cells().size(), cells);

    open.window.openEditor(Element::Flyer);
    open.window.pictureEditor(Element::Flyer)->hsBar(3)->setValue(2000);
    EXPECT_EQ(advanced->box("Ftop")->text(), "2000");
}

TEST(Editors, TheSchemeEditorSavesAndShowsTheScheme) {
    OpenSkin open("neon");
    open.window.showScheme();
    tessel::Configold* scheme = open.window.schemeEditor();
    EXPECT_EQ(scheme->windowTitle(), "cd1.ShowOpen");

    open.dialogs.colour.reset(); // cancelled: the colour stays
    scheme->cmdHigh()->click();
    EXPECT_EQ(scheme->scheme().highColour, 16730104);
    open.dialogs.colour = QColor(0, 0, 255);
    scheme->cmdHigh()->click();
    QFont serif("DejaVu Serif");
    serif.setPointSizeF(14);
    open.dialogs.font = serif;
    scheme->cmdFontStyle()->click();

    // With a layout change not yet saved, saving the scheme keeps it.
    open.window.openEditor(Element::Snap);
    open.window.pictureEditor(Element::Snap)->hsBar(3)->setValue(1500);
    scheme->cmdSave()->click();
    EXPECT_EQ(open.folder.read("scheme.cfg"), "\"DejaVu Serif\",14,2229776,16768150,16711680\r\n");
    EXPECT_EQ(open.window.document().layout.snap.top, 1500);
    EXPECT_EQ(open.window.navLabels()[0]->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    // Without one, the skin is read again from its files.
    ASSERT_TRUE(open.window.saveSkin());
    std::string changed = open.folder.read("skin.ini");
    changed.replace(0, 4, "1800");
    open.folder.write("skin.ini", changed);
    open.window.showScheme();
    open.window.schemeEditor()->cmdSave()->click();
    EXPECT_EQ(open.window.document().layout.snap.top, 1800);

    // Opening another skin closes a scheme editor of the one before.
    open.window.showScheme();
    open.window.openSkinFolder(QString::fromStdString(open.folder.text()));
    EXPECT_EQ(open.window.schemeEditor(), nullptr);
}

} // namespace
