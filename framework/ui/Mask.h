#pragma once
// The masked edit: the system's edit control showing a fixed pattern of literals and input
// positions (MaskUtils.h). Typing overwrites the position at the caret with what the position
// accepts; Backspace and Delete blank positions; pasted text is typed character by character.
#include "MaskUtils.h"
#include "StdCtrls.h"

class TCustomMaskEdit : public TCustomEdit {
    TAVIN_CLASS(TCustomMaskEdit, TCustomEdit)
public:
    explicit TCustomMaskEdit(TComponent* owner);

    const String& EditMask() const { return FEditMask; }
    // Keeps the value: it is shown again through the new mask.
    void SetEditMask(const String& value);
    bool IsMasked() const { return !FMask.IsEmpty(); }
    // What the edit shows, literals and blanks included.
    String EditText() const { return GetText(); }
    void SetEditText(const String& value) { TControl::SetText(value); }
    // The value: through the mask when there is one (see TEditMask::ValueOf and EditTextOf).
    String Text() const;
    void SetText(const String& value);

    void WndProc(TMessage& message) override;

protected:
    // Typing, Backspace and Delete go through the mask after the key events have run.
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(Char& key) override;

private:
    bool EditsThroughMask() const;
    // The shown text with every position present.
    String PaddedEditText() const;
    void TypeChar(Char c);
    // Blanks the input positions in [from, to) and puts the caret at from.
    void BlankRange(int from, int to);
    void SetCaret(int position);

    String FEditMask;
    TEditMask FMask{String()};
};

class TMaskEdit : public TCustomMaskEdit {
    TAVIN_PUBLISHED_CLASS(TMaskEdit, TCustomMaskEdit)
public:
    using TCustomMaskEdit::TCustomMaskEdit;
};

void MaskUnitInitialize();
inline constexpr TUnitStep MaskUnit{"Mask", &MaskUnitInitialize, nullptr};
