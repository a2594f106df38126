#include "ui/win32/options_dialog.h"

#include <commctrl.h>

#include <iterator>
#include <memory>

#include "ui/control_ids.h"
#include "ui/options/options_dialog_presenter.h"
#include "ui/scope_exit.h"
#include "ui/win32/button_events.h"
#include "ui/win32/dialog_base.h"
#include "ui/win32/layered_window.h"
#include "ui/win32/panel_window.h"

namespace orbilux::win32 {

namespace {

constexpr ui::Rect PanelRect{8, 8, 506, 318};

struct CheckBoxTemplate {
    ui::OptionCheck check;
    int id;
    const wchar_t* caption;
    ui::Rect rect;
};
const CheckBoxTemplate Checks[] = {
    {ui::OptionCheck::RunAtStartup, ui::RunAtStartupCheck, L"Open when Windows starts", {14, 26, 288, 46}},
    {ui::OptionCheck::MinimizeOnTray, ui::MinimizeOnTrayCheck, L"Minimize to tray", {14, 52, 288, 72}},
    {ui::OptionCheck::LoadLastShape,
     ui::LoadLastShapeCheck,
     L"Load last shape used when Orbilux starts",
     {14, 78, 288, 98}},
    {ui::OptionCheck::SaveOnStartup,
     ui::SaveOnStartupCheck,
     L"Save layout before starting Orbilux",
     {14, 104, 288, 124}},
    {ui::OptionCheck::ConfirmSave, ui::ConfirmSaveCheck, L"saving the layout", {30, 162, 288, 182}},
    {ui::OptionCheck::ConfirmLoad, ui::ConfirmLoadCheck, L"restoring the layout", {30, 188, 288, 208}},
    {ui::OptionCheck::RestoreOnScreenChange,
     ui::RestoreOnScreenChangeCheck,
     L"Restore icons when the screen changes",
     {14, 226, 288, 246}},
};

struct SliderTemplate {
    ui::OptionSlider slider;
    int id;
    int labelId;
    const wchar_t* caption;
    int left;
    IntegerRange range;
};
const SliderTemplate Sliders[] = {
    {ui::OptionSlider::Hue, ui::HueSlider, ui::HueLabel, L"Hue", 8, HueRange},
    {ui::OptionSlider::Saturation, ui::SaturationSlider, ui::SaturationLabel, L"Saturation", 68, SaturationRange},
    {ui::OptionSlider::Transparency, ui::TransparencySlider, ui::TransparencyLabel, L"Auto blend", 128,
     TransparencyRange},
};

class OptionsDialog : public DialogBase, public ui::OptionsView {
public:
    OptionsDialog(const SkinPainter& painter, ui::WebSite site) : DialogBase(painter), site_(std::move(site)) {}
    void setPresenter(ui::OptionsDialogPresenter& presenter) { presenter_ = &presenter; }

