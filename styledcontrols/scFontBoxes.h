#pragma once
// Ready-made boxes for picking a typeface and a size: a styled list box and a styled combo box of
// the installed font families (of the screen, the default printer or both, filtered, sorted,
// each name shown in its own typeface behind a mark for TrueType faces), and a styled combo box
// of the point sizes one typeface offers.
#include "scListControls.h"

TAVIN_ENUM(TscFontDevice, fdScreen, fdPrinter, fdBoth)
TAVIN_ENUM(TscFontListOption, foAnsiOnly, foTrueTypeOnly, foFixedPitchOnly, foNoOEMFonts, foOEMFontsOnly,
           foScalableOnly, foNoSymbolFonts)
using TscFontListOptions = TSet<TscFontListOption>;

// The flag added to an entry's font type when its character set is not the symbol set.
constexpr UINT_PTR FontEntryNotSymbol = 0x100;

// Whether a face the system enumerated passes every option of the filter.
bool FontFacePasses(const LOGFONTW& font, DWORD fontType, TscFontListOptions options);
// Fills the items with the faces of the device that pass the filter, each once; the object of
// an entry is its font type (plus FontEntryNotSymbol). A missing printer gives nothing.
void ListFontFaces(TStrings* items, TscFontDevice device, TscFontListOptions options);
// Draws one entry: the TrueType mark before the name (after it right to left), then the name in
// its own typeface.
void DrawFontEntry(TCanvas* canvas, TRect rect, const String& name, UINT_PTR fontType, const TControl* control);
// Puts a point size into a list kept in ascending numeric order without duplicates.
void InsertFontSize(TStrings* items, int size);
// The point sizes a face offers: the standard list for a TrueType face, else its own sizes.
void ListFontSizes(TStrings* items, const String& faceName, int pixelsPerInch);

// What the two font-name boxes share: the list of faces, rebuilt when the window is made, after
// loading and when the filter or the device changes, and the selected face by name.
template <class Base>
class TscFontNameListOf : public Base {
public:
    explicit TscFontNameListOf(TComponent* owner) : Base(owner) { this->SetSorted(true); }

    TscFontDevice Device() const { return FDevice; }
    void SetDevice(TscFontDevice value)
    {
        if (FDevice != value) {
            FDevice = value;
            Reset();
        }
    }
    TscFontListOptions Options() const { return FOptions; }
    void SetOptions(TscFontListOptions value)
    {
        if (FOptions != value) {
            FOptions = value;
            Reset();
        }
    }
    bool TrueTypeOnly() const { return FOptions.Contains(foTrueTypeOnly); }
    void SetTrueTypeOnly(bool value)
    {
        TscFontListOptions options = FOptions;
        if (value)
            options.Include(foTrueTypeOnly);
        else
            options.Exclude(foTrueTypeOnly);
        SetOptions(options);
    }

    // The selected face; empty when none is.
    String FontName() const
    {
        const int index = this->ItemIndex();
        return index < 0 || index >= this->Items()->Count() ? String() : this->Items()->Strings(index);
    }
    // Selects the listed face of that name (ignoring case); an unlisted name selects nothing new.
    // A name given before the list exists (read from a form resource) is selected once it does.
    void SetFontName(const String& value)
    {
        if (value == FontName())
            return;
        if (!this->ComponentState().Contains(csLoading) && !this->HandleAllocated() && this->Parent())
            this->HandleNeeded();
        if (this->HandleAllocated()) {
            SelectFace(value);
        } else {
            FPendingFontName = value;
        }
        if (!this->ComponentState().Contains(csReading) && !FUpdate && this->OnClick())
            this->OnClick()(this);
    }

    // Builds the list anew (only with a window).
    void PopulateList()
    {
        if (!this->HandleAllocated())
            return;
        const int index = this->ItemIndex();
        ListFontFaces(this->Items(), FDevice, FOptions);
        this->SetItemIndex(index);
    }
    // Builds the list anew keeping the selected face; OnClick when it is gone.
    void Reset()
    {
        if (!this->HandleAllocated())
            return;
        const String kept = FPendingFontName.empty() ? FontName() : FPendingFontName;
        FUpdate = true;
        try {
            PopulateList();
            FPendingFontName.clear();
            SetFontName(kept);
        } catch (...) {
            FUpdate = false;
            throw;
        }
        FUpdate = false;
        if (FontName() != kept && !this->ComponentState().Contains(csReading) && this->OnClick())
            this->OnClick()(this);
    }

protected:
    void CreateWnd() override
    {
        Base::CreateWnd();
        if (this->ComponentState().Contains(csDesigning))
            RebuildQuietly();
        else
            Reset();
    }
    void Loaded() override
    {
        Base::Loaded();
        RebuildQuietly();
    }

    TscFontDevice FDevice = fdScreen;
    bool FUpdate = false;
    TscFontListOptions FOptions;

private:
    void RebuildQuietly()
    {
        FUpdate = true;
        PopulateList();
        if (this->HandleAllocated() && !FPendingFontName.empty()) {
            SelectFace(FPendingFontName);
            FPendingFontName.clear();
        }
        FUpdate = false;
    }
    void SelectFace(const String& name)
    {
        for (int i = 0; i < this->Items()->Count(); ++i)
            if (SameText(this->Items()->Strings(i), name)) {
                this->SetItemIndex(i);
                return;
            }
    }

    // A face named while there was no list yet.
    String FPendingFontName;
};

class TscFontListBox : public TscFontNameListOf<TscCustomListBox> {
    TAVIN_PUBLISHED_CLASS(TscFontListBox, TscCustomListBox)
public:
    using TscFontNameListOf::TscFontNameListOf;

protected:
    void DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state) override;
};

class TscFontComboBox : public TscFontNameListOf<TscCustomComboBox> {
    TAVIN_PUBLISHED_CLASS(TscFontComboBox, TscCustomComboBox)
public:
    explicit TscFontComboBox(TComponent* owner);
    void WndProc(TMessage& message) override;

protected:
    void DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state, bool faceItem) override;
};

class TscFontSizeComboBox : public TscCustomComboBox {
    TAVIN_PUBLISHED_CLASS(TscFontSizeComboBox, TscCustomComboBox)
public:
    explicit TscFontSizeComboBox(TComponent* owner);

    // The typeface whose sizes are listed; writing it lists them anew, also for the same name.
    String FontName() const { return FFontName; }
    void SetFontName(const String& value);
    // The chosen size; 0 when none is chosen or the typed text is no number that fits.
    int SizeValue() const;
    // The screen's logical pixels per inch at the last listing.
    int PixelsPerInch = 96;

protected:
    // Lets digits, control keys, Enter and Escape through; anything else is refused with a beep.
    void KeyPress(Char& key) override;

private:
    String FFontName;
};
