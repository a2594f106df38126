// The stand-in's "SysListView32": a real comctl32 list view in icon view,
// filled with named icons with real images, that logs what other processes
// send it (through a window subclass) and can write a report of its items
// and of that log. With --modern-shell it keeps the shell's icon model
// beside it (icon_model.h) and lays its icons out from it on F5.
#pragma once

#include <windows.h>

#include <string>

#include "tools/standin-desktop/icon_model.h"
#include "tools/standin-desktop/message_log.h"
#include "tools/standin-desktop/standin_options.h"

namespace orbilux::standin {

class StandInListView {
public:
    StandInListView(HWND parent, const StandInOptions& options);
    ~StandInListView();
    StandInListView(const StandInListView&) = delete;
    StandInListView& operator=(const StandInListView&) = delete;

    HWND hwnd() const { return hwnd_; }
    bool writeReport(const std::wstring& path) const;
    void resetLog() { log_.reset(); }

    // The icon model (--modern-shell); each returns false without one.
    bool modern() const { return modern_; }
    // Takes the list view's layout as the model's; call once it has laid out.
    void captureModel();
    bool placeInModel(const ModelPosition* positions, std::size_t count);
    bool refresh();
    // After the desktop became `width` x `height`: icons out of it move into
    // free grid cells, and with the model the list view is laid out from it
    // again, as the shell re-lays the desktop on a display change.
    void fitIcons(int width, int height);
    // Writes the model for `range` into the file mapping `name`.
    bool shareModel(const std::wstring& name, ModelRange range) const;

private:
    static LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    void observe(UINT message, WPARAM wParam, LPARAM lParam);
    void fill(const StandInOptions& options);

    HWND hwnd_ = nullptr;
    MessageLog log_;
    int exitAfterTextQueries_ = 0;
    int textQueries_ = 0;
    int stallAtPosition_ = 0;
    int stallMs_ = 0;
    int positions_ = 0;
    bool painting_ = true;
    bool modern_ = false;
    bool snapToGrid_ = false;
    IconModel model_;
    // Set while the stand-in itself talks to its list view from inside a
    // command sent by a test, so those calls aren't counted as the bridge's.
    mutable bool internal_ = false;
};

// The name item `index` gets when the options give none.
std::wstring DefaultItemName(int index);

}  // namespace orbilux::standin
