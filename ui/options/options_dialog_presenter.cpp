#include "ui/options/options_dialog_presenter.h"

namespace orbilux::ui {

namespace {

// Each check box and the option it shows: filled from these at opening and
// read back into them on OK.
struct CheckedOption {
    OptionCheck check;
    bool ProgramOptions::*option;
};
constexpr CheckedOption CheckedOptions[] = {
    {OptionCheck::RunAtStartup, &ProgramOptions::RunAtStartup},
    {OptionCheck::MinimizeOnTray, &ProgramOptions::MinimizeOnTray},
    {OptionCheck::LoadLastShape, &ProgramOptions::LoadLastShape},
    {OptionCheck::SaveOnStartup, &ProgramOptions::SaveOnStartup},
    {OptionCheck::ConfirmSave, &ProgramOptions::ConfirmSave},
    {OptionCheck::ConfirmLoad, &ProgramOptions::ConfirmLoad},
    {OptionCheck::RestoreOnScreenChange, &ProgramOptions::RestoreOnScreenChange},
};

}  // namespace

std::wstring VersionLine(const std::wstring& productVersion) {
    std::wstring line = L"Version 0.9";
    if (productVersion != L"0.9") line += L" (Updated to " + productVersion + L" )";
    return line + L" (beta)";
}

OptionsDialogPresenter::OptionsDialogPresenter(const OptionsDialogPorts& ports, OptionsMode mode)
    : ports_(ports), mode_(mode) {}

void OptionsDialogPresenter::opened() {
    OptionsView& v = ports_.view;
    const ProgramOptions& o = ports_.options;
    v.showPanel(mode_);
    for (const CheckedOption& c : CheckedOptions) v.setCheck(c.check, o.*c.option);
    v.setSlider(OptionSlider::Hue, o.Hue);
    v.setSlider(OptionSlider::Saturation, o.Saturation);
    v.setSlider(OptionSlider::Transparency, o.Transparency);
    v.setVersionLine(VersionLine(ports_.settings.productVersion()));
}

void OptionsDialogPresenter::onHueReleased() {
    ports_.skin.apply(ports_.view.slider(OptionSlider::Hue), ports_.skin.saturationChange());
}

void OptionsDialogPresenter::onSaturationReleased() {
    ports_.skin.apply(ports_.skin.hueOffset(), ports_.view.slider(OptionSlider::Saturation));
}

void OptionsDialogPresenter::onTransparencyPressed() {
    transparencyHeld_ = false;
    onTransparencyChanged();
}

void OptionsDialogPresenter::onTransparencyChanged() {
    if (transparencyHeld_) return;
    ports_.view.setDialogAlpha(
        static_cast<uint8_t>(TransparencyRange.clamp(ports_.view.slider(OptionSlider::Transparency))));
}

void OptionsDialogPresenter::onTransparencyReleased() {
    transparencyHeld_ = true;
    ports_.view.setDialogOpaque();
}

void OptionsDialogPresenter::onReset() {
    ports_.view.setSlider(OptionSlider::Transparency, ResetTransparency);
    ports_.view.setSlider(OptionSlider::Saturation, 0);
    ports_.view.setSlider(OptionSlider::Hue, 0);
    ports_.skin.apply(0, 0);
}

void OptionsDialogPresenter::onOk() {
    if (mode_ == OptionsMode::Options) {
        OptionsView& v = ports_.view;
        ProgramOptions& o = ports_.options;
        for (const CheckedOption& c : CheckedOptions) o.*c.option = v.check(c.check);
        o.Hue = HueRange.clamp(v.slider(OptionSlider::Hue));
        o.Saturation = SaturationRange.clamp(v.slider(OptionSlider::Saturation));
        o.Transparency = TransparencyRange.clamp(v.slider(OptionSlider::Transparency));
        ports_.mainWindow.setAlpha(static_cast<uint8_t>(o.Transparency));
        // A file that can't be written stops the save at that key (and leaves
        // the start-with-Windows entry as it was); the dialog closes anyway
        // and the new options hold for the rest of the run.
        try {
            ports_.settings.saveOptions(ports_.settings.settingsFilePath(), o);
        } catch (const SettingsWriteError&) {
        }
    }
    ports_.view.close();
}

void OptionsDialogPresenter::onCancel() {
    if (mode_ == OptionsMode::Options) ports_.skin.apply(ports_.options.Hue, ports_.options.Saturation);
    ports_.view.close();
}

void OptionsDialogPresenter::onCloseBox() {
    ports_.view.close();
}

void OptionsDialogPresenter::onSupportMail() {
    ports_.links.openAddress(SupportMailAddress(ports_.site));
}

void OptionsDialogPresenter::onHomepage() {
    ports_.links.openAddress(HomePageAddress(ports_.site, MenuSourceTag));
}

void OptionsDialogPresenter::onHelp() {
    ports_.links.openAddress(HelpPageAddress(ports_.site, MenuSourceTag));
}

// The icon is the program's own artwork, so its credit leads home.
void OptionsDialogPresenter::onArtworkCredit() {
    onHomepage();
}

}  // namespace orbilux::ui
