// A rich caption of a few hundred words laid out and drawn by the GDI caption engine, beside the
// same words drawn as plain text by DrawText with word breaks, in one run on a memory bitmap.
// The three are measured in alternating rounds; the fastest round of each (the one least disturbed
// by the rest of a busy machine) and the median round are printed, and the first call of each.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "Graphics.h"
#include "RurHTML.h"
#include "WideText.h"

namespace {

// Microseconds per call, one value per round.
struct Figure {
    std::vector<double> Rounds;
    double Fastest() const { return *std::min_element(Rounds.begin(), Rounds.end()); }
    double Median() const
    {
        std::vector<double> sorted = Rounds;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

void RunRound(Figure& AFigure, int ACalls, const std::function<void()>& ABody)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < ACalls; ++i)
        ABody();
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    AFigure.Rounds.push_back(elapsed.count() / ACalls);
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

    THTMLDrawOptions options;
    options.Scale = 1;
    THTMLDrawOptions measuring = options;
    measuring.MeasureOnly = true;
    THTMLDrawResult result;
    // The plain text in the caption's own font (the canvas selects its font only for its own text calls).
    TFont font;
    font.Assign(canvas.Font());
    auto plainText = [&] {
        const HDC dc = canvas.Handle();
        const HGDIOBJ previous = SelectObject(dc, font.Handle());
        RECT r{0, 0, 800, 2000};
        DrawTextW(dc, WidePtr(plain), int(plain.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, previous);
    };

    // The first calls: the caption engine keeps the fonts and extents of the display for later
    // calls, and the platform keeps the glyphs of both.
    Figure richFirst, textFirst;
    RunRound(richFirst, 1, [&] { HTMLDraw(canvas, markup, area, options, result); });
    RunRound(textFirst, 1, plainText);

    constexpr int Rounds = 25;
    constexpr int Calls = 10;
    Figure rich, layout, text;
    for (int r = 0; r < Rounds; ++r) {
        RunRound(rich, Calls, [&] { HTMLDraw(canvas, markup, area, options, result); });
        RunRound(layout, Calls, [&] { HTMLDraw(canvas, markup, area, measuring, result); });
        RunRound(text, Calls, plainText);
    }
    std::printf("HTMLDraw (300 words, mixed tags) %8.1f us/call   DrawText plain %8.1f us/call   ratio %.2f"
                "   (fastest of %d rounds)\n",
                rich.Fastest(), text.Fastest(), rich.Fastest() / text.Fastest(), Rounds);
    std::printf("                                 %8.1f us/call                  %8.1f us/call   ratio %.2f"
                "   (median round)\n",
                rich.Median(), text.Median(), rich.Median() / text.Median());
    std::printf("first calls                      %8.1f us/call                  %8.1f us/call   ratio %.2f   (fonts loaded)\n",
                richFirst.Fastest(), textFirst.Fastest(), richFirst.Fastest() / textFirst.Fastest());
    std::printf("measuring alone %.1f us (fastest round); laid out %d x %d, %d links\n", layout.Fastest(),
                result.XSize, result.YSize, result.LinkCount);
    return 0;
}
