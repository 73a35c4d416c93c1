#pragma once
// The UI kit's toolbox: a class of static operations only. Positions are 1-based, 0 meaning "not
// found"; strings are UTF-16.
//
// RurUtils.cpp holds the text and markup operations, RurUtils_Numbers.cpp the locale-independent
// numbers and the dates, RurUtils_Codecs.cpp the Base64, hexadecimal and URL codecs, RurUtils_Match.cpp
// the filter matcher and the character sets. The operations that need a window, a DC, the clipboard,
// the shell or a picture belong to the Win32 half.
#include <cstdint>
#include <functional>
#include <vector>

#include <memory>

#include "DateUtils.h"
#include "Streams.h"
#include "SysUtils.h"
#include "Types.h"
#include "UITypes.h"

// windows.h renames GetTempPath to GetTempPathW, which would give the operation below two names.
#ifdef GetTempPath
#undef GetTempPath
#endif

class TComponent;
class TStrings;
class TControl;
class TCustomForm;
class TFont;
class TPicture;
class TRurBitmap;

// Told the file name and whether the dialog was confirmed.
using TRurUtilsFileCallBackEvent = std::function<void(const String& AFileName, bool AResult)>;

// A small ordered character set: entries keep their order and may repeat.
using TRurUtilsCharSet = std::vector<Char>;

class TRurUtils : public TObject {
public:
    TRurUtils() = delete;

    // Search and replace.
    static int IPos(const String& su, const String& s);
    static int VarPos(const String& ASubValue, const String& AValue, int& AResult);
    static int VarPosNoCase(const String& ASubValue, const String& AValue, int& AResult);
    static Char CharInStr(const String& s, int Index);
    static bool TagReplaceString(const String& Srch, const String& Repl, String& Dest);

    // Markup of captions, hints and dialog texts.
    static String FixMarkup(const String& su, bool SpecialChars);
    static String UnFixMarkup(const String& su, bool SpecialChars, bool SpecialCharsOnly);
    static int GetMarkupIndex(const String& Markup);
    static String GetSpecialChar(int Value);
    static int IndexOfTextInArray(const String& AText, const std::vector<String>& AValues);
    static String HTMLStrip(const String& AHTML);
    static bool IsHTML(const String& AValue);
    static bool IsHTMLUnicode(const String& AValue);

    // Splits at the delimiter only (strict delimiting; the list's double-quote rules apply), after
    // clearing the list; empty items are dropped on request.
    static void Split(Char ADelimiter, const String& AInput, TStrings& AStrings, bool AClearEmptyStrings);

    // JSON string escapes.
    static String EscapeString(const String& AValue);
    static String UnescapeString(const String& AValue);

    // Numbers with "." as the decimal separator and "," as the thousands separator, whatever the
    // process-wide settings hold; the conversion errors are EConvertError.
    static String StripThousandSep(const String& ps);
    static double StrToFloatDot(const String& AValue);
    static bool TryStrToFloatDot(const String& AValue, double& AResult);
    static String FloatToStrDot(double AValue);
    // Seconds since 1970-01-01 as a 32-bit decimal text, to a UTC date-time.
    static TDateTime EpochToDateTime(const String& AEpoch);
    // "1.50 KB": "Bytes", "KB", "MB", "GB" or "TB" (the largest unit also for 1024 TB and more).
    static String FormatBytesAsString(double ASize);
    // A date in the order of the locale's short date format, optionally followed by a space and a time.
    static bool IsDate(const String& AValue, TDateTime& ADate);

    // Numeric helpers.
    static int MulDivInt(int nNumber, int nNumerator, int nDenominator);
    static float MulDivSingle(float nNumber, float nNumerator, float nDenominator);
    static String EnDeCrypt(const String& AValue);

    // Codecs.
    // The Save operations encode the whole stream from its start; the Load operations write the
    // decoded bytes at the stream's position.
    static String SaveStreamToBase64(TStream& AStream, bool AURL);
    static TBytes Decode64ToBytes(const String& AValue, bool AURL);
    static void LoadStreamFromBase64(const String& ABase64, TStream& AStream, bool AURL);
    static String SaveStreamToHexStr(TStream& AStream);
    static TBytes HexStrToBytes(const String& AValue);
    static void LoadStreamFromHexStr(const String& AHexStr, TStream& AStream);
    static String URLEncode(const String& AURL);
    static String URLDecode(const String& AURL);
    // ".gif", ".bmp", ".png", ".tiff", ".jpg", ".unknown", ".empty" or empty; the position is kept.
    static String GetImageType(TStream& AData, bool AResetPosition);

    // A copy through the component streaming: no owner, an empty name; the caller owns it. The
    // component's class must be registered.
    static TComponent* Clone(TComponent* AComponent);

    // Sends the text to the debugger output (natively: to the standard error).
    static void Log(const String& AMessage);

    // Paths.
    static String AddBackslash(const String& AValue);
    static String AddForwardslash(const String& AValue);

#ifdef _WIN32
    // The Win32 half (RurUtils_Win.cpp).

