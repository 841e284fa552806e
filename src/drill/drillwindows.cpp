#include "drill/drillwindows.h"

#include "drill/drillengine.h"
#include "drill/drillkinds.h"
#include "drill/drillvariables.h"

#include <array>

namespace suite::drill {

struct DrillWindows::Impl {
    Impl(Platform& platform, std::function<void()> showMain)
    {
        for (std::size_t i = 0; i < forms.size(); ++i) {
            const auto kind = static_cast<DrillKind>(i);
            forms[i] = std::make_unique<FormSlot<DrillEngine>>([this, kind, &platform, showMain] {
                DrillEngine* w = MakeDrillWindow(kind, variables[static_cast<std::size_t>(kind)],
                                                 platform, showMain);
                w->Form_Load();
                return w;
            });
        }
    }
    std::array<DrillVariables, 9> variables{};
    std::array<std::unique_ptr<FormSlot<DrillEngine>>, 9> forms;
};

DrillWindows::DrillWindows(Platform& platform, std::function<void()> showMain)
    : impl_(std::make_unique<Impl>(platform, std::move(showMain)))
{
}

DrillWindows::~DrillWindows() = default;

void DrillWindows::Show(DrillKind kind) { impl_->forms[static_cast<std::size_t>(kind)]->Show(); }

QWidget* DrillWindows::Existing(DrillKind kind) const { return Window(kind); }

DrillEngine* DrillWindows::Window(DrillKind kind) const
{
    return impl_->forms[static_cast<std::size_t>(kind)]->Existing();
}

DrillVariables& DrillWindows::Variables(DrillKind kind)
{
    return impl_->variables[static_cast<std::size_t>(kind)];
}

}  // namespace suite::drill
