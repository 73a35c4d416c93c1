#pragma once
// Style engine: the registry of style-hook classes per control class, the style-hook base class
// and the style manager.
#include <functional>
#include <memory>

#include "SysUtils.h"
#include "TypInfo.h"

class TWinControl;
class TCanvas;
struct TMessage;

TAVIN_EXCEPTION(EStyleEngineException, Exception);

class TStyleHook;

// A style-hook class reference: the hook's class information and how to make one for a control.
struct TStyleHookMeta {
    TClass ClassInfo;
    std::unique_ptr<TStyleHook> (*Create)(TWinControl* control);
};
using TStyleHookClass = const TStyleHookMeta*;

// The class reference of hook class H (constructible from the hooked control).
template <class H>
TStyleHookClass StyleHookClassOf()
{
    static const TStyleHookMeta meta{H::StaticClass(),
                                     [](TWinControl* control) -> std::unique_ptr<TStyleHook> {
                                         return std::make_unique<H>(control);
                                     }};
    return &meta;
}

// Runs the control's own window procedure for a message (the hook's "default processing").
using TDefaultMessageProc = std::function<void(TMessage&)>;

// Base of the style hooks: under a custom style, a hook sees a control's messages before the
// control does and may paint it in the style's look. The control owns its hook and passes every
// message through HandleMessage.
class TStyleHook : public TObject {
    TAVIN_CLASS(TStyleHook, TObject)
public:
    explicit TStyleHook(TWinControl* control) : FControl(control) {}

    TWinControl* Control() const { return FControl; }
    bool Handled() const { return FHandled; }

    // The engine's entry for one message: when the hook accepts it, clears Handled, runs WndProc
    // (with defaultProc reachable through CallDefaultProc) and answers whether the hook handled
    // it; when false, the control's own window procedure runs afterwards.
    bool HandleMessage(TMessage& message, const TDefaultMessageProc& defaultProc);

    virtual void Invalidate() {}

protected:
    // Whether the hook takes this message at all (a control may keep parts of its own painting).
    virtual bool AcceptMessage(TMessage&) { return true; }
    virtual void WndProc(TMessage&) {}
    virtual void Paint(TCanvas*) {}
    virtual void PaintBackground(TCanvas*) {}
    virtual void PaintNC(TCanvas*) {}
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}

    // Runs the control's own processing of the message now (inside HandleMessage only).
    void CallDefaultProc(TMessage& message);

    TWinControl* FControl;
    bool FHandled = false;
    bool FFocused = false;
    bool FOverridePaint = false;
    bool FOverridePaintNC = false;
    bool FOverrideEraseBkgnd = false;

private:
    const TDefaultMessageProc* FDefaultProc = nullptr;
};

// The registry of style-hook classes per control class. Lookups are by the exact control class:
// a class and its descendant that both want a hook are both registered.
class TCustomStyleEngine {
public:
    // Raises EStyleEngineException when the pair is registered already.
    static void RegisterStyleHook(TClass controlClass, TStyleHookClass hookClass);
    // Removing a pair that is not registered does nothing.
    static void UnRegisterStyleHook(TClass controlClass, TStyleHookClass hookClass);
    // The hook class registered last for exactly this control class; null when there is none.
    static TStyleHookClass FindStyleHook(TClass controlClass);
    // A new hook for the control when a custom style is active and its class has a hook class
    // registered; null otherwise (the system style needs no hooks).
    static std::unique_ptr<TStyleHook> CreateStyleHook(TClass controlClass, TWinControl* control);
};

// The active style. Only the system style exists so far.
class TStyleManager {
public:
    static bool IsCustomStyleActive() { return false; }
};
