#include "ui/win32/description_dialog.h"

#include "ui/control_ids.h"
#include "ui/win32/button_events.h"
#include "ui/win32/window_text.h"

namespace orbilux::win32 {

namespace {

class DescriptionDialog : public DialogBase {
public:
    using DialogBase::DialogBase;
    const std::wstring& text() const { return text_; }

protected:
    void onCreate() override {
        edit_ = layout().add(hwnd(), {L"Edit",
                                      L"",
                                      ES_AUTOHSCROLL | WS_TABSTOP,
                                      {12, 14, 308, 38},
                                      ui::DescriptionDialogEdit,
                                      FontRole::Normal,
                                      WS_EX_CLIENTEDGE});
        SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);  // no limit of its own
        WatchButton(layout().add(hwnd(), {L"Button", L"Ok", BS_OWNERDRAW | WS_TABSTOP, {120, 52, 208, 80}, IDOK}));
        WatchButton(
            layout().add(hwnd(), {L"Button", L"Cancel", BS_OWNERDRAW | WS_TABSTOP, {220, 52, 308, 80}, IDCANCEL}));
        SetFocus(edit_);
    }
    bool onCommand(int id, int, HWND) override {
        if (id != IDOK) return false;
        text_ = WindowText(edit_);
        end(IDOK);
        return true;
    }

private:
    HWND edit_ = nullptr;
    std::wstring text_;
};

}  // namespace

std::optional<std::wstring> AskLayoutDescription(HWND owner, const SkinPainter& painter) {
    DescriptionDialog dialog(painter);
    DialogArgs args;
    args.owner = owner;
    args.caption = L"Set description";
    args.clientSize = {320, 92};
    if (dialog.runModal(args) != IDOK) return std::nullopt;
    return dialog.text();
}

}  // namespace orbilux::win32
