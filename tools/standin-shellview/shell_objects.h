// The objects of standin-shellview.dll, each made with its creator's link to
// the stand-in and handed out as the interface asked for. The chain a
// program walks: ShellWindows::FindWindowSW -> the browser (IDispatch,
// IServiceProvider, IShellBrowser) -> QueryActiveShellView -> the folder
// view (IShellView, IFolderView2) -> GetFolder -> the desktop folder
// (IShellFolder).
#pragma once

#include <windows.h>

#include <memory>

#include "tools/standin-shellview/stand_in_link.h"

namespace orbilux::shellview {

using Link = std::shared_ptr<const StandInLink>;

HRESULT NewShellWindows(REFIID riid, void** ppv);
HRESULT NewBrowser(Link link, REFIID riid, void** ppv);
HRESULT NewFolderView(Link link, REFIID riid, void** ppv);
HRESULT NewDesktopFolder(Link link, REFIID riid, void** ppv);

}  // namespace orbilux::shellview
