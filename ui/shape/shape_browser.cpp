// The shape page's browser: groups and shapes from the Shapes folder, the
// load that reads a shape and lays the icons out on it, the start-up
// selection and the state kept between runs.
#include <algorithm>
#include <climits>
#include <optional>

#include "ui/control_ids.h"
#include "ui/scope_exit.h"
#include "ui/shape/shape_folders.h"
#include "ui/shape/shape_page_presenter.h"
#include "ui/ui_texts.h"

namespace orbilux::ui {

namespace {

constexpr const wchar_t* AllShapes = L"All shapes";
constexpr const wchar_t* DesignCaption = L"Adjust the shape ";

// The first of the paths that names the same file as `path`; -1 when none.
int IndexOfPath(const std::vector<std::wstring>& paths, const std::wstring& path) {
    for (std::size_t i = 0; i < paths.size(); ++i)
        if (SamePathIgnoringCase(paths[i], path)) return int(i);
    return -1;
}

}  // namespace

ShapePagePresenter::ShapePagePresenter(const ShapePagePorts& ports) : ports_(ports) {
    // The window is created with every bar quiet; the start-up selection
    // clears the flags.
    setBarsQuiet(true);
    for (const ShapeBar b : {ShapeBar::Width, ShapeBar::Height, ShapeBar::Gap}) {
        ScrollBarModel& model = mutableBar(b);
        model.onChange([this] { PlaceCurrentShape(); });
        model.onStateChanged([this, b] { ports_.view.showBar(b, bar(b).state()); });
        ports_.view.showBar(b, model.state());
    }
    ports_.view.setCaption(DesignCaption);
    ports_.view.setCaptionEnabled(false);
    ports_.view.setAdjustButtonsEnabled(false);
    ports_.view.setHint(GapBar, texts::GapBarHint);
    ports_.view.setHint(FitButton, texts::FitButtonHint);
}

const ScrollBarModel& ShapePagePresenter::bar(ShapeBar which) const {
    switch (which) {
        case ShapeBar::Width:
            return width_;
        case ShapeBar::Height:
            return height_;
        default:
            return gap_;
    }
}

ScrollBarModel& ShapePagePresenter::mutableBar(ShapeBar which) {
    return const_cast<ScrollBarModel&>(static_cast<const ShapePagePresenter*>(this)->bar(which));
}

void ShapePagePresenter::setBarsQuiet(bool quiet) {
    for (ScrollBarModel* b : {&width_, &height_, &gap_}) b->quiet = quiet;
}

void ShapePagePresenter::setSizeBarsQuietly(int32_t widthPosition, int32_t heightPosition) {
    height_.quiet = width_.quiet = true;
    height_.setPosition(heightPosition);
    width_.setPosition(widthPosition);
    height_.quiet = width_.quiet = false;
}

bool ShapePagePresenter::arrangeInFrame(int32_t& gap, bool reload, bool moveIcons) {
    // A failed desktop action tells the user in a message box; the held
    // button's timer ticks on inside its modal loop, where the user's release
    // never reaches the button. Those ticks start nothing, and the button is
    // let go of at once, so the program can end as the quit request asks.
    if (arranging_ || ports_.notifier.quitRequested()) {
        releaseHeldButton();
        return false;
    }
    // A failed action lets go of the button too: each tick would try again.
    arranging_ = true;
    try {
        const Area a = area();
        ports_.engine.ArrangeShape(shapePath_, width_.max() - width_.position(), height_.max() - height_.position(),
                                   gap, a.width, a.availableHeight, sdx_, sdy_, reload, moveIcons);
    } catch (...) {
        arranging_ = false;
        releaseHeldButton();
        throw;
    }
    arranging_ = false;
    if (ports_.notifier.quitRequested()) releaseHeldButton();
    return true;
}

ShapePagePresenter::Area ShapePagePresenter::area() {
    const Rect work = ports_.screen.workArea();
    return {work.width(), work.height(), work.height() - ports_.screen.taskbarAllowance()};
}

std::wstring ShapePagePresenter::shapesRoot() {
    return ports_.settings.programFolder() + L"Shapes";
}

void ShapePagePresenter::resetOffsets() {
    sdx_ = 0;
    sdy_ = 0;
}

void ShapePagePresenter::setSizeBarRanges() {
    const Area a = area();
    height_.setMax(a.height + a.height / 3);
    width_.setMax(a.width + a.width / 3);
}

void ShapePagePresenter::startUpSelection(const SettingsFile& file, bool loadLastShape) {
    if (!(file.hasShapeState() && loadLastShape)) {
        ResetShapeFrame();
        return;
    }
    setBarsQuiet(true);
    // The flags are cleared even when the remembered shape can't be read:
    // otherwise the bars would move no icon for the rest of the run.
    ScopeExit clearFlags([this] { setBarsQuiet(false); });
    width_.setPosition(file.read(keys::ShapeWidth));
    height_.setPosition(file.read(keys::ShapeHeight));
    sdx_ = file.read(keys::ShapeDx);
    sdy_ = file.read(keys::ShapeDy);
    // The gap bar still has its design range here.
    gap_.setPosition(file.read(keys::ShapeGap));
    SelectShapeByPath(file.read(keys::ShapePath));
}

ShapeState ShapePagePresenter::stateToSave() {
    return {shapePath_, width_.position(), height_.position(), gap_.position(), sdx_, sdy_};
}

void ShapePagePresenter::pageShown() {
    LayoutInfo newest;
    ports_.commands.setEnabled(RestoreDTIPos, ports_.layouts.FindNewestLayout(newest));
}

void ShapePagePresenter::FillShapeGroups() {
    groupFolders_ = ScanGroupFolders(ports_.files, shapesRoot());
    groupItems_.assign(1, AllShapes);
    for (const std::wstring& folder : groupFolders_) groupItems_.push_back(LastPathComponent(folder));
    selectedGroup_ = -1;
    ports_.view.setGroups(groupItems_);
}

std::wstring ShapePagePresenter::selectedGroupText() const {
    return selectedGroup_ >= 0 && std::size_t(selectedGroup_) < groupItems_.size()
               ? groupItems_[std::size_t(selectedGroup_)]
               : std::wstring();
}

void ShapePagePresenter::FillShapesList() {
    shapePaths_.clear();
    if (selectedGroup_ == 0) {
        for (const std::wstring& folder : groupFolders_) {
            const std::vector<std::wstring> block = ListShapeFiles(ports_.files, folder);
            shapePaths_.insert(shapePaths_.end(), block.begin(), block.end());
        }
    } else if (selectedGroup_ > 0 && std::size_t(selectedGroup_) <= groupFolders_.size()) {
        shapePaths_ = ListShapeFiles(ports_.files, groupFolders_[std::size_t(selectedGroup_ - 1)]);
    }
    shapeLines_.clear();
    for (const std::wstring& path : shapePaths_) shapeLines_.push_back(ShapeListLine(path));
    ports_.view.setShapeLines(shapeLines_);
    ports_.window.setTitle(L"Orbilux - " + std::to_wstring(shapePaths_.size()) + L" shapes in " + selectedGroupText());
}

void ShapePagePresenter::enableControls(bool enabled) {
    captionEnabled_ = enabled;
    ports_.view.setCaptionEnabled(enabled);
    height_.setEnabled(enabled);
    width_.setEnabled(enabled);
    gap_.setEnabled(enabled);
    adjustButtonsEnabled_ = height_.enabled();
    ports_.view.setAdjustButtonsEnabled(adjustButtonsEnabled_);
}

void ShapePagePresenter::setCaption(const std::wstring& caption) {
    ports_.view.setCaption(caption);
}

void ShapePagePresenter::ShapeGroupsChange(int index) {
    selectedGroup_ = index;
    FillShapesList();
    // Until a shape has been loaded the controls keep their design states.
    if (!captionEnabled_) return;
    enableControls(!shapePaths_.empty());
    currentShapeIndex_ = -1;
}

void ShapePagePresenter::ShapesListClick(int index) {
    currentShapeIndex_ = index;
    LoadAndSetAExecute();
    if (!shapePaths_.empty()) setCaption(L"Adjust Shape ( " + shapeLines_.at(std::size_t(currentShapeIndex_)) + L" )");
}

void ShapePagePresenter::LoadAndSetAExecute() {
    if (currentShapeIndex_ < 0) currentShapeIndex_ = 0;
    enableControls(!shapeLines_.empty());
    if (shapePaths_.empty()) return;
    shapePath_ = shapePaths_.at(std::size_t(currentShapeIndex_));
    const bool moveIcons = loadMode_ != LoadMode::NoMove;
    std::optional<ScopedIconAction> action;
    if (moveIcons) action.emplace(ports_.actions, IconActionKind::ShapeLoad);
    ports_.engine.ReleaseShape();

    gap_.quiet = true;
    // A load that stops at a failed read leaves the gap bar working.
    ScopeExit clearFlag([this] { gap_.quiet = false; });
    int32_t gap = loadMode_ == LoadMode::RestoreGap ? gap_.position() : 0;
    gap_.setPosition(0);
    gap_.setMin(0);
    if (!arrangeInFrame(gap, true, moveIcons)) return;
    // The user may raise the gap to one and a half times the loaded one and
    // lower it to the engine's minimum; a minimum above that makes the range
    // a single value, so the bar still works.
    // (In 64 bits: a suggestion near the top of the range must not wrap.)
    gap_.setMax(static_cast<int32_t>(std::min<int64_t>(int64_t(gap) + gap / 2, INT32_MAX)));
    gap_.setMin(ports_.engine.MinIconsPerPath());
    gap_.setPosition(gap);
    ports_.window.setTitle(L"Orbilux - '" + shapeLines_.at(std::size_t(currentShapeIndex_)) + L"' shape from " +
                           selectedGroupText());
    loadMode_ = LoadMode::Normal;
}

void ShapePagePresenter::PlaceCurrentShape() {
    int32_t gap = gap_.position();  // the engine changes it only when it reads the file
    arrangeInFrame(gap, false, true);
}

void ShapePagePresenter::SelectShapeByPath(const std::wstring& path) {
    FillShapeGroups();
    const int group = IndexOfPath(groupFolders_, FolderOf(path));
    if (group < 0) return;
    ports_.view.selectGroup(group + 1);
    ShapeGroupsChange(group + 1);
    if (shapePaths_.empty()) return;
    const int found = IndexOfPath(shapePaths_, path);
    if (found < 0) return;
    currentShapeIndex_ = found;
    setCaption(L"Adjust shape ( " + shapeLines_[std::size_t(found)] + L" )");
    ports_.view.selectShapeLine(found);
    loadMode_ = LoadMode::RestoreGap;
    LoadAndSetAExecute();
}

void ShapePagePresenter::ResetShapeFrame() {
    const Area a = area();
    setSizeBarsQuietly(width_.max() - a.width + a.width / 5, height_.max() - a.height + a.height / 5);
    FillShapeGroups();
    ports_.view.selectGroup(0);
    ShapeGroupsChange(0);
    // The first pick lays the shape out without moving an icon.
    loadMode_ = LoadMode::NoMove;
}

}  // namespace orbilux::ui
