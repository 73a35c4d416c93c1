// Lays out every markup of a folder (the caption markup fuzzer's corpus) and random mutations of
// them with the GDI, GDI+ and vector caption engines, in every mode, into memory bitmaps, for a number of
// seconds: no crash, no hang.  caption_layout_soak <folder> [seconds] [last-markup file]
// With a file name, each markup is written there (UTF-16) before it is laid out, so a crash
// leaves the markup that caused it.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <iterator>
#include <random>
#include <vector>

#include "GDIPHTMLEngine.h"
#include "RurFoundationUnits.h"
#include "RurGraphicsHTMLEngine.h"
#include "WideText.h"

namespace {

// Bytes as characters, the upper half as Arabic-script letters, as the fuzzer reads them.
String MarkupOf(const std::vector<unsigned char>& ABytes)
{
    String text(ABytes.size(), u'\0');
    for (std::size_t i = 0; i < ABytes.size(); ++i)
        text[i] = ABytes[i] < 0x80 ? Char(ABytes[i]) : Char(0x0600 + ABytes[i]);
    return text;
}

std::vector<String> ReadFolder(const String& AFolder)
{
    std::vector<String> texts;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(WidePtr(AFolder + u"\\*"), &data);
    if (find == INVALID_HANDLE_VALUE)
        return texts;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const std::wstring path = std::wstring(WidePtr(AFolder)) + L"\\" + data.cFileName;
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            continue;
        std::vector<unsigned char> bytes(GetFileSize(file, nullptr));
        DWORD read = 0;
        ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
        CloseHandle(file);
        bytes.resize(read);
        texts.push_back(MarkupOf(bytes));
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return texts;
}

const wchar_t* LastMarkupFile = nullptr;

void LayOut(TCanvas& ACanvas, RurGDIP::TGPGraphics& AGraphics, TRurGraphics& AVector, const String& AText,
            unsigned AMode)
{
    if (LastMarkupFile) {
        HANDLE file = CreateFileW(LastMarkupFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, &AMode, sizeof(AMode), &written, nullptr);
        WriteFile(file, AText.data(), DWORD(AText.size() * sizeof(Char)), &written, nullptr);
        CloseHandle(file);
    }
    THTMLDrawOptions options;
    options.Scale = 1;
    options.MouseX = int(AMode % 97);
    options.MouseY = int(AMode % 31);
    options.FocusLink = int(AMode % 3) - 1;
    options.HoverLink = int(AMode % 4) - 1;
    options.HitTest = AMode & 1;
    options.MeasureOnly = AMode & 2;
    options.WordWrap = !(AMode & 4);
    options.BiDiMode = AMode & 8 ? bdRightToLeft : bdLeftToRight;
    options.Edition = AMode & 16 ? THTMLEdition::Reduced : THTMLEdition::Full;
    options.Selected = AMode & 32;
    options.HoverOnlyStyling = AMode & 64;
    THTMLDrawResult result;
    HTMLDraw(ACanvas, AText, TRect(0, 0, 200 + int(AMode % 50), 150), options, result);

    THTMLDrawGDIPOptions gdip;
    gdip.MouseX = options.MouseX;
    gdip.MouseY = options.MouseY;
    gdip.HitTest = options.HitTest;
    gdip.MeasureOnly = options.MeasureOnly;
    gdip.WordWrap = options.WordWrap;
    THTMLDrawGDIPResult gdipResult;
    HTMLDrawGDIP(AGraphics, *ACanvas.Font(), AText, TRect(0, 0, 200, 150), gdip, gdipResult);

    THTMLDrawGraphicsOptions vector;
    vector.X = options.MouseX;
    vector.Y = options.MouseY;
    vector.FocusLink = options.FocusLink;
    vector.HoverLink = options.HoverLink;
    vector.HitTest = options.HitTest;
    vector.MeasureOnly = options.MeasureOnly;
    vector.WordWrap = options.WordWrap;
    vector.Selected = options.Selected;
    vector.HoverOnlyStyling = options.HoverOnlyStyling;
    THTMLDrawGraphicsResult vectorResult;
    vectorResult.ControlID = u"c";
    HTMLDrawGraphics(AVector, AText, TRectF{0, 0, 200, 150}, vector, vectorResult);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: caption_layout_soak <folder> [seconds]\n");
        return 2;
    }
    const std::vector<String> corpus = ReadFolder(FromWidePtr(argv[1]));
    const int seconds = argc > 2 ? _wtoi(argv[2]) : 60;
    LastMarkupFile = argc > 3 ? argv[3] : nullptr;
    const TUnitStep steps[] = {{"Graphics", &InitializeGraphicsUnit, &FinalizeGraphicsUnit}};
    TUnitStartup graphics(steps);
    graphics.Initialize();
    TUnitStartup foundation(RurFoundationUnits());
    foundation.Initialize();
    {
        TBitmap bitmap(260, 150);
        TCanvas& canvas = *bitmap.Canvas();
        canvas.Font()->SetName(u"Tahoma");
        canvas.Font()->SetHeight(-13);
        RurGDIP::TGPGraphics gdip(canvas.Handle());
        // The vector engine on the drawing object's two back ends in turn.
        std::unique_ptr<TRurGraphics> vectors[] = {TRurGraphics::CreateBitmapCanvas(260, 150, false, false),
                                                   TRurGraphics::CreateBitmapCanvas(260, 150, true, false)};
        auto layOut = [&](const String& AText, unsigned AMode) {
            LayOut(canvas, gdip, *vectors[AMode >> 7 & 1], AText, AMode);
        };
        std::mt19937 random(20);
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        long runs = 0;
        for (const String& text : corpus)
            layOut(text, unsigned(runs++));
        const String pieces[] = {u"<a href=\"x\">", u"</a>", u"<BR>", u"<img src=\"IDX:0\" float=\"left\">",
                                 u"<ul><li>", u"</ul>", u"<p align=\"center\" line-height=\"2\">", u"</p>",
                                 u"<font size=\"40\">", u"<z>", u"<r a=\"90\">", u"&#x1F600;", u" ", u"word",
                                 u"<control type=\"check\" id=\"c\">", u"<control type=\"button\" width=\"30\" value=\"<b>",
                                 u"<img src=\"data:image/bmp;base64,Qk0=\">", u"<body bgcolor=\"#abc\">"};
        while (!corpus.empty() && std::chrono::steady_clock::now() < end) {
            String text = corpus[random() % corpus.size()];
            for (int k = 0; k < 4; ++k)
                text.insert(text.empty() ? 0 : random() % text.size(), pieces[random() % std::size(pieces)]);
            layOut(text, unsigned(random()));
            ++runs;
        }
        std::printf("caption_layout_soak: %ld layouts of %zu corpus texts and their mutations\n", runs, corpus.size());
    }
    foundation.Finalize();
    graphics.Finalize();
    return 0;
}
