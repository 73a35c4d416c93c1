#pragma once
// An SVG document loaded through the framework's XML document into the engine's element tree:
// the top-level elements, the definitions and style rules, the references between them resolved,
// and the view box. Portable: colour names and pictures are read through the functions the owner
// hands in, so the tree needs no drawing library.
#include <functional>
#include <memory>

#include "Streams.h"
#include "XMLDoc.h"
#include "RurGraphicsSVGEngine_Element.h"

// Reads a colour text ("red", "#F00") to 0x00BBGGRR; may raise EConvertError for a bad text.
using TRurGraphicsSVGColorReader = int (*)(const String& AText);
// Decodes a picture's bytes; null when they are no picture it can read.
using TRurGraphicsSVGImageDecoder = std::unique_ptr<TObject> (*)(const TBytes& AData);

struct TRurGraphicsSVGReaders {
    // Colour names; unknown names read as black.
    TRurGraphicsSVGColorReader Named = nullptr;
    // "#" colours, the text with its "#".
    TRurGraphicsSVGColorReader HTML = nullptr;
    // Pictures of image elements; without one, image elements have no picture.
    TRurGraphicsSVGImageDecoder Image = nullptr;
};

// The view rectangle before anything set it: each edge at the far side of the float range.
constexpr TRectF SVGUnsetRect{2147483648.0f, 2147483648.0f, -2147483648.0f, -2147483648.0f};

class TRurGraphicsSVGTree {
public:
    explicit TRurGraphicsSVGTree(const TRurGraphicsSVGReaders& AReaders);
    TRurGraphicsSVGTree(const TRurGraphicsSVGTree&) = delete;
    TRurGraphicsSVGTree& operator=(const TRurGraphicsSVGTree&) = delete;

    // Drops the document and every element; the view rectangle becomes unset.
    void Clear();
    // Replaces the document. Malformed XML raises EXMLParseError (what was read before stays
    // cleared); a root other than "svg" loads nothing. Bytes honour a byte-order mark and the
    // declared encoding.
    void LoadFromText(const String& AText);
    void LoadFromBytes(const TBytes& AData);
    // The loaded document written from its XML tree; nothing when none is loaded.
    void SaveToStream(TStream& AStream) const;

    int ElementCount() const { return FElementList.Count(); }
    bool HasElements() const { return ElementCount() > 0; }
    const TRurGraphicsSVGElementList& Elements() const { return FElementList; }
    const TRurGraphicsSVGElementList& Defs() const { return FDefsList; }
    TRectF ViewRect() const { return FViewRect; }
    void SetViewRect(TRectF AValue) { FViewRect = AValue; }

private:
    void Load(const std::function<void(TXMLDocument&)>& ALoad);
    void ReadViewBox(const TXMLNode& ARoot);
    void ParseChildNodes(TRurGraphicsSVGElementList& AList, const TXMLNode& ANode, TRurGraphicsSVGElement* AParent,
                         bool ABounds);
    void ParseElement(TRurGraphicsSVGElement& AElement, const TXMLNode& ANode, bool ABounds);
    void ParseDeclarations(TRurGraphicsSVGElement& AElement, const String& AText);
    void ParseStyle(const TXMLNode& ANode);
    void ParseImage(TRurGraphicsSVGElement& AElement, const String& AHRef);
    int ReadColor(const String& AValue, String& AText) const;
    void ExtendBounds(const TRurGraphicsSVGElement& AElement, TRectF ARect, bool AOwnTransform);
    void ExtendBounds(const TRurGraphicsSVGElement& AElement, const TRurGraphicsPath& APath, bool AOwnTransform);
    void ResolveClasses(const TRurGraphicsSVGElementClassList& AList);
    void ResolvePatterns(const TRurGraphicsSVGElementList& AList);
    void ResolveHRefs();

    TRurGraphicsSVGReaders FReaders;
    std::unique_ptr<TXMLDocument> FXML;
    TRurGraphicsSVGElementClassList FElementClassList;
    TRurGraphicsSVGElementClassList FElementPatternList;
    TRurGraphicsSVGElementClassList FElementClipPathList;
    TRurGraphicsSVGElementList FElementList;
    TRurGraphicsSVGElementList FDefsList;
    TRectF FViewRect = SVGUnsetRect;
    TRectF FBounds = SVGUnsetRect;
};

// The transforms of the enclosing groups and text elements, innermost first, up to the first
// parent of another kind; identity when there are none.
TRurGraphicsMatrix SVGEnclosingMatrix(const TRurGraphicsSVGElement& AElement);
bool IsSVGRectSet(TRectF ARect);
