#include "FontSubstitutions.h"

#include <QFont>
#include <QFontInfo>
#include <QStringList>

namespace {

struct Substitution {
  const char* windowsName;  // UTF-8
  const char* installedFamilies[2];
};

// Metric-compatible replacements first; the second family is a fallback
// that still has Japanese glyphs.
constexpr Substitution kSubstitutions[] = {
    {"ＭＳ Ｐゴシック", {"IPAPGothic", "IPAGothic"}},
    {"ＭＳ ゴシック", {"IPAGothic", "IPAPGothic"}},
    {"ＭＳ Ｐ明朝", {"IPAPMincho", "IPAMincho"}},
    {"ＭＳ 明朝", {"IPAMincho", "IPAPMincho"}},
    {"MS PGothic", {"IPAPGothic", "IPAGothic"}},
    {"MS Gothic", {"IPAGothic", "IPAPGothic"}},
    {"MS PMincho", {"IPAPMincho", "IPAMincho"}},
    {"MS Mincho", {"IPAMincho", "IPAPMincho"}},
    {"MS UI Gothic", {"IPAPGothic", "IPAGothic"}},
    {"Arial", {"Liberation Sans", "IPAPGothic"}},
    {"Times New Roman", {"Liberation Serif", "IPAPMincho"}},
    {"Courier New", {"Liberation Mono", "IPAGothic"}},
};

}  // namespace

void InstallFontSubstitutions() {
  for (const Substitution& s : kSubstitutions) {
    const QStringList families{QString::fromLatin1(s.installedFamilies[0]),
                               QString::fromLatin1(s.installedFamilies[1])};
    QFont::insertSubstitutions(QString::fromUtf8(s.windowsName), families);
  }
}

QString ResolvedFontFamily(const QString& documentFontName) {
  return QFontInfo(QFont(documentFontName)).family();
}
