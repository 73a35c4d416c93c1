#pragma once
// Readers and a logging drawing target for driving the SVG engine's tree and walk without a
// drawing library: a few colour names, "#RGB"/"#RRGGBB" colours, and a picture decoder that takes
// bytes starting with "PIC".
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "RurGraphicsSVGEngine_Render.h"
#include "RurGraphicsSVGEngine_Tree.h"

namespace SVGTest {

inline int NamedColor(const String& AText)
{
    if (AText == u"red")
        return 0x0000FF;
    if (AText == u"blue")
        return 0xFF0000;
    if (AText == u"white")
        return 0xFFFFFF;
    return 0;
}

inline int HTMLColor(const String& AText)
{
    String digits = AText.substr(1);
    if (digits.size() == 3)
        digits = {digits[0], digits[0], digits[1], digits[1], digits[2], digits[2]};
    if (digits.size() != 6 || digits.find_first_not_of(u"0123456789abcdefABCDEF") != String::npos)
        throw EConvertError(u"'" + AText + u"' is not a colour");
    const int rgb = std::stoi(ToUtf8(digits), nullptr, 16);
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

class TPicture : public TObject {
    TAVIN_CLASS(TPicture, TObject)
public:
    explicit TPicture(size_t ASize) : Size(ASize) {}
    size_t Size;
};

inline std::unique_ptr<TObject> DecodePicture(const TBytes& AData)
{
    if (AData.size() < 3 || AData[0] != 'P' || AData[1] != 'I' || AData[2] != 'C')
        return nullptr;
    return std::make_unique<TPicture>(AData.size());
}

inline const TRurGraphicsSVGReaders Readers{&NamedColor, &HTMLColor, &DecodePicture};

// One line per call; numbers rounded to two decimals.
class TLogTarget : public TRurGraphicsSVGTarget {
public:
    std::vector<std::string> Log;
    float LineHeight = 10;

    void SaveState() override {}
    void RestoreState() override {}
    void SetFill(const TRurGraphicsSVGFill& AFill) override
    {
        std::ostringstream s;
        static const char* const kinds[] = {"none", "solid", "linear", "radial"};
        s << "Fill " << kinds[AFill.Kind] << " " << std::hex << AFill.Color << std::dec << " " << N(AFill.Angle)
          << " " << N(AFill.Center.X) << " " << N(AFill.Center.Y);
        for (const TRurGraphicsSVGGradientStop& stop : AFill.Stops)
            s << " [" << std::hex << stop.Color << std::dec << " " << N(stop.Offset) << " " << N(stop.Opacity) << "]";
        Log.push_back(s.str());
    }
    void SetStroke(int AColor, float AWidth) override
    {
        std::ostringstream s;
        s << "Stroke " << std::hex << AColor << std::dec << " " << N(AWidth);
        Log.push_back(s.str());
    }
    void SetOpacity(float AOpacity) override { Log.push_back("Opacity " + N(AOpacity)); }
    void ClipPath(const TRurGraphicsPath& APath) override { Log.push_back("Clip " + Bounds(APath)); }
    void DrawPath(const TRurGraphicsPath& APath) override { Log.push_back("Path " + Bounds(APath)); }
    void DrawImage(TObject* ABitmap, TRectF ARect, bool AKeepAspect, const TRurGraphicsMatrix& AMatrix) override
    {
        Log.push_back("Image " + std::to_string(static_cast<TPicture*>(ABitmap)->Size) + " " + Rect(ARect) + " " +
                      (AKeepAspect ? "aspect" : "stretch") + " " + N(AMatrix.m11) + " " + N(AMatrix.m31));
    }
    void SetFont(const String& AName, float ASize, bool ABold, bool AItalic, int AColor) override
    {
        std::ostringstream s;
        s << "Font " << ToUtf8(AName) << " " << N(ASize) << (ABold ? " bold" : "") << (AItalic ? " italic" : "") << " "
          << std::hex << AColor;
        Log.push_back(s.str());
    }
    float TextHeight(const String&) override { return LineHeight; }
    void DrawText(const String& AText, TPointF APoint, const TRurGraphicsMatrix& AMatrix) override
    {
        Log.push_back("Text " + ToUtf8(AText) + " " + N(APoint.X) + " " + N(APoint.Y) + " " + N(AMatrix.m11));
    }

    // The lines that start with APrefix.
    std::vector<std::string> Only(const std::string& APrefix) const
    {
        std::vector<std::string> lines;
        for (const std::string& line : Log)
            if (line.rfind(APrefix, 0) == 0)
                lines.push_back(line);
        return lines;
    }

    static std::string N(float AValue)
    {
        std::ostringstream s;
        s << std::round(AValue * 100) / 100;
        return s.str();
    }
    static std::string Rect(TRectF ARect)
    {
        return N(ARect.Left) + " " + N(ARect.Top) + " " + N(ARect.Right) + " " + N(ARect.Bottom);
    }
    static std::string Bounds(const TRurGraphicsPath& APath) { return Rect(APath.GetBounds()); }
};

} // namespace SVGTest
