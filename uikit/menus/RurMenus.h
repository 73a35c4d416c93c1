#pragma once
// The kit's owner-drawn menus, all of them: appearance classes and styler, the main and pop-up
// menus, the engine that measures and draws their items, and the unit's start-up work.
#include "RurMenuUtil.h"
#include "RurMenus_Appearances.h"
#include "RurMenus_Components.h"
#include "RurMenus_Engine.h"
#include "RurMenus_Startup.h"
#include "RurMenus_Styler.h"
