// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's list: row labels or picture cells around the selection, and its highlight.
#pragma once

#include "common/picture/PictureElement.h"
#include "zembra/catalogue/StringTable.h"
#include "zembra/startup/ProgramState.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

namespace testing_support {
struct BrowserAccess;
}

namespace zembra {

/// A list skin shows row labels (`ll`), a picture-strip skin picture cells (`xlist`); the first
/// of each is the model the others are copied from. The selected row pulses on `timhigh`.
class ListView {
public:
    /// Creates the models on `window`, which also watches their clicks. `caption` is the
    /// window's path label, which a picture strip uses for the selected game's name.
    ListView(QWidget& window, ProgramState& state, common::PictureLoader& loader, QLabel& caption);

    /// The model picture cell and the model row label, created after the window's other
    /// elements so that they lie above them.
    void createCells();
    void createRows();
    /// Places the list rectangle and the models as the loaded skin layout says.
    void place();
    /// The scheme's font and text colour, then the rows laid out anew.
    void applyScheme(const QFont& font, const QColor& text);

    void SetListSize();
    void SetListSize2();
    void DelList();
    void DelList2();
    void RefreshList();
    /// Removes the rows or the cells, whichever the skin shows.
    void clear();
    /// Shows `text` on the selected row (the scan's progress, "No Roms Found").
    void showMessage(const QString& text);
    /// Empties the first row, where a rescan's messages ended.
    void clearFirstRow();

    /// The highlight pulse: one step of the selected row's colour.
    void onTimhigh();
    void startPulse() { timhigh.start(); }
    void stopPulse() { timhigh.stop(); }
    /// The pulse's counter (0 to 7).
    int pulseStep() const { return pulseStep_; }

    /// The row of a row label, the cell of a picture cell; nothing for any other element.
    std::optional<int> rowOf(const QObject* element) const;
    std::optional<int> cellOf(const QObject* element) const;
    bool isStripMode() const;

private:
    friend struct testing_support::BrowserAccess;
    void shootScreens(const StringTable& arraytype, std::string_view pic);
    QLabel* newRowLabel();
    common::PictureElement* newCell();

    QWidget& window_;
    ProgramState& state_;
    common::PictureLoader& loader_;
    QLabel& caption_;
    QTimer timhigh; ///< 150 ms: the highlight pulse
    int pulseStep_ = 0;
    QWidget* listArea;                          ///< the skin's list rectangle; never drawn
    QWidget* shphigh;                           ///< the highlight frame of the picture strip
    std::vector<QLabel*> ll;                    ///< row labels; 0 is the template
    std::vector<common::PictureElement*> xlist; ///< picture cells; 0 is the template
};

} // namespace zembra
