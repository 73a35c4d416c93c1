#pragma once
// Edit masks: "mask;save literals;blank". The mask part lists one position per character the
// edit shows: L/l a letter, A/a a letter or digit, C/c any character, 0/9 a digit, # a digit or
// sign (upper case required, lower case optional); > and < turn what follows to upper or lower
// case, <> stops that, ! is accepted and changes nothing here, \ makes the next character a literal,
// _ shows a space, anything else is a literal. The second field is 0 when the text leaves the
// literals out (default 1); the third is the character shown in an empty position (default _).
#include <vector>

#include "System.h"

class TEditMask {
public:
    explicit TEditMask(const String& editMask);

    bool IsEmpty() const { return FPositions.empty(); }
    // Positions in the text the edit shows.
    int Length() const { return static_cast<int>(FPositions.size()); }
    bool IsLiteral(int position) const { return FPositions[position].Kind == Literal; }
    bool SaveLiterals() const { return FSaveLiterals; }
    Char Blank() const { return FBlank; }

    // The character the position takes for c (case converted), or 0 when it refuses c.
    Char Accept(int position, Char c) const;
    // The first position at or after position that takes input; Length() when none does.
    int NextInput(int position) const;
    // The shown text of a value: with literals saved, the value's characters stand position by
    // position (a space leaves its position empty); without, they fill the input positions in
    // turn. Refused characters stay blank.
    String EditTextOf(const String& value) const;
    // The value of a shown text: the literals only when saved; an empty position is a space when
    // literals are saved and left out when they are not.
    String ValueOf(const String& editText) const;

private:
    enum TKind { Literal, Letter, AlphaNumeric, AnyChar, Digit, DigitOrSign };
    enum TCase { KeepCase, Upper, Lower };
    struct TPosition {
        TKind Kind;
        bool Required;
        TCase Case;
        Char Literal;
    };

    std::vector<TPosition> FPositions;
    bool FSaveLiterals = true;
    Char FBlank = u'_';
};
