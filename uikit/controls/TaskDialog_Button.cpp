// The dialog form's command link and expander: pictures per state, a heading line with note lines
// below it, and a thin rounded border that follows hover, press and focus.
#include "TaskDialog_Form.h"

TAVIN_PUBLISHED(TTaskDialogButton)
{
    TAVIN_PROPERTY(TAnchors, Anchors);
    TAVIN_PROPERTY(TColor, BackColor);
    TAVIN_PROPERTY(TColor, BorderColor);
    TAVIN_PROPERTY(TColor, BorderColorHot);
    TAVIN_PROPERTY(TColor, BorderColorDown);
    TAVIN_PROPERTY(TSizeConstraints*, Constraints);
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(TFont*, HeadingFont);
    TAVIN_PROPERTY(int, ModalResult).Default(0);
    TAVIN_PROPERTY(bool, MultiLine).Default(true);
    TAVIN_PROPERTY(TBitmap*, Picture);
    TAVIN_PROPERTY(TBitmap*, PictureHot);
    TAVIN_PROPERTY(TBitmap*, PictureDown);
    TAVIN_PROPERTY(TBitmap*, PictureDisabled);
    TAVIN_PROPERTY(bool, Visible).Default(true);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(TNotifyEvent, OnDblClick);
    TAVIN_PROPERTY(TMouseEvent, OnMouseDown);
    TAVIN_PROPERTY(TMouseMoveEvent, OnMouseMove);
    TAVIN_PROPERTY(TMouseEvent, OnMouseUp);
    TAVIN_PROPERTY(TNotifyEvent, OnMouseEnter);
    TAVIN_PROPERTY(TNotifyEvent, OnMouseLeave);
}

TTaskDialogButton::TTaskDialogButton(TComponent* owner)
    : TCustomControl(owner), FPicture(std::make_unique<TBitmap>()), FPictureDisabled(std::make_unique<TBitmap>()),
      FPictureDown(std::make_unique<TBitmap>()), FPictureHot(std::make_unique<TBitmap>()),
      FHeadingFont(std::make_unique<TFont>())
{
    FPicture->SetOnChange(MakeHandler<&TTaskDialogButton::PictureChanged>(this));
    FPictureDisabled->SetOnChange(MakeHandler<&TTaskDialogButton::PictureChanged>(this));
    SetBounds(0, 0, 22, 23);
    SetShowHint(false);
}

TTaskDialogButton::~TTaskDialogButton() = default;

void TTaskDialogButton::PictureChanged(TObject*) { Invalidate(); }

void TTaskDialogButton::SetPicture(TBitmap* value) { FPicture->Assign(value); }

void TTaskDialogButton::SetPictureDisabled(TBitmap* value) { FPictureDisabled->Assign(value); }

void TTaskDialogButton::SetBackColor(TColor value)
{
    FBackColor = value;
    Invalidate();
}

void TTaskDialogButton::SetMultiLine(bool value)
{
    FMultiLine = value;
    Invalidate();
}

void TTaskDialogButton::LoadPictures(const String& normal, const String& hot, const String& down,
                                     const String& disabled)
{
    const std::pair<TBitmap*, const String*> pictures[] = {
        {FPicture.get(), &normal}, {FPictureHot.get(), &hot}, {FPictureDown.get(), &down},
        {FPictureDisabled.get(), &disabled}};
    for (auto [bitmap, name] : pictures) {
        if (name->empty())
            bitmap->SetSize(0, 0);
        else
            LoadDialogBitmap(*bitmap, *name);
    }
    Invalidate();
}

void TTaskDialogButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
        FMouseInControl = true;
        if (FAutoFocus && CanFocus())
            SetFocus();
        Invalidate();
        break;
    case CM_MOUSELEAVE:
        FMouseInControl = false;
        Invalidate();
        break;
    case CM_ENTER:
    case CM_EXIT:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

void TTaskDialogButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button == mbLeft) {
        FMouseDown = true;
        Invalidate();
    }
}

void TTaskDialogButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    FMouseDown = false;
    Invalidate();
}

void TTaskDialogButton::KeyPress(Char& key)
{
    TCustomControl::KeyPress(key);
    if (key == u' ' || key == u'\r')
        Click();
}

void TTaskDialogButton::Click()
{
    if (TCustomForm* form = GetParentForm(); form && FModalResult != 0)
        form->SetModalResult(FModalResult);
    TCustomControl::Click();
}

void TTaskDialogButton::Paint()
{
    TCanvas& canvas = *Canvas();
    const TRect r = ClientRect();
    if (FBackColor != clNone) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(FBackColor);
        canvas.Pen()->SetColor(FBackColor);
        canvas.Rectangle(r);
    }
    TColor border = clNone;
    if (FMouseDown)
        border = FBorderColorDown;
    else if (FMouseInControl)
        border = FBorderColorHot;
    if (!Enabled())
        border = clNone;
    if (Focused())
        border = FBorderColorDown;

    TBitmap* picture = FPicture.get();
    if (FMouseDown && !FPictureDown->Empty())
        picture = FPictureDown.get();
    else if (FMouseInControl && !FPictureHot->Empty())
        picture = FPictureHot.get();
    if (!Enabled() && !FPictureDisabled->Empty())
        picture = FPictureDisabled.get();
    const String caption = Caption();
    int textLeft;
    if (picture->Empty()) {
        textLeft = 2;
    } else {
        const int x = caption.empty() ? (r.Width() - picture->Width()) / 2 : 4;
        canvas.Draw(x, (r.Height() - picture->Height()) / 2, picture);
        textLeft = picture->Width() + x + 3;
    }

    if (!caption.empty()) {
        canvas.Brush()->SetStyle(bsClear);
        const UINT reading = UseRightToLeftReading() ? DT_RTLREADING : 0;
        auto drawLine = [&](const String& text, TFont* font, int top) {
            canvas.Font()->Assign(font);
            RECT line{textLeft, top, r.Right, r.Bottom};
            DrawTextW(TextDrawingHandle(canvas), WidePtr(text), static_cast<int>(text.size()), &line,
                      DT_SINGLELINE | reading);
        };
        if (FMultiLine && (caption.find(u'\r') != String::npos || HasEscapedNewLine(caption))) {
            TStringList lines;
            SplitLines(caption, &lines);
            int height, width;
            MeasureCommandLinkText(canvas, caption, FHeadingFont.get(), true, true, height, width, reading, Font());
            int top = (r.Height() - height) / 2 + 2;
            for (int i = 0; i < lines.Count(); ++i) {
                TFont* font = i == 0 ? FHeadingFont.get() : Font();
                drawLine(lines.Strings(i), font, top);
                canvas.Font()->Assign(font);
                top += canvas.TextHeight(u"gh") + (i == 0 ? 4 : 2);
            }
        } else {
            canvas.Font()->Assign(FHeadingFont.get());
            RECT line{textLeft, r.Top, r.Right, r.Bottom};
            DrawTextW(TextDrawingHandle(canvas), WidePtr(caption), static_cast<int>(caption.size()), &line,
                      DT_SINGLELINE | DT_VCENTER | reading);
        }
    }

    if (border != clNone) {
        canvas.Brush()->SetStyle(bsClear);
        canvas.Pen()->SetColor(border);
        canvas.RoundRect(r, 2, 2);
    }
}
