// Caption markup: cutting a text into fragments and tags, which tag a text is, and its attributes.
#include "RurHTML.h"

#include <array>

namespace {

Char AsciiUpper(Char c)
{
    return c >= u'a' && c <= u'z' ? Char(c - 32) : c;
}

bool IsAsciiLetter(Char c)
{
    c = AsciiUpper(c);
    return c >= u'A' && c <= u'Z';
}

// The character at APos folded to upper case; NUL past the end.
Char UpperAt(const String& AText, std::size_t APos)
{
    return APos < AText.size() ? AsciiUpper(AText[APos]) : u'\0';
}

bool StartsNoCase(const String& AText, const Char* APrefix)
{
    std::size_t i = 0;
    for (; APrefix[i]; ++i)
        if (UpperAt(AText, i) != APrefix[i])
            return false;
    return true;
}

// Tags are told apart by their first letters only; the rest of the name does not matter.
THTMLTagKind OpeningKind(const String& ATag, THTMLEdition AEdition)
{
    using K = THTMLTagKind;
    const Char second = UpperAt(ATag, 2);
    switch (UpperAt(ATag, 1)) {
    case u'A':
        return K::Anchor;
    case u'B':
        switch (second) {
        case u'>': return K::Bold;
        case u'L': return K::Blink;
        case u'O': return K::Body;
        case u'R': return K::Break;
        default: return K::Unknown;
        }
    case u'C':
        return K::Control;
    case u'E':
        return K::Error;
    case u'F':
        return K::Font;
    case u'H':
        return second == u'I' ? K::Highlight : second == u'R' ? K::Rule : K::Unknown;
    case u'I':
        return second == u'>' ? K::Italic : second == u'N' ? K::Indent : second == u'M' ? K::Image : K::Unknown;
    case u'J':
        return AEdition == THTMLEdition::Full ? K::Emoji : K::Unknown;
    case u'L':
        return K::ListItem;
    case u'O':
        return second == u'F' ? K::Offset : second == u'L' ? K::OrderedList : K::Unknown;
    case u'P':
        return K::Paragraph;
    case u'R':
        return K::Rotate;
    case u'S':
        if (StartsNoCase(ATag, u"<SUB>"))
            return K::Subscript;
        if (StartsNoCase(ATag, u"<SUP>"))
            return K::Superscript;
        switch (second) {
        case u'>': return K::Strike;
        case u'H': return K::Shadow;
        case u'P': return K::Span;
        case u'T': return UpperAt(ATag, 4) == u'O' ? K::Strong : K::Strike;
        default: return K::Unknown;
        }
    case u'U':
        return second == u'>' ? K::Underline : IsAsciiLetter(second) ? K::UnorderedList : K::Unknown;
    case u'Z':
        return K::Hidden;
    default:
        return K::Unknown;
    }
}

THTMLTagKind ClosingKind(const String& ATag)
{
    using K = THTMLTagKind;
    const Char second = UpperAt(ATag, 3);
    switch (UpperAt(ATag, 2)) {
    case u'A':
        return K::Anchor;
    case u'B':
        return second == u'>' ? K::Bold : K::BodyOrBlinkEnd;
    case u'E':
        return K::Error;
    case u'F':
        return K::Font;
    case u'H':
        return second == u'I' ? K::Highlight : K::Unknown;
    case u'I':
        return second == u'>' ? K::Italic : K::Unknown;
    case u'L':
        return K::LineEnd;
    case u'O':
        return second == u'L' ? K::OrderedList : K::Offset;
    case u'P':
        return K::Paragraph;
    case u'R':
        return K::Rotate;
    case u'S':
        switch (second) {
        case u'U': return K::SubSupEnd;
        case u'P': return K::Span;
        case u'H': return K::Shadow;
        case u'T': return UpperAt(ATag, 5) == u'O' ? K::Strong : K::Strike;
        default: return K::Strike;
        }
    case u'U':
        return second == u'>' ? K::Underline : K::UnorderedList;
    case u'Z':
        return K::Hidden;
    default:
        return K::Unknown;
    }
}

} // namespace

THTMLTag ClassifyHTMLTag(const String& ATag, THTMLEdition AEdition)
{
    THTMLTag tag;
    tag.Closing = ATag.size() > 3 && ATag[1] == u'/';
    tag.Kind = tag.Closing ? ClosingKind(ATag) : OpeningKind(ATag, AEdition);
    return tag;
}

