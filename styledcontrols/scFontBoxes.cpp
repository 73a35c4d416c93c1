#include "scFontBoxes.h"

#include <cmath>

#include "scDrawUtils.h"

TAVIN_PUBLISHED(TscFontListBox)
{
    TAVIN_PROPERTY(TscFontDevice, Device).Default(fdScreen);
    TAVIN_PROPERTY(String, FontName);
    TAVIN_PROPERTY(TscFontListOptions, Options);
    TAVIN_PROPERTY(bool, TrueTypeOnly).Stored(false);
    TAVIN_PROPERTY(bool, Sorted).Default(true);
    TAVIN_PROPERTY(int, ItemIndex).Default(-1);
    TAVIN_PROPERTY(TColor, LineColor).Default(clBtnFace);
    TAVIN_PROPERTY(bool, ShowLines).Default(false);
    TSC_SELECTION_LOOK_PROPERTIES
    TAVIN_PROPERTY(int, ItemHeight).Default(16);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
}

TAVIN_PUBLISHED(TscFontComboBox)
{
    TAVIN_PROPERTY(TscFontDevice, Device).Default(fdScreen);
    TAVIN_PROPERTY(String, FontName);
    TAVIN_PROPERTY(TscFontListOptions, Options);
    TAVIN_PROPERTY(bool, TrueTypeOnly).Stored(false);
    TAVIN_PROPERTY(bool, Sorted).Default(true);
    TAVIN_PROPERTY(int, ItemIndex).Default(-1);
    TSC_SELECTION_LOOK_PROPERTIES
    TAVIN_PROPERTY(TscComboStyleKind, StyleKind).Default(scscbDefault);
    TAVIN_PROPERTY(int, DropDownCount).Default(8);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TNotifyEvent, OnSelect);
    TAVIN_PROPERTY(TNotifyEvent, OnCloseUp);
}

TAVIN_PUBLISHED(TscFontSizeComboBox)
{
    TAVIN_PROPERTY(TComboBoxStyle, Style).Default(csDropDown);
    TSC_SELECTION_LOOK_PROPERTIES
    TAVIN_PROPERTY(TscComboStyleKind, StyleKind).Default(scscbDefault);
    TAVIN_PROPERTY(int, ItemHeight).Default(16);
    TAVIN_PROPERTY(String, Text);
    TAVIN_PROPERTY(int, DropDownCount).Default(8);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TNotifyEvent, OnSelect);
    TAVIN_PROPERTY(TNotifyEvent, OnCloseUp);
}

namespace {

int Nearest(double value) { return static_cast<int>(std::nearbyint(value)); }

struct TFaceListing {
    TStrings* Items;
    TscFontListOptions Options;
};

int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD fontType, LPARAM data)
{
    auto* listing = reinterpret_cast<TFaceListing*>(data);
    const String name(reinterpret_cast<const char16_t*>(font->lfFaceName));
    if (listing->Items->IndexOf(name) < 0 && FontFacePasses(*font, fontType, listing->Options)) {
        const UINT_PTR flags = fontType | (font->lfCharSet != SYMBOL_CHARSET ? FontEntryNotSymbol : 0);
        listing->Items->AddObject(name, reinterpret_cast<TObject*>(flags));
    }
    return 1;
}

// The default printer's device context; null when there is none.
HDC DefaultPrinterDC()
{
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size == 0)
        return nullptr;
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size))
        return nullptr;
    return CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr);
}

// A T of pen lines at (x, y); every line stops short of its end point.
void DrawTrueTypeLetter(TCanvas* canvas, int x, int y, double scale, TColor color)
{
    int w = Nearest(7 * scale);
    if (w % 2 == 0)
        --w;
    const int h = Nearest(8 * scale);
    canvas->Pen()->SetColor(color);
    const auto line = [canvas](int x1, int y1, int x2, int y2) {
        canvas->MoveTo(x1, y1);
        canvas->LineTo(x2, y2);
    };
    canvas->MoveTo(x, y);
    canvas->LineTo(x + w, y);
    canvas->LineTo(x + w, y + 3);
    line(x, y, x, y + 3);
    line(x + 1, y, x + 1, y + 1);
    line(x + w - 1, y, x + w - 1, y + 1);
    const int s = x + w / 2;
    line(s, y, s, y + h);
    line(s + 1, y, s + 1, y + h);
    line(s - 1, y + h, s + 3, y + h);
}

