// What the main window's presenter tells its window, and asks of it. Sizes
// named "logical" are 96-DPI pixels that the window scales to its DPI;
// positions are physical screen pixels.
#pragma once

#include <string>

#include "ui/geometry.h"

namespace orbilux::ui {

enum class Page { Shape, Layouts };

class MainView {
public:
    virtual ~MainView() = default;

    virtual void setTitle(const std::wstring& title) = 0;
    // How long a hint stays up before it hides by itself.
    virtual void setHintHidePause(int milliseconds) = 0;

    virtual void setAutoBlendChecked(bool checked) = 0;
    virtual bool autoBlendChecked() = 0;

    // The outer size the window has at the logical outer height given.
    virtual Size outerSizeFor(int logicalOuterHeight) = 0;
    virtual void setOuterHeight(int logicalOuterHeight) = 0;
    virtual void moveTo(Point topLeft) = 0;
    // The window's top-left corner as it is when not minimised.
    virtual Point normalPosition() = 0;

    virtual void showReminderBar(bool shown) = 0;

    // Shows one page, hides the other and keeps its button pressed.
    virtual void showPage(Page page) = 0;
    // The header line: the page title and its description, which starts at
    // `descriptionLeft` logical pixels.
    virtual void setHeader(const std::wstring& title, const std::wstring& description, int descriptionLeft) = 0;

    // Minimise and restore as the title bar's buttons do (each reports back
    // through the presenter's onMinimized / onRestored).
    virtual void minimize() = 0;
    virtual void restore() = 0;
    // The taskbar button: hidden while the window is tucked into the tray.
    virtual void hideTaskbarButton() = 0;
    virtual void showTaskbarButton() = 0;

    virtual Point cursorPosition() = 0;
    virtual void bringToForeground() = 0;
    // Pops the tray menu up at `at` and returns when it closes; the chosen
    // item arrives as its command.
    virtual void popUpTrayMenu(Point at, bool restoreLayoutsEnabled) = 0;

    // Lets the window messages waiting in the queue run.
    virtual void processPendingMessages() = 0;
};

}  // namespace orbilux::ui
