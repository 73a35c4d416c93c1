#pragma once
// The SVG engine behind every SVG picture: the document loaded into the element tree (through the
// framework's XML document) and drawn through the UI kit's drawing object, into a rectangle of a
// canvas, into an existing drawing object, or into a new bitmap.
#include <memory>

#include "RurGraphics.h"
#include "RurGraphicsSVGEngine_Render.h"
#include "RurGraphicsSVGEngine_Tree.h"
#include "RurTypes.h"

class TRurGraphicsSVGImport : public TRurSVGImport {
    TAVIN_CLASS(TRurGraphicsSVGImport, TRurSVGImport)
public:
    TRurGraphicsSVGImport();
    ~TRurGraphicsSVGImport() override;

    bool HasElements() const override { return FTree.HasElements(); }
    int ElementCount() const override { return FTree.ElementCount(); }
    TRurBitmap* GenerateBitmap(float AWidth, float AHeight) override;
    void Clear() override;
    void Draw(TCanvas* ACanvas, TRectF ARect, bool ANative) override;
    // Into an existing drawing object, or (ARecreateGraphics) a new one on its canvas for the
    // duration; native drawing only on a new object.
    void Draw(TRurGraphics* AGraphics, TRectF ARect, bool ANative, bool ARecreateGraphics);
    // Malformed XML raises EXMLParseError; a root other than "svg" loads nothing.
    void LoadFromText(const String& AText) override;
    void LoadFromFile(const String& AFile) override;
    // The whole stream from its start; a byte-order mark or the declared encoding is honoured.
    void LoadFromStream(TStream& AStream) override;
    void SaveToStream(TStream& AStream) override;
    void SaveToFile(const String& AFile) override;

    const TRurGraphicsSVGTree& Tree() const { return FTree; }
    // The matrix from document units to device pixels of the last drawing.
    const TRurGraphicsMatrix& Matrix() const { return FMatrix; }

private:
    template <class F>
    void Load(F&& ALoad);
    void DrawInto(TRurGraphics& AGraphics, TRectF ARect, bool ANativeScene, float AScaleX, float AScaleY);

    TRurGraphicsSVGTree FTree;
    std::unique_ptr<TRurBitmap> FCachedBitmap;
    TRurGraphicsMatrix FMatrix = TRurGraphicsMatrix::Identity();
};

std::unique_ptr<TRurSVGImport> CreateRurGraphicsSVGImport();
