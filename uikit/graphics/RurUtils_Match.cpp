// TRurUtils: filter masks (comparisons, negation, and/or, wildcards) and the character sets.
#include "RurUtils.h"

#include <algorithm>

namespace {

struct Condition {
    bool Present = false;
    bool Result = false;
};

// The operand after a comparison operator: leading spaces skipped, ended by a space, "&" or "|"
// outside double quotes; its enclosing quotes are not part of it.
String ExtractOperand(const String& mask, std::size_t start)
{
    while (start < mask.size() && mask[start] == u' ')
        ++start;
    bool quoted = false;
    std::size_t end = start;
    for (; end < mask.size(); ++end) {
        const Char c = mask[end];
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u' ' || c == u'&' || c == u'|'))
            break;
    }
    String operand = mask.substr(start, end - start);
    if (!operand.empty() && operand.front() == u'"')
        operand.erase(0, 1);
    if (!operand.empty() && operand.back() == u'"')
        operand.pop_back();
    return operand;
}

bool TryNumber(const String& text, double& number)
{
    TDateTime date;
    return !TRurUtils::IsDate(text, date) && TRurUtils::TryStrToFloatDot(TRurUtils::StripThousandSep(text), number);
}

// < 0, 0 or > 0 as value is below, equal to or above operand: as numbers when both are numbers,
// as dates when both are dates, else as texts in code-unit order.
int Compare(const String& value, const String& operand)
{
    double valueNumber, operandNumber;
    if (TryNumber(value, valueNumber) && TryNumber(operand, operandNumber))
        return valueNumber < operandNumber ? -1 : valueNumber > operandNumber ? 1 : 0;
    TDateTime valueDate, operandDate;
    if (TRurUtils::IsDate(value, valueDate) && TRurUtils::IsDate(operand, operandDate))
        return valueDate < operandDate ? -1 : valueDate > operandDate ? 1 : 0;
    return value.compare(operand);
}

Condition Comparison(const String& mask, const String& value, Char op)
{
    const std::size_t at = mask.find(op);
    if (at == String::npos)
        return {};
    const bool orEqual = at + 1 < mask.size() && mask[at + 1] == u'=';
    const int order = Compare(value, ExtractOperand(mask, at + (orEqual ? 2 : 1)));
    const bool holds = op == u'>' ? order > 0 : order < 0;
    return {true, holds || (orEqual && order == 0)};
}

// "?" takes one character, "*" any run of them (also none). Linear backtracking to the last star
// keeps long values and many stars cheap.
bool WildcardMatch(const String& pattern, const String& value)
{
    std::size_t p = 0, v = 0;
    std::size_t starPattern = String::npos, starValue = 0;
    while (v < value.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starPattern = ++p;
            starValue = v;
        } else if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == value[v])) {
            ++p;
            ++v;
        } else if (starPattern != String::npos) {
            p = starPattern;
            v = ++starValue;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

bool MaskMatches(const String& mask, const String& value)
{
    if (mask.empty() || value.empty())
        return true;
    // "!" anywhere negates the answer; double quotes only delimit.
    String pattern;
    bool negate = false;
    for (Char c : mask) {
        if (c == u'!')
            negate = true;
        else if (c != u'"')
            pattern += c;
    }
    return WildcardMatch(pattern, value) != negate;
}

const TRurUtilsCharSet LogicOperators = {u'(', u';', u'^', u'&', u'|'};

} // namespace

bool TRurUtils::Matches(const String& s0a, const String& s1a)
{
    Condition greater = Comparison(s0a, s1a, u'>');
    Condition less = Comparison(s0a, s1a, u'<');
    const auto contains = [&s0a](Char c) { return s0a.find(c) != String::npos; };
    if (contains(u'!')) {
        for (Condition* condition : {&greater, &less})
            if (!condition->Present)
                *condition = {true, true};
    }
    if (contains(u'^') && (greater.Present || less.Present))
        return less.Result || greater.Result;
    if (contains(u'&') && greater.Present && less.Present)
        return less.Result && greater.Result;
    if ((contains(u'>') && greater.Result) || (contains(u'<') && less.Result))
        return true;
    return MaskMatches(s0a, s1a);
}

