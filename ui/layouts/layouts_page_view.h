// What the layout manager tells its controls: the rows of the layouts list,
// the description box, and the two saved-layouts submenus.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/main/page_seams.h"

namespace orbilux::ui {

// One row of the list: the date text, the description, "1280x1024", the
// icon count; and the layout's id, which no column shows.
struct LayoutRow {
    std::wstring dateText;
    std::wstring description;
    std::wstring resolution;
    std::wstring icons;
    std::wstring id;
    bool operator==(const LayoutRow& other) const {
        return dateText == other.dateText && description == other.description && resolution == other.resolution &&
               icons == other.icons && id == other.id;
    }
};

class LayoutsPageView {
public:
    virtual ~LayoutsPageView() = default;
    virtual void setRows(const std::vector<LayoutRow>& rows) = 0;
    virtual void removeRow(int index) = 0;
    virtual std::optional<int> selectedRow() = 0;
    virtual std::wstring descriptionText() = 0;
    virtual void setDescriptionText(const std::wstring& text) = 0;
    virtual void setDescriptionEnabled(bool enabled) = 0;
};

class SavedLayoutsMenuView {
public:
    virtual ~SavedLayoutsMenuView() = default;
    virtual void clearSavedLayouts(SavedLayoutsMenu menu) = 0;
    // The disabled "Saved layouts: " item and a disabled separator.
    virtual void addSavedLayoutsHeading(SavedLayoutsMenu menu) = 0;
    // An item that arrives as command `itemId` when chosen.
    virtual void addSavedLayout(SavedLayoutsMenu menu, uint16_t itemId, const std::wstring& caption) = 0;
};

// The standard question box ("Confirm", a question icon, "&Yes" and "&No").
class Confirmer {
public:
    virtual ~Confirmer() = default;
    virtual bool confirm(const std::wstring& question) = 0;
};

// The description dialog: the typed text (maybe empty) after "Ok", nothing
// after "Cancel" or the close box.
class DescriptionAsker {
public:
    virtual ~DescriptionAsker() = default;
    virtual std::optional<std::wstring> askDescription() = 0;
};

}  // namespace orbilux::ui
