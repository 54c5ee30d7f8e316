#include "LayeredSvg.h"

#include <QString>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "SvgFontNames.h"
#include "Version.h"

namespace {

// Locale-free fixed notation, to the hundredth.
std::string Mm(double value) {
  if (std::abs(value) < 0.005) value = 0;  // no "-0.00"
  std::array<char, 32> text{};
  const auto end =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 2);
  return std::string(text.data(), end.ptr);
}

std::string Colour(ColorRef color) {
  char text[8];
  const auto bits = static_cast<uint32_t>(color);
  std::snprintf(text, sizeof text, "#%02x%02x%02x", bits & 0xFFu, (bits >> 8) & 0xFFu,
                (bits >> 16) & 0xFFu);
  return text;
}

std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Dashes in pen widths, as the painter draws them.
std::string DashArray(PenStyle style, double width) {
  std::vector<double> pattern;
  switch (style) {
    case PenStyle::Dash:
      pattern = {18, 6};
      break;
    case PenStyle::Dot:
      pattern = {3, 3};
      break;
    case PenStyle::DashDot:
      pattern = {9, 6, 3, 6};
      break;
    case PenStyle::Solid:
      return "";
  }
  std::string out;
  for (double d : pattern) out += (out.empty() ? "" : " ") + Mm(d * width);
  return " stroke-dasharray=\"" + out + "\"";
}

std::string Points(const std::vector<UserPoint>& points) {
  std::string out;
  for (const UserPoint& p : points) {
    if (!out.empty()) out += ' ';
    out += Mm(p.x) + ',' + Mm(p.y);
  }
  return out;
}

// The shape's geometry as an element with the given paint attributes.
std::string Element(const LayeredItem& item, const std::string& paint) {
  const auto& p = item.points;
  switch (item.shape) {
    case LayeredShape::Line:
      return "<line x1=\"" + Mm(p[0].x) + "\" y1=\"" + Mm(p[0].y) + "\" x2=\"" + Mm(p[1].x) +
             "\" y2=\"" + Mm(p[1].y) + "\"" + paint + "/>\n";
    case LayeredShape::Polyline:
      return "<polyline points=\"" + Points(p) + "\"" + paint + "/>\n";
    case LayeredShape::Polygon:
      return "<polygon points=\"" + Points(p) + "\"" + paint + "/>\n";
    case LayeredShape::Rectangle:
      return "<rect x=\"" + Mm(std::min(p[0].x, p[1].x)) + "\" y=\"" +
             Mm(std::min(p[0].y, p[1].y)) + "\" width=\"" + Mm(std::abs(p[1].x - p[0].x)) +
             "\" height=\"" + Mm(std::abs(p[1].y - p[0].y)) + "\"" + paint + "/>\n";
    case LayeredShape::Ellipse:
      return "<ellipse cx=\"" + Mm((p[0].x + p[1].x) / 2) + "\" cy=\"" + Mm((p[0].y + p[1].y) / 2) +
             "\" rx=\"" + Mm(std::abs(p[1].x - p[0].x) / 2) + "\" ry=\"" +
             Mm(std::abs(p[1].y - p[0].y) / 2) + "\"" + paint + "/>\n";
    case LayeredShape::Text:
      break;
  }
  return "";
}

std::string Stroke(const LayeredItem& item, ColorRef color) {
  const bool round = item.strokeStyle == PenStyle::Solid && item.strokeWidth > 0.05;
  return " stroke=\"" + Colour(color) + "\" stroke-width=\"" + Mm(item.strokeWidth) + "\"" +
         (round ? " stroke-linecap=\"round\" stroke-linejoin=\"round\"" : "") +
         DashArray(item.strokeStyle, item.strokeWidth);
}

std::string Fill(const LayeredItem& item) {
  return item.filled ? " fill=\"" + Colour(item.fill) + "\"" : " fill=\"none\"";
}

// Each line of the text at its baseline, turned about the text's corner.
std::string Text(const LayeredItem& item) {
  const UserPoint at = item.points.front();
  const std::string family =
      SvgFontFamilies(QString::fromStdString(item.fontName)).toHtmlEscaped().toStdString();
  std::string out = "<g";
  if (item.angle != 0) {
    out += " transform=\"rotate(" + Mm(-item.angle) + ' ' + Mm(at.x) + ' ' + Mm(at.y) + ")\"";
  }
  out += " font-family=\"" + family + "\" font-size=\"" + Mm(item.emSize) + "\"" +
         (item.weight >= 600 ? " font-weight=\"bold\"" : "") +
         (item.italic ? " font-style=\"italic\"" : "") + " fill=\"" + Colour(item.stroke) + "\">";
  double baseline = at.y + item.ascent;
  std::string_view rest = item.text;
  while (true) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out += "<text x=\"" + Mm(at.x) + "\" y=\"" + Mm(baseline) + "\" xml:space=\"preserve\">" +
           Escaped(line) + "</text>";
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
    baseline += item.lineHeight;
  }
  return out + "</g>\n";
}

std::string LayerBody(const LayeredPage& page, DrawLayer layer) {
  std::string body;
  std::optional<ColorRef> cutColour;
  for (const LayeredItem& item : page.items) {
    if (item.layer == DrawLayer::Cut && layer == DrawLayer::Face && item.filled) {
      body += Element(item, Fill(item) + " stroke=\"none\"");  // the cut shape's fill
    }
    if (item.layer != layer) continue;
    if (item.shape == LayeredShape::Text) {
      body += Text(item);
    } else if (layer == DrawLayer::Cut) {
      if (!cutColour) cutColour = item.stroke;
      body += Element(item, Stroke(item, *cutColour) + " fill=\"none\"");
    } else {
      body += Element(item, Stroke(item, item.stroke) + Fill(item));
    }
  }
  return body;
}

}  // namespace

QByteArray LayeredSvg(const LayeredPage& page) {
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" "
      "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" version=\"1.1\" width=\"" +
      Mm(page.width) + "mm\" height=\"" + Mm(page.height) + "mm\" viewBox=\"0 0 " + Mm(page.width) +
      ' ' + Mm(page.height) + "\">\n<title>" + kProductName + "</title>\n";
  for (int i = 0; i < kDrawLayerCount; ++i) {
    const auto layer = static_cast<DrawLayer>(i);
    const std::string name = LayerName(layer);
    svg += "<g inkscape:groupmode=\"layer\" id=\"layer-" + name + "\" inkscape:label=\"" + name +
           "\">\n" + LayerBody(page, layer) + "</g>\n";
  }
  svg += "</svg>\n";
  return QByteArray::fromStdString(svg);
}
