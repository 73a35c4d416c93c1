// Glyph painters whose whole drawing is straight figures stroked once with one pen: their points
// are data, read by one painter.
#include <span>
#include <vector>

#include "scGPGlyphGeometry.h"

using namespace scglyph;

namespace {

// A coordinate of a glyph point: the rectangle's left (for x) or top (for y) plus
// W·w + H·h + pw·p, pw being the pen's width.
struct TCoord {
    constexpr TCoord(float w = 0, float h = 0, float pw = 0) : W(w), H(h), Pw(pw) {}
    float W, H, Pw;
};

enum class TStep : Byte { Point, Figure, Close };

// A point joined to the figure so far, the start of a new figure, or the closing of the current one.
struct TItem {
    TStep Step = TStep::Point;
    TCoord X, Y;
};

constexpr TItem Pt(TCoord x, TCoord y) { return {TStep::Point, x, y}; }
constexpr TItem Fig{TStep::Figure, {}, {}};
constexpr TItem Shut{TStep::Close, {}, {}};

constexpr float Third = 1 / 3.f, Sixth = 1 / 6.f, Twelfth = 1 / 12.f;

// Builds the figures into one path and strokes it once.
void StrokeFigures(TGPGraphics& g, const TGPRectF& r, ARGB color, float pw,
                   std::initializer_list<std::span<const TItem>> parts)
{
    const auto at = [&](const TCoord& c, float origin) { return origin + c.W * r.Width + c.H * r.Height + c.Pw * pw; };
    TGPGraphicsPath path;
    std::vector<TGPPointF> run;
    const auto addRun = [&] {
        if (!run.empty())
            path.AddLines(run);
        run.clear();
    };
    for (std::span<const TItem> items : parts)
        for (const TItem& item : items) {
            if (item.Step == TStep::Point) {
                run.push_back(TGPPointF(at(item.X, r.X), at(item.Y, r.Y)));
                continue;
            }
            addRun();
            if (item.Step == TStep::Figure)
                path.StartFigure();
            else
                path.CloseFigure();
        }
    addRun();
    TGPPen pen(color, pw);
    g.DrawPath(pen, path);
}

// Arrows, navigation and media.

constexpr TItem PriorArrowFigures[] = {
    Pt({0, Third}, {0, Sixth}), Pt({}, {0, .5f}), Pt({0, Third}, {0, 5 * Sixth}),
    Fig, Pt({1}, {0, .5f}), Pt({0, 0, .75f}, {0, .5f}),
};
constexpr TItem NextArrowFigures[] = {
    Pt({1, -Third}, {0, Sixth}), Pt({1}, {0, .5f}), Pt({1, -Third}, {0, 5 * Sixth}), Pt({1}, {0, .5f}),
    Fig, Pt({}, {0, .5f}), Pt({1}, {0, .5f}),
};
constexpr TItem LeftArrowFigures[] = {Pt({.25f}, {0, .5f}), Pt({.75f}, {}), Pt({.25f}, {0, .5f}), Pt({.75f}, {0, 1})};
constexpr TItem RightArrowFigures[] = {Pt({.75f}, {0, .5f}), Pt({.25f}, {}), Pt({.75f}, {0, .5f}), Pt({.25f}, {0, 1})};
constexpr TItem UpArrowFigures[] = {Pt({}, {0, .75f}), Pt({.5f}, {0, .25f}), Pt({1}, {0, .75f})};
constexpr TItem DownArrowFigures[] = {Pt({}, {0, .25f}), Pt({.5f}, {0, .75f}), Pt({1}, {0, .25f})};
constexpr TItem DropDownArrowFigures[] = {Pt({}, {0, .5f}), Pt({.5f}, {0, 1}), Pt({1}, {0, .5f})};
constexpr TItem NaviTopFigures[] = {
    Pt({.5f, -Third}, {0, Third}), Pt({.5f}, {}), Pt({.5f, Third}, {0, Third}), Pt({.5f}, {}),
    Fig, Pt({.5f}, {}), Pt({.5f}, {0, 1}),
};
constexpr TItem NaviBottomFigures[] = {
    Pt({.5f, -Third}, {0, 2 * Third}), Pt({.5f}, {0, 1}), Pt({.5f, Third}, {0, 2 * Third}), Pt({.5f}, {0, 1}),
    Fig, Pt({.5f}, {}), Pt({.5f}, {0, 1}),
};
// A corner of two legs and the diagonal through it.
constexpr TItem NaviTopLeftFigures[] = {
    Pt({}, {0, .5f}), Pt({}, {}), Pt({0, .5f}, {}), Pt({}, {}),
    Fig, Pt({}, {}), Pt({1}, {0, 1}),
};
constexpr TItem NaviTopRightFigures[] = {
    Pt({1}, {0, .5f}), Pt({1}, {}), Pt({1, -.5f}, {}), Pt({1}, {}),
    Fig, Pt({1}, {}), Pt({}, {0, 1}),
};
constexpr TItem NaviBottomLeftFigures[] = {
    Pt({}, {0, .5f}), Pt({}, {0, 1}), Pt({0, .5f}, {0, 1}), Pt({}, {0, 1}),
    Fig, Pt({1}, {}), Pt({}, {0, 1}),
};
constexpr TItem NaviBottomRightFigures[] = {
    Pt({1}, {0, .5f}), Pt({1}, {0, 1}), Pt({1, -.5f}, {0, 1}), Pt({1}, {0, 1}),
    Fig, Pt({}, {}), Pt({1}, {0, 1}),
};
// Four outward corners, their legs W/8 short of the middle of each side.
constexpr TItem SizeFullFigures[] = {
    Fig, Pt({.375f}, {}), Pt({}, {}), Pt({}, {-.125f, .5f}), Pt({}, {}),
    Fig, Pt({.625f}, {}), Pt({1}, {}), Pt({1}, {-.125f, .5f}), Pt({1}, {}),
    Fig, Pt({.375f}, {0, 1}), Pt({}, {0, 1}), Pt({}, {.125f, .5f}), Pt({}, {0, 1}),
    Fig, Pt({.625f}, {0, 1}), Pt({1}, {0, 1}), Pt({1}, {.125f, .5f}), Pt({1}, {0, 1}),
};
// Four inward corners W/6 beside the middle and 2W/6 in from the top and bottom.
constexpr TItem SizeCompactFigures[] = {
    Pt({Third}, {}), Pt({Third}, {Third}), Pt({}, {-Sixth, .5f}), Pt({Third}, {Third}),
    Fig, Pt({2 * Third}, {}), Pt({2 * Third}, {Third}), Pt({1}, {Third}),
    Fig, Pt({2 * Third}, {0, 1}), Pt({2 * Third}, {-Third, 1}), Pt({1}, {-Third, 1}),
    Fig, Pt({Third}, {0, 1}), Pt({Third}, {-Third, 1}), Pt({}, {-Third, 1}),
};
constexpr TItem PlayFigures[] = {Fig, Pt({1}, {0, .5f}), Pt({.25f}, {}), Pt({.25f}, {0, 1}), Shut};
constexpr TItem PlusFigures[] = {Pt({.5f}, {}), Pt({.5f}, {0, 1}), Fig, Pt({}, {0, .5f}), Pt({1}, {0, .5f})};
// A closed chevron moved 1.25 pen widths away from the bar that stands 2 pen widths off its tip.
constexpr TItem FirstFigures[] = {
    Pt({.25f, 0, 1.25f}, {0, .5f}), Pt({.75f, 0, 1.25f}, {}), Pt({.25f, 0, 1.25f}, {0, .5f}),
    Pt({.75f, 0, 1.25f}, {0, 1}), Shut,
    Fig, Pt({.25f, 0, -.75f}, {}), Pt({.25f, 0, -.75f}, {0, 1}),
};
constexpr TItem LastFigures[] = {
    Pt({.75f, 0, -1.25f}, {0, .5f}), Pt({.25f, 0, -1.25f}, {}), Pt({.75f, 0, -1.25f}, {0, .5f}),
    Pt({.25f, 0, -1.25f}, {0, 1}), Shut,
    Fig, Pt({.75f, 0, .75f}, {}), Pt({.75f, 0, .75f}, {0, 1}),
};

// Files and folders (k = H/6 throughout).

constexpr TItem FileNewFigures[] = {
    Fig, Pt({0, Sixth}, {0, Twelfth}), Pt({0, Sixth}, {0, 11 * Twelfth}), Pt({1, -Sixth}, {0, 11 * Twelfth}),
    Pt({1, -Sixth}, {0, Third}), Pt({1, -5 * Twelfth}, {0, Twelfth}), Shut,
    Fig, Pt({1, -5 * Twelfth}, {0, Third}), Pt({1, -Sixth}, {0, Third}), Pt({1, -5 * Twelfth}, {0, Twelfth}),
    Pt({1, -5 * Twelfth}, {0, Third}),
};
constexpr TItem OpenArrowFigures[] = {
    Pt({.5f, -.5f}, {0, .5f}), Pt({.5f}, {}), Pt({.5f, .5f}, {0, .5f}), Pt({.5f}, {}),
    Fig, Pt({.5f}, {}), Pt({.5f}, {0, 1}),
};
constexpr TItem FileSaveFigures[] = {
    Fig, Pt({}, {}), Pt({}, {0, 1}), Pt({1}, {0, 1}), Pt({1}, {0, .25f}), Pt({1, -.25f}, {}), Shut,
    Fig, Pt({1, -.25f}, {}), Pt({1, -.25f}, {0, Third}), Pt({0, .25f}, {0, Third}), Pt({0, .25f}, {}),
    Fig, Pt({1, -.25f}, {0, 1}), Pt({1, -.25f}, {0, .6f}), Pt({0, .25f}, {0, .6f}), Pt({0, .25f}, {0, 1}),
    Fig, Pt({1, -5 * Twelfth}, {}), Pt({1, -5 * Twelfth}, {0, Sixth}), Pt({1, -2.8f * Sixth}, {0, Sixth}),
    Pt({1, -2.8f * Sixth}, {}),
};
constexpr TItem FolderFigures[] = {
    Fig, Pt({}, {}), Pt({}, {0, 1}), Pt({1}, {0, 1}), Pt({1}, {0, Sixth}), Pt({.5f}, {0, Sixth}),
    Pt({.5f, -Sixth}, {}), Shut,
    Fig, Pt({1}, {0, 2.2f * Sixth}), Pt({}, {0, 2.2f * Sixth}),
};
constexpr TItem InBoxArrowFigures[] = {
    Pt({.5f, -.4f}, {0, .6f}), Pt({.5f}, {0, 1}), Pt({.5f, .4f}, {0, .6f}), Pt({.5f}, {0, 1}),
    Fig, Pt({.5f}, {0, -Sixth}), Pt({.5f}, {0, 1}),
};
constexpr TItem OutBoxArrowFigures[] = {
    Pt({.5f, -.4f}, {0, .4f}), Pt({.5f}, {}), Pt({.5f, .4f}, {0, .4f}), Pt({.5f}, {}),
    Fig, Pt({.5f}, {}), Pt({.5f}, {0, 7 * Sixth}),
};

// Text and editing.

// The pencil in R shrunk by c = H/8: body P1 → P2, P4 → P3; tip P2 → P5, P4 → P5; band.
constexpr TCoord P1x{1, -.25f}, P1y{0, .125f}, P2x{0, .1875f}, P2y{0, .6875f}, P3x{1, -.125f}, P3y{0, .25f},
    P4x{0, .3125f}, P4y{0, .8125f}, P5x{0, .125f}, P5y{0, .875f};
constexpr TItem EditFigures[] = {
    Pt(P1x, P1y), Pt(P2x, P2y), Pt(P4x, P4y), Pt(P3x, P3y), Shut,
    Fig, Pt(P2x, P2y), Pt(P5x, P5y), Pt(P4x, P4y), Pt(P5x, P5y), Shut,
    Fig, Pt({1, -.375f}, {0, .25f}), Pt({1, -.25f}, {0, .375f}),
};
constexpr TItem PasteFigures[] = {
    Fig, Pt({0, Sixth}, {0, Twelfth}), Pt({0, Sixth}, {0, 11 * Twelfth}), Pt({.5f}, {0, 11 * Twelfth}),
    Pt({.5f}, {0, .5f}), Pt({1, -Sixth}, {0, .5f}), Pt({1, -Sixth}, {0, Twelfth}), Pt({.6f}, {0, Twelfth}),
    Pt({.6f}, {}), Pt({.4f}, {}), Pt({.4f}, {0, Twelfth}), Shut,
    Fig, Pt({0, 1.7f * Sixth}, {0, Twelfth}), Pt({0, 1.7f * Sixth}, {0, .25f}), Pt({1, -1.7f * Sixth}, {0, .25f}),
    Pt({1, -1.7f * Sixth}, {0, Twelfth}),
    Fig, Pt({1, -Sixth}, {0, .5f}), Pt({1, -Twelfth}, {0, .5f}), Pt({1, -Twelfth}, {0, 1}), Pt({.5f}, {0, 1}),
    Pt({.5f}, {0, 11 * Twelfth}),
};
// The letter A, its top H/12 above R and its bar 0.6H below that.
constexpr float FontBar = .6f - Twelfth;
constexpr TItem FontFigures[] = {
    Pt({.5f}, {0, -Twelfth}), Pt({.25f}, {0, FontBar}), Pt({.75f}, {0, FontBar}), Pt({.5f}, {0, -Twelfth}),
    Fig, Pt({.75f}, {0, FontBar}), Pt({.915f}, {0, 11 * Twelfth}),
    Fig, Pt({.085f}, {0, 11 * Twelfth}), Pt({.25f}, {0, FontBar}),
};

// Communication and devices.

constexpr TItem MessageFigures[] = {
    Fig, Pt({}, {0, .1f}), Pt({1}, {0, .1f}), Pt({1}, {0, .9f}), Pt({}, {0, .9f}), Shut,
    Fig, Pt({}, {0, .1f}), Pt({.5f}, {0, .5f}), Pt({1}, {0, .1f}),
};
constexpr TItem MessageReadFigures[] = {
    Fig, Pt({}, {0, .1f}), Pt({}, {0, .9f}), Pt({1}, {0, .9f}), Pt({1}, {0, .1f}), Pt({.5f}, {0, -.3f}), Shut,
    Fig, Pt({}, {0, .1f}), Pt({.5f}, {0, .5f}), Pt({1}, {0, .1f}),
};
// A dart H/12 right of R's left, its tip reaching as far beyond R's right edge.
constexpr TItem SendFigures[] = {
    Fig, Pt({0, Twelfth}, {}), Pt({0, Twelfth}, {0, 5 * Twelfth}), Pt({.5f, Twelfth}, {0, 5 * Twelfth}),
    Pt({.5f, Twelfth}, {0, 7 * Twelfth}), Pt({0, Twelfth}, {0, 7 * Twelfth}), Pt({0, Twelfth}, {0, 1}),
    Pt({1, Twelfth}, {0, .5f}), Shut,
};
// The speaker in R shrunk by H/10 and moved left by H/20.
constexpr TItem SpeakerFigures[] = {
    Pt({.5f, -.05f}, {0, .3f}), Pt({0, .05f}, {0, .3f}), Pt({0, .05f}, {0, .7f}), Pt({.5f, -.05f}, {0, .7f}),
    Pt({.5f, -.05f}, {0, .3f}), Pt({1, -.15f}, {0, .1f}), Pt({1, -.15f}, {0, .9f}), Pt({.5f, -.05f}, {0, .7f}),
};
constexpr TItem MuteStrokeFigures[] = {Fig, Pt({0, .1f}, {0, .05f}), Pt({1, -.2f}, {0, .95f})};
// The body reaches H/24 left of R, the lens 1.5d beyond it (d = H/6).
constexpr TItem VideoFigures[] = {
    Fig, Pt({0, -Twelfth / 2}, {0, Sixth}), Pt({1, -5 * Twelfth / 2}, {0, Sixth}),
    Pt({1, -5 * Twelfth / 2}, {0, 5 * Sixth}), Pt({0, -Twelfth / 2}, {0, 5 * Sixth}), Shut,
    Fig, Pt({1, -5 * Twelfth / 2}, {0, 5 * Twelfth}), Pt({1, Twelfth / 2}, {0, .25f}), Pt({1, Twelfth / 2}, {0, .75f}),
    Pt({1, -5 * Twelfth / 2}, {0, 7 * Twelfth}),
};

// Objects and tools.

// The house in R shrunk by H/12 and lowered by H/6, its roof's apex H/12 above R.
constexpr TItem HomeFigures[] = {
    Fig, Pt({0, Twelfth}, {0, .25f}), Pt({0, Twelfth}, {0, 11 * Twelfth}), Pt({Third, Twelfth / 3}, {0, 11 * Twelfth}),
    Pt({Third, Twelfth / 3}, {0, 7 * Twelfth}), Pt({2 * Third, -Twelfth / 3}, {0, 7 * Twelfth}),
    Pt({2 * Third, -Twelfth / 3}, {0, 11 * Twelfth}), Pt({1, -Twelfth}, {0, 11 * Twelfth}),
    Pt({1, -Twelfth}, {0, .25f}), Pt({}, {0, .25f}), Pt({.5f}, {0, -Twelfth}), Pt({1}, {0, .25f}),
    Pt({1, -Twelfth}, {0, .25f}), Shut,
};
// The pin in the middle two thirds of R: head, flanges and needle.
constexpr TItem PinFigures[] = {
    Pt({Third}, {}), Pt({2 * Third}, {}), Pt({13 / 18.f}, {0, .5f}), Pt({5 / 18.f}, {0, .5f}), Pt({Third}, {}),
    Fig, Pt({Sixth}, {0, .5f}), Pt({Third}, {0, .5f}), Pt({5 * Sixth}, {0, .5f}), Pt({2 * Third}, {0, .5f}),
    Pt({.5f}, {0, .5f}), Pt({.5f}, {0, 1}),
};
constexpr TItem FlagFigures[] = {
    Pt({}, {0, 1}), Pt({}, {}), Pt({1}, {}), Pt({.75f}, {0, .25f}), Pt({1}, {0, .5f}), Pt({}, {0, .5f}),
};
// The funnel in R shrunk by H/10 and lowered by H/20.
constexpr TItem FilterFigures[] = {
    Fig, Pt({0, .1f}, {0, .15f}), Pt({Third, .1f - .2f * Third}, {0, .55f}),
    Pt({Third, .1f - .2f * Third}, {0, .95f}), Pt({7 * Twelfth, .1f - 1.4f * Twelfth}, {0, .9f}),
    Pt({7 * Twelfth, .1f - 1.4f * Twelfth}, {0, .55f}), Pt({1, -.1f}, {0, .15f}), Shut,
};
// The folded map in three strips of W/3, each fold W/6 lower or higher.
constexpr TItem MapFigures[] = {
    Fig, Pt({}, {Sixth}), Pt({Third}, {}), Pt({2 * Third}, {Sixth}), Pt({1}, {}), Pt({1}, {-Sixth, 1}),
    Pt({2 * Third}, {0, 1}), Pt({Third}, {-Sixth, 1}), Pt({}, {0, 1}), Shut,
    Fig, Pt({Third}, {}), Pt({Third}, {-Sixth, 1}),
    Fig, Pt({2 * Third}, {0, 1}), Pt({2 * Third}, {Sixth}),
};
// Three bars standing on R's bottom, their tops at W/4, W/2 and W/24 below R's top.
constexpr TItem ChartFigures[] = {
    Fig, Pt({}, {.25f}), Pt({.25f}, {.25f}), Pt({.25f}, {0, 1}), Pt({}, {0, 1}), Shut,
    Fig, Pt({.375f}, {.5f}), Pt({.625f}, {.5f}), Pt({.625f}, {0, 1}), Pt({.375f}, {0, 1}), Shut,
    Fig, Pt({.75f}, {Twelfth / 2}), Pt({1}, {Twelfth / 2}), Pt({1}, {0, 1}), Pt({.75f}, {0, 1}), Shut,
};
// The sheet, its header line, two rings and a grid of three by three in the area below the header
// shrunk by 3H/16.
constexpr TItem CalendarFigures[] = {
    Fig, Pt({}, {}), Pt({1}, {}), Pt({1}, {0, 1}), Pt({}, {0, 1}), Shut,
    Fig, Pt({1}, {0, .25f}), Pt({}, {0, .25f}),
    Fig, Pt({.25f}, {0, -.1f}), Pt({.25f}, {0, .1f}),
    Fig, Pt({.75f}, {0, -.1f}), Pt({.75f}, {0, .1f}),
    Fig, Pt({0, 3 / 16.f}, {0, 7 / 16.f}), Pt({1, -3 / 16.f}, {0, 7 / 16.f}), Pt({1, -3 / 16.f}, {0, 13 / 16.f}),
    Pt({0, 3 / 16.f}, {0, 13 / 16.f}), Shut,
    Fig, Pt({Third, 1 / 16.f}, {0, 7 / 16.f}), Pt({2 * Third, -1 / 16.f}, {0, 7 / 16.f}),
    Pt({2 * Third, -1 / 16.f}, {0, 13 / 16.f}), Pt({Third, 1 / 16.f}, {0, 13 / 16.f}), Shut,
    Fig, Pt({0, 3 / 16.f}, {0, 9 / 16.f}), Pt({1, -3 / 16.f}, {0, 9 / 16.f}), Pt({1, -3 / 16.f}, {0, 11 / 16.f}),
    Pt({0, 3 / 16.f}, {0, 11 / 16.f}), Shut,
};

} // namespace

