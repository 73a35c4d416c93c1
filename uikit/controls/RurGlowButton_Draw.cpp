// The glow button's drawing procedure and its GDI+ helpers.
#include "RurGlowButton_Draw.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "Forms.h"
#include "RurGlowButton_GdiText.h"
#include "Streams.h"

using namespace RurGDIP;
using namespace RurGlowButton;

namespace {

constexpr int StringFormatFlagsDirectionRightToLeft = 0x0001;
constexpr int StringFormatFlagsNoWrap = 0x1000;

int Round(double v) { return static_cast<int>(std::lround(v)); }

ARGB Opaque(TColor c) { return ColorToARGB(c); }

TGPRectF RectF(int left, int top, int right, int bottom)
{
    return TGPRectF{float(left), float(top), float(right - left), float(bottom - top)};
}

// One half of the face: filled solid first, then the gradient over it.
void FillGlowHalf(TGPGraphics& g, const TRect& r, TColor color1, TColor color2, TGDIPGradient kind, bool upper)
{
    if (color1 == clNone)
        color1 = color2;
    if (color2 == clNone)
        color2 = color1;
    if (color1 == clNone || r.Width() <= 0 || r.Height() <= 0)
        return;
    const TGPRectF area = RectF(r.Left, r.Top, r.Right, r.Bottom);
    TGPSolidBrush solid(Opaque(upper ? color1 : color2));
    g.FillRectangle(&solid, area);
    if (kind != ggRadial) {
        // The linear modes share the ordinals of vertical, forward and backward diagonal.
        const LinearGradientMode mode = kind == ggVertical          ? LinearGradientModeVertical
                                        : kind == ggDiagonalForward ? LinearGradientModeForwardDiagonal
                                                                    : LinearGradientModeBackwardDiagonal;
        TGPLinearGradientBrush brush(TGPRectF{area.X, area.Y, area.Width, area.Height + 1}, Opaque(color1),
                                     Opaque(color2), mode);
        g.FillRectangle(&brush, area);
        return;
    }
    const float h = float(r.Height());
    const float top = upper ? float(r.Top) - (h / 2 - 2) : float(r.Top);
    TGPGraphicsPath ellipse;
    ellipse.AddEllipse(float(r.Left), top, float(r.Width()), h);
    TGPPathGradientBrush brush(&ellipse);
    brush.SetCenterPoint(TGPPointF{float(r.Left) + float(r.Width()) / 2, upper ? float(r.Top) : float(r.Bottom)});
    brush.SetCenterColor(Opaque(upper ? color2 : color1));
    ARGB surround = Opaque(upper ? color1 : color2);
    int count = 1;
    brush.SetSurroundColors(&surround, count);
    g.FillRectangle(&brush, area);
}

// A closed outline of four lines and four quarter arcs; left, top, right, bottom are the outermost
// pixels.
void AddRoundRect(TGPGraphicsPath& path, int left, int top, int right, int bottom, int radius)
{
    if (radius <= 0) {
        path.AddRectangle(TGPRectF{float(left), float(top), float(right - left), float(bottom - top)});
        return;
    }
    const float d = float(2 * radius);
    path.AddLine(float(left + radius), float(top), float(right - radius), float(top));
    path.AddArc(float(right) - d, float(top), d, d, 270, 90);
    path.AddLine(float(right), float(top + radius), float(right), float(bottom - radius));
    path.AddArc(float(right) - d, float(bottom) - d, d, d, 0, 90);
    path.AddLine(float(right - radius), float(bottom), float(left + radius), float(bottom));
    path.AddArc(float(left), float(bottom) - d, d, d, 90, 90);
    path.AddLine(float(left), float(bottom - radius), float(left), float(top + radius));
    path.AddArc(float(left), float(top), d, d, 180, 90);
    path.CloseFigure();
}

void DrawButtonBorder(TGPGraphics& g, TColor color, int left, int top, int right, int bottom, int radius,
                      bool dotted = false)
{
    TGPGraphicsPath path;
    AddRoundRect(path, left, top, right, bottom, radius);
    TGPPen pen(Opaque(color));
    if (dotted)
        pen.SetDashStyle(DashStyleDot);
    g.DrawPath(&pen, &path);
}

// The colour of an inner edge between joined buttons.
TColor InnerEdgeColor(TColor border, bool emphasised)
{
    return emphasised ? ColorLightness(border, -5) : TColor(0xE6E6E6);
}

// Borders of a button joined to neighbours in a row.
void DrawJoinedBorder(TGPGraphics& g, TButtonPosition position, TColor border, const TRect& r, int radius,
                      bool emphasised, bool rotated)
{
    const int l = r.Left, t = r.Top, rt = r.Right - 1, b = r.Bottom - 1;
    const float d = float(2 * radius);
    const int shorten = GetScenicRibbon() ? 2 : 0;
    TGPPen pen(Opaque(border));
    TGPPen separator(Opaque(ColorLightness(border, -5)));
    TGPPen inner(Opaque(InnerEdgeColor(border, emphasised)));
    const int innerShorten = emphasised ? 0 : 2;
    TGPGraphicsPath path;
    if (position == bpLeft && !rotated) {
        path.AddLine(float(rt), float(b), float(l + radius), float(b));
        path.AddArc(float(l), float(b) - d, d, d, 90, 90);
        path.AddLine(float(l), float(b - radius), float(l), float(t + radius));
        path.AddArc(float(l), float(t), d, d, 180, 90);
        path.AddLine(float(l + radius), float(t), float(rt), float(t));
        g.DrawPath(&pen, &path);
        g.DrawLine(&separator, float(rt), float(t + shorten), float(rt), float(b - shorten));
    } else if (position == bpLeft) {
        path.AddLine(float(l), float(b), float(l), float(t + radius));
        path.AddArc(float(l), float(t), d, d, 180, 90);
        path.AddLine(float(l + radius), float(t), float(rt - radius), float(t));
        path.AddArc(float(rt) - d, float(t), d, d, 270, 90);
        path.AddLine(float(rt), float(t + radius), float(rt), float(b));
        g.DrawPath(&pen, &path);
        g.DrawLine(&separator, float(l), float(b - shorten), float(rt), float(b - shorten));
    } else if (position == bpMiddle) {
        g.DrawLine(&pen, float(l - 1), float(t), float(rt), float(t));
        g.DrawLine(&pen, float(l - 1), float(b), float(rt), float(b));
        g.DrawLine(&separator, float(rt), float(t + shorten), float(rt), float(b - shorten));
        g.DrawLine(&inner, float(l), float(t + innerShorten), float(l), float(b - innerShorten));
    } else if (!rotated) {
        path.AddLine(float(l), float(t), float(rt - radius), float(t));
        path.AddArc(float(rt) - d, float(t), d, d, 270, 90);
        path.AddLine(float(rt), float(t + radius), float(rt), float(b - radius));
        path.AddArc(float(rt) - d, float(b) - d, d, d, 0, 90);
        path.AddLine(float(rt - radius), float(b), float(l), float(b));
        g.DrawPath(&pen, &path);
        g.DrawLine(&inner, float(l), float(t + innerShorten), float(l), float(b - innerShorten));
    } else {
        path.AddLine(float(rt), float(t), float(rt), float(b - radius));
        path.AddArc(float(rt) - d, float(b) - d, d, d, 0, 90);
        path.AddLine(float(rt - radius), float(b), float(l + radius), float(b));
        path.AddArc(float(l), float(b) - d, d, d, 90, 90);
        path.AddLine(float(l), float(b - radius), float(l), float(t));
        g.DrawPath(&pen, &path);
        g.DrawLine(&inner, float(l + innerShorten), float(t), float(rt - innerShorten), float(t));
    }
}

// The drop-down arrow as two strokes, 1.4 scaled pixels wide.
void DrawDropDownChevron(TGPGraphics& g, float s, TPoint p, TDropDownDirection direction, TColor color)
{
    const int a = Round(2 * s) / 2;
    const float x0 = float(p.X + 1 + Round(s) - a), y0 = float(p.Y + 1 - a);
    TGPPen pen(MakeColor(255, color), 1.4f * s);
    TGPPointF pts[3]{};
    switch (direction) {
    case ddDown:
        pts[0] = {x0 - 3 * s, y0 - 2 * s}, pts[1] = {x0, y0 + s}, pts[2] = {x0 + 3 * s, y0 - 2 * s};
        break;
    case ddRight:
        pts[0] = {x0 - 2 * s, y0 - 3 * s}, pts[1] = {x0 + s, y0}, pts[2] = {x0 - 2 * s, y0 + 3 * s};
        break;
    case ddUp:
        pts[0] = {x0 - 3 * s, y0 + s}, pts[1] = {x0, y0 - 2 * s}, pts[2] = {x0 + 3 * s, y0 + s};
        break;
    }
    g.DrawLine(&pen, pts[0].X, pts[0].Y, pts[1].X, pts[1].Y);
    g.DrawLine(&pen, pts[1].X, pts[1].Y, pts[2].X, pts[2].Y);
}

// A downward triangle of horizontal lines, each one pixel shorter at both ends than the one above,
// joined into one closed figure.
void DrawDropDownTriangle(TGPGraphics& g, float s, TPoint p, TColor color)
{
    const int n = Round(3 * s);
    const int x0 = p.X - n + 3, y0 = p.Y - n + 3;
    TGPGraphicsPath path;
    for (int i = 0; i < n; ++i)
        path.AddLine(float(x0 + i), float(y0 + i), float(x0 + 2 * n - i - 1), float(y0 + i));
    path.CloseFigure();
    TGPPen pen(MakeColor(200, color));
    g.DrawPath(&pen, &path);
}

// A greyed copy of an image-list entry.
void DrawImageListItem(HDC dc, TCustomImageList& list, int index, int x, int y)
{
    IMAGELISTDRAWPARAMS params{};
    params.cbSize = sizeof(params);
    params.himl = list.Handle();
    params.i = index;
    params.hdcDst = dc;
    params.x = x;
    params.y = y;
    params.rgbBk = CLR_NONE;
    params.rgbFg = CLR_NONE;
    params.fStyle = ILD_TRANSPARENT;
    params.fState = ILS_SATURATE;
    ImageList_DrawIndirect(&params);
}

void DrawImageListGlyph(TGPGraphics& g, TPoint p, TCustomImageList& list, bool enabled, int index)
{
    if (list.ColorDepth() == cd32Bit) {
        // The entry's own alpha survives as an icon.
        TIcon icon;
        icon.SetHandle(ImageList_GetIcon(list.Handle(), index, ILD_TRANSPARENT));
        TMemoryStream stream;
        icon.SaveToStream(stream);
        stream.SetPosition(0);
        TGDIPPicture picture;
        picture.LoadFromStream(stream);
        picture.DrawImage(g, p.X, p.Y);
        return;
    }
    const int w = list.Width(), h = list.Height();
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(w, h);
    if (enabled)
        list.Draw(bitmap.Canvas(), 0, 0, index, true);
    else
        DrawImageListItem(bitmap.Canvas()->Handle(), list, index, 0, 0);
    // The bottom-left colour is the entry's background: it stays out, everything else is opaque.
    TCanvas* canvas = bitmap.Canvas();
    const TColor key = canvas->Pixels(0, h - 1);
    TGPBitmap image(w, h, PixelFormat32bppARGB);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (const TColor c = canvas->Pixels(x, y); c != key)
                image.SetPixel(x, y, ColorToARGB(c));
    g.DrawImageRect(&image, p.X, p.Y, w, h);
}

// A bitmap leaves out its bottom-left colour; other formats draw as GDI+ decodes them.
void DrawPictureInRect(TGPGraphics& g, TCanvas* canvas, const TRect& r, TGDIPPicture& picture)
{
    if (picture.PictureFormat() == pfBMP)
        picture.Draw(*canvas, r);
    else
        picture.DrawImageRect(g, r.Left, r.Top, r.Width(), r.Height());
}

// At p in its own size, narrowed to a positive limit below it.
void DrawPictureAt(TGPGraphics& g, TCanvas* canvas, TPoint p, TGDIPPicture& picture, int maxWidth, int maxHeight)
{
    const int w = maxWidth > 0 && maxWidth < picture.Width() ? maxWidth : picture.Width();
    const int h = maxHeight > 0 && maxHeight < picture.Height() ? maxHeight : picture.Height();
    DrawPictureInRect(g, canvas, Rect(p.X, p.Y, p.X + w, p.Y + h), picture);
}

bool IsHorizontalLayout(TButtonLayout l)
{
    return l == blGlyphLeft || l == blGlyphRight || l == blGlyphLeftAdjusted || l == blGlyphRightAdjusted;
}

bool IsVerticalLayout(TButtonLayout l) { return !IsHorizontalLayout(l); }

// "\n" typed into a caption (backslash and n, either case) breaks the line.
String CaptionLineBreaks(const String& caption)
{
    String out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'\\' && i + 1 < caption.size() && (caption[i + 1] == u'n' || caption[i + 1] == u'N')) {
            out += u"\n\r";
            ++i;
        } else {
            out += caption[i];
        }
    }
    return out;
}

