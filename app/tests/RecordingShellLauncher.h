#pragma once
// Puts a recorder in place of the shell for its lifetime.
#include <vector>

#include "ShellLauncher.h"

class TRecordingShellLauncher {
public:
    TRecordingShellLauncher()
        : FPrevious(SetShellLauncher([this](const TShellRequest& request) { Requests.push_back(request); }))
    {
    }
    ~TRecordingShellLauncher() { SetShellLauncher(std::move(FPrevious)); }
    TRecordingShellLauncher(const TRecordingShellLauncher&) = delete;
    TRecordingShellLauncher& operator=(const TRecordingShellLauncher&) = delete;

    std::vector<TShellRequest> Requests;

private:
    TShellLauncher FPrevious;
};
