#include "Mask.h"

#include <algorithm>

#include "Clipbrd.h"

TAVIN_PUBLISHED(TMaskEdit)
{
    TAVIN_PROPERTY(String, EditMask);
    TAVIN_PROPERTY(String, Text);
    TAVIN_PROPERTY(bool, ReadOnly).Default(false);
    TAVIN_PROPERTY(int, MaxLength).Default(0);
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taLeftJustify);
    TAVIN_PROPERTY(TBorderStyle, BorderStyle).Default(bsSingle);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void MaskUnitInitialize() { RegisterClasses({TMaskEdit::StaticClass()}); }

void TCustomMaskEdit::SetEditMask(const String& value)
{
    const String kept = Text();
    FEditMask = value;
    FMask = TEditMask(value);
    SetMaxLength(FMask.Length());
    SetText(kept);
}

String TCustomMaskEdit::Text() const
{
    return IsMasked() ? FMask.ValueOf(EditText()) : EditText();
}

void TCustomMaskEdit::SetText(const String& value)
{
    SetEditText(IsMasked() ? FMask.EditTextOf(value) : value);
}

String TCustomMaskEdit::PaddedEditText() const
{
    String text = EditText();
    text.resize(static_cast<size_t>(FMask.Length()), FMask.Blank());
    return text;
}

void TCustomMaskEdit::SetCaret(int position)
{
    if (FHandle)
        SendMessageW(FHandle, EM_SETSEL, static_cast<WPARAM>(position), position);
}

void TCustomMaskEdit::TypeChar(Char c)
{
    const int position = FMask.NextInput(SelStart());
    const Char taken = FMask.Accept(position, c);
    if (!taken) {
        MessageBeep(0);
        return;
    }
    String text = PaddedEditText();
    text[static_cast<size_t>(position)] = taken;
    SetEditText(text);
    SetCaret(FMask.NextInput(position + 1));
}

void TCustomMaskEdit::BlankRange(int from, int to)
{
    String text = PaddedEditText();
    for (int p = std::max(from, 0); p < std::min(to, FMask.Length()); ++p)
        if (!FMask.IsLiteral(p))
            text[static_cast<size_t>(p)] = FMask.Blank();
    SetEditText(text);
    SetCaret(from);
}

bool TCustomMaskEdit::EditsThroughMask() const
{
    return IsMasked() && !ReadOnly() && FHandle;
}

void TCustomMaskEdit::KeyDown(Word& key, TShiftState shift)
{
    TCustomEdit::KeyDown(key, shift);
    if (key == VK_DELETE && EditsThroughMask()) {
        const int start = SelStart();
        BlankRange(start, start + std::max(SelLength(), 1));
        key = 0;
    }
}

void TCustomMaskEdit::KeyPress(Char& key)
{
    TCustomEdit::KeyPress(key);
    if (!EditsThroughMask() || (key < u' ' && key != VK_BACK))
        return; // other control characters (copy, select all) go to the edit
    const int start = SelStart(), length = SelLength();
    if (key == VK_BACK && length > 0) {
        BlankRange(start, start + length);
    } else if (key == VK_BACK) {
        // Back over the literals to the input position before the caret.
        int p = start - 1;
        while (p > 0 && FMask.IsLiteral(p))
            --p;
        if (p >= 0)
            BlankRange(p, p + 1);
    } else {
        TypeChar(key);
    }
    key = 0;
}

void TCustomMaskEdit::WndProc(TMessage& message)
{
    if (EditsThroughMask()) {
        switch (message.Msg) {
        case WM_PASTE:
            for (Char c : Clipboard()->AsText())
                TypeChar(c);
            return;
        case WM_CUT:
            SendMessageW(FHandle, WM_COPY, 0, 0);
            [[fallthrough]];
        case WM_CLEAR:
            BlankRange(SelStart(), SelStart() + SelLength());
            return;
        default:
            break;
        }
    }
    TCustomEdit::WndProc(message);
}
