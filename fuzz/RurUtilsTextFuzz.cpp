// The text operations of TRurUtils that read stored or typed text: codecs, JSON unescaping, markup,
// filter masks and dates. Failures must be the documented exceptions; codecs must round-trip.
#include <cstddef>
#include <cstdint>

#include "RurUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Pairs of bytes as UTF-16 code units, so that any code unit (lone surrogates too) turns up.
    String text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = Char(data[2 * i] | data[2 * i + 1] << 8);
    const std::size_t split = size ? data[0] % (text.size() + 1) : 0;
    const String mask = text.substr(0, split), value = text.substr(split);

    TRurUtils::Decode64ToBytes(text, size % 2 == 0);
    TRurUtils::URLDecode(text);
    TRurUtils::HTMLStrip(text);
    TRurUtils::UnFixMarkup(TRurUtils::FixMarkup(text, true), true, false);
    TRurUtils::MatchStrEx(mask, value, size % 3 == 0);
    TDateTime date;
    TRurUtils::IsDate(text, date);
    try {
        TRurUtils::HexStrToBytes(text);
    } catch (const EConvertError&) {
    }
    try {
        if (TRurUtils::UnescapeString(TRurUtils::EscapeString(text)) != text)
            __builtin_trap();
        TRurUtils::UnescapeString(text);
    } catch (const Exception&) {
    }

    const TBytes original(data, data + size);
    TBytesStream source(original);
    TBytesStream fromBase64, fromHex;
    TRurUtils::LoadStreamFromBase64(TRurUtils::SaveStreamToBase64(source, size % 2 == 0), fromBase64, size % 2 == 0);
    TRurUtils::LoadStreamFromHexStr(TRurUtils::SaveStreamToHexStr(source), fromHex);
    if (fromBase64.Bytes() != original || fromHex.Bytes() != original)
        __builtin_trap();
    return 0;
}
