#pragma once
// What the shape and the Office radio button do with an anchor of their caption: one that
// contains "://" or "mailto:" is opened by the shell with the verb "open"; the caller raises its
// anchor event for any other.
#include <functional>

#include "System.h"

// True when the anchor was handed to the shell.
bool OpenShellAnchor(const String& AAnchor);

// Tests put a recorder in place of the shell; an empty opener restores it. Answers the previous one.
using TAnchorOpener = std::function<void(const String&)>;
TAnchorOpener SetAnchorOpener(TAnchorOpener AOpener);