struct TSizeListing {
    TStrings* Items;
    int PixelsPerInch;
};

int CALLBACK AddSize(const LOGFONTW* font, const TEXTMETRICW* metric, DWORD fontType, LPARAM data)
{
    auto* listing = reinterpret_cast<TSizeListing*>(data);
    if (fontType & TRUETYPE_FONTTYPE) {
        for (const char16_t* size : {u"8", u"9", u"10", u"11", u"12", u"14", u"16", u"18", u"20", u"22", u"24", u"26",
                                     u"28", u"36", u"48", u"72"})
            listing->Items->Add(size);
        return 0;
    }
    const int points = (font->lfHeight - metric->tmInternalLeading) * 72;
    InsertFontSize(listing->Items, Nearest(static_cast<double>(points) / listing->PixelsPerInch));
    return 1;
}

} // namespace

bool FontFacePasses(const LOGFONTW& font, DWORD fontType, TscFontListOptions options)
{
    const struct {
        TscFontListOption Option;
        bool Holds;
    } conditions[] = {
        {foAnsiOnly, font.lfCharSet == ANSI_CHARSET},
        {foTrueTypeOnly, (fontType & TRUETYPE_FONTTYPE) != 0},
        {foFixedPitchOnly, (font.lfPitchAndFamily & FIXED_PITCH) != 0},
        {foOEMFontsOnly, font.lfCharSet == OEM_CHARSET},
        {foNoOEMFonts, font.lfCharSet != OEM_CHARSET},
        {foNoSymbolFonts, font.lfCharSet != SYMBOL_CHARSET},
        {foScalableOnly, (fontType & RASTER_FONTTYPE) == 0},
    };
    for (const auto& c : conditions)
        if (options.Contains(c.Option) && !c.Holds)
            return false;
    return true;
}

void ListFontFaces(TStrings* items, TscFontDevice device, TscFontListOptions options)
{
    items->BeginUpdate();
    const HDC screen = GetDC(nullptr);
    struct TRestore {
        TStrings* Items;
        HDC Screen;
        ~TRestore()
        {
            ReleaseDC(nullptr, Screen);
            Items->EndUpdate();
        }
    } restore{items, screen};
    items->Clear();
    TFaceListing listing{items, options};
    if (device == fdScreen || device == fdBoth)
        EnumFontFamiliesW(screen, nullptr, &AddFace, reinterpret_cast<LPARAM>(&listing));
    if (device == fdPrinter || device == fdBoth)
        if (const HDC printer = DefaultPrinterDC()) {
            EnumFontFamiliesW(printer, nullptr, &AddFace, reinterpret_cast<LPARAM>(&listing));
            DeleteDC(printer);
        }
}

void DrawFontEntry(TCanvas* canvas, TRect rect, const String& name, UINT_PTR fontType, const TControl* control)
{
    const double scale = control->ScaleFactor();
    const bool rtl = control->UseRightToLeftReading();
    const int mark = Nearest(15 * scale);
    if (fontType & TRUETYPE_FONTTYPE) {
        const int x = rtl ? rect.Right - mark : rect.Left + 2;
        const int y = rect.Top + rect.Height() / 2 - Nearest(6 * scale);
        const TColor text = GetStyleSystemColor(clWindowText, control);
        DrawTrueTypeLetter(canvas, x, y, scale, MixColors(GetStyleSystemColor(clWindow, control), text));
        DrawTrueTypeLetter(canvas, x + Nearest(4 * scale), y + Nearest(4 * scale), scale, text);
    }
    // Every name keeps the mark's room, TrueType or not.
    if (rtl)
        rect.Right -= mark - 2;
    else
        rect.Left += mark + 2;
    canvas->Font()->SetName(name);
    canvas->Font()->SetStyle(TFontStyles());
    DrawSingleLineText(canvas, name, rect, false, rtl);
}