    // ui::OptionsView
    void showPanel(ui::OptionsMode mode) override {
        ShowWindow(options_->hwnd(), mode == ui::OptionsMode::Options ? SW_SHOW : SW_HIDE);
        ShowWindow(about_->hwnd(), mode == ui::OptionsMode::About ? SW_SHOW : SW_HIDE);
    }
    void setCheck(ui::OptionCheck check, bool on) override {
        SendMessageW(checkWindow(check), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    bool check(ui::OptionCheck check) override {
        return SendMessageW(checkWindow(check), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    void setSlider(ui::OptionSlider slider, int32_t value) override {
        SendMessageW(sliderWindow(slider), TBM_SETPOS, TRUE, value);
        // Unlike a move by the user, TBM_SETPOS reports nothing.
        if (slider == ui::OptionSlider::Transparency && presenter_) presenter_->onTransparencyChanged();
    }
    int32_t slider(ui::OptionSlider slider) override {
        return int32_t(SendMessageW(sliderWindow(slider), TBM_GETPOS, 0, 0));
    }
    void setVersionLine(const std::wstring& text) override { SetWindowTextW(version_, text.c_str()); }
    void setDialogAlpha(uint8_t alpha) override {
        layer_.setAlpha(alpha);
        layer_.setBlending(true);
    }
    void setDialogOpaque() override { layer_.setBlending(false); }
    void close() override { end(IDOK); }

protected:
    void onCreate() override;
    bool onCommand(int id, int code, HWND control) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    HWND checkWindow(ui::OptionCheck check) const { return checks_[int(check)]; }
    HWND sliderWindow(ui::OptionSlider slider) const { return sliders_[int(slider)]; }
    void createOptionsPanel();
    void createAboutPanel();
    HWND link(HWND panel, const std::wstring& text, const ui::Rect& rect, int id);
    std::unique_ptr<PanelWindow> group(HWND parent, const wchar_t* caption, const ui::Rect& rect, int id);
    ButtonLook buttonLook(int id) override {
        ButtonLook look;
        look.link =
            id == ui::SupportMailLink || id == ui::HomepageLink || id == ui::HelpLink || id == ui::ArtworkCreditLink;
        return look;
    }

    ui::WebSite site_;
    ui::OptionsDialogPresenter* presenter_ = nullptr;
    std::unique_ptr<PanelWindow> options_, about_, general_, interface_;
    HWND checks_[std::size(Checks)] = {};
    HWND sliders_[3] = {};
    HWND version_ = nullptr;
    LayeredWindow layer_;
};

void OptionsDialog::onCreate() {
    layer_.attach(hwnd());
    PanelArgs panel;
    panel.parent = hwnd();
    panel.area = layout().dpi().scale(PanelRect);
    panel.surface = Surface::Window;
    panel.id = ui::OptionsPanel;
    options_ = std::make_unique<PanelWindow>(painter(), panel);
    panel.id = ui::AboutPanel;
    panel.visible = false;
    about_ = std::make_unique<PanelWindow>(painter(), panel);
    layout().track(options_->hwnd(), PanelRect);
    layout().track(about_->hwnd(), PanelRect);
    createOptionsPanel();
    createAboutPanel();
    WatchButton(layout().add(hwnd(), {L"Button", L"Ok", BS_OWNERDRAW | WS_TABSTOP, {318, 326, 406, 354}, IDOK}));
    WatchButton(
        layout().add(hwnd(), {L"Button", L"Cancel", BS_OWNERDRAW | WS_TABSTOP, {414, 326, 506, 354}, IDCANCEL}));
    if (presenter_) presenter_->opened();
}

std::unique_ptr<PanelWindow> OptionsDialog::group(HWND parent, const wchar_t* caption, const ui::Rect& rect, int id) {
    PanelArgs args;
    args.parent = parent;
    args.id = id;
    args.area = layout().dpi().scale(rect);
    args.surface = Surface::Window;
    args.groupCaption = caption;
    auto panel = std::make_unique<PanelWindow>(painter(), args);
    layout().track(panel->hwnd(), rect);
    return panel;
}

void OptionsDialog::createOptionsPanel() {
    ControlLayout& l = layout();
    general_ = group(options_->hwnd(), L"General options", {4, 4, 298, 306}, ui::GeneralGroup);
    const HWND g = general_->hwnd();
    for (const CheckBoxTemplate& c : Checks)
        checks_[int(c.check)] = l.add(g, {L"Button", c.caption, BS_AUTOCHECKBOX | WS_TABSTOP, c.rect, c.id});
    l.add(g,
          {L"Static", L"Show confirmation dialog when ", SS_LEFT | SS_NOPREFIX, {14, 140, 288, 156}, ui::ConfirmLabel});
    interface_ = group(options_->hwnd(), L"Interface options", {304, 4, 494, 306}, ui::InterfaceGroup);
    const HWND i = interface_->hwnd();
    for (const SliderTemplate& s : Sliders) {
        l.add(i, {L"Static", s.caption, SS_CENTER | SS_NOPREFIX, {s.left - 4, 22, s.left + 56, 38}, s.labelId});
        const HWND bar = l.add(i, {TRACKBAR_CLASSW,
                                   s.caption,
                                   TBS_VERT | TBS_BOTH | TBS_NOTICKS | WS_TABSTOP,
                                   {s.left + 12, 42, s.left + 42, 254},
                                   s.id});
        SendMessageW(bar, TBM_SETRANGEMIN, FALSE, s.range.min);
        SendMessageW(bar, TBM_SETRANGEMAX, TRUE, s.range.max);
        SendMessageW(bar, TBM_SETPAGESIZE, 0, 10);
        sliders_[int(s.slider)] = bar;
        const ui::OptionSlider which = s.slider;
        ButtonEventHandlers events;
        // Hue and saturation preview when the mouse lets go of them; the
        // transparency slider is "held" from press to release.
        events.pressed = [this, which](MouseButton button) {
            if (presenter_ && button == MouseButton::Left && which == ui::OptionSlider::Transparency)
                presenter_->onTransparencyPressed();
        };
        events.released = [this, which](MouseButton button) {
            if (!presenter_ || button != MouseButton::Left) return;
            if (which == ui::OptionSlider::Hue) presenter_->onHueReleased();
            if (which == ui::OptionSlider::Saturation) presenter_->onSaturationReleased();
            if (which == ui::OptionSlider::Transparency) presenter_->onTransparencyReleased();
        };
        WatchButton(bar, std::move(events));
    }
    WatchButton(l.add(i, {L"Button", L"Reset", BS_OWNERDRAW | WS_TABSTOP, {36, 264, 156, 292}, ui::ResetButton}));
}

HWND OptionsDialog::link(HWND panel, const std::wstring& text, const ui::Rect& rect, int id) {
    const HWND button = layout().add(panel, {L"Button", text, BS_OWNERDRAW | WS_TABSTOP, rect, id});
    WatchButton(button);
    return button;
}

void OptionsDialog::createAboutPanel() {
    const HWND p = about_->hwnd();
    ControlLayout& l = layout();
    const DWORD label = SS_LEFT | SS_NOPREFIX;
    l.add(p, {L"Static", L"About", label, {12, 6, 480, 24}, ui::AboutHeading, FontRole::Bold});
    l.add(p, {L"Static", L"Orbilux", label, {12, 30, 480, 66}, ui::ProductNameLabel, FontRole::Title});
    version_ = l.add(p, {L"Static", L"", label, {12, 70, 480, 88}, ui::VersionLabel});
    l.add(p, {L"Static", L"", SS_ETCHEDHORZ, {12, 98, 484, 100}, ui::AboutSeparator});
    l.add(p, {L"Static", L"Support email :", label, {12, 112, 480, 128}, ui::SupportMailLabel});
    link(p, site_.supportMail, {12, 130, 480, 146}, ui::SupportMailLink);
    l.add(p, {L"Static", L"Homepage :", label, {12, 158, 480, 174}, ui::HomepageLabel});
    link(p, site_.home, {12, 176, 480, 192}, ui::HomepageLink);
    l.add(p, {L"Static", L"Help and FAQ :", label, {12, 206, 110, 222}, ui::HelpLabel});
    link(p, L"Click here...", {112, 206, 300, 222}, ui::HelpLink);
    link(p, L"Icon artwork: drawn for Orbilux by its developers", {12, 246, 480, 262}, ui::ArtworkCreditLink);
}

bool OptionsDialog::onCommand(int id, int code, HWND) {
    if (!presenter_) return false;
    switch (id) {
        case IDOK:
            presenter_->onOk();
            return true;
        case IDCANCEL:
            presenter_->onCancel();
            return true;
        case ui::ResetButton:
            if (code == BN_CLICKED) presenter_->onReset();
            return true;
        case ui::SupportMailLink:
            presenter_->onSupportMail();
            return true;
        case ui::HomepageLink:
            presenter_->onHomepage();
            return true;
        case ui::HelpLink:
            presenter_->onHelp();
            return true;
        case ui::ArtworkCreditLink:
            presenter_->onArtworkCredit();
            return true;
        default:
            return false;
    }
}

bool OptionsDialog::onMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (!presenter_) return false;
    if (message == WM_CLOSE) {
        presenter_->onCloseBox();
        result = TRUE;
        return true;
    }
    // The trackbars report to the group they stand in, which passes it on.
    if (message == WM_VSCROLL && reinterpret_cast<HWND>(lParam) == sliderWindow(ui::OptionSlider::Transparency)) {
        presenter_->onTransparencyChanged();
        result = TRUE;
        return true;
    }
    return false;
}

}  // namespace

void OptionsDialogOpener::open(ui::OptionsMode mode) {
    OptionsDialog dialog(painter_, services_.site);
    ui::OptionsDialogPresenter presenter(
        ui::OptionsDialogPorts{dialog, services_.options, services_.skin, services_.mainWindow, services_.settings,
                               services_.links, services_.site},
        mode);
    dialog.setPresenter(presenter);
    DialogArgs args;
    args.owner = owner_;
    args.caption = L"Options";
    args.clientSize = {514, 364};
    args.placement = DialogPlacement::CentreOnScreen;
    args.minimizeBox = true;
    args.hints = hints_;
    open_ = &dialog;
    const ui::ScopeExit closed([this] { open_ = nullptr; });
    dialog.runModal(args);
}

void OptionsDialogOpener::bringToFront() {
    const HWND dialog = open_ ? open_->window() : nullptr;
    if (!dialog) return;
    if (IsIconic(dialog)) ShowWindow(dialog, SW_RESTORE);
    SetForegroundWindow(dialog);
}

}  // namespace orbilux::win32
