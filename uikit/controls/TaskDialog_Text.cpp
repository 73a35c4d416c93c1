// The task dialog's text rules (escaped line breaks, trimming, splitting captions into lines,
// measuring a command link's caption), its icon numbers, and how its links open.
#include "TaskDialog_Form.h"

#include <shellapi.h>

#include <utility>

namespace {

String ReplaceAll(const String& text, const String& from, const String& to)
{
    String result;
    size_t start = 0;
    for (size_t at; (at = text.find(from, start)) != String::npos; start = at + from.size())
        result.append(text, start, at - start).append(to);
    return result.append(text, start);
}

TTaskDialogLinkOpener& ReplacedLinkOpener()
{
    static TTaskDialogLinkOpener opener;
    return opener;
}

bool StartsWithNoCase(const String& text, const String& prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        Char c = text[i];
        if (c >= u'A' && c <= u'Z')
            c = static_cast<Char>(c - u'A' + u'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

} // namespace

String UnescapeNewLines(const String& text)
{
    if (text.find(u"\\\\n") != String::npos)
        return ReplaceAll(text, u"\\\\n", u"\\n");
    return ReplaceAll(text, u"\\n", u"\n");
}

String TrimSpaces(const String& text)
{
    const size_t first = text.find_first_not_of(u' ');
    if (first == String::npos)
        return String();
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

bool HasEscapedNewLine(const String& text)
{
    return text.find(u"\\n") != String::npos && text.find(u":\\") == String::npos;
}

void SplitLines(const String& text, TStrings* lines)
{
    if (text.empty() || !lines)
        return;
    if (text.find(u'\r') == String::npos && !HasEscapedNewLine(text)) {
        lines->Add(text);
        return;
    }
    String rest = TrimSpaces(text);
    while (!rest.empty()) {
        size_t at = rest.find(u"\\n");
        if (at == String::npos)
            at = rest.find(u'\r');
        if (at == String::npos) {
            lines->Add(rest);
            return;
        }
        lines->Add(TrimSpaces(rest.substr(0, at)));
        rest = TrimSpaces(rest.substr(std::min(at + 2, rest.size())));
    }
}

void MeasureCommandLinkText(TCanvas& canvas, const String& text, TFont* headingFont, bool allowance, bool split,
                            int& height, int& width, UINT flags, TFont* bodyFont)
{
    TFont saved;
    saved.Assign(canvas.Font());
    auto measure = [&](const String& line, TFont* font) {
        canvas.Font()->Assign(font);
        RECT r{0, 0, 0, 0};
        DrawTextW(TextDrawingHandle(canvas), WidePtr(line), static_cast<int>(line.size()), &r,
                  DT_CALCRECT | DT_SINGLELINE | flags);
        return r;
    };
    height = width = 0;
    if (split && (text.find(u'\r') != String::npos || HasEscapedNewLine(text))) {
        TStringList lines;
        SplitLines(text, &lines);
        for (int i = 0; i < lines.Count(); ++i) {
            const bool heading = i == 0;
            const RECT r = measure(heading ? TrimSpaces(lines.Strings(i)) : lines.Strings(i),
                                   heading ? headingFont : bodyFont);
            int lineWidth = r.right - r.left, lineHeight = r.bottom - r.top;
            if (allowance) {
                lineHeight += heading ? 10 : 2;
                lineWidth += 8;
            }
            height += lineHeight;
            width = std::max(width, lineWidth);
        }
    } else {
        const RECT r = measure(text, headingFont);
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    canvas.Font()->Assign(&saved);
}

// ---- Icons ----------------------------------------------------------------------------------------

// Windows resolves the first numbers (indices of its own icon library) without a module; Wine's
// task dialog only the TD_* numbers and the system's own icons.
WORD TaskDialogMainIconId(TTaskDialogIcon icon, bool wine)
{
    static constexpr WORD windows[] = {17, 84, 99, 98, 81, 0, 78};
    static constexpr WORD wineIds[] = {0, 65535, 32514, 65534, 65533, 0, 65532};
    return (wine ? wineIds : windows)[icon];
}

WORD TaskDialogFooterIconId(TTaskDialogFooterIcon icon, bool wine)
{
    static constexpr WORD windows[] = {0, 84, 99, 98, 65533, 65532};
    static constexpr WORD wineIds[] = {0, 65535, 32514, 65534, 65533, 65532};
    return (wine ? wineIds : windows)[icon];
}

int TaskDialogFormIconId(TTaskDialogIcon icon)
{
    static constexpr int ids[] = {32516, 32515, 32514, 32513, 32516, 0, 32513};
    return ids[icon];
}

int TaskDialogFormFooterIconId(TTaskDialogFooterIcon icon)
{
    static constexpr int ids[] = {0, 32515, 32514, 32513, 32516, 32517};
    return ids[icon];
}

// ---- Links ----------------------------------------------------------------------------------------

void OpenTaskDialogLink(const String& link)
{
    if (!StartsWithNoCase(link, u"http://") && !StartsWithNoCase(link, u"https://") &&
        !StartsWithNoCase(link, u"mailto:"))
        return;
    if (ReplacedLinkOpener())
        ReplacedLinkOpener()(link);
    else
        ShellExecuteW(nullptr, L"open", WidePtr(link), nullptr, nullptr, SW_SHOW);
}

TTaskDialogLinkOpener SetTaskDialogLinkOpener(TTaskDialogLinkOpener opener)
{
    return std::exchange(ReplacedLinkOpener(), std::move(opener));
}
