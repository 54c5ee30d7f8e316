#include "MonkeyText.h"

#include <vector>

#include "MonkeyDice.h"

namespace {

const std::vector<QString>& Pieces() {
  static const std::vector<QString> pieces{
      u"0"_qs,      u"1"_qs,      u"2"_qs,    u"3"_qs,   u"4"_qs,   u"5"_qs,    u"6"_qs,
      u"7"_qs,      u"8"_qs,      u"9"_qs,    u"+"_qs,   u"-"_qs,   u"."_qs,    u","_qs,
      u" "_qs,      u"e"_qs,      u"E"_qs,    u"x"_qs,   u"０"_qs,  u"１"_qs,   u"９"_qs,
      u"＋"_qs,     u"－"_qs,     u"．"_qs,   u"，"_qs,  u"　"_qs,  u"東京"_qs, u"度"_qs,
      u"分"_qs,     u"秒"_qs,     u"北緯"_qs, u"ｱｲｳ"_qs, u"☀"_qs,   u"🌞"_qs,    u"é"_qs,
      u"\u0301"_qs, u"\u202e"_qs, u"١٢٣"_qs,  u"\t"_qs,  u"\n"_qs,  u"\r\n"_qs, u"\""_qs,
      u"'"_qs,      u"%"_qs,      u"%s%n"_qs, u"&"_qs,   u"<b>"_qs, u"\\"_qs,   u"="_qs,
      u";"_qs,      u"["_qs,      u"]"_qs};
  return pieces;
}

const std::vector<QString>& Whole() {
  static const std::vector<QString> whole{u"35"_qs,
                                          u"-35"_qs,
                                          u"+89"_qs,
                                          u"90"_qs,
                                          u"-90"_qs,
                                          u"180"_qs,
                                          u"-180"_qs,
                                          u"360"_qs,
                                          u"59"_qs,
                                          u"60"_qs,
                                          u"0"_qs,
                                          u"-0"_qs,
                                          u"00000000000000000000035"_qs,
                                          u"999999999999999999999999"_qs,
                                          u"1e308"_qs,
                                          u"-1e-308"_qs,
                                          u"NaN"_qs,
                                          u"inf"_qs,
                                          u"-inf"_qs,
                                          u"0x7fffffff"_qs,
                                          u"2147483648"_qs,
                                          u"-2147483649"_qs,
                                          u"32768"_qs,
                                          u"65535"_qs,
                                          u"1.5"_qs,
                                          u"1,5"_qs,
                                          u"１２"_qs,
                                          u"－１２"_qs,
                                          u"2026"_qs,
                                          u"1582"_qs,
                                          u"10000"_qs,
                                          u"2/29"_qs,
                                          u"12/31"_qs,
                                          u"13/32"_qs,
                                          u""_qs,
                                          u" "_qs,
                                          u"+"_qs,
                                          u"-"_qs};
  return whole;
}

QString Concatenated(Dice& dice, int count) {
  QString text;
  for (int i = 0; i < count; ++i) text += dice.Pick(Pieces());
  return text;
}

}  // namespace

QString TypedText(Dice& dice) {
  if (dice.Chance(0.5)) return dice.Pick(Whole());
  return Concatenated(dice, dice.Between(1, 6));
}

QString PastedText(Dice& dice) {
  switch (dice.Below(6)) {
    case 0:
      return dice.Pick(Whole());
    case 1:
      return Concatenated(dice, dice.Between(1, 40));
    case 2:  // very long
      return QString(dice.Between(200, 20000), QChar(u'0' + dice.Below(10)));
    case 3: {  // raw code points, lone surrogates and NUL included
      QString text;
      for (int i = dice.Between(1, 30); i > 0; --i) text += QChar(char16_t(dice.Below(0x10000)));
      return text;
    }
    case 4:
      return dice.Pick(Whole()) + QString(dice.Between(1, 300), u' ') + dice.Pick(Whole());
    default:
      return Concatenated(dice, dice.Between(100, 3000));
  }
}
