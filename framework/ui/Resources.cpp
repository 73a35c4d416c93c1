#include "Resources.h"

#include <cstring>

#include "Streaming.h"
#include "WideText.h"

namespace {

struct TResourceBlock {
    void* Memory = nullptr;
    Int64 Size = 0;
};

// Null Memory when the module has no such resource.
TResourceBlock FindResourceBlock(HMODULE module, const wchar_t* name, const wchar_t* type)
{
    HRSRC info = FindResourceW(module, name, type);
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    if (!loaded)
        return {};
    return {LockResource(loaded), static_cast<Int64>(SizeofResource(module, info))};
}

TResourceBlock LockResourceBlock(NativeUInt instance, const wchar_t* name, const Char* type, const String& shownName)
{
    TResourceBlock block =
        FindResourceBlock(reinterpret_cast<HMODULE>(instance), name, reinterpret_cast<const wchar_t*>(type));
    if (!block.Memory)
        throw EResNotFound::CreateFmt(u"Resource %s not found", {shownName});
    return block;
}

} // namespace

TResourceStream::TResourceStream(NativeUInt instance, const String& resName, const Char* resType)
{
    TResourceBlock block = LockResourceBlock(instance, WidePtr(resName), resType, resName);
    SetPointer(block.Memory, block.Size);
}

TResourceStream::TResourceStream(NativeUInt instance, int resId, const Char* resType)
{
    TResourceBlock block =
        LockResourceBlock(instance, MAKEINTRESOURCEW(resId), resType, IntToStr(resId));
    SetPointer(block.Memory, block.Size);
}

bool FindFormResource(HMODULE module, const String& className, TBytes& data)
{
    TResourceBlock block = FindResourceBlock(module, WidePtr(UpperCase(className)), RT_RCDATA);
    if (!block.Memory)
        return false;
    data.resize(static_cast<size_t>(block.Size));
    if (!data.empty())
        std::memcpy(data.data(), block.Memory, data.size());
    return true;
}

void InitializeFormResources()
{
    SetFormResourceProvider([](const String& className, TBytes& data) {
        return FindFormResource(GetModuleHandleW(nullptr), className, data);
    });
}