bool THTMLTextSwitches::Apply(const THTMLTag& ATag)
{
    using K = THTMLTagKind;
    switch (ATag.Kind) {
    case K::Shadow:
        Shadow = !ATag.Closing;
        return true;
    case K::Hidden:
        Hidden = !ATag.Closing;
        return true;
    case K::Subscript:
        Sub = true;
        return true;
    case K::Superscript:
        Sup = true;
        return true;
    case K::SubSupEnd:
        Sub = false;
        Sup = false;
        return true;
    default:
        return false;
    }
}

std::size_t HTMLFragmentLength(const String& AText, std::size_t APos, bool AWordWrap)
{
    const std::size_t open = AText.find(u'<', APos);
    const std::size_t end = open == String::npos ? AText.size() : open;
    if (AWordWrap) {
        const std::size_t blank = AText.find(u' ', APos);
        if (blank != String::npos && blank < end)
            return blank + 1 - APos;
    }
    return end - APos;
}

int DecodeFragmentEntities(String& AFragment)
{
    struct Row {
        std::u16string_view Name;
        Char Character;
    };
    static constexpr Row rows[] = {{u"&nbsp;", u' '}, {u"&lt;", u'<'}, {u"&gt;", u'>'}};
    int replaced = 0;
    for (const Row& row : rows)
        for (std::size_t at = AFragment.find(row.Name); at != String::npos; at = AFragment.find(row.Name, at)) {
            AFragment.replace(at, row.Name.size(), 1, row.Character);
            ++replaced;
        }
    return replaced;
}

std::size_t HTMLTagLength(const String& AText, std::size_t APos)
{
    const std::size_t close = AText.find(u'>', APos);
    return close == String::npos ? 0 : close + 1 - APos;
}

String HTMLUpperTag(const String& ATag)
{
    String upper;
    HTMLUpperTag(ATag, upper);
    return upper;
}

void HTMLUpperTag(const String& ATag, String& AUpper)
{
    AUpper.assign(ATag);
    for (Char& c : AUpper)
        c = AsciiUpper(c);
}

bool HTMLTagAttribute(const String& AUpperTag, const String& AOriginalTag, const String& AName, String& AValue)
{
    const std::size_t at = AUpperTag.find(AName);
    if (at == String::npos)
        return false;
    AValue.clear();
    const std::size_t open = AOriginalTag.find(u'"', at + AName.size());
    if (open == String::npos)
        return true;
    std::size_t close = AOriginalTag.find(u'"', open + 1);
    if (close == String::npos)
        close = AOriginalTag.back() == u'>' ? AOriginalTag.size() - 1 : AOriginalTag.size();
    if (close > open)
        AValue = AOriginalTag.substr(open + 1, close - open - 1);
    return true;
}

bool HTMLTagAttribute(const String& AUpperTag, const String& AName, String& AValue)
{
    return HTMLTagAttribute(AUpperTag, AUpperTag, AName, AValue);
}

void TrimHTMLText(String& AText)
{
    std::size_t first = 0;
    while (first < AText.size() && AText[first] <= u' ')
        ++first;
    std::size_t last = AText.size();
    while (last > first && AText[last - 1] <= u' ')
        --last;
    AText.erase(last);
    AText.erase(0, first);
}

bool HTMLFontSizeValue(const String& AUpperTag, int& AValue)
{
    const std::size_t size = AUpperTag.find(u"SIZE");
    const std::size_t equals = size == String::npos ? String::npos : AUpperTag.find(u'=', size);
    if (equals == String::npos)
        return false;
    std::size_t digits = equals + 1;
    while (digits < AUpperTag.size() && (AUpperTag[digits] == u'"' || AUpperTag[digits] == u' '))
        ++digits;
    AValue = HTMLIntegerValue(AUpperTag.substr(digits));
    return true;
}

int HTMLAbsoluteFontSize(int ASize)
{
    static constexpr std::array<int, 5> sizes = {8, 10, 12, 14, 16};
    return ASize >= 1 && ASize <= 5 ? sizes[std::size_t(ASize - 1)] : ASize;
}

THTMLAlign HTMLAlignValue(const String& AValue, THTMLAlign ACurrent)
{
    if (AValue.find(u"RIGHT") != String::npos)
        ACurrent = THTMLAlign::Right;
    if (AValue.find(u"LEFT") != String::npos)
        ACurrent = THTMLAlign::Left;
    if (AValue.find(u"CENTER") != String::npos)
        ACurrent = THTMLAlign::Center;
    return ACurrent;
}
