// The ids of the window program's commands and controls. A button carries
// its command's id as its control id and a menu item the same id, so both
// arrive as the same WM_COMMAND; the GUI test driver finds controls by these
// ids too. Ids never change meaning: add new ones at the end of a block.
#pragma once

#include <cstdint>

namespace orbilux::ui {

// User commands, shared by buttons and menu items.
enum CommandId : uint16_t {
    AdjustShapeA = 1001,               // show the shape page
    MngSavedLayouts = 1002,            // show the layouts page
    LoadAndSetA = 1003,                // "Refresh shape": read the current shape and arrange the icons
    SaveDTIPos = 1004,                 // "Save layout": quick save of the current layout
    OptionsButA = 1005,                // the options dialog
    AboutA = 1006,                     // the same dialog in About mode (menus)
    AboutBtnA = 1007,                  // the same, from the button column
    HelpBtnA = 1008,                   // the help page, from the button column
    ExitA = 1009,                      // end the program
    RestoreA = 1010,                   // "Show": restore the minimised program
    OnMinimizeA = 1011,                // runs at every minimise
    OnRestoreA = 1012,                 // runs at every restore
    RestoreDTIPos = 1013,              // no control carries it: its enabled state is the saved-layout flag
    SaveLayoutWithDescription = 1014,  // main menu: opens the description dialog
    HelpMenuItem = 1015,               // "Get help..." in the Help menu
    HomepageMenuItem = 1016,           // "Homepage" in the Help menu
    RestoreSelLayoutA = 1017,          // the layouts page's row commands
    DelLayoutA = 1018,
    ReplaceLayoutA = 1019,
    SetLayoutDescA = 1020,
    ExportLayoutA = 1021,    // File menu: the selected layout to a file
    ImportLayoutA = 1022,    // File menu: a layout file as a new saved layout
    UndoLastChangeA = 1023,  // main and tray menus: restore "Before the last change"
};

// Controls that are not command buttons.
enum ControlId : uint16_t {
    PageTitleLabel = 101,        // Slbl
    PageDescriptionLabel = 102,  // SDescLbl
    AutoBlendCheck = 103,        // AutoBlendC
    PeekButton = 104,            // sBitBtn2
    ShapePagePanel = 110,        // AdjustShapePan
    LayoutsPagePanel = 111,      // ManageLayoutsPan
    ReminderBar = 120,           // sPanel6
    ReminderLabel = 121,         // sLabel12
    ReminderOkButton = 122,      // sButton1

    // The shape page (the "Save current layout" button carries SaveDTIPos).
    ShapeHeading = 130,        // sPanel2
    ShapeGroupsBox = 131,      // ShapeGroups
    ShapesListBox = 132,       // ShapesList
    ShapeNameCaption = 133,    // ShapeNameLbl
    WidthBar = 140,            // ShapeW
    HeightBar = 141,           // ShapeH
    GapBar = 142,              // ShapeG
    IncreaseSizeButton = 150,  // dzi
    DecreaseSizeButton = 151,  // dzo
    MoveLeftButton = 152,      // dxm
    MoveRightButton = 153,     // dxp
    MoveUpButton = 154,        // dym
    MoveDownButton = 155,      // dyp
    CentreButton = 156,        // CenterBtn
    FitButton = 157,           // fts
    SizeLabel = 160,
    PositionLabel = 161,
    MoveLabel = 162,
    WidthLabel = 163,
    HeightLabel = 164,
    GapLabel = 165,

    // The layouts page.
    LayoutsExplanation = 170,  // sLabel8
    LayoutsList = 171,
    DescriptionLabel = 172,     // sLabel3
    DescriptionEdit = 173,      // sEdit1
    SaveNewLayoutButton = 174,  // sBitBtn10
    LayoutsHintSave = 175,
    LayoutsHintReplace = 176,

    // The description dialog TSetDescF ("Ok" and "Cancel" are IDOK and IDCANCEL).
    DescriptionDialogEdit = 180,  // Edit1

    // The options dialog TOptionsForm ("Ok" and "Cancel" are IDOK and IDCANCEL).
    OptionsPanel = 190,  // OptPanel
    AboutPanel = 191,    // RegAboutPanel
    GeneralGroup = 192,
    InterfaceGroup = 193,
    RunAtStartupCheck = 194,    // Run_SuC
    MinimizeOnTrayCheck = 195,  // Min_TrayC
    LoadLastShapeCheck = 196,   // LOAD_LAST_SHAPEC
    SaveOnStartupCheck = 197,   // SAVE_ON_STARTC
    ConfirmLabel = 198,
    ConfirmSaveCheck = 199,    // CONF_SAVEC
    ConfirmLoadCheck = 200,    // CONF_LOADC
    HueSlider = 201,           // Hue
    SaturationSlider = 202,    // Saturation
    TransparencySlider = 203,  // TransC
    HueLabel = 204,
    SaturationLabel = 205,
    TransparencyLabel = 206,
    ResetButton = 207,
    AboutHeading = 210,
    ProductNameLabel = 211,
    VersionLabel = 212,
    AboutSeparator = 213,
    SupportMailLabel = 214,
    SupportMailLink = 215,
    HomepageLabel = 216,
    HomepageLink = 217,
    HelpLabel = 218,
    HelpLink = 219,
    ArtworkCreditLink = 220,
    RestoreOnScreenChangeCheck = 221,
};

// The tray icon's id and callback message.
inline constexpr uint32_t TrayIconId = 1;
inline constexpr uint32_t TrayCallbackMessage = 1025;  // WM_USER + 1

// Items of the saved-layouts submenus get ids from these ranges, one per
// layout shown: the main menu's "Restore layouts", then the tray menu's.
inline constexpr uint16_t FirstSavedLayoutItem = 20000;
inline constexpr uint16_t FirstTraySavedLayoutItem = 25000;
inline constexpr uint16_t LastSavedLayoutItem = 29999;

}  // namespace orbilux::ui
