// A rich caption of a few hundred words laid out and drawn by the GDI caption engine, beside the
// same words drawn as plain text by DrawText with word breaks, in one run on a memory bitmap.
#include <chrono>
#include <cstdio>

#include "Graphics.h"
#include "RurHTML.h"
#include "WideText.h"

namespace {

template <class Body>
double MicrosecondsPerCall(int calls, Body body)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        body();
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / calls;
}

} // namespace

int main()
{
    const Char* words[] = {u"caption", u"engine", u"draws", u"rich", u"text", u"with", u"links", u"and", u"lists"};
    String markup, plain;
    for (int i = 0; i < 300; ++i) {
        const String word = words[i % 9];
        plain += word + u" ";
        switch (i % 12) {
        case 0: markup += u"<b>" + word + u"</b> "; break;
        case 3: markup += u"<a href=\"x" + IntToStr(i) + u"\">" + word + u"</a> "; break;
        case 5: markup += u"<font color=\"#C00000\">" + word + u"</font> "; break;
        case 7: markup += u"<i>" + word + u"</i> "; break;
        case 9: markup += u"<u>" + word + u"</u> "; break;
        case 11: markup += word + u"<BR>"; plain += u"\r\n"; break;
        default: markup += word + u" "; break;
        }
    }

    TBitmap bitmap(800, 2000);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Font()->SetName(u"Tahoma");
    canvas.Font()->SetHeight(-13);
    const TRect area(0, 0, 800, 2000);

    constexpr int Calls = 100;
    THTMLDrawOptions options;
    options.Scale = 1;
    THTMLDrawResult result;
    const double rich = MicrosecondsPerCall(Calls, [&] { HTMLDraw(canvas, markup, area, options, result); });
    THTMLDrawOptions measuring = options;
    measuring.MeasureOnly = true;
    const double layout = MicrosecondsPerCall(Calls, [&] { HTMLDraw(canvas, markup, area, measuring, result); });
    const double text = MicrosecondsPerCall(Calls, [&] {
        RECT r{0, 0, 800, 2000};
        DrawTextW(canvas.Handle(), WidePtr(plain), int(plain.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
    });
    std::printf("HTMLDraw (300 words, mixed tags) %9.1f us/call   DrawText plain %9.1f us/call   ratio %.2f\n", rich,
                text, rich / text);
    std::printf("(of which measuring alone %.1f us; laid out %d x %d, %d links)\n", layout, result.XSize,
                result.YSize, result.LinkCount);
    return 0;
}