    // Pictures as Base64 or hexadecimal text of their saved data; an empty picture gives the empty
    // text. Loading from Base64 takes a data URL too; loading from hexadecimal leaves the picture
    // unchanged when the data holds a data URL or has no known format.
    static String SaveBitmapToBase64(TPicture& ABitmap, bool AURL);
    static void LoadBitmapFromBase64(const String& ABase64, TPicture& ABitmap, bool AURL);
    static String SaveBitmapToHexStr(TPicture& ABitmap);
    static void LoadBitmapFromHexStr(const String& AHexStr, TPicture& ABitmap);
    // New pictures of the kit, loaded as above; the caller owns them.
    static std::unique_ptr<TRurBitmap> CreateBitmapFromBase64(const String& ABase64, bool AURL);
    static std::unique_ptr<TRurBitmap> CreateBitmapFromHexStr(const String& AHexStr);
    // The type text of the picture's saved data, as for a stream.
    static String GetImageType(TRurBitmap& ABitmap);
    // The picture as JPEG data (JPEG data as it is), other formats drawn over ABackgroundColor
    // (white for no colour) and compressed at AQuality (0 to 1); null for an unknown format.
    static std::unique_ptr<TMemoryStream> ConvertBitmapToJPEGStream(TPicture& ABitmap, float AQuality,
                                                                    int ABackgroundColor);
    // The graphic class for the data's first bytes; a buffer too short for a test fails it.
    static bool FindGraphicClass(const Byte* Buffer, Int64 BufferSize, TClass& GraphicClass);

    // An RCDATA resource of the module (the program's own without AInstance); null when missing.
    static std::unique_ptr<TResourceStream> GetResourceStream(const String& AResourceName, NativeUInt AInstance = 0);
    static NativeUInt GetHInstance();
    // The body of an image URL; empty when the content type is not an image. Raises Exception
    // "Unable to initialize Wininet" or "Cannot open URL <url>".
    static std::unique_ptr<TMemoryStream> DownloadImage(const String& AURL);
    // The shell opens the file or URL; failures are not reported.
    static void OpenFile(const String& AFile, TControl* AControlReference = nullptr);
    static void OpenURL(const String& AURL);
    // An open dialog for an existing file, starting in ADefaultFolder (the documents folder when
    // empty); on OK the name goes into AFileName. The callback, when given, hears the outcome.
    static bool SelectFile(String& AFileName, const String& ADefaultFolder, const String& AFilter,
                           const TRurUtilsFileCallBackEvent& ACallBack = nullptr);
    // A save dialog asking before overwriting, starting at AFileName (the documents folder when it
    // has no folder); a name chosen without an extension keeps the extension AFileName had.
    static bool SaveFile(String& AFileName, const String& AFilter, const TRurUtilsFileCallBackEvent& ACallBack = nullptr);
    // A message box placed by the platform; the modal result.
    static int Message(const String& AMessage, TMsgDlgType ADialogType = mtInformation,
                       TMsgDlgButtons AButtons = {mbOK}, int AHelpContext = 0);

    // The executable's folder and the temporary folder end in a backslash; GetDocumentsPath raises
    // EOleSysError when the system cannot tell.
    static String GetAppPath();
    static String GetDocumentsPath();
    static String GetTempPath();

    // DPI: the scale of the form AOwner belongs to (the main form without an owner), 1.0 without one.
    static float GetDPIScale(TComponent* AOwner, int ADefaultDPI);
    static bool IsHighDPIScale(TComponent* AOwner, int ADefaultDPI);
    static void ScaleForDPI(TControl* AControl, int ADPI);
    static void ScaleForCurrentDPI(TCustomForm* AForm);

    // Fonts and the pointer.
    static void GetFonts(TStrings& FontList);
    // ASize is a pixel size at 96 dpi.
    static void SetFontSize(TFont& AFont, float ASize);
    static TPointF GetMousePos();

    // Forms: the first in the owner chain above the component, and the control's top-level form.
    static TCustomForm* GetOwnerForm(TComponent* AComponent);
    static TCustomForm* GetParentForm(TControl* AControl);
#endif

    // Filter matching.
    static bool Matches(const String& s0a, const String& s1a);
    static bool Matches(const Char* s0, const Char* s1);
    static bool MatchStr(const String& AValue1, const String& AValue2, bool ACaseSensitive);
    static bool MatchStrEx(const String& AValue1, const String& AValue2, bool ACaseSensitive);
    static Char FirstChar(const TRurUtilsCharSet& ACharset, const String& AValue, int& spos);
    static String StripLogicSpaces(const String& AValue);
    static int ClosingParenthesis(const String& s1);

    // Character sets.
    static TRurUtilsCharSet CreateCharSet(const String& AValue);
    static TRurUtilsCharSet AlphaCharSet();
    static TRurUtilsCharSet NumericCharSet();
    static TRurUtilsCharSet AddCharSet(const TRurUtilsCharSet& ACharSet1, const TRurUtilsCharSet& ACharSet2);
    static TRurUtilsCharSet SubCharSet(const TRurUtilsCharSet& ACharSet1, const TRurUtilsCharSet& ACharSet2);
    static bool CharInSet(Char ch, const TRurUtilsCharSet& ACharSet);
};

// The halves and bytes of Win32 words, for the picture container.
constexpr std::uint16_t HiWord(std::uint32_t AValue) { return std::uint16_t(AValue >> 16); }
constexpr std::uint16_t LoWord(std::uint32_t AValue) { return std::uint16_t(AValue & 0xFFFF); }
constexpr std::uint16_t MakeWord(std::uint8_t ALow, std::uint8_t AHigh) { return std::uint16_t(ALow | (AHigh << 8)); }
constexpr std::uint32_t MakeLong(std::uint16_t ALow, std::uint16_t AHigh) { return ALow | (std::uint32_t(AHigh) << 16); }
