#pragma once
// The kit's rich edit, whose text colour follows the style, and its style hook: the scrolling
// hook with the style's edit colours forced onto the background and the character formats.
#include "ComCtrls.h"
#include "scScrollingStyleHook.h"

class TscRichEdit : public TCustomRichEdit {
    TAVIN_PUBLISHED_CLASS(TscRichEdit, TCustomRichEdit)
public:
    explicit TscRichEdit(TComponent* owner);
    // Whether the background and the text take the active style's colours.
    bool StyleColors() const { return FStyleColors; }
    void SetStyleColors(bool value) { FStyleColors = value; }
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool FStyleColors = true;
};

class TscRichEditStyleHook : public TscScrollingStyleHook {
    TAVIN_CLASS(TscRichEditStyleHook, TscScrollingStyleHook)
public:
    using TscScrollingStyleHook::TscScrollingStyleHook;

protected:
    void WndProc(TMessage& message) override;

private:
    bool UseStyleColors() const;
};
