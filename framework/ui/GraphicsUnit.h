#pragma once
// What the Graphics unit's start-up does besides registering its classes.

// Colour and character-set names (clBtnFace, DEFAULT_CHARSET) for form resources.
void RegisterGraphicsIdents();
