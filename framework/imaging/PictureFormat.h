#pragma once
// Recognising a picture by its first bytes, whatever the file is called.
#include <span>

#include "System.h"

enum class TPictureFormat { Unknown, Bmp, Png, Jpeg, Gif, Icon, Cursor, Tiff, Wmf, Emf };

// Looks at no more than the first 44 bytes and never past the end of a shorter buffer.
TPictureFormat DetectPictureFormat(std::span<const Byte> head);
