#include "MaskUtils.h"

namespace {

bool IsAsciiLetter(Char c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsDigit(Char c) { return c >= u'0' && c <= u'9'; }

// Arabic-Indic and extended (Persian) digits: neither digits of a mask nor letters.
bool IsOtherDigit(Char c) { return (c >= 0x0660 && c <= 0x0669) || (c >= 0x06F0 && c <= 0x06F9); }

// Letters beyond ASCII count as letters too (Persian text is typed in these edits); digits are the
// ASCII ones, as the mask characters name them.
bool IsLetter(Char c) { return IsAsciiLetter(c) || (c >= 0xC0 && !IsOtherDigit(c) && (c < 0xD800 || c > 0xDFFF)); }

Char ToCase(Char c, bool upper)
{
    if (upper && c >= u'a' && c <= u'z')
        return static_cast<Char>(c - u'a' + u'A');
    if (!upper && c >= u'A' && c <= u'Z')
        return static_cast<Char>(c - u'A' + u'a');
    return c;
}

} // namespace

TEditMask::TEditMask(const String& editMask)
{
    TCase currentCase = KeepCase;
    size_t i = 0;
    for (; i < editMask.size() && editMask[i] != u';'; ++i) {
        const Char c = editMask[i];
        switch (c) {
        case u'\\':
            if (i + 1 < editMask.size())
                FPositions.push_back({Literal, false, KeepCase, editMask[++i]});
            break;
        case u'>': currentCase = Upper; break;
        case u'<':
            if (i + 1 < editMask.size() && editMask[i + 1] == u'>') {
                currentCase = KeepCase;
                ++i;
            } else {
                currentCase = Lower;
            }
            break;
        case u'!': break;
        case u'_': FPositions.push_back({Literal, false, KeepCase, u' '}); break;
        case u'L': case u'l': FPositions.push_back({Letter, c == u'L', currentCase, 0}); break;
        case u'A': case u'a': FPositions.push_back({AlphaNumeric, c == u'A', currentCase, 0}); break;
        case u'C': case u'c': FPositions.push_back({AnyChar, c == u'C', currentCase, 0}); break;
        case u'0': case u'9': FPositions.push_back({Digit, c == u'0', KeepCase, 0}); break;
        case u'#': FPositions.push_back({DigitOrSign, false, KeepCase, 0}); break;
        default: FPositions.push_back({Literal, false, KeepCase, c}); break;
        }
    }
    // The fields after the mask: save literals (0 or 1), then the blank character.
    if (i < editMask.size() && ++i < editMask.size()) {
        FSaveLiterals = editMask[i] != u'0';
        if (i + 2 < editMask.size() && editMask[i + 1] == u';')
            FBlank = editMask[i + 2];
    }
}

Char TEditMask::Accept(int position, Char c) const
{
    if (position < 0 || position >= Length())
        return 0;
    const TPosition& p = FPositions[position];
    bool fits = false;
    switch (p.Kind) {
    case Literal: return c == p.Literal ? c : 0;
    case Letter: fits = IsLetter(c); break;
    case AlphaNumeric: fits = IsLetter(c) || IsDigit(c); break;
    case AnyChar: fits = c >= u' '; break;
    case Digit: fits = IsDigit(c); break;
    case DigitOrSign: fits = IsDigit(c) || c == u'+' || c == u'-'; break;
    }
    if (!fits)
        return 0;
    return p.Case == KeepCase ? c : ToCase(c, p.Case == Upper);
}

int TEditMask::NextInput(int position) const
{
    while (position < Length() && IsLiteral(position))
        ++position;
    return position;
}

String TEditMask::EditTextOf(const String& value) const
{
    String text;
    size_t next = 0;
    for (int p = 0; p < Length(); ++p) {
        if (IsLiteral(p)) {
            text += FPositions[p].Literal;
            // A saved literal stands in the value at its own place.
            if (FSaveLiterals && next < value.size())
                ++next;
            continue;
        }
        const Char c = next < value.size() ? value[next++] : 0;
        // A space stands for an empty position in a value that keeps its places (see ValueOf).
        const Char taken = c && !(FSaveLiterals && c == u' ') ? Accept(p, c) : 0;
        text += taken ? taken : FBlank;
    }
    return text;
}

String TEditMask::ValueOf(const String& editText) const
{
    String value;
    for (int p = 0; p < Length(); ++p) {
        const Char shown = static_cast<size_t>(p) < editText.size() ? editText[p] : FBlank;
        if (IsLiteral(p)) {
            if (FSaveLiterals)
                value += FPositions[p].Literal;
        } else if (shown != FBlank) {
            value += shown;
        } else if (FSaveLiterals) {
            value += u' ';
        }
    }
    return value;
}
