// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a copy of a demo skin: opening, the mock-up, saving and the menus.
#include "tessel/form1.h"

#include "common/picture/PictureElement.h"
#include "tessel/Editors.h"
#include "tests/support/TempFolder.h"
#include "tests/tessel/OpenSkin.h"

#include <QAction>
#include <QCheckBox>
#include <QScrollBar>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using tessel::Element;
using tessel::form1;
using testing_support::TempFolder;

TEST(form1, MakeAllVisibleLeavesAHiddenLogoHidden) {
    tessel_testing::OpenSkin open("neon");
    open.window.openEditor(Element::Logo);
    open.window.openEditor(Element::Snap);
    open.window.pictureEditor(Element::Logo)->chkVis()->click();
    open.window.pictureEditor(Element::Snap)->chkVis()->click();
    open.window.makeAllVisible();
    EXPECT_TRUE(open.window.elementWidget(Element::Snap)->isVisibleTo(&open.window));
    EXPECT_FALSE(open.window.elementWidget(Element::Logo)->isVisibleTo(&open.window));
    ASSERT_TRUE(open.window.saveSkin());
    EXPECT_EQ(open.line(2), "#TRUE#");
    EXPECT_EQ(open.line(20), "#FALSE#");
}

TEST(form1, WithoutASkinTheMenusSaySoAndNothingIsWritten) {
    TempFolder cwd;
    tessel_testing::FakeDialogs dialogs;
    form1 window(dialogs);
    window.showScheme();
    EXPECT_FALSE(window.saveSkin());
    EXPECT_EQ(dialogs.messages,
              QStringList({"Please open a skin first!!", "Please open a skin first!!"}));
    EXPECT_EQ(window.schemeEditor(), nullptr);
}

TEST(form1, AFolderWithoutSkinIniIsSaidSoAndLeavesTheEditorAsItWas) {
    TempFolder empty;
    tessel_testing::FakeDialogs dialogs;
    form1 window(dialogs);
    const QRect before = window.elementWidget(Element::Marquee)->geometry();
    window.openSkinFolder(QString::fromStdString(empty.text()));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("no skin.ini"));
    EXPECT_EQ(window.elementWidget(Element::Marquee)->geometry(), before);
    // The scheme editor still opens, and says the folder has no scheme.
    window.showScheme();
    EXPECT_EQ(dialogs.messages.last(), "This folder dosen't contain a vaild scheme file!");
    // A folder that is not there is not opened at all.
    window.openSkinFolder(QString::fromStdString((empty / "gone").string()));
    EXPECT_TRUE(dialogs.messages.last().startsWith("There is no folder"));
    EXPECT_EQ(window.document().skinFolder, empty.text() + "/");
}

TEST(form1, AnUnwritableFolderKeepsTheDocumentAndSaysWhy) {
    auto open = std::make_unique<tessel_testing::OpenSkin>("neon");
    tessel::setElementValue(open->window.document().layout, Element::Marquee, tessel::Property::Top,
                            1200);
    const common::SkinLayout edited = open->window.document().layout;
    fs::remove_all(open->folder.path());
    EXPECT_FALSE(open->window.saveSkin());
    ASSERT_EQ(open->dialogs.messages.size(), 1);
    EXPECT_TRUE(open->dialogs.messages[0].contains("could not be saved"));
    EXPECT_EQ(open->window.document().layout, edited);
    fs::create_directories(open->folder.path()); // the temporary folder cleans up after itself
}

TEST(form1, OpenSkinAsksForAFolderAndACancelChangesNothing) {
    tessel_testing::OpenSkin open("neon");
    const common::SkinLayout before = open.window.document().layout;
    open.dialogs.folder.clear();
    const auto actions = open.window.findChildren<QAction*>();
    const auto openSkin = std::find_if(actions.begin(), actions.end(),
                                       [](QAction* a) { return a->text() == "&Open Skin"; });
    ASSERT_NE(openSkin, actions.end()); // a missing menu entry must not pass unnoticed
    (*openSkin)->trigger();
    EXPECT_EQ(open.window.document().layout, before);
    EXPECT_EQ(open.window.document().skinFolder, open.folder.text() + "/");
}

TEST(form1, LeavingWithUnsavedMovesAsksFirst) {
    tessel_testing::OpenSkin open("neon");
    open.window.show();
    EXPECT_TRUE(open.window.close()); // nothing changed: nothing to ask
    open.window.show();
    open.window.openEditor(Element::Cabinet);
    open.window.pictureEditor(Element::Cabinet)->hsBar(2)->setValue(5000);
    open.dialogs.answer = tessel::Dialogs::Answer::Cancel;
    EXPECT_FALSE(open.window.close());
    open.dialogs.answer = tessel::Dialogs::Answer::Save;
    EXPECT_TRUE(open.window.close());
    EXPECT_EQ(open.dialogs.questions, 2);
    EXPECT_EQ(open.line(3), "4110,5000,1080,1500");
}

} // namespace
