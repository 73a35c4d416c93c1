// Feeds arbitrary UTF-16 text to the runtime's text readers, format interpreters and edit masks.
#include <cstddef>
#include <cstdint>

#include "DateUtils.h"
#include "MaskUtils.h"
#include "RegularExpressions.h"
#include "SysUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const int operation = data[0] % 8;
    String text;
    for (std::size_t i = 1; i + 1 < size; i += 2)
        text += static_cast<Char>(data[i] | (data[i + 1] << 8));
    TFormatSettings settings;
    settings.DecimalSeparator = data[0] & 0x80 ? u',' : u'.';
    try {
        switch (operation) {
        case 0: {
            Int64 i64;
            double d;
            TryStrToInt64(text, i64);
            if (TryStrToFloat(text, d, settings))
                FloatToStr(d, settings);
            break;
        }
        case 1: FormatFloat(text, -1234.5678, settings); break;
        case 2: FormatFloat(text, 1.5e-300, settings); break;
        case 3: Format(text, {42, -1.5, u"text", Int64{-7}}, settings); break;
        case 4: FormatDateTime(text, (static_cast<double>(size) - 128) * 12345.678, settings); break;
        case 5: {
            TDateTime value;
            TryStrToDateTime(text, value, settings);
            break;
        }
        case 6: TRegEx::IsMatch(u"name@example.com", text); break;
        case 7: {
            // The text is both the mask and the value. A value that keeps its places reads back
            // as it was shown (one without literals moves its characters to the first places).
            TEditMask mask(text);
            const String shown = mask.EditTextOf(text);
            const String again = mask.EditTextOf(mask.ValueOf(shown));
            if (shown.size() != static_cast<size_t>(mask.Length()) || again.size() != shown.size() ||
                (mask.SaveLiterals() && mask.EditTextOf(mask.ValueOf(again)) != again))
                __builtin_trap();
            break;
        }
        }
    } catch (const Exception&) {
        // Rejected text is fine; only crashes, hangs and leaks are findings.
    }
    return 0;
}
