// Search highlighting of markup: matches are found in the visible text and the tag pairs are put
// at the matching places of the markup.
#include "RurGraphicsHTMLEngine.h"

#include <vector>

namespace {

Char AsciiUpper(Char c)
{
    return c >= u'a' && c <= u'z' ? Char(c - 32) : c;
}

// "<BR>" or "<HR>" in any case at APos: the visible text holds a line break (CR LF) for it.
bool IsLineBreakTag(const String& AMarkup, std::size_t APos)
{
    return APos + 4 <= AMarkup.size() && AMarkup[APos] == u'<' &&
           (AsciiUpper(AMarkup[APos + 1]) == u'B' || AsciiUpper(AMarkup[APos + 1]) == u'H') &&
           AsciiUpper(AMarkup[APos + 2]) == u'R' && AMarkup[APos + 3] == u'>';
}

// One piece of the markup: a visible character, a line break tag (two visible characters) or a
// tag (none).
struct Piece {
    std::size_t Start;
    std::size_t Length;
    int Visible;
};

// The markup read the way the toolbox strips it: line break tags become CR LF first, then every
// "<" up to the next ">" goes; a "<" without a later ">" is text.
std::vector<Piece> SplitMarkup(const String& AMarkup, String* AVisible)
{
    std::vector<Piece> pieces;
    std::size_t i = 0;
    while (i < AMarkup.size()) {
        if (IsLineBreakTag(AMarkup, i)) {
            pieces.push_back({i, 4, 2});
            if (AVisible)
                *AVisible += u"\r\n";
            i += 4;
            continue;
        }
        if (AMarkup[i] == u'<') {
            // Line break tags inside a tag lose their ">" to the line break, so they do not end it.
            std::size_t j = i + 1;
            while (j < AMarkup.size() && AMarkup[j] != u'>')
                j += IsLineBreakTag(AMarkup, j) ? 4 : 1;
            if (j < AMarkup.size()) {
                pieces.push_back({i, j + 1 - i, 0});
                i = j + 1;
                continue;
            }
        }
        pieces.push_back({i, 1, 1});
        if (AVisible)
            *AVisible += AMarkup[i];
        ++i;
    }
    return pieces;
}

String Folded(const String& AText, bool ACaseSensitive)
{
    return ACaseSensitive ? AText : AnsiUpperCase(AText);
}

} // namespace

int FindVisibleMatch(const String& ASearch, const String& AVisible, int AStart, int& AFound, bool ACaseSensitive)
{
    AFound = 0;
    if (ASearch.empty() || AStart < 0 || std::size_t(AStart) >= AVisible.size())
        return 0;
    const String rest = Folded(AVisible.substr(std::size_t(AStart)), ACaseSensitive);
    const std::size_t at = rest.find(Folded(ASearch, ACaseSensitive));
    if (at != String::npos)
        AFound = AStart + int(at) + 1;
    return AFound;
}

int VisibleToMarkupIndex(const String& AMarkup, int n)
{
    if (n == 1)
        return 1;
    int seen = 0;
    for (const Piece& piece : SplitMarkup(AMarkup, nullptr)) {
        seen += piece.Visible;
        if (piece.Visible > 0 && seen >= n)
            return int(piece.Start) + 1;
    }
    return n == seen + 1 ? int(AMarkup.size()) + 1 : 0;
}

void HilightText(const String& AText, const String& ASearch, const String& ATag, String& AResult,
                 bool ACaseSensitive)
{
    String visible;
    const std::vector<Piece> pieces = SplitMarkup(AText, &visible);
    // Matches as visible ranges [first, last), 1-based, without overlap.
    std::vector<std::pair<int, int>> matches;
    int found = 0;
    for (int offset = 0; FindVisibleMatch(ASearch, visible, offset, found, ACaseSensitive) > 0;) {
        matches.emplace_back(found, found + int(ASearch.size()));
        offset = found - 1 + int(ASearch.size());
    }
    if (matches.empty()) {
        AResult = AText;
        return;
    }
    const String open = u"<" + ATag + u">";
    const String close = u"</" + ATag + u">";
    String out;
    out.reserve(AText.size() + matches.size() * (open.size() + close.size()));
    std::size_t next = 0;    // the match whose tags come next
    bool inside = false;     // its opening tag is written
    int position = 1;        // visible position of the next visible piece
    auto placeTags = [&]() {
        while (next < matches.size()) {
            if (inside && matches[next].second <= position) {
                out += close;
                inside = false;
                ++next;
            } else if (!inside && matches[next].first <= position) {
                out += open;
                inside = true;
            } else {
                break;
            }
        }
    };
    // A match at the first visible character opens before any leading tag.
    if (matches.front().first == 1)
        placeTags();
    for (const Piece& piece : pieces) {
        if (piece.Visible > 0) {
            placeTags();
            const Char c = AText[piece.Start];
            if (piece.Visible == 1 && c == u'<')
                out += u"&lt;";
            else if (piece.Visible == 1 && c == u'>')
                out += u"&gt;";
            else
                out.append(AText, piece.Start, piece.Length);
            position += piece.Visible;
            continue;
        }
        out.append(AText, piece.Start, piece.Length);
    }
    if (inside)
        out += close;
    AResult = std::move(out);
}
