#pragma once
// A drawing-object back end that draws nothing and logs every call with its arguments, one line
// per call ("FillRect 10 10 20 20"), so the drawing object's own decisions can be checked without
// pixels. Install it for a scope with TRecordingScope; the scope's Log holds what every drawing
// object made in it asked for.
#include <sstream>
#include <string>
#include <vector>

#include "RurGraphics.h"
#include "RurGraphicsPath.h"

namespace RurGraphicsTest {

inline std::vector<std::string>* ActiveLog = nullptr;

class TRecordingGraphicsContext : public TRurGraphicsContext {
    TAVIN_CLASS(TRecordingGraphicsContext, TRurGraphicsContext)
public:
    explicit TRecordingGraphicsContext(TRurGraphics* AGraphics) : TRurGraphicsContext(AGraphics) {}

    // What GetFillColor answers: the last fill colour set.
    TColor FillColor = 0xFFFFFF;
    TRurGraphicsMatrix Matrix = TRurGraphicsMatrix::Identity();
    // What CalculateText measures: this many pixels per character, one line high.
    float CharWidth = 7;
    float LineHeight = 13;

    void* GetNativeCanvas() override { return nullptr; }
    void* CreatePath() override { return nullptr; }
    TColor GetFillColor() override { return FillColor; }
    TRectF CalculateText(const String& AText, TRectF ARect, bool AWordWrapping) override
    {
        Log("CalculateText", Text(AText), ARect, AWordWrapping);
        return {ARect.Left, ARect.Top, ARect.Left + CharWidth * AText.size(), ARect.Top + LineHeight};
    }
    TRectF SetTextAngle(TRectF ARect, float AAngle) override
    {
        Log("SetTextAngle", ARect, AAngle);
        return ARect;
    }
    TRurGraphicsMatrix GetMatrix() override { return Matrix; }
    void Render() override { Log("Render"); }
    void PathOpen(void*) override { Log("PathOpen"); }
    void PathMoveTo(void*, TPointF APoint) override { Log("PathMoveTo", APoint); }
    void PathLineTo(void*, TPointF APoint) override { Log("PathLineTo", APoint); }
    void SetScale(float AScale) override { Log("SetScale", AScale); }
    void PathClose(void*) override { Log("PathClose"); }
    void ResetClip() override { Log("ResetClip"); }
    void ResetTransform() override { Log("ResetTransform"); }
    void ScaleTransform(float AX, float AY) override { Log("ScaleTransform", AX, AY); }
    void RotateTransform(float AAngle) override { Log("RotateTransform", AAngle); }
    void TranslateTransform(float AX, float AY) override { Log("TranslateTransform", AX, AY); }
    void SetTextQuality(TRurGraphicsTextQuality ATextQuality) override { Log("SetTextQuality", int(ATextQuality)); }
    void SetAntiAliasing(bool AAntiAliasing) override { Log("SetAntiAliasing", AAntiAliasing); }
    void SetShowAcceleratorChar(bool AShow) override { Log("SetShowAcceleratorChar", AShow); }
    void SetSize(float AWidth, float AHeight) override { Log("SetSize", AWidth, AHeight); }
    void ResetTextAngle(float AAngle) override { Log("ResetTextAngle", AAngle); }
    void BeginScene() override { Log("BeginScene"); }
    void EndScene() override { Log("EndScene"); }
    void BeginPrinting() override { Log("BeginPrinting"); }
    void EndPrinting() override { Log("EndPrinting"); }
    void StartSpecialPen() override { Log("StartSpecialPen"); }
    void StopSpecialPen() override { Log("StopSpecialPen"); }
    void RestoreState(TRurGraphicsSaveState& AState) override { Log("RestoreState", int(AState.CustomSaveDC())); }
    void SaveState(TRurGraphicsSaveState& AState) override
    {
        AState.SetCustomSaveDC(++FSaved);
        Log("SaveState", FSaved);
    }
    void SetFontSize(int ASize) override { Log("SetFontSize", ASize); }
    void SetFontColor(TColor AColor) override { Log("SetFontColor", Hex(AColor)); }
    void SetFontName(const String& AName) override { Log("SetFontName", Text(AName)); }
    void SetFont(const TRurGraphicsFont& AFont) override
    {
        Log("SetFont", Text(AFont.Name()), AFont.Size(), Hex(AFont.Color()));
    }
    void SetFontStyles(TFontStyles AStyle) override { Log("SetFontStyles", int(AStyle.Bits())); }
    void SetMatrix(const TRurGraphicsMatrix& AMatrix) override
    {
        Matrix = AMatrix;
        Log("SetMatrix", AMatrix.m11, AMatrix.m31, AMatrix.m32);
    }
    void SetFill(const TRurGraphicsFill& AFill) override
    {
        FillColor = AFill.Color();
        Log("SetFill", int(AFill.Kind()), Hex(AFill.Color()));
    }
    void SetFillKind(TRurGraphicsFillKind AKind) override { Log("SetFillKind", int(AKind)); }
    void SetFillColor(TColor AColor) override
    {
        FillColor = AColor;
        Log("SetFillColor", Hex(AColor));
    }
    void SetStroke(const TRurGraphicsStroke& AStroke) override
    {
        Log("SetStroke", int(AStroke.Kind()), Hex(AStroke.Color()), AStroke.Width());
    }
    void SetStrokeKind(TRurGraphicsStrokeKind AKind) override { Log("SetStrokeKind", int(AKind)); }
    void SetStrokeColor(TColor AColor) override { Log("SetStrokeColor", Hex(AColor)); }
    void SetStrokeWidth(float AWidth) override { Log("SetStrokeWidth", AWidth); }
    void DrawLine(const TRurGraphicsStroke&, TPointF AFrom, TPointF ATo, TRurGraphicsModifyPointMode AModeFrom,
                  TRurGraphicsModifyPointMode AModeTo) override
    {
        Log("DrawLine", AFrom, ATo, int(AModeFrom), int(AModeTo));
    }
    void DrawPolygon(const TRurGraphicsStroke&, const TRurGraphicsPathPolygon& APolygon) override
    {
        Log("DrawPolygon", APolygon.size());
    }
    void FillPolygon(const TRurGraphicsFill&, const TRurGraphicsPathPolygon& APolygon) override
    {
        Log("FillPolygon", APolygon.size());
    }
    void DrawPolyline(const TRurGraphicsStroke&, const TRurGraphicsPathPolygon& APolyline) override
    {
        Log("DrawPolyline", APolyline.size());
    }
    void FillPolyline(const TRurGraphicsFill&, const TRurGraphicsPathPolygon& APolyline) override
    {
        Log("FillPolyline", APolyline.size());
    }
    void DrawArc(const TRurGraphicsStroke&, TPointF ACenter, TPointF ARadius, float AStart, float ASweep) override
    {
        Log("DrawArc", ACenter, ARadius, AStart, ASweep);
    }
    void FillArc(const TRurGraphicsFill&, TPointF ACenter, TPointF ARadius, float AStart, float ASweep) override
    {
        Log("FillArc", ACenter, ARadius, AStart, ASweep);
    }
    void FillRect(const TRurGraphicsFill& AFill, TRectF ARect, TRurGraphicsModifyRectMode AMode) override
    {
        Log("FillRect", ARect, int(AMode), Hex(AFill.Color()));
    }
    void DrawRect(const TRurGraphicsStroke& AStroke, TRectF ARect, TRurGraphicsSides ASides,
                  TRurGraphicsModifyRectMode AMode) override
    {
        Log("DrawRect", ARect, int(ASides.Bits()), int(AMode), Hex(AStroke.Color()));
    }
    void FillRoundRect(const TRurGraphicsFill&, TRectF ARect, float ARounding, TRurGraphicsCorners ACorners,
                       TRurGraphicsModifyRectMode AMode) override
    {
        Log("FillRoundRect", ARect, ARounding, int(ACorners.Bits()), int(AMode));
    }
    void DrawRoundRect(const TRurGraphicsStroke&, TRectF ARect, float ARounding, TRurGraphicsCorners ACorners,
                       TRurGraphicsModifyRectMode AMode) override
    {
        Log("DrawRoundRect", ARect, ARounding, int(ACorners.Bits()), int(AMode));
    }
    void FillEllipse(const TRurGraphicsFill& AFill, TRectF ARect, TRurGraphicsModifyRectMode) override
    {
        Log("FillEllipse", ARect, Hex(AFill.Color()));
    }
    void DrawEllipse(const TRurGraphicsStroke& AStroke, TRectF ARect, TRurGraphicsModifyRectMode) override
    {
        Log("DrawEllipse", ARect, Hex(AStroke.Color()));
    }
    void DrawBitmap(TGraphic* ABitmap, TRectF ASrcRect, TRectF ADstRect, float) override
    {
        Log("DrawBitmap", ABitmap ? ABitmap->Width() : -1, ABitmap ? ABitmap->Height() : -1, ASrcRect, ADstRect);
    }
    void ClipRect(TRectF ARect) override { Log("ClipRect", ARect); }
    void ClipPath(const TRurGraphicsPath& APath) override { Log("ClipPath", APath.Count()); }
    void DrawFocusPath(const TRurGraphicsStroke&, const TRurGraphicsPath& APath, TColor AColor) override
    {
        Log("DrawFocusPath", APath.Count(), Hex(AColor));
    }
    void DrawFocusRectangle(const TRurGraphicsStroke&, TRectF ARect, TColor AColor,
                            TRurGraphicsModifyRectMode) override
    {
        Log("DrawFocusRectangle", ARect, Hex(AColor));
    }
    void DrawText(const String& AText, TRectF ARect, bool AWordWrapping, TRurGraphicsTextAlign AHorizontal,
                  TRurGraphicsTextAlign AVertical, TRurGraphicsTextTrimming ATrimming, float AAngle) override
    {
        Log("DrawText", Text(AText), ARect, AWordWrapping, int(AHorizontal), int(AVertical), int(ATrimming), AAngle);
    }
    void DrawPath(const TRurGraphicsStroke&, const TRurGraphicsPath& APath, TRurGraphicsPathDrawMode AMode) override
    {
        Log("DrawPath", APath.Count(), int(AMode));
    }
    void FillPath(const TRurGraphicsFill&, const TRurGraphicsPath& APath, TRurGraphicsPathDrawMode AMode) override
    {
        Log("FillPath", APath.Count(), int(AMode));
    }

