// Path data of the SVG engine: commands with implicit repetition, relative forms and arcs.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "RurGraphicsSVGEngine_Values.h"

namespace {

constexpr char16_t CommandLetters[] = u"MmLlHhVvCcSsQqTtAaZz";

bool IsCommandLetter(Char c)
{
    for (const char16_t* p = CommandLetters; *p; ++p)
        if (*p == c)
            return true;
    return false;
}

// The numbers of one use of a command; 0 for close and for anything that is no command.
std::size_t GroupSize(Char command)
{
    switch (command) {
    case u'A': case u'a': return 7;
    case u'C': case u'c': return 6;
    case u'Q': case u'q': case u'S': case u's': return 4;
    case u'M': case u'm': case u'L': case u'l': case u'T': case u't': return 2;
    case u'H': case u'h': case u'V': case u'v': return 1;
    default: return 0;
    }
}

bool IsCurve(Char command) { return command && std::char_traits<char16_t>::find(u"CcSsQqTt", 8, command); }

// Blanks separate numbers; a sign starts one except right after an exponent letter, and so does a
// second decimal point or a second exponent; other characters are ignored. Unreadable numbers are 0.
std::vector<float> ReadNumbers(const String& text)
{
    std::vector<float> numbers;
    String token;
    bool hasPoint = false, hasExponent = false;
    auto flush = [&] {
        if (!token.empty()) {
            float value = 0;
            TryParseNumber(token, value);
            numbers.push_back(value);
        }
        token.clear();
        hasPoint = hasExponent = false;
    };
    for (Char c : text) {
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n') {
            flush();
        } else if (c == u'+' || c == u'-') {
            if (token.empty() || (token.back() != u'e' && token.back() != u'E'))
                flush();
            token += c;
        } else if (c == u'.') {
            if (hasPoint || hasExponent)
                flush();
            token += c;
            hasPoint = true;
        } else if (c == u'e' || c == u'E') {
            if (hasExponent)
                flush();
            token += c;
            hasExponent = true;
        } else if (c >= u'0' && c <= u'9') {
            token += c;
        }
    }
    flush();
    return numbers;
}

// An arc's flags are read as integers: 0.5 is clear.
bool Flag(float value) { return std::trunc(value) != 0; }

// Coordinates stay finite however far relative commands, reflections or arcs carry them.
float Coordinate(double value) { return float(std::clamp(value, double(-FLT_MAX), double(FLT_MAX))); }

TPointF Reflect(TPointF control, TPointF about)
{
    return {Coordinate(2.0 * about.X - control.X), Coordinate(2.0 * about.Y - control.Y)};
}

class TPathDataReader {
public:
    explicit TPathDataReader(TRurGraphicsSVGElementPathList& paths) : FPaths(paths) {}

    // One use of a command with exactly the numbers it takes (close takes none).
    void Apply(Char command, const float* n)
    {
        const bool relative = command >= u'a' && command <= u'z';
        const TPointF origin = relative ? FCurrent : TPointF{};
        auto at = [&](int i) {
            return TPointF{Coordinate(double(origin.X) + n[i]), Coordinate(double(origin.Y) + n[i + 1])};
        };
        TPointF end = FCurrent;
        switch (command) {
        case u'M': case u'm':
            end = at(0);
            FPath = new TRurGraphicsPath;
            FPaths.Add(FPath);
            FPath->MoveTo(end);
            break;
        case u'L': case u'l':
            end = at(0);
            LineTo(end);
            break;
        case u'H': case u'h':
            end.X = Coordinate(double(origin.X) + n[0]);
            LineTo(end);
            break;
        case u'V': case u'v':
            end.Y = Coordinate(double(origin.Y) + n[0]);
            LineTo(end);
            break;
        case u'C': case u'c':
            end = at(4);
            FControl = at(2);
            CurveTo(at(0), FControl, end);
            break;
        case u'S': case u's':
            end = at(2);
            {
                const TPointF first = SmoothControl();
                FControl = at(0);
                CurveTo(first, FControl, end);
            }
            break;
        case u'Q': case u'q':
            end = at(2);
            FControl = at(0);
            CurveTo(FControl, FControl, end);
            break;
        case u'T': case u't':
            end = at(0);
            FControl = SmoothControl();
            CurveTo(FControl, FControl, end);
            break;
        case u'A': case u'a':
            end = at(5);
            if (FPath)
                ArcToBeziers(*FPath, FCurrent, {std::fabs(n[0]), std::fabs(n[1])}, n[2], Flag(n[3]), Flag(n[4]), end);
            break;
        case u'Z': case u'z':
            if (FPath) {
                FPath->ClosePath();
                end = FPath->LastPoint();
            }
            break;
        default:
            return;
        }
        FCurrent = end;
        FPrevious = command;
    }

private:
    TPointF SmoothControl() const { return IsCurve(FPrevious) ? Reflect(FControl, FCurrent) : FCurrent; }

    void LineTo(TPointF p)
    {
        if (FPath)
            FPath->LineTo(p);
    }

    void CurveTo(TPointF c1, TPointF c2, TPointF p)
    {
        if (FPath)
            FPath->CurveTo(c1, c2, p);
    }

