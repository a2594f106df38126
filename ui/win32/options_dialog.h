// The options and About dialog (TOptionsForm): "Options" in both modes,
// centred on the screen, the options panel or the About panel above "Ok" and
// "Cancel". The controls are standard ones (check boxes, vertical trackbars,
// links); their events go to the dialog's presenter. A fresh dialog and
// presenter are made at every opening.
#pragma once

#include "settings/program_options.h"
#include "settings/settings_store.h"
#include "ui/main/main_ports.h"
#include "ui/main/page_seams.h"
#include "ui/main/web_links.h"
#include "ui/skin/skin.h"
#include "ui/win32/dialog_base.h"
#include "ui/win32/skin/skin_painter.h"

namespace orbilux::win32 {

struct OptionsDialogServices {
    ProgramOptions& options;
    ui::Skin& skin;
    ui::WindowLayer& mainWindow;
    SettingsStore& settings;
    ui::LinkOpener& links;
    ui::WebSite site;
};

// The main window's OptionsSeam.
class OptionsDialogOpener : public ui::OptionsSeam {
public:
    OptionsDialogOpener(const SkinPainter& painter, const OptionsDialogServices& services)
        : painter_(painter), services_(services) {}
    void attach(HWND owner, Tooltips& hints) {
        owner_ = owner;
        hints_ = &hints;
    }
    void open(ui::OptionsMode mode) override;
    void bringToFront() override;

private:
    const SkinPainter& painter_;
    OptionsDialogServices services_;
    HWND owner_ = nullptr;
    Tooltips* hints_ = nullptr;
    const DialogBase* open_ = nullptr;  // the dialog while it is open
};

}  // namespace orbilux::win32
