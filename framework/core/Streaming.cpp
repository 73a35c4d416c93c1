#include <algorithm>
#include <cstring>
#include <map>

#include "Streaming.h"

void WriteComponentToStream(TStream& stream, TComponent* root)
{
    TWriter(stream).WriteRootComponent(root);
}

TComponent* ReadComponentFromStream(TStream& stream, TComponent* root)
{
    return TReader(stream).ReadRootComponent(root);
}

TComponent* ReadComponentResource(const TBytes& resource, TComponent* root)
{
    TBytesStream input(resource);
    if (resource.size() >= 4 && std::memcmp(resource.data(), "TPF0", 4) == 0)
        return ReadComponentFromStream(input, root);
    TMemoryStream binary;
    ObjectTextToBinary(input, binary);
    binary.SetPosition(0);
    return ReadComponentFromStream(binary, root);
}

namespace {

TResourceTextProvider& Provider()
{
    static TResourceTextProvider provider;
    return provider;
}

std::map<String, std::vector<TIdentMapEntry>>& IdentMaps()
{
    static std::map<String, std::vector<TIdentMapEntry>> maps;
    return maps;
}

} // namespace

void SetFormResourceProvider(TResourceTextProvider provider)
{
    Provider() = std::move(provider);
}

bool InitInheritedComponent(TComponent* instance, TClass rootAncestor)
{
    std::vector<TClass> chain;
    for (TClass c = instance->ClassType(); c && c != rootAncestor; c = c->ClassParent())
        chain.push_back(c);
    bool found = false;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        TBytes resource;
        if (Provider() && Provider()((*it)->ClassName(), resource)) {
            ReadComponentResource(resource, instance);
            found = true;
        }
    }
    return found;
}

void RegisterIntegerConsts(const String& typeName, std::vector<TIdentMapEntry> map)
{
    IdentMaps()[UpperCase(typeName)] = std::move(map);
}

bool IdentToInt(const String& typeName, const String& ident, Int64& value)
{
    auto it = IdentMaps().find(UpperCase(typeName));
    if (it == IdentMaps().end())
        return false;
    for (const TIdentMapEntry& e : it->second)
        if (SameText(e.Name, ident)) {
            value = e.Value;
            return true;
        }
    return false;
}

bool IntToIdent(const String& typeName, Int64 value, String& ident)
{
    auto it = IdentMaps().find(UpperCase(typeName));
    if (it == IdentMaps().end())
        return false;
    for (const TIdentMapEntry& e : it->second)
        if (e.Value == value) {
            ident = e.Name;
            return true;
        }
    return false;
}
