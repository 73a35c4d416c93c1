#include "RurGraphicsSVGEngine_Tree.h"

#include <algorithm>

#include "RurUtils.h"

namespace {

bool IsGradientOrPattern(const TRurGraphicsSVGElement* AElement)
{
    return AElement &&
           (AElement->Type() == etLinearGradient || AElement->Type() == etRadialGradient || AElement->Type() == etPattern);
}

bool IsTextLike(TRurGraphicsSVGElementType AType)
{
    return AType == etText || AType == etTextSpan || AType == etTextSpanChild || AType == etTextPath;
}

// An element's attributes, read once: each geometry attribute is looked up among a handful.
class TAttributes {
public:
    explicit TAttributes(const TXMLNode& ANode)
    {
        for (const TXMLNode& attribute : ANode.AttributeNodes())
            FItems.push_back({attribute.NodeName(), attribute.NodeValue()});
    }
    const TRurGraphicsSVGDeclarations& Items() const { return FItems; }
    const String* Find(const char16_t* AName) const
    {
        for (const TRurGraphicsSVGDeclaration& item : FItems)
            if (item.Name == AName)
                return &item.Value;
        return nullptr;
    }
    bool Has(const char16_t* AName) const { return Find(AName) != nullptr; }
    // 0 when absent or unreadable.
    float Length(const char16_t* AName) const
    {
        const String* value = Find(AName);
        return value ? ParseLength(*value) : 0;
    }
    // An absent attribute gives the empty matrix: no transform.
    TRurGraphicsMatrix Transform(const char16_t* AName) const
    {
        const String* value = Find(AName);
        return value ? ParseTransform(*value) : TRurGraphicsMatrix();
    }
    String Text(const char16_t* AName) const
    {
        const String* value = Find(AName);
        return value ? *value : String();
    }

private:
    TRurGraphicsSVGDeclarations FItems;
};

TRectF Union(TRectF a, TRectF b)
{
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

// The words of a text between blanks and line breaks.
std::vector<String> Words(const String& AText)
{
    std::vector<String> words;
    std::size_t start = 0;
    while ((start = AText.find_first_not_of(u" \t\r\n", start)) != String::npos) {
        const std::size_t end = AText.find_first_of(u" \t\r\n", start);
        words.push_back(AText.substr(start, end - start));
        start = end;
    }
    return words;
}

TRurGraphicsSVGElement* LastChild(TRurGraphicsSVGElement& AElement)
{
    return AElement.HasElements() && AElement.Elements().Count() > 0 ? AElement.Elements().Last() : nullptr;
}

} // namespace

TRurGraphicsMatrix SVGEnclosingMatrix(const TRurGraphicsSVGElement& AElement)
{
    TRurGraphicsMatrix matrix = TRurGraphicsMatrix::Identity();
    for (const TRurGraphicsSVGElement* parent = AElement.Parent();
         parent && (parent->Type() == etContainer || IsTextLike(parent->Type()));
         parent = parent->Parent())
        if (parent->HasMatrix())
            matrix = matrix * parent->Matrix();
    return matrix;
}

bool IsSVGRectSet(TRectF ARect)
{
    return ARect.Left != SVGUnsetRect.Left && ARect.Top != SVGUnsetRect.Top && ARect.Right != SVGUnsetRect.Right &&
           ARect.Bottom != SVGUnsetRect.Bottom;
}

TRurGraphicsSVGTree::TRurGraphicsSVGTree(const TRurGraphicsSVGReaders& AReaders) : FReaders(AReaders) {}

void TRurGraphicsSVGTree::Clear()
{
    FElementClassList.Clear();
    FElementPatternList.Clear();
    FElementClipPathList.Clear();
    FElementList.Clear();
    FDefsList.Clear();
    FXML.reset();
    FViewRect = SVGUnsetRect;
    FBounds = SVGUnsetRect;
}

void TRurGraphicsSVGTree::LoadFromText(const String& AText)
{
    Load([&](TXMLDocument& xml) { xml.LoadFromXML(AText); });
}

void TRurGraphicsSVGTree::LoadFromBytes(const TBytes& AData)
{
    Load([&](TXMLDocument& xml) { xml.LoadFromBytes(AData); });
}

void TRurGraphicsSVGTree::SaveToStream(TStream& AStream) const
{
    if (FXML && FXML->Active())
        FXML->SaveToStream(AStream);
}

void TRurGraphicsSVGTree::Load(const std::function<void(TXMLDocument&)>& ALoad)
{
    Clear();
    FXML = std::make_unique<TXMLDocument>();
    ALoad(*FXML);
    const TXMLNode root = FXML->DocumentElement();
    if (!root || root.NodeName() != u"svg")
        return;
    ReadViewBox(root);
    const TRectF viewBox = FViewRect;
    FViewRect = SVGUnsetRect;
    ParseChildNodes(FElementList, root, nullptr, true);

    ResolveClasses(FElementPatternList);
    ResolveClasses(FElementClipPathList);
    ResolveClasses(FElementClassList);
    ResolvePatterns(FElementList);
    ResolveHRefs();

    if (IsSVGRectSet(viewBox))
        FViewRect = viewBox;
    else if (IsSVGRectSet(FBounds))
        FViewRect = FBounds;
    else
        FViewRect = TRectF();
}

void TRurGraphicsSVGTree::ReadViewBox(const TXMLNode& ARoot)
{
    const std::vector<String> items = Words(ARoot.GetAttribute(u"viewBox"));
    if (items.size() == 4) {
        float minX = 0, minY = 0, width = 0, height = 0;
        const bool hasMinX = TryParseNumber(items[0], minX), hasMinY = TryParseNumber(items[1], minY);
        if (hasMinX)
            FViewRect.Left = minX;
        if (hasMinY)
            FViewRect.Top = minY;
        if (hasMinX && TryParseNumber(items[2], width))
            FViewRect.Right = minX + width;
        if (hasMinY && TryParseNumber(items[3], height))
            FViewRect.Bottom = minY + height;
    } else if (ARoot.HasAttribute(u"width") && ARoot.HasAttribute(u"height")) {
        FViewRect = {0, 0, ParseLength(ARoot.GetAttribute(u"width")), ParseLength(ARoot.GetAttribute(u"height"))};
    }
}

void TRurGraphicsSVGTree::ParseChildNodes(TRurGraphicsSVGElementList& AList, const TXMLNode& ANode,
                                          TRurGraphicsSVGElement* AParent, bool ABounds)
{
    for (const TXMLNode& node : ANode.ChildNodes()) {
        const TRurGraphicsSVGElementType type = SVGElementTypeOf(node.NodeName());
        if (type == etUnknown || (type == etTextSpanChild && Trim(node.NodeValue()).empty()))
            continue;
        switch (type) {
        case etSwitch:
        case etUse:
            // Their content is never drawn.
            break;
        case etDefs:
            ParseChildNodes(FDefsList, node, nullptr, false);
            break;
        case etStyle:
            ParseStyle(node);
            break;
        default: {
            auto element = std::make_unique<TRurGraphicsSVGElement>();
            element->FType = type;
            element->FParent = AParent;
            TRurGraphicsSVGElement& added = *element;
            AList.Add(element.release());
            ParseElement(added, node, ABounds);
        }
        }
    }
}

void TRurGraphicsSVGTree::ParseElement(TRurGraphicsSVGElement& AElement, const TXMLNode& ANode, bool ABounds)
{
    const TAttributes a(ANode);
    AElement.FMatrix = a.Transform(u"transform");
    AElement.FGradientMatrix = a.Transform(u"gradientTransform");
    const String name = ANode.NodeName();
    if (name == u"circle" || name == u"ellipse") {
        AElement.FXV = a.Length(u"cx");
        AElement.FYV = a.Length(u"cy");
        AElement.FRx = a.Length(name == u"circle" ? u"r" : u"rx");
        AElement.FRy = a.Length(name == u"circle" ? u"r" : u"ry");
    } else if (name == u"line" || name == u"linearGradient") {
        AElement.FXV = a.Length(u"x1");
        AElement.FYV = a.Length(u"y1");
        AElement.FWidth = a.Length(u"x2");
        AElement.FHeight = a.Length(u"y2");
    } else if (name == u"radialGradient") {
        AElement.FHasCX = a.Has(u"cx");
        AElement.FHasCY = a.Has(u"cy");
        AElement.FCX = a.Length(u"cx");
        AElement.FCY = a.Length(u"cy");
    } else {
        AElement.FXV = a.Length(u"x");
        AElement.FYV = a.Length(u"y");
        AElement.FWidth = a.Length(u"width");
        AElement.FHeight = a.Length(u"height");
        AElement.FRx = a.Length(u"rx");
        AElement.FRy = a.Length(u"ry");
    }

    ParseDeclarations(AElement, SVGDeclarationText(a.Text(u"style"), a.Items()));

    const float x = AElement.FXV, y = AElement.FYV, w = AElement.FWidth, h = AElement.FHeight;
    switch (AElement.FType) {
    case etContainer:
        ParseChildNodes(AElement.Elements(), ANode, &AElement, true);
        break;
    case etClipPath:
        FElementClipPathList.Add(&AElement);
        ParseChildNodes(AElement.Elements(), ANode, &AElement, false);
        break;
    case etLinearGradient:
    case etRadialGradient:
    case etPattern:
        FElementPatternList.Add(&AElement);
        ParseChildNodes(AElement.Elements(), ANode, &AElement, false);
        break;
    case etRect:
        if (ABounds)
            ExtendBounds(AElement, {x, y, x + w, y + h}, false);
        break;
    case etImage:
        if (ABounds)
            ExtendBounds(AElement, {x, y, x + w, y + h}, false);
        ParseImage(AElement, a.Text(u"xlink:href"));
        break;
    case etLine:
        if (ABounds)
            ExtendBounds(AElement, {std::min(x, w), std::min(y, h), std::max(x, w), std::max(y, h)}, false);
        break;
    case etCircle:
    case etEllipse:
        if (ABounds)
            ExtendBounds(AElement, {x - AElement.FRx, y - AElement.FRy, x + AElement.FRx, y + AElement.FRy}, false);
        break;
    case etPolyline:
    case etPolygon:
        if (auto path = ParsePoints(a.Text(u"points"), AElement.FType == etPolygon)) {
            AElement.Paths().Add(path.release());
            if (ABounds) {
                const TRurGraphicsSVGElement* parent = AElement.FParent;
                ExtendBounds(AElement, *AElement.ActivePath(), !parent || !parent->HasMatrix());
            }
        }
        break;
    case etPath: {
        String data = a.Text(u"d");
        std::replace(data.begin(), data.end(), u',', u' ');
        ParsePathData(data, AElement.Paths());
        if (ABounds)
            for (const TRurGraphicsPath* path : AElement.Paths())
                ExtendBounds(AElement, *path, true);
        break;
    }
    case etText:
    case etTextSpan:
    case etTextPath: {
        const TXMLNodeList children = ANode.ChildNodes();
        if (AElement.FType == etText && children.Count() == 1 && children[0].NodeType() == ntText)
            AElement.FText = children[0].NodeValue();
        else
            ParseChildNodes(AElement.Elements(), ANode, &AElement, true);
        break;
    }
    case etTextSpanChild:
        AElement.FText = ANode.NodeValue();
        break;
    default:
        break;
    }
}

void TRurGraphicsSVGTree::ParseImage(TRurGraphicsSVGElement& AElement, const String& AHRef)
{
    // Only pictures carried in the document itself: a reference to a file or an address is never
    // followed, so a picture cannot make the engine read anything outside the document.
    const String& href = AHRef;
    if (!FReaders.Image || !href.starts_with(u"data:"))
        return;
    const String data = href.substr(5);
    const std::size_t semicolon = data.find(u';');
    if (semicolon == String::npos || data.compare(semicolon, 8, u";base64,") != 0)
        return;
    TBytes bytes;
    try {
        bytes = TRurUtils::Decode64ToBytes(data.substr(semicolon + 8), false);
    } catch (const Exception&) {
        return;
    }
    AElement.FBitmap = FReaders.Image(bytes);
}

void TRurGraphicsSVGTree::ParseStyle(const TXMLNode& ANode)
{
    for (const TRurGraphicsSVGStyleRule& rule : ParseStyleRules(ANode.Text())) {
        auto element = std::make_unique<TRurGraphicsSVGElement>();
        element->FType = etStyle;
        element->FClassRefID = rule.ClassName;
        ParseDeclarations(*element, rule.Declarations);
        FDefsList.Add(element.release());
    }
}

int TRurGraphicsSVGTree::ReadColor(const String& AValue, String& AText) const
{
    int color = SVGNoColor;
    if (AValue.starts_with(u"#")) {
        try {
            color = FReaders.HTML ? FReaders.HTML(AValue) : SVGNoColor;
        } catch (const EConvertError&) {
            color = SVGNoColor;
        }
    } else if (AValue.starts_with(u"rgb")) {
        int alpha = 0;
        color = ParseRGBColor(AValue, alpha);
        if (alpha == 0)
            color = SVGNoColor;
    } else {
        color = FReaders.Named ? FReaders.Named(AValue) : 0;
    }
    // A colour that cannot be read paints nothing rather than ending the load.
    if (color == SVGNoColor)
        AText = u"none";
    return color;
}

void TRurGraphicsSVGTree::ParseDeclarations(TRurGraphicsSVGElement& AElement, const String& AText)
{
    TRurGraphicsSVGElement& e = AElement;
    for (const TRurGraphicsSVGDeclaration& d : SplitDeclarations(AText)) {
        const String& name = d.Name;
        const String& value = d.Value;
        if (name == u"display") {
            e.FDisplayValue = LowerCase(value);
        } else if (name == u"fill" || name == u"stroke") {
            const bool fill = name == u"fill";
            String& text = fill ? e.FFillColorValue : e.FStrokeColorValue;
            int& color = fill ? e.FFillColor : e.FStrokeColor;
            text = value;
            if (!TRurGraphicsSVGElement::IsColorValue(value))
                color = SVGNoColor;
            else if (value.starts_with(u"url("))
                e.FURLRefID = ParseURLId(value);
            else
                color = ReadColor(value, text);
        } else if (name == u"stroke-width") {
            e.FStrokeWidthValue = value;
            if (e.HasStrokeWidth())
                TryParseNumber(value, e.FStrokeWidth);
        } else if (name == u"font-family") {
            bool bold = false, italic = false;
            e.FFontFamily = ParseFontFamily(value, bold, italic);
            if (!e.FFontBold && !e.FFontItalic) {
                e.FFontBold = bold;
                e.FFontItalic = italic;
            }
        } else if (name == u"font-style") {
            if (value == u"italic" && !e.FFontBold && !e.FFontItalic)
                e.FFontItalic = true;
        } else if (name == u"font-size") {
            e.FFontSizeValue = value;
            if (e.HasFontSize())
                e.FFontSize = ParseLength(value);
        } else if (name == u"preserveAspectRatio") {
            e.FPreserveAspectRatioValue = value;
            if (e.HasPreserveAspectRatio())
                e.FPreserveAspectRatio = value == u"none" ? parNone : parOther;
        } else if (name == u"offset") {
            e.FOffsetValue = value;
            if (e.HasOffset())
                e.FOffset = ParseLength(value) / (value.ends_with(u"%") ? 100 : 1);
        } else if (name == u"stop-opacity") {
            e.FStopOpacityValue = value;
            if (e.HasStopOpacity())
                e.FStopOpacity = ParseLength(value);
        } else if (name == u"stop-color") {
            e.FStopColorValue = value;
            e.FStopColor = e.HasStopColor() ? ReadColor(value, e.FStopColorValue) : SVGNoColor;
        } else if (name == u"opacity") {
            e.FOpacityValue = value;
            if (e.HasOpacity())
                TryParseNumber(value, e.FOpacity);
        } else if (name == u"xlink:href" || name == u"href") {
            const std::size_t hash = value.find(u'#');
            e.FHRefID = hash == String::npos ? value : value.substr(hash + 1);
        } else if (name == u"class") {
            e.FClassRefID = value;
            // An element's declarations are read one after the other: when it is listed, it is last.
            const bool listed = FElementClassList.Count() > 0 && FElementClassList.Last() == &e;
            if (!IsGradientOrPattern(e.FParent) && !listed)
                FElementClassList.Add(&e);
        } else if (name == u"id") {
            e.FID = value;
        } else if (name == u"clip-path") {
            const std::size_t hash = value.find(u'#');
            const std::size_t close = hash == String::npos ? String::npos : value.find(u')', hash);
            e.FClipPathRefID = close == String::npos ? String() : value.substr(hash + 1, close - hash - 1);
        }
    }
}

void TRurGraphicsSVGTree::ExtendBounds(const TRurGraphicsSVGElement& AElement, TRectF ARect, bool AOwnTransform)
{
    TRurGraphicsPath path;
    path.AddPolygon({{ARect.Left, ARect.Top}, {ARect.Right, ARect.Top}, {ARect.Right, ARect.Bottom},
                     {ARect.Left, ARect.Bottom}});
    ExtendBounds(AElement, path, AOwnTransform);
}

void TRurGraphicsSVGTree::ExtendBounds(const TRurGraphicsSVGElement& AElement, const TRurGraphicsPath& APath,
                                       bool AOwnTransform)
{
    if (APath.Count() == 0)
        return;
    TRurGraphicsMatrix matrix = SVGEnclosingMatrix(AElement);
    if (AOwnTransform && AElement.HasMatrix())
        matrix = AElement.Matrix() * matrix;
    TRectF bounds{SVGUnsetRect};
    for (const TRurGraphicsPathPoint& point : *APath.PathData())
        if (point.Kind != gppClose) {
            const TPointF p = point.Point * matrix;
            bounds = Union(bounds, {p.X, p.Y, p.X, p.Y});
        }
    FBounds = Union(FBounds, bounds);
}

void TRurGraphicsSVGTree::ResolveClasses(const TRurGraphicsSVGElementClassList& AList)
{
    for (TRurGraphicsSVGElement* p : AList) {
        for (TRurGraphicsSVGElement* q : FDefsList) {
            if (!p->FClassRefID.empty() && q->FClassRefID == p->FClassRefID) {
                if (!q->FClipPathRefID.empty()) {
                    for (TRurGraphicsSVGElement* r : FDefsList)
                        if (r->FID == q->FClipPathRefID)
                            if (TRurGraphicsSVGElement* shape = LastChild(*r)) {
                                p->FClipPathRef = shape;
                                p->FClassRef = shape->FClassRef;
                            }
                } else if (!q->FURLRefID.empty()) {
                    for (TRurGraphicsSVGElement* r : FDefsList)
                        if (r->FID == q->FURLRefID) {
                            if (r->FType == etLinearGradient || r->FType == etRadialGradient)
                                p->FPatternRef = r;
                            else if (TRurGraphicsSVGElement* child = LastChild(*r))
                                p->FClassRef = child->FClassRef;
                        }
                } else {
                    p->FClassRef = q;
                }
                break;
            }
            if (!p->FID.empty() && (p->FID == q->FURLRefID || p->FID == q->FClipPathRefID)) {
                if (p->HasElements()) {
                    TRurGraphicsSVGElementClassList children;
                    for (TRurGraphicsSVGElement* child : p->Elements())
                        children.Add(child);
                    ResolveClasses(children);
                }
                break;
            }
        }
    }
}

void TRurGraphicsSVGTree::ResolvePatterns(const TRurGraphicsSVGElementList& AList)
{
    for (TRurGraphicsSVGElement* element : AList) {
        if (!element->FURLRefID.empty())
            for (TRurGraphicsSVGElement* pattern : FElementPatternList)
                if (pattern->FID == element->FURLRefID)
                    element->FPatternRef = pattern;
        if (element->HasElements())
            ResolvePatterns(element->Elements());
    }
}

void TRurGraphicsSVGTree::ResolveHRefs()
{
    for (TRurGraphicsSVGElement* q : FElementPatternList)
        if (!q->FHRefID.empty())
            for (TRurGraphicsSVGElement* p : FElementPatternList)
                if (p->FID == q->FHRefID)
                    q->FHRefRef = p;
}
