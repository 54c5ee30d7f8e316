#include "OptionPickers.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "FontSubstitutions.h"
#include "QPainterDrawTarget.h"

namespace {

ColorRef ToColorRef(const QColor& color) {
  return color.red() | (color.green() << 8) | (color.blue() << 16);
}

void PaintSwatch(QPushButton* button, ColorRef color) {
  const QColor fill = ToQColor(color);
  button->setStyleSheet(QStringLiteral("background-color: %1; min-width: 60px;").arg(fill.name()));
}

// The family's own name for the face of this weight and slant. The font
// dialog looks a face up by name and, given none, composes one in the
// translated language ("太字"), misses, and selects the family's first face
// (often "Bold Italic"). The shortest name wins: "Bold" over "Condensed Bold".
QString FaceStyleName(const QFont& font) {
  const QString family = font.family();
  QString best;
  for (const QString& style : QFontDatabase::styles(family)) {
    if (QFontDatabase::bold(family, style) != font.bold() ||
        QFontDatabase::italic(family, style) != font.italic()) {
      continue;
    }
    if (best.isEmpty() || style.size() < best.size()) best = style;
  }
  return best;
}

QFont ToQFont(const FontSpec& spec) {
  QFont font(ResolvedFontFamily(QString::fromStdString(spec.name)));
  if (spec.size > 0) font.setPointSizeF(spec.size);
  font.setBold(spec.bold);
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  font.setStrikeOut(spec.strikethrough);
  font.setStyleName(FaceStyleName(font));
  return font;
}

}  // namespace

// The substitution only decides what is drawn; the name is the document's.
FontSpec FontSpecFromQFont(const QFont& font, const FontSpec& before) {
  FontSpec spec;
  const QString resolved = ResolvedFontFamily(QString::fromStdString(before.name));
  spec.name = font.family().compare(resolved, Qt::CaseInsensitive) == 0
                  ? before.name
                  : font.family().toStdString();
  spec.size = font.pointSizeF() > 0 ? font.pointSizeF() : before.size;
  spec.bold = font.bold();
  spec.italic = font.italic();
  spec.underline = font.underline();
  spec.strikethrough = font.strikeOut();
  return spec;
}

namespace {

std::optional<ColorRef> PickColor(QWidget* parent, ColorRef initial) {
  const QColor color = QColorDialog::getColor(
      ToQColor(initial), parent, QCoreApplication::translate("OptionPickers", "Choose Colour"));
  if (!color.isValid()) return std::nullopt;
  return ToColorRef(color);
}

std::optional<FontChoice> PickFont(QWidget* parent, const FontChoice& initial) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QCoreApplication::translate("OptionPickers", "Font"));
  auto* fonts = new QFontDialog(ToQFont(initial.font), &dialog);
  fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  fonts->setWindowFlags(Qt::Widget);
  // Escape in the lists closes the inner dialog, which would leave an empty
  // frame; it cancels the whole dialog instead, as it does anywhere else.
  QObject::connect(fonts, &QDialog::rejected, &dialog, &QDialog::reject);
  // The grip belongs to the outer dialog's corner, not the middle of it.
  fonts->setSizeGripEnabled(false);
  dialog.setSizeGripEnabled(true);

  ColorRef color = initial.color;
  auto* colorButton = new QPushButton(&dialog);
  colorButton->setObjectName(QStringLiteral("cmdFontColor"));
  PaintSwatch(colorButton, color);
  QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
    if (const auto picked = PickColor(&dialog, color)) {
      color = *picked;
      PaintSwatch(colorButton, color);
    }
  });
  auto* colorRow = new QHBoxLayout;
  auto* colorLabel =
      new QLabel(QCoreApplication::translate("OptionPickers", "Text &colour:"), &dialog);
  colorLabel->setBuddy(colorButton);  // shows the mnemonic instead of a literal "&"
  colorRow->addWidget(colorLabel);
  colorRow->addWidget(colorButton);
  colorRow->addStretch();

  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QCoreApplication::translate("OptionPickers", "OK"),
                     QDialogButtonBox::AcceptRole);
  buttons->addButton(QCoreApplication::translate("OptionPickers", "Cancel"),
                     QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(fonts);
  layout->addLayout(colorRow);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return FontChoice{FontSpecFromQFont(fonts->currentFont(), initial.font), color};
}

}  // namespace

OptionPickers DesktopOptionPickers() {
  return {PickColor, PickFont};
}