bool TRurUtils::Matches(const Char* s0, const Char* s1)
{
    return Matches(String(s0 ? s0 : u""), String(s1 ? s1 : u""));
}

bool TRurUtils::MatchStr(const String& AValue1, const String& AValue2, bool ACaseSensitive)
{
    if (ACaseSensitive)
        return Matches(AValue1, AValue2);
    return Matches(AnsiUpperCase(AValue1), AnsiUpperCase(AValue2));
}

bool TRurUtils::MatchStrEx(const String& AValue1, const String& AValue2, bool ACaseSensitive)
{
    String mask = StripLogicSpaces(Trim(AValue1));
    if (!mask.empty() && mask.front() == u'=')
        mask.erase(0, 1);
    if (mask.empty())
        return AValue2.empty();
    if (AValue2.empty())
        return mask == u"*";

    // Left to right without precedence: "&" is AND; ";", "^" and "|" are OR.
    bool result = false;
    Char previous = 0;
    auto combine = [&](bool value) {
        if (previous == 0)
            result = value;
        else if (previous == u'&')
            result = result && value;
        else if (previous != u'(')
            result = result || value;
    };
    int at;
    Char op;
    while ((op = FirstChar(LogicOperators, mask, at)) != 0) {
        if (mask.front() == u'(') {
            // An unbalanced "(" takes the rest of the mask.
            const int closing = ClosingParenthesis(mask);
            const std::size_t end = closing > 0 ? std::size_t(closing) : mask.size();
            const std::size_t innerEnd = closing > 0 ? end - 1 : end;
            combine(MatchStrEx(mask.substr(1, innerEnd - 1), AValue2, ACaseSensitive));
            mask.erase(0, end);
        } else {
            combine(MatchStr(mask.substr(0, std::size_t(at) - 1), AValue2, ACaseSensitive));
            mask.erase(0, std::size_t(at));
        }
        previous = op;
    }
    combine(MatchStr(mask, AValue2, ACaseSensitive));
    return result;
}

Char TRurUtils::FirstChar(const TRurUtilsCharSet& ACharset, const String& AValue, int& spos)
{
    spos = -1;
    int quotes = 0;
    for (std::size_t i = 0; i < AValue.size(); ++i) {
        quotes += AValue[i] == u'"';
        if (quotes % 2 == 0 && CharInSet(AValue[i], ACharset)) {
            spos = int(i) + 1;
            return AValue[i];
        }
    }
    return 0;
}

String TRurUtils::StripLogicSpaces(const String& AValue)
{
    String result;
    int quotes = 0;
    for (Char c : AValue) {
        quotes += c == u'"';
        if (c != u' ' || quotes % 2 != 0)
            result += c;
    }
    return result;
}

int TRurUtils::ClosingParenthesis(const String& s1)
{
    int opened = 0, closed = 0;
    for (std::size_t i = 0; i < s1.size(); ++i) {
        opened += s1[i] == u'(';
        closed += s1[i] == u')';
        if (s1[i] == u')' && opened == closed)
            return int(i) + 1;
    }
    return 0;
}

TRurUtilsCharSet TRurUtils::CreateCharSet(const String& AValue)
{
    return TRurUtilsCharSet(AValue.begin(), AValue.end());
}

TRurUtilsCharSet TRurUtils::AlphaCharSet()
{
    return CreateCharSet(u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TRurUtilsCharSet TRurUtils::NumericCharSet()
{
    return CreateCharSet(u"0123456789");
}

TRurUtilsCharSet TRurUtils::AddCharSet(const TRurUtilsCharSet& ACharSet1, const TRurUtilsCharSet& ACharSet2)
{
    TRurUtilsCharSet result = ACharSet1;
    result.insert(result.end(), ACharSet2.begin(), ACharSet2.end());
    return result;
}

TRurUtilsCharSet TRurUtils::SubCharSet(const TRurUtilsCharSet& ACharSet1, const TRurUtilsCharSet& ACharSet2)
{
    TRurUtilsCharSet result;
    for (Char c : ACharSet1)
        if (!CharInSet(c, ACharSet2))
            result.push_back(c);
    return result;
}

bool TRurUtils::CharInSet(Char ch, const TRurUtilsCharSet& ACharSet)
{
    return std::find(ACharSet.begin(), ACharSet.end(), ch) != ACharSet.end();
}
