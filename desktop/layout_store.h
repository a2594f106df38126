// The icon layout store: snapshots of where every desktop icon stands, kept in
// the current user's registry so that the icons can be put back later.
//
//   Software\Orbilux\Saves          one header string per layout, named by its
//                                   id (format: layout_header.h)
//   Software\Orbilux\Icons\<id>     one 8-byte position per desktop item,
//                                   named index + text (layout_matching.h)
//
// The store keeps nothing in memory: every operation opens the keys it needs
// and closes them, and reaches the desktop through a fresh DesktopSession.
//
// Outcomes. Saving, restoring, deleting and re-describing return a
// LayoutOutcome so that a caller such as orbiluxctl can tell what happened;
// the window program ignores it, as it ignores registry write failures. The
// one outcome the store acts on itself is a missing desktop list view:
// saving and restoring then show NoDesktopMessage and request a quit. OS
// errors of the desktop session (the shell's process can't be opened, its
// memory read or written) are thrown, as DesktopAccess and DesktopSession
// throw them, and end the operation; a save ended that way has written
// nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "desktop/desktop_session.h"
#include "desktop/layout_info.h"
#include "desktop/layout_ports.h"
#include "platform/registry_port.h"
#include "platform/user_notifier.h"

namespace orbilux {

// The description of the one layout that keeps the icons' positions before
// the program last moved them (undo_snapshot.h).
inline constexpr const wchar_t* BeforeLastChangeDescription = L"Before the last change";

enum class LayoutStatus {
    Done,
    NoDesktop,         // no desktop list view: the user was told and a quit was requested
    NoShellProcess,    // the list view's owning process id was 0: nothing was done
    DesktopChanged,    // the shell went away while the items were read: nothing written or moved
    InvalidId,         // an id that can't name a layout's keys (empty, or holding "\"): nothing done
    NoSuchLayout,      // no icon key (restore), no header (re-describe), neither of them (delete)
    HeaderUnreadable,  // the header value is not text, so its description can't be replaced
    RegistryFailed,    // a key couldn't be opened or created, or a write or delete failed
};

// A short English name for a status ("no desktop list view", ...).
const char* LayoutStatusText(LayoutStatus status);

struct LayoutOutcome {
    LayoutStatus status = LayoutStatus::Done;
    // SaveLayout: the icon values the icon key holds. RestoreLayout: the
    // icons moved.
    int32_t icons = 0;
    // The number of desktop items the operation found (0 when it didn't get
    // as far as the desktop).
    int32_t desktopItems = 0;
    // SaveLayout: the icons whose value name another icon wrote too (index
    // and text run together: item 1 "1Password" and item 11 "Password" are
    // both "11Password"). Of each such group only the last icon keeps a
    // saved position.
    int32_t iconsSharingAName = 0;
};

struct LayoutStorePorts {
    RegistryPort& registry;
    DesktopAccess& desktop;
    UserNotifier& notifier;
    Clock& clock;
    LocaleSource& locale;
    ScreenMetrics& screen;
    TickSource& ticks;
};

// Reads the first `count` items; false when the shell went away meanwhile,
// since what it answered on its way out can't be trusted.
bool ReadAllItems(DesktopSession& session, int32_t count, std::vector<DesktopItem>& items);

class LayoutStore {
public:
    // `registryRoot` is the program's key under the current user's hive; the
    // tests under Wine give a scratch key of their own.
    explicit LayoutStore(const LayoutStorePorts& ports, std::wstring registryRoot = L"Software\\Orbilux");

    std::wstring headerKeyPath() const;
    const std::wstring& registryRoot() const { return root_; }
    const LayoutStorePorts& ports() const { return ports_; }
    std::wstring iconKeyPath(const std::wstring& id) const;
    // Where each screen size's automatic layout id is recorded
    // (automatic_layouts.h).
    std::wstring automaticKeyPath() const;

    // A fresh id of 8 decimal digits (layout_id.h).
    std::wstring NewLayoutId();
    // A new id by the same rule that neither a header nor an icon key uses
    // yet (a clock that hasn't moved gives the same seed twice, so later
    // tries add the try's number to it); empty when none of 100 was free.
    std::wstring NewFreeLayoutId();

    // Saves the current desktop under the id, replacing what was there. Every
    // item's text and position is read first; only when all reads succeeded
    // and the shell is still there are the icon key and the header rewritten,
    // so a failed save leaves the layout stored under that id untouched.
    // Status RegistryFailed when the icon key couldn't be created or the
    // header or an icon value couldn't be written (the rest is still written).
    // Icons whose value names collide are counted in iconsSharingAName.
    LayoutOutcome SaveLayout(const std::wstring& id, const std::wstring& description);

    // The writing half of SaveLayout, for items already read: rewrites the
    // icon key and the header (icon count = the number of items).
    LayoutOutcome WriteLayout(const std::wstring& id, const std::wstring& description,
                              const std::vector<DesktopItem>& items);
    // The reading half: every desktop item's text and position. Without
    // `tellUserWhenMissing` a missing list view is only reported as
    // NoDesktop: no message, no quit. DesktopChanged when the shell went
    // away meanwhile.
    LayoutStatus ReadDesktopItems(std::vector<DesktopItem>& items, bool tellUserWhenMissing);

    // The header key's value names in the registry's enumeration order;
    // empty when the key can't be opened.
    std::vector<std::wstring> ListLayoutIds();

    // Whether the header key can be opened for writing (it is created when
    // missing): nothing can be saved, replaced or deleted otherwise.
    bool HeaderKeyUsable();
    // Whether the header key holds a header named id.
    bool HasLayoutHeader(const std::wstring& id);

    // Fills `info` from the header named id and returns true; returns false
    // and leaves `info` untouched when the header key or the value is missing
    // (or the id is empty). A value that is not text gives the
    // "Not_loaded_properly" record.
    bool ReadLayoutInfo(const std::wstring& id, LayoutInfo& info);

    // The layout with the latest savedAt (strictly later than 0; on equal
    // dates the one listed first), leaving out the automatic layouts and
    // the undo snapshot ("Before the last change"): the
    // program rewrites those by itself, so "the newest" would otherwise be
    // whatever the icons looked like a few minutes ago rather than the
    // layout the user saved last. Returns false with `newest.id` empty and
    // its other fields untouched when there is none.
    bool FindNewestLayout(LayoutInfo& newest);

    // Puts every desktop item whose saved position can be found (by name,
    // see layout_matching.h) back there; other items keep their places.
    // The moves go through MoveIcons, with auto-arrange off until the last
    // move and painting off for all of them (both put back when a move
    // throws, too).
    LayoutOutcome RestoreLayout(const std::wstring& id);

    // Removes the header and the icon key. Done when anything was removed.
    LayoutOutcome DeleteLayout(const std::wstring& id);

    // Replaces the header's description, keeping every other character.
    LayoutOutcome SetLayoutDescription(const std::wstring& id, const std::wstring& description);

private:
    // Opens a desktop session, or says why there is none (showing the
    // message and requesting the quit when the list view is missing).
    std::unique_ptr<DesktopSession> openDesktop(LayoutStatus& status);
    bool readInfo(RegistryKey& headerKey, const std::wstring& id, const LocaleSettings& locale, LayoutInfo& info);

    LayoutStorePorts ports_;
    std::wstring root_;
};

}  // namespace orbilux