// Each painter strokes its table with the pen of the glyph width rule, or of the raw thickness.
#define SC_FIGURE_GLYPH(Name, PenWidth, ...)                                                                   \
    void GPDraw##Name##Glyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)              \
    {                                                                                                          \
        StrokeFigures(g, r, color, PenWidth(thickness, scale), {__VA_ARGS__});                                 \
    }

SC_FIGURE_GLYPH(PriorArrow, GlyphPenWidth, PriorArrowFigures)
SC_FIGURE_GLYPH(NextArrow, GlyphPenWidth, NextArrowFigures)
SC_FIGURE_GLYPH(LeftArrow, GlyphPenWidth, LeftArrowFigures)
SC_FIGURE_GLYPH(RightArrow, GlyphPenWidth, RightArrowFigures)
SC_FIGURE_GLYPH(UpArrow, GlyphPenWidth, UpArrowFigures)
SC_FIGURE_GLYPH(DownArrow, GlyphPenWidth, DownArrowFigures)
SC_FIGURE_GLYPH(DropDownArrow, GlyphPenWidth, DropDownArrowFigures)
SC_FIGURE_GLYPH(NaviTop, GlyphPenWidth, NaviTopFigures)
SC_FIGURE_GLYPH(NaviBottom, GlyphPenWidth, NaviBottomFigures)
SC_FIGURE_GLYPH(NaviTopLeft, GlyphPenWidth, NaviTopLeftFigures)
SC_FIGURE_GLYPH(NaviTopRight, GlyphPenWidth, NaviTopRightFigures)
SC_FIGURE_GLYPH(NaviBottomLeft, GlyphPenWidth, NaviBottomLeftFigures)
SC_FIGURE_GLYPH(NaviBottomRight, GlyphPenWidth, NaviBottomRightFigures)
SC_FIGURE_GLYPH(SizeFull, GlyphPenWidth, SizeFullFigures)
SC_FIGURE_GLYPH(SizeCompact, GlyphPenWidth, SizeCompactFigures)
SC_FIGURE_GLYPH(Play, GlyphPenWidth, PlayFigures)
SC_FIGURE_GLYPH(Plus, GlyphPenWidth, PlusFigures)
SC_FIGURE_GLYPH(First, GlyphPenWidth, FirstFigures)
SC_FIGURE_GLYPH(Last, GlyphPenWidth, LastFigures)
SC_FIGURE_GLYPH(FileNew, RawPenWidth, FileNewFigures)
SC_FIGURE_GLYPH(OpenArrow, GlyphPenWidth, OpenArrowFigures)
SC_FIGURE_GLYPH(FileSave, RawPenWidth, FileSaveFigures)
SC_FIGURE_GLYPH(Folder, RawPenWidth, FolderFigures)
SC_FIGURE_GLYPH(InBoxArrow, GlyphPenWidth, InBoxArrowFigures)
SC_FIGURE_GLYPH(OutBoxArrow, GlyphPenWidth, OutBoxArrowFigures)
SC_FIGURE_GLYPH(Edit, GlyphPenWidth, EditFigures)
SC_FIGURE_GLYPH(Paste, RawPenWidth, PasteFigures)
SC_FIGURE_GLYPH(Font, RawPenWidth, FontFigures)
SC_FIGURE_GLYPH(Message, GlyphPenWidth, MessageFigures)
SC_FIGURE_GLYPH(MessageRead, GlyphPenWidth, MessageReadFigures)
SC_FIGURE_GLYPH(Send, GlyphPenWidth, SendFigures)
SC_FIGURE_GLYPH(Volume, RawPenWidth, SpeakerFigures)
SC_FIGURE_GLYPH(Mute, RawPenWidth, SpeakerFigures, MuteStrokeFigures)
SC_FIGURE_GLYPH(Video, GlyphPenWidth, VideoFigures)
SC_FIGURE_GLYPH(Home, GlyphPenWidth, HomeFigures)
SC_FIGURE_GLYPH(Pin, RawPenWidth, PinFigures)
SC_FIGURE_GLYPH(Flag, RawPenWidth, FlagFigures)
SC_FIGURE_GLYPH(Filter, RawPenWidth, FilterFigures)
SC_FIGURE_GLYPH(Map, RawPenWidth, MapFigures)
SC_FIGURE_GLYPH(Chart, GlyphPenWidth, ChartFigures)
SC_FIGURE_GLYPH(Calendar, GlyphPenWidth, CalendarFigures)
