#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace suite {

// Tab order with the meaning of a tab index: setting a control's index moves it to that
// place, the others keeping their relative order; a control whose tab stop is off keeps
// its place but the Tab key skips it (it still takes focus on a click).
class TabOrder {
public:
    void Add(QWidget* control, bool tabStop = true);
    void SetTabIndex(QWidget* control, int index);
    int TabIndex(QWidget* control) const;
    void SetTabStop(QWidget* control, bool on);
    bool TabStop(QWidget* control) const;
    // The controls in order, tab stops or not.
    std::vector<QWidget*> Order() const;
    // The controls the Tab key visits, in order (tab stop on, enabled, visible or not).
    std::vector<QWidget*> Stops() const;

private:
    struct Entry {
        QPointer<QWidget> control;
        bool tabStop;
        Qt::FocusPolicy policy;
    };
    std::vector<Entry> entries_;
    void Apply();
    Entry* Find(QWidget* control);
    const Entry* Find(QWidget* control) const;
};

}  // namespace suite