void InsertFontSize(TStrings* items, int size)
{
    for (int i = 0; i < items->Count(); ++i) {
        const int listed = StrToIntDef(items->Strings(i), 0);
        if (listed == size)
            return;
        if (listed > size) {
            items->Insert(i, IntToStr(size));
            return;
        }
    }
    items->Add(IntToStr(size));
}

void ListFontSizes(TStrings* items, const String& faceName, int pixelsPerInch)
{
    const HDC screen = GetDC(nullptr);
    TSizeListing listing{items, pixelsPerInch};
    EnumFontFamiliesW(screen, reinterpret_cast<const wchar_t*>(faceName.c_str()), &AddSize,
                      reinterpret_cast<LPARAM>(&listing));
    ReleaseDC(nullptr, screen);
}

// ---------------------------------------------------------------------------------------------

void TscFontListBox::DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState)
{
    DrawFontEntry(canvas, rect, Items()->Strings(index), reinterpret_cast<UINT_PTR>(Items()->Objects(index)), this);
}

TscFontComboBox::TscFontComboBox(TComponent* owner) : TscFontNameListOf(owner) { SetStyle(csOwnerDrawFixed); }

void TscFontComboBox::DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState, bool)
{
    if (index < 0 || index >= Items()->Count())
        return;
    DrawFontEntry(canvas, rect, Items()->Strings(index), reinterpret_cast<UINT_PTR>(Items()->Objects(index)), this);
}

void TscFontComboBox::WndProc(TMessage& message)
{
    TscFontNameListOf::WndProc(message);
    // Fonts were installed or removed.
    if (message.Msg == WM_FONTCHANGE)
        Reset();
}

// ---------------------------------------------------------------------------------------------

TscFontSizeComboBox::TscFontSizeComboBox(TComponent* owner) : TscCustomComboBox(owner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Exclude(csSetCaption));
}

void TscFontSizeComboBox::SetFontName(const String& value)
{
    FFontName = value;
    TStrings* items = Items();
    const HDC screen = GetDC(nullptr);
    items->BeginUpdate();
    struct TRestore {
        TStrings* Items;
        HDC Screen;
        ~TRestore()
        {
            Items->EndUpdate();
            ReleaseDC(nullptr, Screen);
        }
    } restore{items, screen};
    items->Clear();
    if (FFontName.empty())
        return;
    PixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ListFontSizes(items, FFontName, PixelsPerInch);
    const TNotifyEvent click = OnClick();
    SetOnClick(nullptr);
    SetItemIndex(items->IndexOf(Text()));
    SetOnClick(click);
    if (click)
        click(this);
}

int TscFontSizeComboBox::SizeValue() const
{
    String text;
    if (Style() == csDropDown) {
        text = Text();
        // Digits with at most one leading minus.
        bool valid = !text.empty() && text != u"-";
        for (int i = 0; valid && i < static_cast<int>(text.size()); ++i) {
            const char16_t c = text[static_cast<size_t>(i)];
            valid = (c >= u'0' && c <= u'9') || (c == u'-' && i == 0);
        }
        if (!valid)
            return 0;
    } else {
        const int index = ItemIndex();
        if (index < 0 || index >= Items()->Count())
            return 0;
        text = Items()->Strings(index);
    }
    // A number too large for 32 bits is no size.
    return StrToIntDef(text, 0);
}

void TscFontSizeComboBox::KeyPress(Char& key)
{
    const bool digit = key >= u'0' && key <= u'9';
    bool passes = digit || key < 32;
    if (key == u'0' && Text().empty())
        passes = false;
    if (!passes) {
        key = 0;
        MessageBeep(0);
    }
    TscCustomComboBox::KeyPress(key);
}