    TRurGraphicsSVGElementPathList& FPaths;
    TRurGraphicsPath* FPath = nullptr; // the path of the last move-to, owned by FPaths
    TPointF FCurrent, FControl;
    Char FPrevious = 0;
};

} // namespace

void ParsePathData(const String& AText, TRurGraphicsSVGElementPathList& APaths)
{
    TPathDataReader reader(APaths);
    std::size_t position = 0;
    while (position < AText.size()) {
        std::size_t next = position + 1;
        while (next < AText.size() && !IsCommandLetter(AText[next]))
            ++next;
        const Char command = AText[position];
        const std::vector<float> numbers = ReadNumbers(AText.substr(position + 1, next - position - 1));
        position = next;

        const std::size_t size = GroupSize(command), count = numbers.size();
        if (command == u'Z' || command == u'z') {
            reader.Apply(command, nullptr);
            continue;
        }
        if (size == 0 || count < size)
            continue; // not a command, or one short of numbers: dropped, the rest still read
        // Further uses of the command follow without their letter, unless exactly one number is
        // left over; numbers too few for another use are skipped.
        const std::size_t uses = count % size == 1 ? 1 : count / size;
        for (std::size_t use = 0; use < uses; ++use) {
            Char letter = command;
            if (use > 0 && (command == u'M' || command == u'm'))
                letter = command == u'M' ? u'L' : u'l';
            reader.Apply(letter, numbers.data() + use * size);
        }
    }
}

void ArcToBeziers(TRurGraphicsPath& APath, TPointF AStart, TPointF ARadius, float ARotation, bool ALargeArc,
                  bool ASweep, TPointF AEnd)
{
    if (AStart == AEnd)
        return;
    auto lineTo = [&](TPointF p) {
        if (APath.Count() == 0)
            APath.MoveTo(p);
        else
            APath.LineTo(p);
    };
    auto straight = [&] {
        if (APath.Count() == 0)
            APath.MoveTo(AStart);
        APath.LineTo(AEnd);
    };
    if (ARadius.X == 0 || ARadius.Y == 0)
        return straight();
    // Doubles: squares and products of float-range radii stay finite.
    double rx = ARadius.X, ry = ARadius.Y;
    const double phi = ARotation * std::numbers::pi / 180, cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    const double dx = (double(AStart.X) - AEnd.X) / 2, dy = (double(AStart.Y) - AEnd.Y) / 2;
    const double x1 = cosPhi * dx + sinPhi * dy, y1 = -sinPhi * dx + cosPhi * dy;
    const double lambda = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry);
    if (lambda > 1) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    }
    const double numerator = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const double denominator = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    const double root = denominator > 0 ? std::sqrt(std::max(0.0, numerator / denominator)) : 0;
    const double sign = ALargeArc == ASweep ? -1 : 1;
    const double cxp = sign * root * rx * y1 / ry, cyp = -sign * root * ry * x1 / rx;
    const double cx = cosPhi * cxp - sinPhi * cyp + (double(AStart.X) + AEnd.X) / 2;
    const double cy = sinPhi * cxp + cosPhi * cyp + (double(AStart.Y) + AEnd.Y) / 2;
    auto angleOf = [](double x, double y) {
        const double a = std::atan2(y, x);
        return a < 0 ? a + 2 * std::numbers::pi : a;
    };
    const double theta = angleOf((x1 - cxp) / rx, (y1 - cyp) / ry);
    double delta = angleOf((-x1 - cxp) / rx, (-y1 - cyp) / ry) - theta;
    if (delta < 0)
        delta += 2 * std::numbers::pi;
    if (!ASweep && delta > 0)
        delta -= 2 * std::numbers::pi;
    else if (ASweep && delta < 0)
        delta += 2 * std::numbers::pi;
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(delta) || delta == 0)
        return straight(); // ends too close to tell a direction, or at the edge of the float range

    auto point = [&](double t) {
        return TPointF{Coordinate(cx + rx * cosPhi * std::cos(t) - ry * sinPhi * std::sin(t)),
                       Coordinate(cy + rx * sinPhi * std::cos(t) + ry * cosPhi * std::sin(t))};
    };
    auto tangent = [&](double t, double length) {
        return std::pair{length * (-rx * cosPhi * std::sin(t) - ry * sinPhi * std::cos(t)),
                         length * (-rx * sinPhi * std::sin(t) + ry * cosPhi * std::cos(t))};
    };
    const int segments = std::max(1, int(std::ceil(std::fabs(delta) / (std::numbers::pi / 2))));
    const double step = delta / segments;
    const double handle = 8.0 / 3 * std::pow(std::sin(step / 4), 2) / std::sin(step / 2);
    for (int i = 0; i < segments; ++i) {
        const double t1 = theta + i * step, t2 = t1 + step;
        const TPointF p1 = point(t1), p2 = i == segments - 1 ? AEnd : point(t2);
        const auto [d1x, d1y] = tangent(t1, handle);
        const auto [d2x, d2y] = tangent(t2, handle);
        lineTo(p1);
        APath.CurveTo({Coordinate(p1.X + d1x), Coordinate(p1.Y + d1y)}, {Coordinate(p2.X - d2x), Coordinate(p2.Y - d2y)},
                      p2);
    }
}
