#include "app/app.h"

#include "app/resources/resource_ids.h"

namespace orbilux::app {

namespace {

// Set at build time; see the README.
ui::WebSite BuiltInWebSite() {
    return {ORBILUX_WEB_HOME, ORBILUX_SUPPORT_MAIL};
}

HICON LoadAppIcon(int size) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(AppIconId), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

App::App()
    : largeIcon_(LoadAppIcon(GetSystemMetrics(SM_CXICON))),
      smallIcon_(LoadAppIcon(GetSystemMetrics(SM_CXSMICON))),
      window_(win32::MainWindowArgs{painter_, commands_, tray_, layer_, notifier_, largeIcon_.get(), smallIcon_.get()}),
      optionsDialog_(painter_,
                     win32::OptionsDialogServices{options_, skin_, layer_, settings_, links_, BuiltInWebSite()}),
      presenter_(ui::MainPresenterPorts{window_, commands_, options_, settings_, layouts_, desktop_, notifier_, tray_,
                                        layer_, links_, screen_, files_, skin_, system_.shellModel,
                                        BuiltInWebSite()}),
      shapePresenter_(ui::ShapePagePorts{shapePage_, window_, engine_, files_, screen_, layer_, settings_, layouts_,
                                         commands_, options_, notifier_, actions_}),
      layoutsPresenter_(ui::LayoutsPagePorts{layoutsPage_, window_.menus(), layouts_, commands_, options_, confirmer_,
                                             descriptionDialog_, dateFormat_, actions_}),
      screenChange_(ui::ScreenChangePorts{window_, screenSize_, screen_, system_.desktop, layouts_,
                                          automaticLayouts_, options_, actions_}),
      filesPresenter_(ui::LayoutFilesPorts{
          commands_, layouts_, system_.registry, system_.timeZone, system_.locale, fileDialogs_, notifier_, undo_,
          actions_, [this] { return layoutsPresenter_.selectedLayoutId(); },
          [this] { layoutsPresenter_.showLayoutsAnew(); }}) {
    // The automatic layout is refreshed after the commit, so it holds what lasts.
    actions_.addObserver(shellCommit_);
    actions_.addObserver(screenChange_);
    actions_.addObserver(undo_);
    window_.setPresenter(presenter_);
    shapePage_.setPresenter(shapePresenter_);
    presenter_.plugIn(shapePresenter_);
    window_.addPage(ui::Page::Shape, shapePage_);
    layoutsPage_.setPresenter(layoutsPresenter_);
    presenter_.plugIn(layoutsPresenter_);
    window_.addPage(ui::Page::Layouts, layoutsPage_);
    presenter_.plugIn(optionsDialog_);
    screenChange_.plugIn(shapePresenter_);
    window_.setScreenChange(screenChange_);
    presenter_.plugIn(screenChange_);
}

int App::run() {
    // Before anything else: a program killed while its moves had the
    // desktop's painting off leaves the desktop unpainted.
    win32::SwitchDesktopPaintingOn();
    window_.create();
    descriptionDialog_.attach(window_.hwnd());
    optionsDialog_.attach(window_.hwnd(), window_.hints());
    fileDialogs_.attach(window_.hwnd());
    filesPresenter_.refreshUndo();
    window_.show();
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, the arrow keys and mnemonics move between the controls as in
        // a dialog.
        if (window_.hwnd() && IsDialogMessageW(window_.hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    window_.destroy();
    return static_cast<int>(message.wParam);
}

}  // namespace orbilux::app
