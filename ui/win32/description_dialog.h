// The description dialog "Set description" (TSetDescF): an empty box, "Ok"
// (also Enter) and "Cancel", centred on the main window. Built anew for every
// opening.
#pragma once

#include <optional>
#include <string>

#include "ui/layouts/layouts_page_view.h"
#include "ui/win32/dialog_base.h"

namespace orbilux::win32 {

// The typed text after "Ok"; nothing after "Cancel" or the close box.
std::optional<std::wstring> AskLayoutDescription(HWND owner, const SkinPainter& painter);

// The layout manager's DescriptionAsker on that dialog.
class DescriptionDialogAsker : public ui::DescriptionAsker {
public:
    explicit DescriptionDialogAsker(const SkinPainter& painter) : painter_(painter) {}
    void attach(HWND owner) { owner_ = owner; }
    std::optional<std::wstring> askDescription() override { return AskLayoutDescription(owner_, painter_); }

private:
    const SkinPainter& painter_;
    HWND owner_ = nullptr;
};

}  // namespace orbilux::win32
