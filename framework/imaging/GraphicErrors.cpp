#include "GraphicErrors.h"

#include <string>

void RaiseInvalidGraphic(std::string_view format, std::string_view problem)
{
    std::string text(format);
    text += ": ";
    text += problem;
    throw EInvalidGraphic(FromUtf8(text));
}
