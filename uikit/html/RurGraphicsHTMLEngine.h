#pragma once
// The caption engine of the drawing object, and the search highlighting of markup texts.
//
// RurGraphicsHTMLEngine_Hilight.cpp holds the highlighting, which is portable.
#include "SysUtils.h"

// Wraps every occurrence of ASearch in the visible text of AText in "<" ATag ">" ... "</" ATag ">".
// The markup's own tags are kept; brackets that are text of their own are written "&lt;" and
// "&gt;" once anything is highlighted, so the inserted tags cannot merge with them.
void HilightText(const String& AText, const String& ASearch, const String& ATag, String& AResult,
                 bool ACaseSensitive);

// The 1-based visible position of the first match of ASearch in AVisible after its first AStart
// characters, also in AFound; 0 when there is none.
int FindVisibleMatch(const String& ASearch, const String& AVisible, int AStart, int& AFound, bool ACaseSensitive);

// The 1-based markup index of the n-th visible character (1 for n = 1, before any leading tag;
// the markup length + 1 one past the last visible character; 0 beyond that). A "<BR>" or "<HR>"
// counts as the two characters of the line break the visible text holds for it.
int VisibleToMarkupIndex(const String& AMarkup, int n);
