#include "RurKitMessages.h"

namespace {

UINT ClearHintControl = 0;
UINT SBDrawImage = 0;

} // namespace

UINT ClearHintControlMessage() { return ClearHintControl; }
UINT SBDrawImageMessage() { return SBDrawImage; }

void RegisterClearHintControlMessage() { ClearHintControl = RegisterWindowMessageW(L"ClearHintControl"); }
void RegisterSBDrawImageMessage() { SBDrawImage = RegisterWindowMessageW(L"SBDRAWIMAGE"); }