bool AcceleratorsHidden(TControl* control, bool alwaysShow)
{
    if (alwaysShow)
        return false;
    TWinControl* top = control->Parent();
    while (top && top->Parent())
        top = top->Parent();
    auto* window = dynamic_cast<TWinControl*>(top ? top : control);
    if (!window || !window->HandleAllocated())
        return false;
    return (SendMessageW(window->Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0;
}

struct TTextSizes {
    TGPRectF Caption{}, Notes{};
    float LineHeight = 0;
};

} // namespace

TSize DrawGlowButton(TRurCustomGlowButton* control, TCanvas* canvas, const TRect& r, const TGlowDrawInput& in)
{
    const float s = GetControlDPIScale(control, canvas);
    const int d = Round(in.DropDownWidth * s);
    TRect face = r, content = r;
    TRect drop;
    if (in.DropDownPosition == dpRight) {
        drop = Rect(face.Right - d, face.Top, face.Right, face.Bottom);
        if (in.DropDownButton)
            content.Right = drop.Left;
    } else {
        drop = Rect(face.Left, face.Bottom - d, face.Right, face.Bottom);
        if (in.DropDownButton && in.DropDownSplit)
            content.Bottom = drop.Top;
    }
    const int half = face.Height() / 2;
    TGlowStateColors c = in.Colors;
    if (c.ColorMirror == clNone && c.ColorMirrorTo == clNone)
        c.ColorMirrorTo = c.Color;
    if (c.ColorMirror == clNone)
        c.ColorMirror = c.Color;

    TGPGraphics g(canvas->Handle());
    const bool paintFace = !in.TransparentLook || in.DroppedDown || in.DownChecked;
    if (!in.MeasureOnly && paintFace) {
        if (in.DropDownButton && in.Hot && in.DropDownSplit) {
            const bool mainHot = in.DropDownHotPart == 2;
            auto dark = [](TColor col) { return col == clNone ? col : ColorLightness(col, -10); };
            const TGlowStateColors lit = c;
            TGlowStateColors dim = c;
            dim.Color = dark(c.Color), dim.ColorTo = dark(c.ColorTo), dim.ColorMirror = dark(c.ColorMirror),
            dim.ColorMirrorTo = dark(c.ColorMirrorTo);
            const TGlowStateColors& mainSet = mainHot ? lit : dim;
            const TGlowStateColors& dropSet = mainHot ? dim : lit;
            const TGDIPGradient dropUpper = mainHot ? c.Gradient : ggRadial;
            if (in.DropDownPosition == dpRight) {
                FillGlowHalf(g, Rect(face.Left, face.Top, face.Right - d, face.Bottom - half), mainSet.Color,
                             mainSet.ColorTo, c.Gradient, true);
                FillGlowHalf(g, Rect(face.Left, face.Top + half - 1, face.Right - d, face.Bottom),
                             mainSet.ColorMirrorTo, mainSet.ColorMirror, c.GradientMirror, false);
                FillGlowHalf(g, Rect(face.Right - d, face.Top, face.Right, face.Bottom - half), dropSet.Color,
                             dropSet.ColorTo, dropUpper, true);
                FillGlowHalf(g, Rect(face.Right - d, face.Top + half - 1, face.Right, face.Bottom),
                             dropSet.ColorMirrorTo, dropSet.ColorMirror, c.GradientMirror, false);
            } else {
                const int h2 = (face.Height() - d) / 2;
                FillGlowHalf(g, Rect(face.Left, face.Top, face.Right, face.Bottom - d - h2), mainSet.Color,
                             mainSet.ColorTo, c.Gradient, true);
                FillGlowHalf(g, Rect(face.Left, face.Top + h2 - 1, face.Right, face.Bottom - d),
                             mainSet.ColorMirrorTo, mainSet.ColorMirror, c.GradientMirror, false);
                FillGlowHalf(g, Rect(face.Left, face.Bottom - d, face.Right, face.Bottom), dropSet.Color,
                             dropSet.ColorTo, dropUpper, true);
            }
        } else {
            // The lower half starts one row above the middle, so the halves overlap by one row.
            FillGlowHalf(g, Rect(face.Left, face.Top + half - 1, face.Right, face.Bottom), c.ColorMirrorTo,
                         c.ColorMirror, c.GradientMirror, false);
            FillGlowHalf(g, Rect(face.Left, face.Top, face.Right, face.Bottom - half), c.Color, c.ColorTo,
                         c.Gradient, true);
        }
    }
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    const int radius = in.Rounded ? 3 : 0;
    if (!in.MeasureOnly && paintFace && in.BorderVisible && c.Border != clNone &&
        (!in.NoBorderDefault || in.MouseEnter || in.DroppedDown)) {
        if (in.ButtonPosition == bpStandalone)
            DrawButtonBorder(g, c.Border, face.Left, face.Top, face.Right - 1, face.Bottom - 1, radius);
        else
            DrawJoinedBorder(g, in.ButtonPosition, c.Border, face, radius, in.MouseEnter || in.DownChecked,
                             in.IsRotated);
    }
    if (!in.MeasureOnly && in.FocusBorder) {
        DrawButtonBorder(g, in.BorderColorFocused, face.Left + 1, face.Top + 1, face.Right - 3, face.Bottom - 3,
                         radius);
        DrawButtonBorder(g, 0x808080, face.Left + 2, face.Top + 2, face.Right - 5, face.Bottom - 5, radius, true);
    }
    if (!in.MeasureOnly) {
        switch (in.Layout) {
        case blGlyphLeftAdjusted: face.Left += in.MarginHorz; break;
        case blGlyphRightAdjusted: face.Right -= in.MarginHorz, content.Right -= in.MarginHorz; break;
        case blGlyphTopAdjusted: face.Top += in.MarginVert; break;
        case blGlyphBottomAdjusted: face.Bottom -= in.MarginVert, content.Bottom -= in.MarginVert; break;
        default: break;
        }
    }

    // Glyph size.
    int gw = 0, gh = 0;
    TBitmap* work = in.WorkBitmap;
    const bool hasWork = work && !work->Empty() && work->Width() >= 2 && work->Height() >= 2;
    const bool hasPicture = !hasWork && in.Picture && !in.Picture->Empty();
    const bool sizedPicture = in.PictureSize.cx > 0 && in.PictureSize.cy > 0;
    const bool hasGlyph = !hasWork && !hasPicture && in.Images && in.ImageIndex >= 0;
    if (hasWork) {
        gw = sizedPicture ? in.PictureSize.cx : work->Width();
        gh = sizedPicture ? in.PictureSize.cy : work->Height();
    } else if (hasPicture && sizedPicture) {
        gw = Round(in.PictureSize.cx * s), gh = Round(in.PictureSize.cy * s);
    } else if (hasPicture) {
        in.Picture->GetImageSizes();
        gw = in.Picture->Width(), gh = in.Picture->Height();
    } else if (hasGlyph) {
        gw = in.Images->Width(), gh = in.Images->Height();
    }
    const int pictureW = gw, pictureH = gh;
    const bool hasCaption = !in.Caption.empty() || !in.WideCaption.empty();
    if (in.DefaultCaptionDrawing && hasCaption) {
        if (gw > 0 && IsHorizontalLayout(in.Layout))
            gw += in.Spacing;
        if (gh > 0 && (in.Layout == blGlyphTop || in.Layout == blGlyphTopAdjusted))
            gh += in.Spacing;
    }
    TSize measured{gw, gh};

    // Text.
    const String caption = !in.Caption.empty() ? CaptionLineBreaks(in.Caption) : in.WideCaption;
    String notes;
    if (in.Notes)
        for (int i = 0; i < in.Notes->Count(); ++i)
            notes += (i ? u"\r\n" : u"") + in.Notes->Strings(i);
    const int cw = content.Width(), ch = content.Height();
    float tw = 0, th = 0, nw = 0, nh = 0;
    float captionBoxLeft = float(content.Left), notesBoxLeft = float(content.Left);
    std::unique_ptr<TGPFont> font, notesFont;
    std::unique_ptr<TGPStringFormat> format;
    std::optional<TGdiCaption> gdi;
    if (hasCaption || in.MeasureOnly) {
        const bool acceleratorsHidden = AcceleratorsHidden(control, in.AlwaysShowAccel);
        const bool rightToLeft = control->UseRightToLeftReading();
        float lw = float(cw), lh = float(ch);
        if (in.MeasureOnly) {
            const int maxW = control->Constraints()->MaxWidth(), maxH = control->Constraints()->MaxHeight();
            lw = maxW > 0 ? float(maxW) : 4096.f;
            lh = maxH > 0 ? float(maxH) : 4096.f;
        }
        if (IsHorizontalLayout(in.Layout))
            lw -= float(in.Spacing);
        const String measuredText = caption.empty() ? String(u"!") : caption;
        if (!GdiPlusDrawsText(canvas->Handle(), in.Font, in.AntiAlias)) {
            gdi.emplace(canvas->Handle(), (in.WordWrap ? DT_WORDBREAK : DT_SINGLELINE) |
                                              (acceleratorsHidden ? DT_HIDEPREFIX : 0) |
                                              (rightToLeft ? DT_RTLREADING : 0));
            const TRect box = Rect(content.Left, content.Top, content.Left + Round(lw), content.Top + Round(lh));
            const TSize text = gdi->Measure(measuredText, in.Font, box);
            tw = float(text.cx), th = float(text.cy);
            if (!notes.empty() && in.NotesFont) {
                const TSize notesSize = gdi->Measure(notes, in.NotesFont, box);
                nw = float(notesSize.cx), nh = float(notesSize.cy);
            }
        } else {
            font = g.MakeFont(in.Font);
            if (in.NotesFont)
                notesFont = g.MakeFont(in.NotesFont);
            format = std::make_unique<TGPStringFormat>(in.WordWrap ? 0 : StringFormatFlagsNoWrap);
            format->SetAlignment(in.Layout == blGlyphLeftAdjusted    ? StringAlignmentNear
                                 : in.Layout == blGlyphRightAdjusted ? StringAlignmentFar
                                                                     : StringAlignmentCenter);
            format->SetLineAlignment(in.Layout == blGlyphTopAdjusted      ? StringAlignmentNear
                                     : in.Layout == blGlyphBottomAdjusted ? StringAlignmentFar
                                                                          : StringAlignmentCenter);
            format->SetHotkeyPrefix(acceleratorsHidden ? HotkeyPrefixHide : HotkeyPrefixShow);
            format->SetTrimming(in.Trimming);
            if (rightToLeft)
                format->SetFormatFlags(format->GetFormatFlags() | StringFormatFlagsDirectionRightToLeft);
            TGPRectF box{};
            g.MeasureString(measuredText, -1, font.get(), TGPRectF{float(content.Left), float(content.Top), lw, lh},
                            format.get(), box);
            tw = box.Width, th = box.Height;
            captionBoxLeft = notesBoxLeft = box.X;
            if (!notes.empty() && notesFont) {
                TGPRectF nbox{};
                g.MeasureString(notes, -1, notesFont.get(),
                                TGPRectF{float(content.Left), float(content.Top), lw, lh}, format.get(), nbox);
                nw = nbox.Width, nh = nbox.Height;
                notesBoxLeft = nbox.X;
            }
        }
    }
    const bool gdiText = gdi.has_value();
    const int S = in.Spacing;
    if (in.MeasureOnly) {
        // GDI measures the notes only beside a left glyph, and adds the spacing below a glyph above.
        const bool gdiRight = gdiText && (in.Layout == blGlyphRight || in.Layout == blGlyphRightAdjusted);
        if (IsVerticalLayout(in.Layout))
            measured = {Round(std::max(tw + S, float(gw + S))), Round(th + gh) + (gdiText ? S : 0)};
        else if (gdiText && in.Layout != blGlyphLeftAdjusted)
            measured = {Round(tw) + gw + S, Round(std::max(th + S + (gdiRight ? 0 : nh), float(gh + S)))};
        else
            measured = {Round(std::max(tw, nw) + gw + S), Round(std::max(th + S + nh, float(gh + S)))};
        return measured;
    }

    // Placement of the text rectangle (x, y, w, h) and the glyph (gx, gy).
    const int centredX = content.Left + std::max((cw - gw) / 2, 0);
    const int centredY = face.Top + std::max((ch - gh) / 2, 0);
    float x = float(content.Left), y = float(content.Top), w = float(cw), h = float(ch);
    int gx = centredX, gy = centredY;
    const int textW = Round(std::max(tw, nw));
    switch (in.Layout) {
    case blGlyphLeft:
    case blGlyphLeftAdjusted:
    {
        x = float(content.Left + gw + 2), w = float(cw - gw - 2 - (in.Layout == blGlyphLeftAdjusted ? in.MarginHorz : 0));
        // The glyph stands half its width before the left edge the caption (or the notes, when further
        // left) measured at in the content; the text is then drawn right of the glyph's width.
        gx = std::max(Round(std::min(captionBoxLeft, notesBoxLeft) - float(gw) / 2), 2);
        // GDI centres glyph and caption together.
        if (gdiText && in.Layout == blGlyphLeft)
            gx = std::max((face.Right - (in.DropDownButton ? d : 0) - Round(tw) - gw) / 2 - 2, 2);
        break;
    }
    case blGlyphRight:
        x = 2, w = float(cw - gw - 4);
        gx = std::max((Round(w) - textW) / 2, 0) + textW + 4;
        if (gx > cw - gw)
            gx = cw - gw - 2;
        gx += S;
        break;
    case blGlyphRightAdjusted:
        x = 2, w = float(cw - gw - 4);
        gx = cw - gw - 2 + S;
        break;
    case blGlyphTop:
        y = float(content.Top + gh), h = float(ch - gh - 2);
        gy = std::max(content.Top + std::max(((ch - gh - 2 - Round(th)) / 2) / 2, 0) - (gdiText ? 4 : 0), 2);
        break;
    case blGlyphTopAdjusted:
        y = float(content.Top + gh), h = float(ch - gh - 2);
        gy = std::max(content.Top, 2);
        break;
    case blGlyphBottom:
        y = 2, h = float(ch - gh - 2);
        gy = Round(th) + (gdiText ? 5 : 2) + std::max((ch - gh - 2 - Round(th)) / 2, 0) + S;
        if (gy > ch - gh)
            gy = ch - gh - 2;
        break;
    case blGlyphBottomAdjusted:
        y = 2, h = float(ch - S - gh - (gdiText ? 2 : 0));
        gy = gdiText ? ch - gh - 2 : Round(th) + 2 + ch / 2;
        if (gy > ch - gh)
            gy = ch - gh - 2;
        break;
    }
    if (in.OverlappedText)
        x = float(face.Left), y = float(face.Top), w = float(face.Width()), h = float(face.Height());
    if (!in.WordWrap)
        w = std::max(w, float(cw)), h = std::max(h, float(ch));

    if (in.OverlappedText && in.DefaultPicDrawing && hasWork)
        canvas->Draw(gx, gy, work);

    if (in.DefaultCaptionDrawing && hasCaption && gdi) {
        gdi->Draw(caption, in.Font, in.Enabled ? in.Font->Color() : TColor(0x808080), notes, in.NotesFont,
                  Rect(Round(x), Round(y), Round(x + w), Round(y + h)), in.Layout);
    } else if (in.DefaultCaptionDrawing && hasCaption && font) {
        g.SetTextRenderingHint(in.AntiAlias == aaAntiAlias || in.GlassQAT ? TextRenderingHintAntiAlias
                                                                          : TextRenderingHintClearTypeGridFit);
        TGPSolidBrush brush(Opaque(in.Font->Color()));
        TGPRectF layout{x - 1, y, w, h};
        if (!notes.empty()) {
            format->SetLineAlignment(StringAlignmentNear);
            layout.Y = y + (h - th - nh) / 2;
        }
        g.DrawString(caption, -1, font.get(), layout, format.get(), &brush);
        if (!notes.empty() && notesFont) {
            TGPSolidBrush notesBrush(Opaque(in.NotesFont->Color()));
            g.DrawString(notes, -1, notesFont.get(), TGPRectF{layout.X, layout.Y + th, layout.Width, nh},
                         format.get(), &notesBrush);
        }
    }

    if (in.Layout == blGlyphLeftAdjusted)
        gx += in.MarginHorz;
    if (in.DefaultPicDrawing && !in.OverlappedText && hasWork) {
        const int px = hasCaption ? gx : content.Left + (cw - pictureW) / 2;
        const int py = hasCaption ? gy : face.Top + (ch - pictureH) / 2;
        if (sizedPicture) {
            work->SetTransparent(true);
            canvas->StretchDraw(Rect(px, py, px + pictureW, py + pictureH), work);
        } else {
            canvas->Draw(px, py, work);
        }
    } else if (in.DefaultPicDrawing && !in.OverlappedText && hasPicture) {
        const int px = hasCaption ? gx : content.Left + (cw - pictureW) / 2;
        const int py = hasCaption ? gy : face.Top + (ch - pictureH) / 2;
        if (sizedPicture) {
            DrawPictureInRect(g, canvas, Rect(px, py, px + pictureW, py + pictureH), *in.Picture);
        } else if (hasCaption) {
            DrawPictureAt(g, canvas, TPoint{px, py}, *in.Picture, cw, ch);
        } else if (in.Icon && !in.Icon->Empty()) {
            DrawIconEx(canvas->Handle(), px, py, in.Icon->Handle(), pictureW, pictureH, 0, nullptr, DI_NORMAL);
        } else {
            DrawPictureAt(g, canvas, TPoint{px, py}, *in.Picture, cw, cw);
        }
    } else if (in.DefaultPicDrawing && !in.OverlappedText && hasGlyph) {
        const int px = hasCaption ? gx : content.Left + (cw - gw) / 2;
        const int py = hasCaption ? gy : face.Top + (ch - gh) / 2;
        // On the glass quick-access toolbar GDI would leave the glyph see-through.
        if (control && control->Parent() && control->Parent()->ClassName() == u"TRurQuickAccessToolBar" &&
            (in.GlassQAT || (GetGlassEnabled() && GetScenicRibbon())))
            DrawImageListGlyph(g, TPoint{px, py}, *in.Images, in.EnabledImage, in.ImageIndex);
        else if (!in.EnabledImage && ::IsVistaOrLater())
            DrawImageListItem(canvas->Handle(), *in.Images, in.ImageIndex, px, py);
        else
            in.Images->Draw(canvas, px, py, in.ImageIndex, in.EnabledImage);
    }

    if (in.DropDownButton) {
        if (in.DropDownSplit && (in.Hot || GlowButtonsDrawSplitLineAlways())) {
            canvas->Pen()->SetColor(c.Border);
            if (in.DropDownPosition == dpBottom) {
                canvas->MoveTo(drop.Left, drop.Top);
                canvas->LineTo(drop.Right, drop.Top);
            } else {
                canvas->MoveTo(drop.Left, drop.Top);
                canvas->LineTo(drop.Left, drop.Bottom);
            }
        }
        const int arrow = in.DropDownDirection == ddDown ? Round(3 * s) : Round(5 * s);
        const TPoint p{drop.Left + (drop.Width() - arrow) / 2, drop.Top + (drop.Height() - 3) / 2 + 1};
        const TColor arrowColor = in.Enabled ? in.Font->Color() : TColor(0x808080);
        if (in.GlassQAT || (GetGlassEnabled() && GetScenicRibbon()))
            DrawDropDownTriangle(g, s, p, arrowColor);
        else
            DrawDropDownChevron(g, s, p, in.DropDownDirection, arrowColor);
    }
    return measured;
}
