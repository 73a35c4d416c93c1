#include "SysUtils.h"

Exception::Exception(String message) : FMessage(std::move(message)), FUtf8(ToUtf8(FMessage)) {}

void Abort()
{
    throw EAbort(u"Operation aborted");
}

String Trim(const String& s)
{
    size_t first = 0, last = s.size();
    while (first < last && s[first] <= 32)
        ++first;
    while (last > first && s[last - 1] <= 32)
        --last;
    return s.substr(first, last - first);
}
