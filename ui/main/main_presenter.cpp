#include "ui/main/main_presenter.h"

#include "desktop/shell_model_commit.h"
#include "ui/control_ids.h"
#include "ui/main/window_placement.h"
#include "ui/scope_exit.h"
#include "ui/ui_texts.h"

namespace orbilux::ui {

namespace {

// The mouse messages the tray callback tells apart (WM_LBUTTONDOWN,
// WM_RBUTTONDOWN).
constexpr uint32_t LeftButtonDown = 0x0201;
constexpr uint32_t RightButtonDown = 0x0204;

constexpr int HintHidePauseMs = 5000;

// One start-up step behind the error policy: what it throws ends that step
// only, so the steps after it still run.
template <typename Step>
void RunStep(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace

MainPresenter::MainPresenter(const MainPresenterPorts& ports) : ports_(ports) {
    defineCommands();
}

void MainPresenter::defineCommands() {
    CommandTable& c = ports_.commands;
    c.define(AdjustShapeA, L"Adjust Shape", texts::AdjustShapeHint);
    c.define(MngSavedLayouts, L"Manage Layouts", texts::ManageLayoutsHint);
    c.define(LoadAndSetA, L"Refresh shape");
    c.define(SaveDTIPos, L"Save layout");
    c.define(SaveLayoutWithDescription, texts::SaveLayoutWithDescriptionItem);
    c.define(OptionsButA, L"Options...");
    c.define(AboutA, L"About...");
    c.define(AboutBtnA, L"About...");
    c.define(HelpBtnA, L"Get help");
    c.define(HelpMenuItem, texts::GetHelpItem);
    c.define(HomepageMenuItem, texts::HomepageItem);
    c.define(ExitA, L"Exit");
    c.define(RestoreA, L"Show");
    c.define(OnMinimizeA, L"Hide");
    c.define(OnRestoreA, L"OnRestoreA");
    c.define(RestoreDTIPos, L"Restore layout");
    c.setEnabled(RestoreDTIPos, false);

    c.setHandler(AdjustShapeA, [this] { showShapePage(); });
    c.setHandler(MngSavedLayouts, [this] { showLayoutsPage(); });
    c.setHandler(LoadAndSetA, [this] { shape_->loadAndSet(); });
    c.setHandler(SaveDTIPos, [this] { layoutsPage_->quickSave(); });
    c.setHandler(SaveLayoutWithDescription, [this] { layoutsPage_->saveWithDescription(); });
    c.setHandler(OptionsButA, [this] { openOptionsDialog(OptionsMode::Options); });
    c.setHandler(AboutA, [this] { openOptionsDialog(OptionsMode::About); });
    c.setHandler(AboutBtnA, [this] { openOptionsDialog(OptionsMode::About); });
    c.setHandler(HelpBtnA, [this] { ports_.links.openAddress(HelpPageAddress(ports_.site, ButtonSourceTag)); });
    c.setHandler(HelpMenuItem, [this] { ports_.links.openAddress(HelpPageAddress(ports_.site, MenuSourceTag)); });
    c.setHandler(HomepageMenuItem, [this] { ports_.links.openAddress(HomePageAddress(ports_.site, MenuSourceTag)); });
    c.setHandler(ExitA, [this] { exit(); });
    c.setHandler(RestoreA, [this] { ports_.view.restore(); });
    c.setHandler(OnMinimizeA, [this] { onMinimize(); });
    c.setHandler(OnRestoreA, [this] { onRestore(); });
}

void MainPresenter::startUp() {
    MainView& view = ports_.view;
    view.setHintHidePause(HintHidePauseMs);
    shape_->resetOffsets();

    // First run: no settings file yet. The file is first written at the end
    // of a run, so this save and the welcome repeat until a run ends normally.
    // A settings file that can't be written at all makes every start a
    // first run: one first-use save is kept, not one more per start.
    if (!ports_.files.fileExists(ports_.settings.settingsFilePath())) {
        if (!firstUseSaveStored())
            ports_.layouts.SaveLayout(ports_.layouts.NewLayoutId(), texts::FirstUseSaveDescription);
        ports_.notifier.showMessage(texts::WelcomeMessage);
    }

    // The quit request takes effect at the message loop: the steps below
    // still run, and every message box opened after it closes by itself.
    if (ports_.desktop.DesktopItemCount() < MinimumDesktopIcons) {
        ports_.notifier.showMessage(texts::IconGuardMessage);
        ports_.notifier.requestQuit();
    }

    const SettingsFile file = ports_.settings.file(ports_.settings.settingsFilePath());
    ports_.options = ports_.settings.loadOptions(file.path());
    ports_.layer.setAlpha(static_cast<uint8_t>(TransparencyRange.clamp(ports_.options.Transparency)));
    view.setAutoBlendChecked(ports_.options.AutoBlend);
    knows_ = file.read(keys::Knows);
    // Auto-arrange or align-to-grid bends every shape, whatever the user
    // said before: the reminder shows whenever the shell says either is on.
    const std::optional<ShellFolderFlags> flags = ReadShellFolderFlags(ports_.shellModel);
    reminderShown_ = !knows_ || (flags && (flags->autoArrange || flags->snapToGrid));
    placeWindow(file);
    shape_->setSizeBarRanges();

    // Before the shape page may move any icon, so this is the layout the
    // user had before the program started.
    if (ports_.options.SaveOnStartup)
        ports_.layouts.SaveLayout(ports_.layouts.NewLayoutId(), texts::StartupSaveDescription);

    // From here on each step runs whatever the ones before it did (a damaged
    // remembered shape, a registry that can't be read): without the tray
    // record and the window's height the window could vanish into a tray
    // that has no icon at the next minimise.
    RunStep([&] { shape_->startUpSelection(file, ports_.options.LoadLastShape); });
    RunStep([&] {
        LayoutInfo newest;
        ports_.commands.setEnabled(RestoreDTIPos, ports_.layouts.FindNewestLayout(newest));
    });
    RunStep([&] { ports_.tray.fillRecord(); });
    RunStep([&] {
        if (ports_.options.MinimizeOnTray) {
            ports_.tray.deleteIcon();
            ports_.tray.addIcon();
        }
    });
    RunStep([&] { ports_.skin.apply(ports_.options.Hue, ports_.options.Saturation); });
    RunStep([&] { layoutsPage_->buildSavedLayoutsMenu(SavedLayoutsMenu::Main); });
    RunStep([&] {
        if (!reminderShown_) view.showReminderBar(false);
        view.setOuterHeight(outerHeight());
    });
    RunStep([&] { screenChange_->startUp(file); });
}

bool MainPresenter::firstUseSaveStored() {
    for (const std::wstring& id : ports_.layouts.ListLayoutIds()) {
        LayoutInfo info;
        if (ports_.layouts.ReadLayoutInfo(id, info) && info.description == texts::FirstUseSaveDescription) return true;
    }
    return false;
}

void MainPresenter::openOptionsDialog(OptionsMode mode) {
    // The dialog is modal, but the tray menu still reaches the window while
    // it is open: a second dialog would overwrite what the first one stores.
    if (optionsOpen_) {
        optionsDialog_->bringToFront();
        return;
    }
    optionsOpen_ = true;
    const ScopeExit closed([this] { optionsOpen_ = false; });
    optionsDialog_->open(mode);
}

void MainPresenter::placeWindow(const SettingsFile& file) {
    // The window is placed at the height it will have once the reminder
    // bar's fate is known, so the fallback corner is met exactly.
    const Size size = ports_.view.outerSizeFor(outerHeight());
    ports_.view.moveTo(PlaceMainWindow(file.read(keys::FormLeft), file.read(keys::FormTop), size,
                                       ports_.screen.workArea(), ports_.screen));
}

int MainPresenter::outerHeight() const {
    return CompactOuterHeight + (reminderShown_ ? ReminderBarHeight : 0);
}

void MainPresenter::onShown() {
    if (!ports_.options.MinimizeOnTray) ports_.tray.deleteIcon();
}

void MainPresenter::onMinimize() {
    if (!ports_.options.MinimizeOnTray) return;
    ports_.view.hideTaskbarButton();
    ports_.tray.deleteIcon();
    ports_.tray.addIcon();
    inTray_ = true;
}

void MainPresenter::onRestore() {
    inTray_ = false;
}

bool MainPresenter::onTrayCallback(uint32_t mouseMessage) {
    switch (mouseMessage) {
        case LeftButtonDown:
            if (inTray_) {
                ports_.view.showTaskbarButton();
                ports_.view.restore();
            } else {
                // The taskbar button goes when the minimise tucks the window
                // into the tray: with minimise-to-tray off since the icon was
                // added, hiding it would leave the window no way back but the
                // tray menu.
                ports_.view.minimize();
            }
            return true;
        case RightButtonDown: {
            const Point at = ports_.view.cursorPosition();
            ports_.view.bringToForeground();
            const bool savedLayouts = ports_.commands.enabled(RestoreDTIPos);
            if (savedLayouts) layoutsPage_->buildSavedLayoutsMenu(SavedLayoutsMenu::Tray);
            ports_.view.popUpTrayMenu(at, savedLayouts);
            return true;
        }
        default:
            return false;
    }
}

void MainPresenter::showShapePage() {
    ports_.view.showPage(Page::Shape);
    ports_.view.setHeader(texts::AdjustShapeButton, std::wstring(L" - ") + texts::AdjustShapeHint,
                          ShapePageDescriptionLeft);
    shape_->pageShown();
}

void MainPresenter::showLayoutsPage() {
    ports_.view.showPage(Page::Layouts);
    layoutsPage_->pageShown();
    const int32_t icons = ports_.desktop.DesktopItemCount();
    ports_.view.setHeader(
        texts::ManageLayoutsButton,
        std::wstring(L" - ") + texts::ManageLayoutsHint + L" (" + std::to_wstring(icons) + L" icons on desktop)",
        LayoutsPageDescriptionLeft);
}

void MainPresenter::onReminderBarClicked() {
    ports_.notifier.showMessage(texts::ReminderMessage);
}

void MainPresenter::onReminderDismissed() {
    knows_ = true;
    reminderShown_ = false;
    ports_.view.setOuterHeight(outerHeight());
    ports_.view.showReminderBar(false);
}

void MainPresenter::onAutoBlendToggled(bool checked) {
    ports_.options.AutoBlend = checked;
}

void MainPresenter::exit() {
    ports_.tray.deleteIcon();
    ports_.view.processPendingMessages();
    ports_.notifier.requestQuit();
}

void MainPresenter::onDestroyed() {
    // The icon goes even when the settings can't be written: a program that
    // has ended must not leave an icon behind in the tray.
    const ScopeExit deleteIcon([this] { ports_.tray.deleteIcon(); });
    SettingsFile file = ports_.settings.file(ports_.settings.settingsFilePath());
    screenChange_->shutDown(file);
    saveWindowState(file);
}

void MainPresenter::saveWindowState(SettingsFile& file) {
    const Point position = ports_.view.normalPosition();
    file.write(keys::FormLeft, position.x);
    file.write(keys::FormTop, position.y);
    file.write(keys::Knows, knows_);
    file.write(keys::AutoBlend, ports_.view.autoBlendChecked());
    const ShapeState shape = shape_->stateToSave();
    file.write(keys::ShapePath, shape.path);
    file.write(keys::ShapeWidth, shape.widthPosition);
    file.write(keys::ShapeHeight, shape.heightPosition);
    file.write(keys::ShapeGap, shape.gapPosition);
    file.write(keys::ShapeDx, shape.dx);
    file.write(keys::ShapeDy, shape.dy);
}

}  // namespace orbilux::ui
