#pragma once
// A graphic that keeps the raw bytes of a raster file (BMP, GIF, JPEG, PNG, ICO, TIFF, metafile)
// and decodes them with GDI+ each time it draws, or holds an SVG document through its SVG base.
// Glow buttons and toolbar controls keep their glyphs in it.
#include "RurGDIPRaster.h"

TAVIN_ENUM(TPictureFormat, pfBMP, pfGIF, pfJPG, pfPNG, pfICO, pfTiff, pfMetaFile, pfNone)

// The format by the data's first bytes; pfNone for fewer than 44 bytes.
TPictureFormat SniffPictureFormat(const void* AData, Int64 ASize);

class TGDIPPicture : public RurGDIP::TRurRasterPicture {
    TAVIN_PUBLISHED_CLASS(TGDIPPicture, RurGDIP::TRurRasterPicture)
public:
    TGDIPPicture();

    void Assign(const TPersistent* Source) override;
    // Any failure leaves the picture empty, without an error.
    void LoadFromFile(const String& FileName) override;
    // "RES://name" from the program's resources, "FILE://path" from a file; other texts do nothing.
    void LoadFromURL(const String& url) { LoadFromLocalURL(url); }
    // The picture has no size of its own to set and no clipboard form: these do nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    void LoadFromClipboardFormat(Word, HANDLE, HPALETTE) override {}
    void SaveToClipboardFormat(Word&, HANDLE&, HPALETTE&) override {}

    void Draw(TCanvas& ACanvas, const TRect& Rect) override;
    // At (X, Y) in the picture's own size.
    void DrawImage(RurGDIP::TGPGraphics& AGraphics, int X, int Y);
    void DrawImageRect(RurGDIP::TGPGraphics& AGraphics, int X, int Y, int W, int H);

    const String& GetFileName() const { return FFileName; }
    TPictureFormat PictureFormat() const;
    TGDIPPicture* Graphic() { return this; }

    // Kept for the picture's users; only TransparentBitmap changes drawing (a BMP's bottom-left
    // colour is left out).
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value) { FBackgroundColor = value; }
    bool TransparentBitmap() const { return FTransparentBitmap; }
    void SetTransparentBitmap(bool value) { FTransparentBitmap = value; }
    // Degrees the raster picture is turned by in Draw.
    int Angle() const { return FAngle; }
    void SetAngle(int value) { FAngle = value; }
    TNotifyEvent OnClear() const { return FOnClear; }
    void SetOnClear(TNotifyEvent value) { FOnClear = value; }

private:
    void DoClear();

    String FFileName;
    bool FDoubleBuffered = false;
    TColor FBackgroundColor = 0;
    bool FTransparentBitmap = true;
    TNotifyEvent FOnClear;
    int FAngle = 0;
};
