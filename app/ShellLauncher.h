#pragma once
// The seam through which the tool asks the shell to open a folder or a web page; tests put a
// recorder in place of the shell.
#include <windows.h>

#include <functional>

#include "System.h"

// One ShellExecuteW call; an empty text is passed as no text (null).
struct TShellRequest {
    HWND Owner = nullptr;
    String Verb;
    String File;
    String Parameters;
    String Directory;
    int ShowCommand = SW_SHOWNORMAL;
};

using TShellLauncher = std::function<void(const TShellRequest&)>;

// Hands the request to the current launcher; the shell's result is ignored, as no caller acts on it.
void LaunchShell(const TShellRequest& request);

// Replaces the launcher and answers the previous one; an empty launcher restores the shell.
TShellLauncher SetShellLauncher(TShellLauncher launcher);
