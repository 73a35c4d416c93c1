// Float text both ways, as the JSON writer and reader use it, beside the C runtime's own
// conversions (snprintf "%.15g" and strtod) measured in the same run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "SysUtils.h"

namespace {

template <class Body>
double NanosecondsPerCall(int calls, Body body)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        body(i);
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / calls;
}

} // namespace

int main()
{
    constexpr int Calls = 200000;
    std::vector<double> values;
    for (int i = 0; i < 1024; ++i)
        values.push_back((i * 7919 % 1000003) / 997.0 * (i % 2 ? 1 : -1e-3));
    std::vector<String> texts;
    std::vector<std::string> cTexts;
    for (double v : values) {
        texts.push_back(FloatToStr(v));
        cTexts.push_back(ToUtf8(texts.back()));
    }

    size_t sink = 0;
    const double ours = NanosecondsPerCall(Calls, [&](int i) { sink += FloatToStr(values[i & 1023]).size(); });
    const double theirs = NanosecondsPerCall(Calls, [&](int i) {
        char buffer[32];
        sink += static_cast<size_t>(std::snprintf(buffer, sizeof buffer, "%.15g", values[i & 1023]));
    });
    std::printf("FloatToStr      %8.1f ns/call   snprintf %%.15g %8.1f ns/call   ratio %.2f\n", ours, theirs, ours / theirs);

    double total = 0;
    const double parse = NanosecondsPerCall(Calls, [&](int i) { total += StrToFloat(texts[i & 1023]); });
    const double strtodTime = NanosecondsPerCall(Calls, [&](int i) { total += std::strtod(cTexts[i & 1023].c_str(), nullptr); });
    std::printf("StrToFloat      %8.1f ns/call   strtod        %8.1f ns/call   ratio %.2f\n", parse, strtodTime, parse / strtodTime);
    std::printf("(checksum %zu %g)\n", sink, total);
    return 0;
}
