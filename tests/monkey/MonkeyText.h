// Text a user might type or paste: numbers in every spelling, signs,
// full-width and Japanese characters, control characters and junk.
#pragma once

#include <QString>

class Dice;

// A short text, as typed.
QString TypedText(Dice& dice);
// Anything, up to very long, as pasted.
QString PastedText(Dice& dice);
