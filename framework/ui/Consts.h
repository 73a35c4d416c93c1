#pragma once
// The framework's own texts that programs show: the captions of the common dialog buttons.
#include "System.h"

inline constexpr const Char* SMsgDlgOK = u"OK";
inline constexpr const Char* SMsgDlgYes = u"&Yes";
inline constexpr const Char* SMsgDlgNo = u"&No";
inline constexpr const Char* SMsgDlgCancel = u"Cancel";
inline constexpr const Char* SMsgDlgRetry = u"&Retry";
inline constexpr const Char* SCloseButton = u"&Close";
