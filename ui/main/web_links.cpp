#include "ui/main/web_links.h"

namespace orbilux::ui {

namespace {

std::wstring Tagged(const std::wstring& page, const std::wstring& sourceTag) {
    return page + L"?source=" + sourceTag;
}

}  // namespace

std::wstring HelpPageAddress(const WebSite& site, const std::wstring& sourceTag) {
    return Tagged(site.home + L"/orbilux/help.html", sourceTag);
}

std::wstring HomePageAddress(const WebSite& site, const std::wstring& sourceTag) {
    return Tagged(site.home + L"/", sourceTag);
}

std::wstring SupportMailAddress(const WebSite& site) {
    return L"mailto:" + site.supportMail;
}

}  // namespace orbilux::ui
