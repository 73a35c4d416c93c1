// The style-hook registry and the hook base's message entry.
#include <algorithm>
#include <utility>
#include <vector>

#include "Controls.h"
#include "Themes.h"

namespace {

// In registration order; registrations are few, so a plain list serves.
std::vector<TStyleHookRegistration>& Registrations()
{
    static std::vector<TStyleHookRegistration> registrations;
    return registrations;
}

} // namespace

bool TStyleHook::HandleMessage(TMessage& message, const TDefaultMessageProc& defaultProc)
{
    if (!AcceptMessage(message))
        return false;
    FHandled = false;
    if (!StyleServices()->Available())
        return false;
    const TDefaultMessageProc* outer = std::exchange(FDefaultProc, &defaultProc);
    struct TRestore {
        const TDefaultMessageProc*& Slot;
        const TDefaultMessageProc* Value;
        ~TRestore() { Slot = Value; }
    } restore{FDefaultProc, outer};
    WndProc(message);
    return FHandled;
}

void TStyleHook::CallDefaultProc(TMessage& message)
{
    if (!FDefaultProc)
        throw EStyleEngineException(u"CallDefaultProc outside the hook's message handling");
    (*FDefaultProc)(message);
}

void TCustomStyleEngine::RegisterStyleHook(TClass controlClass, TStyleHookClass hookClass)
{
    auto& list = Registrations();
    TStyleHookRegistration pair{controlClass, hookClass};
    if (std::ranges::find(list, pair) != list.end())
        throw EStyleEngineException(u"Style hook class '" + hookClass->ClassInfo->ClassName() +
                                    u"' is already registered for '" + controlClass->ClassName() + u"'");
    list.push_back(pair);
}

void TCustomStyleEngine::UnRegisterStyleHook(TClass controlClass, TStyleHookClass hookClass)
{
    std::erase(Registrations(), TStyleHookRegistration{controlClass, hookClass});
}

TStyleHookClass TCustomStyleEngine::FindStyleHook(TClass controlClass)
{
    const auto& list = Registrations();
    auto found = std::ranges::find(list.rbegin(), list.rend(), controlClass, &TStyleHookRegistration::ControlClass);
    return found == list.rend() ? nullptr : found->HookClass;
}

std::vector<TStyleHookRegistration> TCustomStyleEngine::RegisteredStyleHooks() { return Registrations(); }

std::unique_ptr<TStyleHook> TCustomStyleEngine::CreateStyleHook(TClass controlClass, TWinControl* control)
{
    if (control ? !control->IsCustomStyleActive() : !TStyleManager::IsCustomStyleActive())
        return nullptr;
    TStyleHookClass hookClass = FindStyleHook(controlClass);
    return hookClass ? hookClass->Create(control) : nullptr;
}
