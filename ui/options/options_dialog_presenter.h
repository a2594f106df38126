// The options and About dialog: built anew from ProgramOptions for every
// opening, in options or About mode. Hue and saturation are previewed on the
// whole program's skin when the mouse is released on their sliders; the
// transparency slider makes the dialog itself translucent while the mouse
// holds it. "Ok" in options mode stores the options (and the start-with-
// Windows entry) and gives the main window its new alpha; "Cancel" undoes
// the previews; the close box does neither.
#pragma once

#include <cstdint>
#include <string>

#include "settings/program_options.h"
#include "settings/settings_store.h"
#include "ui/main/main_ports.h"
#include "ui/main/web_links.h"
#include "ui/options/options_view.h"
#include "ui/skin/skin.h"

namespace orbilux::ui {

// The values "Reset" puts on the sliders.
inline constexpr int32_t ResetTransparency = 120;

struct OptionsDialogPorts {
    OptionsView& view;
    ProgramOptions& options;
    Skin& skin;
    WindowLayer& mainWindow;  // its alpha follows "Ok"
    SettingsStore& settings;
    LinkOpener& links;
    WebSite site;
};

// "Version 0.9", then " (Updated to <version> )" unless the product version
// is "0.9", then " (beta)".
std::wstring VersionLine(const std::wstring& productVersion);

class OptionsDialogPresenter {
public:
    OptionsDialogPresenter(const OptionsDialogPorts& ports, OptionsMode mode);

    // Fills the controls from ProgramOptions; call once the controls exist.
    void opened();

    void onHueReleased();
    void onSaturationReleased();
    void onTransparencyPressed();
    void onTransparencyChanged();
    void onTransparencyReleased();
    void onReset();

    void onOk();
    void onCancel();
    void onCloseBox();

    void onSupportMail();
    void onHomepage();
    void onHelp();
    void onArtworkCredit();

    OptionsMode mode() const { return mode_; }

private:
    OptionsDialogPorts ports_;
    OptionsMode mode_;
    // Set while the mouse doesn't hold the transparency slider: its changes
    // then leave the dialog opaque (filling it at opening, the keyboard).
    bool transparencyHeld_ = true;
};

}  // namespace orbilux::ui
