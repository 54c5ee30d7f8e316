#include "SvgFontNames.h"

#include <QFontDatabase>
#include <QHash>
#include <QRegularExpression>

#include "FontSubstitutions.h"

namespace {

// The attribute as QSvgGenerator writes it: the name between double quotes,
// with XML's five entities escaped.
const QRegularExpression& FontFamilyAttribute() {
  static const QRegularExpression attribute(QStringLiteral("font-family=\"([^\"]*)\""));
  return attribute;
}

QString XmlUnescaped(QString text) {
  text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
  text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
  text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
  return text;
}

}  // namespace

QString GenericFontFamily(const QString& family) {
  if (QFontDatabase::isFixedPitch(family)) return QStringLiteral("monospace");
  static const QRegularExpression serif(QStringLiteral("Mincho|明朝|Serif|Roman|Times"),
                                        QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = serif.match(family);
  // "Sans Serif" and "DejaVu Sans" have no serifs.
  if (match.hasMatch() && !family.contains(QStringLiteral("Sans"), Qt::CaseInsensitive)) {
    return QStringLiteral("serif");
  }
  return QStringLiteral("sans-serif");
}

QString SvgFontFamilies(const QString& documentFontName) {
  QString family = ResolvedFontFamily(documentFontName);
  family.remove(QLatin1Char('\''));
  return QStringLiteral("'%1', %2").arg(family, GenericFontFamily(family));
}

QByteArray WithInstalledFontNames(const QByteArray& svg) {
  const QString text = QString::fromUtf8(svg);
  QHash<QString, QString> resolved;  // a page uses few fonts, many times
  QString out;
  out.reserve(text.size() + text.size() / 8);
  qsizetype from = 0;
  QRegularExpressionMatchIterator it = FontFamilyAttribute().globalMatch(text);
  while (it.hasNext()) {
    const QRegularExpressionMatch match = it.next();
    const QString name = XmlUnescaped(match.captured(1));
    auto found = resolved.find(name);
    if (found == resolved.end()) found = resolved.insert(name, SvgFontFamilies(name));
    out += QStringView(text).mid(from, match.capturedStart() - from);
    out += QStringLiteral("font-family=\"") + found.value().toHtmlEscaped() + QLatin1Char('"');
    from = match.capturedEnd();
  }
  out += QStringView(text).mid(from);
  return out.toUtf8();
}
