#include "taborder.h"

#include <algorithm>

namespace suite {

TabOrder::Entry* TabOrder::Find(QWidget* control)
{
    for (auto& e : entries_)
        if (e.control == control) return &e;
    return nullptr;
}

const TabOrder::Entry* TabOrder::Find(QWidget* control) const
{
    for (const auto& e : entries_)
        if (e.control == control) return &e;
    return nullptr;
}

void TabOrder::Add(QWidget* control, bool tabStop)
{
    if (Find(control)) return;
    Qt::FocusPolicy policy = control->focusPolicy();
    if (!(policy & Qt::TabFocus)) policy = Qt::StrongFocus;
    entries_.push_back({control, tabStop, policy});
    Apply();
}

void TabOrder::SetTabIndex(QWidget* control, int index)
{
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.control == control; });
    if (it == entries_.end()) return;
    Entry moved = *it;
    entries_.erase(it);
    index = std::clamp(index, 0, static_cast<int>(entries_.size()));
    entries_.insert(entries_.begin() + index, moved);
    Apply();
}

int TabOrder::TabIndex(QWidget* control) const
{
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].control == control) return static_cast<int>(i);
    return -1;
}

void TabOrder::SetTabStop(QWidget* control, bool on)
{
    if (Entry* e = Find(control)) {
        e->tabStop = on;
        Apply();
    }
}

bool TabOrder::TabStop(QWidget* control) const
{
    const Entry* e = Find(control);
    return e && e->tabStop;
}

std::vector<QWidget*> TabOrder::Order() const
{
    std::vector<QWidget*> out;
    for (const auto& e : entries_)
        if (e.control) out.push_back(e.control);
    return out;
}

std::vector<QWidget*> TabOrder::Stops() const
{
    std::vector<QWidget*> out;
    for (const auto& e : entries_)
        if (e.control && e.tabStop) out.push_back(e.control);
    return out;
}

void TabOrder::Apply()
{
    QWidget* previous = nullptr;
    for (auto& e : entries_) {
        if (!e.control) continue;
        // Off the tab stops, a control still takes focus on a click.
        e.control->setFocusPolicy(e.tabStop ? e.policy : Qt::ClickFocus);
        if (previous) QWidget::setTabOrder(previous, e.control);
        previous = e.control;
    }
}

}  // namespace suite
