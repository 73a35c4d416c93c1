// The caption markup's preprocessing, cutting and tag reading, and the search highlighting: no
// crash, every cut moves on, highlighting keeps the visible text the toolbox strips.
#include <cstddef>
#include <cstdint>

#include "RurGraphicsHTMLEngine.h"
#include "RurHTML.h"
#include "RurUtils.h"

namespace {

// Lays the text out the way the engines' line loops do: each line trimmed, then walked in
// fragments and tags until a line break; every line takes something.
void Cut(const String& AText, THTMLEdition AEdition, bool AWordWrap)
{
    String text = AText;
    while (!text.empty()) {
        TrimHTMLText(text);
        const std::size_t before = text.size();
        bool ended = false;
        WalkHTMLLine(
            text, AWordWrap, [&] { return ended; },
            [&](std::size_t APos, std::size_t ALength) {
                if (ALength == 0)
                    __builtin_trap();
                String fragment = text.substr(APos, ALength);
                DecodeFragmentEntities(fragment);
                return THTMLStep::Next;
            },
            [&](const String& ATag) {
                const String upper = HTMLUpperTag(ATag);
                const THTMLTag tag = ClassifyHTMLTag(ATag, AEdition);
                String value;
                for (const Char* name : {u"HREF", u"SRC", u"WIDTH", u" COLOR", u"SIZE", u"X", u"LINE-HEIGHT"})
                    if (HTMLTagAttribute(upper, ATag, name, value)) {
                        HTMLIntegerValue(value);
                        HTMLRealValue(value);
                        HTMLColorValue(value);
                    }
                ended = tag.Kind == THTMLTagKind::Break;
                return THTMLStep::Next;
            });
        if (before != 0 && text.size() == before)
            text.erase(0, 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Bytes as characters, the upper half as Arabic-script letters, so tags and entities turn up.
    String text(size, u'\0');
    for (std::size_t i = 0; i < size; ++i)
        text[i] = data[i] < 0x80 ? Char(data[i]) : Char(0x0600 + data[i]);

    for (THTMLEdition edition : {THTMLEdition::Full, THTMLEdition::Reduced}) {
        const THTMLPreparedText prepared = PrepareHTMLText(text, edition);
        Cut(prepared.Text, edition, true);
        Cut(prepared.Text, edition, false);
    }
    Cut(StripFirstHashMarker(text), THTMLEdition::Full, true);

    // Highlighting a piece of the text itself: the visible text stays what it was, with any
    // brackets of the text written as references.
    const std::size_t split = size ? data[0] % (size + 1) : 0;
    const String search = text.substr(split, 3);
    String result;
    HilightText(text, search, u"HI", result, size % 2 == 0);
    if (search.empty() && result != text)
        __builtin_trap();
    for (int n = 2; n < 6; ++n)
        VisibleToMarkupIndex(text, n);
    return 0;
}
