#pragma once
// What the kit's tests share: the kit's units started around the program, bound system functions
// replaced for a while, and 32-bit bitmaps to paint into and read back.
#include <memory>

#include "Forms.h"
#include "scDrawUtils.h"
#include "scImageCollection.h"

// Replaces a bound system function for the lifetime of the object.
template <class F>
class TBoundFunction {
public:
    TBoundFunction(F& variable, F replacement) : FVariable(variable), FSaved(variable) { variable = replacement; }
    ~TBoundFunction() { FVariable = FSaved; }
    TBoundFunction(const TBoundFunction&) = delete;
    TBoundFunction& operator=(const TBoundFunction&) = delete;

private:
    F& FVariable;
    F FSaved;
};

// A 32-bit bitmap filled with one colour, and its pixels as 0x00BBGGRR.
std::unique_ptr<TBitmap> Canvas32(int width, int height, TColor fill = clWhite);
TColor PixelAt(TBitmap* bitmap, int x, int y);
// How many pixels of the rectangle have exactly the colour.
int CountColor(TBitmap* bitmap, const TRect& rect, TColor color);
// Writes the bitmap beside the test program as a PNG, to be looked at.
void SaveBesideProgram(TBitmap* bitmap, const String& fileName);

// A white form of 300 x 200 for buttons; the pointer is moved away from where the last test left
// it.
struct TButtonForm {
    TButtonForm();
    ~TButtonForm();
    TButtonForm(const TButtonForm&) = delete;
    TButtonForm& operator=(const TButtonForm&) = delete;
    TForm* Form;
};

TPoint CentreOf(TControl* control);
// The real pointer to the client point, and the move posted to the window, then the loop runs.
void MoveMouse(TWinControl* control, TPoint p);
// A left button message at the client point, posted, then the loop runs.
void MouseButton(TWinControl* control, UINT msg, TPoint p);

// Three solid images: red, green and blue, each filling the rectangle it is drawn into.
class TColourImages : public TscCustomImageCollection {
public:
    using TscCustomImageCollection::TscCustomImageCollection;
    bool IsIndexAvailable(int index) const override { return index >= 0 && index < 3; }
    bool IsSolidDrawing(int index) const override { return IsIndexAvailable(index); }
    void Draw(TCanvas* canvas, const TRect& rect, int index, double) override
    {
        const TColor colours[] = {clRed, clLime, clBlue};
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(colours[index]);
        canvas->FillRect(rect);
    }
};