    static std::string Text(const String& s) { return std::string(s.begin(), s.end()); }
    static std::string Hex(TColor c)
    {
        std::ostringstream out;
        out << "$" << std::hex << std::uppercase << static_cast<unsigned>(c);
        return out.str();
    }

private:
    static void Put(std::ostringstream& out, TPointF p) { out << ' ' << p.X << ' ' << p.Y; }
    static void Put(std::ostringstream& out, TRectF r) { out << ' ' << r.Left << ' ' << r.Top << ' ' << r.Right << ' ' << r.Bottom; }
    static void Put(std::ostringstream& out, bool b) { out << ' ' << (b ? "T" : "F"); }
    template <class T>
    static void Put(std::ostringstream& out, const T& v)
    {
        out << ' ' << v;
    }
    template <class... A>
    static void Log(const char* name, const A&... args)
    {
        if (!ActiveLog)
            return;
        std::ostringstream out;
        out << name;
        (Put(out, args), ...);
        ActiveLog->push_back(out.str());
    }

    int FSaved = 0;
};

// Drawing objects made while the scope lives get the recording back end for both choices.
class TRecordingScope {
public:
    TRecordingScope()
    {
        ActiveLog = &Log;
        TRurGraphics::SetContextFactories(&Make, &Make);
    }
    ~TRecordingScope()
    {
        TRurGraphics::SetContextFactories(nullptr, nullptr);
        ActiveLog = nullptr;
    }
    TRecordingScope(const TRecordingScope&) = delete;
    TRecordingScope& operator=(const TRecordingScope&) = delete;

    // The lines logged since the last call, then forgotten.
    std::vector<std::string> Take() { return std::exchange(Log, {}); }

    std::vector<std::string> Log;

private:
    static std::unique_ptr<TRurGraphicsContext> Make(TRurGraphics* AGraphics)
    {
        return std::make_unique<TRecordingGraphicsContext>(AGraphics);
    }
};

inline TRecordingGraphicsContext& Recorder(TRurGraphics& g) { return static_cast<TRecordingGraphicsContext&>(*g.Context()); }

} // namespace RurGraphicsTest
