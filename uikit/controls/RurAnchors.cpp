#include "RurAnchors.h"

#include <windows.h>

#include <shellapi.h>

#include "WideText.h"

namespace {

TAnchorOpener Opener;

} // namespace

bool OpenShellAnchor(const String& AAnchor)
{
    if (AAnchor.find(u"://") == String::npos && AAnchor.find(u"mailto:") == String::npos)
        return false;
    if (Opener)
        Opener(AAnchor);
    else
        ShellExecuteW(nullptr, L"open", WidePtr(AAnchor), nullptr, nullptr, SW_SHOWNORMAL);
    return true;
}

TAnchorOpener SetAnchorOpener(TAnchorOpener AOpener)
{
    TAnchorOpener previous = std::move(Opener);
    Opener = std::move(AOpener);
    return previous;
}
