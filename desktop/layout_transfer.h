// Moving a layout between the store and a layout file: export reads a stored
// layout into a LayoutFile, import adds a LayoutFile to the store under a
// fresh id. The registry format stays exactly as the store writes it, so an
// imported layout restores like any other, by the icons' names.
#pragma once

#include <optional>
#include <string>

#include "desktop/layout_file.h"
#include "desktop/layout_matching.h"
#include "desktop/layout_ports.h"
#include "desktop/layout_store.h"

namespace orbilux {

struct LayoutTransferPorts {
    LayoutStore& store;
    RegistryPort& registry;  // the store's registry
    TimeZone& timeZone;
    LocaleSource& locale;
};

// The icons of a stored layout in saved order, each with the text it was
// saved for. A value name is the saving index followed by the text; where it
// can be read more than one way ("11Password": item 1 "1Password" or item 11
// "Password"), an index no other value claims is preferred, and among those
// the highest, since the save wrote in item order and the last writer's
// position is the one kept. Names without a leading index are kept whole,
// after the others.
std::vector<LayoutFileIcon> IconsInSavedOrder(const std::vector<StoredIconPosition>& stored);

struct LayoutExport {
    LayoutStatus status = LayoutStatus::Done;  // InvalidId, NoSuchLayout (no header or no icon key), Done
    LayoutFile layout;
};

// The stored layout as a file. A header that is not text gives the
// "Not_loaded_properly" description, as the list shows it.
LayoutExport ExportLayout(const LayoutTransferPorts& ports, const std::wstring& id);

struct LayoutImport {
    LayoutStatus status = LayoutStatus::Done;  // RegistryFailed or Done
    std::wstring id;                           // the new layout's id, when Done
};

// Adds the file's layout under a fresh id (one no header and no icon key
// uses), with `description` instead of the file's when given. The icon
// values are written first and the header last, so a failed import leaves
// nothing behind that a list would show; whatever was written is removed.
LayoutImport ImportLayout(const LayoutTransferPorts& ports, const LayoutFile& file,
                          const std::optional<std::wstring>& description = std::nullopt);

}  // namespace orbilux
