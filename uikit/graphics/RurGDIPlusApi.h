#pragma once
// The GDI+ flat API of gdiplus.dll, bound by name at start-up instead of imported, with the value
// types and enumerations the run-time bound wrapper set (RurGDIPlusClasses) uses.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <new>
#include <type_traits>

#include "RurGDIPlusTypes.h"
#include "Startup.h"
#include "System.h"

namespace RurGDIPlusApi {

// ---- Enumerations, with the platform's values ----------------------------------------------------

enum Status : int32_t {
    Ok, GenericError, InvalidParameter, OutOfMemory, ObjectBusy, InsufficientBuffer, NotImplemented,
    Win32Error, WrongState, Aborted, FileNotFound, ValueOverflow, AccessDenied, UnknownImageFormat,
    FontFamilyNotFound, FontStyleNotFound, NotTrueTypeFont, UnsupportedGdiplusVersion,
    GdiplusNotInitialized, PropertyNotFound, PropertyNotSupported
};

enum FillMode : int32_t { FillModeAlternate, FillModeWinding };
enum CompositingMode : int32_t { CompositingModeSourceOver, CompositingModeSourceCopy };
enum Unit_ : int32_t { UnitWorld, UnitDisplay, UnitPixel, UnitPoint, UnitInch, UnitDocument, UnitMillimeter };
enum CoordinateSpace : int32_t { CoordinateSpaceWorld, CoordinateSpacePage, CoordinateSpaceDevice };
enum WrapMode : int32_t { WrapModeTile, WrapModeTileFlipX, WrapModeTileFlipY, WrapModeTileFlipXY, WrapModeClamp };
enum DashStyle : int32_t {
    DashStyleSolid, DashStyleDash, DashStyleDot, DashStyleDashDot, DashStyleDashDotDot, DashStyleCustom
};
enum LineJoin : int32_t { LineJoinMiter, LineJoinBevel, LineJoinRound, LineJoinMiterClipped };
enum WarpMode : int32_t { WarpModePerspective, WarpModeBilinear };
enum LinearGradientMode : int32_t {
    LinearGradientModeHorizontal, LinearGradientModeVertical, LinearGradientModeForwardDiagonal,
    LinearGradientModeBackwardDiagonal
};
enum CombineMode : int32_t {
    CombineModeReplace, CombineModeIntersect, CombineModeUnion, CombineModeXor, CombineModeExclude,
    CombineModeComplement
};
enum ImageType : int32_t { ImageTypeUnknown, ImageTypeBitmap, ImageTypeMetafile };
enum PenAlignment : int32_t { PenAlignmentCenter, PenAlignmentInset };
enum BrushType : int32_t {
    BrushTypeSolidColor, BrushTypeHatchFill, BrushTypeTextureFill, BrushTypePathGradient, BrushTypeLinearGradient
};
enum MatrixOrder : int32_t { MatrixOrderPrepend, MatrixOrderAppend };
enum TextRenderingHint : int32_t {
    TextRenderingHintSystemDefault, TextRenderingHintSingleBitPerPixelGridFit, TextRenderingHintSingleBitPerPixel,
    TextRenderingHintAntiAliasGridFit, TextRenderingHintAntiAlias, TextRenderingHintClearTypeGridFit
};
enum StringTrimming : int32_t {
    StringTrimmingNone, StringTrimmingCharacter, StringTrimmingWord, StringTrimmingEllipsisCharacter,
    StringTrimmingEllipsisWord, StringTrimmingEllipsisPath
};
enum StringDigitSubstitute : int32_t {
    StringDigitSubstituteUser, StringDigitSubstituteNone, StringDigitSubstituteNational,
    StringDigitSubstituteTraditional
};
enum HotkeyPrefix : int32_t { HotkeyPrefixNone, HotkeyPrefixShow, HotkeyPrefixHide };
enum StringAlignment : int32_t { StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar };
enum FlushIntention : int32_t { FlushIntentionFlush, FlushIntentionSync };
enum ColorChannelFlags : int32_t {
    ColorChannelFlagsC, ColorChannelFlagsM, ColorChannelFlagsY, ColorChannelFlagsK, ColorChannelFlagsLast
};
enum RotateFlipType : int32_t {
    RotateNoneFlipNone, Rotate90FlipNone, Rotate180FlipNone, Rotate270FlipNone, RotateNoneFlipX,
    Rotate90FlipX, Rotate180FlipX, Rotate270FlipX
};
enum ColorMatrixFlags : int32_t { ColorMatrixFlagsDefault, ColorMatrixFlagsSkipGrays, ColorMatrixFlagsAltGray };
enum ColorAdjustType : int32_t {
    ColorAdjustTypeDefault, ColorAdjustTypeBitmap, ColorAdjustTypeBrush, ColorAdjustTypePen,
    ColorAdjustTypeText, ColorAdjustTypeCount, ColorAdjustTypeAny
};
enum HatchStyle : int32_t {
    HatchStyleHorizontal, HatchStyleVertical, HatchStyleForwardDiagonal, HatchStyleBackwardDiagonal, HatchStyleCross,
    HatchStyleDiagonalCross, HatchStyle05Percent, HatchStyle10Percent, HatchStyle20Percent, HatchStyle25Percent,
    HatchStyle30Percent, HatchStyle40Percent, HatchStyle50Percent, HatchStyle60Percent, HatchStyle70Percent,
    HatchStyle75Percent, HatchStyle80Percent, HatchStyle90Percent, HatchStyleLightDownwardDiagonal,
    HatchStyleLightUpwardDiagonal, HatchStyleDarkDownwardDiagonal, HatchStyleDarkUpwardDiagonal,
    HatchStyleWideDownwardDiagonal, HatchStyleWideUpwardDiagonal, HatchStyleLightVertical, HatchStyleLightHorizontal,
    HatchStyleNarrowVertical, HatchStyleNarrowHorizontal, HatchStyleDarkVertical, HatchStyleDarkHorizontal,
    HatchStyleDashedDownwardDiagonal, HatchStyleDashedUpwardDiagonal, HatchStyleDashedHorizontal,
    HatchStyleDashedVertical, HatchStyleSmallConfetti, HatchStyleLargeConfetti, HatchStyleZigZag, HatchStyleWave,
    HatchStyleDiagonalBrick, HatchStyleHorizontalBrick, HatchStyleWeave, HatchStylePlaid, HatchStyleDivot,
    HatchStyleDottedGrid, HatchStyleDottedDiamond, HatchStyleShingle, HatchStyleTrellis, HatchStyleSphere,
    HatchStyleSmallGrid, HatchStyleSmallCheckerBoard, HatchStyleLargeCheckerBoard, HatchStyleOutlinedDiamond,
    HatchStyleSolidDiamond, HatchStyleTotal
};
static_assert(HatchStyleSolidDiamond == 52 && HatchStyleTotal == 53);

// ---- Records ---------------------------------------------------------------------------------------

struct BitmapData {
    uint32_t Width;
    uint32_t Height;
    int32_t Stride;
    int32_t PixelFormat;
    void* Scan0;
    uintptr_t Reserved;
};

struct PropertyItem {
    uint32_t id;
    uint32_t length;
    uint16_t type_;
    void* value;
};

struct ColorMatrix {
    float m[5][5];
};

struct ColorMap {
    ARGB oldColor;
    ARGB newColor;
};

struct CharacterRange {
    int32_t First;
    int32_t Length;
};

// Variable-length platform records: only their addresses travel.
struct ColorPalette;
struct EncoderParameters;

using ImageAbort = BOOL(WINAPI*)(void* data);
using GdiplusDebugEventProc = void(WINAPI*)(int32_t level, char* message);

// ---- The entry table -------------------------------------------------------------------------------

enum class GdipEntry : uint16_t {
#define GDIP_ENTRY(name) name,
#include "RurGDIPlusEntryNames.inc"
#undef GDIP_ENTRY
};
inline constexpr size_t GdipEntryCount = 594;

// Loads gdiplus.dll by its bare name and binds every entry the library exports; nothing is reported
// when the library or a name is missing.
void LoadGdiplusApi();
// Releases the library and empties the table; nothing when it is not loaded.
void FreeGdiplusApi();

HMODULE GdiplusLibrary(); // 0 while not loaded
void* GdipEntryAddress(GdipEntry entry); // null when the name is not bound
const char* GdipEntryName(GdipEntry entry);

// The values a flat function takes on 32-bit Windows: all fit in one stack slot. Doubles, bools and
// records are kept out so that a deduced signature always matches the platform's.
template <class T>
inline constexpr bool IsFlatArgument =
    sizeof(T) <= sizeof(void*) && !std::is_same_v<T, bool> && !std::is_null_pointer_v<T> &&
    (std::is_pointer_v<T> || std::is_integral_v<T> || std::is_enum_v<T> || std::is_same_v<T, float>);

// Calls a bound flat function whose signature is the argument list as given. An unbound entry (the
// library is missing, does not export the name, or is already released) answers NotImplemented.
template <class... A>
Status GdipCall(GdipEntry entry, A... args)
{
    static_assert((IsFlatArgument<A> && ...), "flat functions take 32-bit values and addresses");
    void* address = GdipEntryAddress(entry);
    if (!address)
        return NotImplemented;
    return reinterpret_cast<Status(WINAPI*)(A...)>(address)(args...);
}

// ---- Unit start-up ---------------------------------------------------------------------------------

// Reference-counted: the first initialisation binds, the last finalisation releases.
void RurGDIPlusApi_Initialize();
void RurGDIPlusApi_Finalize();
inline constexpr TUnitStep RurGDIPlusApiUnit{"RurGDIPlusApi", RurGDIPlusApi_Initialize, RurGDIPlusApi_Finalize};

// Starts GDI+ (version 1) when the library is loaded, keeping the token; the status is not examined.
void StartupGdiplus();
// Shuts GDI+ down with the kept token when the library is loaded.
void ShutdownGdiplus();

// ---- Wrapper base and path data ----------------------------------------------------------------------

// Base of every wrapper: its instances live in memory of the GDI+ allocator, zero-filled.
class TGdiplusBase : public TObject {
public:
    // Throws std::bad_alloc when the allocator yields nothing or is not bound.
    static void* operator new(size_t size);
    // Yields null instead, for the operations that answer nil when a wrapper cannot be made.
    static void* operator new(size_t size, const std::nothrow_t&) noexcept;
    static void operator delete(void* block) noexcept;
};

// A path's points and point types. Count, Points and Types are contiguous: the address of Count is
// the platform's path-data record.
class TPathData : public TObject {
public:
    TPathData() = default;
    ~TPathData() override;
    TPathData(const TPathData&) = delete;
    TPathData& operator=(const TPathData&) = delete;

    // Frees both arrays and sets the count to 0.
    void Clear();

    int32_t Count = 0;
    TGPPointF* Points = nullptr;
    uint8_t* Types = nullptr;
};

} // namespace RurGDIPlusApi
