#include "FieldChecks.h"

#include "RegularExpressions.h"
#include "SysUtils.h"

namespace {

constexpr int EmailTag = 7;
constexpr int SerialNumberTag = 11;
constexpr int CommonNameTag = 3064;

bool IsEmailAddress(const String& text)
{
    static const TRegEx pattern(u"^[\\w-\\.]+@([\\w-]+\\.)+[\\w-]{2,4}$");
    return pattern.IsMatch(text);
}

} // namespace

bool IsBlankFieldText(const String& text) { return Trim(text).empty(); }

String FieldRuleWarning(int tag, int personType, const String& text)
{
    switch (tag) {
    case EmailTag:
        return IsEmailAddress(text) ? String() : u"پست الکترونیکی وارد شده صحیح نیست.";
    case SerialNumberTag:
        if (personType >= 1 && personType <= 3)
            return text.size() == 10 ? String() : u"شناسه/کد ملی باید 10 حرف باشد.";
        return text.size() == 11 ? String() : u"شناسه ملی باید 11 حرف باشد.";
    case CommonNameTag:
        return text.size() <= 64 ? String() : u"نام عمومی نباید بیشتر از 64 حرف باشد.";
    default:
        return String();
    }
}

String FileNameWarning()
{
    return u"شناسه ملی نمی‌تواند نویسه‌های \\ / : * ? \" < > | یا نویسه‌های کنترلی داشته باشد.";
}
