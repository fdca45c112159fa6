// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric layout editor: every coordinate of the mock-up as a number to type.
#pragma once

#include <QWidget>
#include <map>

class QLineEdit;
class QTabWidget;
class QTimer;

namespace tessel {

class form1;

class Advanced : public QWidget {
    Q_OBJECT

public:
    explicit Advanced(form1& owner);

    /// Shows the mock-up's values in every box, except the box being typed in.
    void fill();
    QLineEdit* box(const QString& name) const { return boxes_.at(name); }
    QTabWidget* SSTab1() const { return tabs_; }
    QTimer* timTRefL() const { return timTRefL_; }
    /// The list's rebuild after a change of the list area or the cells; tests call it.
    void timTRefL_Timer();

protected:
    bool event(QEvent* event) override;

private:
    form1& owner_;
    QTabWidget* tabs_ = nullptr;
    std::map<QString, QLineEdit*> boxes_;
    QTimer* timTRefL_ = nullptr;
};

} // namespace tessel
