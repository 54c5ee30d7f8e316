// An SVG that names the fonts its text was measured and drawn with. The
// painter records a document's font name (a Windows font such as
// "ＭＳ Ｐゴシック"); other programs that lack it would drop the Japanese
// text, so every font-family names the installed substitute and a generic
// family after it.
#pragma once

#include <QByteArray>
#include <QString>

// "serif", "monospace" or "sans-serif" for an installed family.
QString GenericFontFamily(const QString& family);

// The font-family value for a document's font name, e.g.
// "'IPAPGothic', sans-serif".
QString SvgFontFamilies(const QString& documentFontName);

// The SVG with every font-family attribute rewritten by SvgFontFamilies.
QByteArray WithInstalledFontNames(const QByteArray& svg);
