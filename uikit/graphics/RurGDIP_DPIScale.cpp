// The UI kit's DPI scale: how much larger than at 96 pixels per inch a form's text comes out.
#include "Forms.h"
#include "RurGDIP.h"

namespace RurGDIP {

namespace {

constexpr int DesignPixelsPerInch = 96;
constexpr int MeasuredPointSize = 9;

float DPIScale = 1.0f;

int ScreenResolution()
{
    HDC screen = GetDC(nullptr);
    int resolution = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return resolution;
}

// The resolution the control's form draws at: its monitor's, unless it is a form of the
// framework's form class that is not scaled; the screen's without a form (or a monitor).
int ResolutionOf(const TControl* control)
{
    const TCustomForm* form = control ? control->GetParentForm() : nullptr;
    if (form && dynamic_cast<const TForm*>(form) && !form->Scaled())
        return DesignPixelsPerInch;
    TMonitor* monitor = form ? form->Monitor() : nullptr;
    return monitor ? monitor->PixelsPerInch() : ScreenResolution();
}

// Height of "0" in the default font at the given resolution.
int ZeroHeightAt(int pixelsPerInch)
{
    HDC screen = GetDC(nullptr);
    int height = 0;
    {
        TCanvas canvas;
        canvas.SetHandle(screen);
        canvas.Font()->SetPixelsPerInch(pixelsPerInch);
        canvas.Font()->SetSize(MeasuredPointSize);
        height = canvas.TextHeight(u"0");
        canvas.SetHandle(nullptr);
    }
    ReleaseDC(nullptr, screen);
    return height;
}

} // namespace

float CalcDPIScale(const TControl* control)
{
    int resolution = ResolutionOf(control);
    DPIScale = resolution == DesignPixelsPerInch
                   ? 1.0f
                   : float(double(ZeroHeightAt(resolution)) / ZeroHeightAt(DesignPixelsPerInch));
    return DPIScale;
}

float GetDPIScale() { return DPIScale; }

} // namespace RurGDIP
