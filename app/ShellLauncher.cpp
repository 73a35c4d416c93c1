#include "ShellLauncher.h"

#include <shellapi.h>

#include <utility>

#include "WideText.h"

namespace {

TShellLauncher& CurrentLauncher()
{
    static TShellLauncher launcher;
    return launcher;
}

const wchar_t* TextOrNull(const String& text)
{
    return text.empty() ? nullptr : WidePtr(text);
}

} // namespace

void LaunchShell(const TShellRequest& request)
{
    if (CurrentLauncher()) {
        CurrentLauncher()(request);
        return;
    }
    ShellExecuteW(request.Owner, TextOrNull(request.Verb), TextOrNull(request.File), TextOrNull(request.Parameters),
                  TextOrNull(request.Directory), request.ShowCommand);
}

TShellLauncher SetShellLauncher(TShellLauncher launcher)
{
    return std::exchange(CurrentLauncher(), std::move(launcher));
}
