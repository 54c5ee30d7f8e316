#include "OptionsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "DialRoutines.h"
#include "FontSubstitutions.h"
#include "MainModel.h"
#include "Paths.h"
#include "Picture.h"
#include "PopHints.h"
#include "QPainterDrawTarget.h"
#include "TimeZone.h"
#include "UiIcons.h"
#include "UiServices.h"

namespace {

// A text of the model's tables, translated.
QString Text(std::string_view text) {
  return OptionsDialog::tr(text.data());
}

// A colour sample: the colour behind its caption drawn in the inverse colour.
void ShowColor(QPushButton* sample, const QString& caption, const ColorRef* color) {
  sample->setEnabled(color != nullptr);
  if (color == nullptr) {
    sample->setText(QString());
    sample->setStyleSheet(QString());
    return;
  }
  sample->setText(caption);
  sample->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; }")
                            .arg(ToQColor(*color).name(), ToQColor(InvertColor(*color)).name()));
}

// The font sample: the font's name written in it, in its colour.
void ShowFont(QPushButton* sample, const FontSpec* font, const ColorRef* color) {
  sample->setEnabled(font != nullptr);
  if (font == nullptr) {
    sample->setText(QString());
    sample->setStyleSheet(QString());
    sample->setFont(QFont());
    return;
  }
  QFont shown(ResolvedFontFamily(QString::fromStdString(font->name)));
  shown.setPointSizeF(QApplication::font().pointSizeF());
  shown.setBold(font->bold);
  shown.setItalic(font->italic);
  shown.setUnderline(font->underline);
  shown.setStrikeOut(font->strikethrough);
  sample->setFont(shown);
  sample->setText(QString::fromStdString(font->name));
  sample->setStyleSheet(QStringLiteral("QPushButton { color: %1; background-color: %2; }")
                            .arg(ToQColor(*color).name(), ToQColor(InvertColor(*color)).name()));
}

template <typename Colors>
void ShowItem(const ColorFontItem<Colors>& item, Colors& colors, OptionSettings& options,
              QPushButton* const (&samples)[2], QPushButton* font) {
  ShowColor(samples[0], OptionsDialog::tr("Line"), item.line ? &(colors.*item.line) : nullptr);
  ShowColor(samples[1], OptionsDialog::tr("Background"),
            item.fill ? &(colors.*item.fill) : nullptr);
  ShowFont(font, item.font ? &(options.*item.font) : nullptr,
           item.fontColor ? &(colors.*item.fontColor) : nullptr);
}

}  // namespace

OptionsDialog::OptionsDialog(QWidget* parent, MainModel& model, OptionPickers pickers)
    : QDialog(parent),
      model_(model),
      pickers_(std::move(pickers)),
      working_(LoadOptions(model, model.Chart())) {
  setObjectName(QStringLiteral("frmOption"));
  setWindowTitle(Text(kOptionsCaption));
  setWindowIcon(UiIcon(QStringLiteral("option"), QStringLiteral("preferences-system")));

  cmbPalette_ = new QComboBox(this);
  cmbPalette_->setObjectName(QStringLiteral("cmbPalette"));
  for (std::string_view name : kOptionPageNames) cmbPalette_->addItem(Text(name));
  pages_ = new QStackedWidget(this);
  pages_->addWidget(BuildDialPage1());
  pages_->addWidget(BuildDialPage2());
  pages_->addWidget(BuildClockPage());
  pages_->addWidget(BuildTimeZonePage());
  pages_->addWidget(BuildNodusPage());

  auto* top = new QHBoxLayout;
  auto* pageLabel = new QLabel(tr("&Page:"), this);
  pageLabel->setBuddy(cmbPalette_);
  top->addWidget(pageLabel);
  top->addWidget(cmbPalette_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(pages_, 1);
  BuildButtons();

  connect(cmbPalette_, &QComboBox::currentIndexChanged, this, &OptionsDialog::ShowPage);
  ShowAll();
  ShowPage(0);
  ApplyPopHints(this);
}

void OptionsDialog::ShowPage(int page) {
  if (page < 0 || page >= kOptionPageCount) return;
  if (cmbPalette_->currentIndex() != page) {
    cmbPalette_->setCurrentIndex(page);  // comes back here through its signal
    return;
  }
  pages_->setCurrentIndex(page);
  cmdOption_[2]->setEnabled(page > 0);
  cmdOption_[3]->setEnabled(page < kOptionPageCount - 1);
}

int OptionsDialog::Page() const {
  return pages_->currentIndex();
}

void OptionsDialog::ShowAll() {
  const DialOptionSettings& dial = working_.dialOption;
  {
    // Showing the box must not turn a stored 0 into 1: only a tick stores.
    const QSignalBlocker block(chkMergePages_);
    chkMergePages_->setChecked(MergesPages(dial));
  }
  chkDialMark_->setChecked(dial.printMark);
  chkDialInfo_->setChecked(dial.printInfo);
  chkDialLine_->setChecked(dial.lineStyle);
  txtDialLine_->setText(QString::fromStdString(FormatLineWidth(dial.lineWidth)));
  optDialFormat_[0]->setChecked(dial.timeFormat == 0);
  optDialFormat_[1]->setChecked(dial.timeFormat != 0);
  chkClockPicture_->setChecked(working_.clockOption.picture);
  chkClockInvert_->setChecked(working_.clockOption.invertShadow);
  txtDialPicture_->setText(QString::fromStdString(dial.picture));
  ShowPicture();
  ShowDialSamples();
  ShowClockSamples();
  ShowTimeZone();
  ShowNodus();
}

void OptionsDialog::ShowDialSamples() {
  const int row = lstDialOptions_->currentRow();
  if (row < 0) return;
  ShowItem(kDialItems[static_cast<std::size_t>(row)], working_.dialColor, working_, lblDialColor_,
           lblDialFont_);
}

void OptionsDialog::ShowClockSamples() {
  const int row = lstClockOptions_->currentRow();
  if (row < 0) return;
  ShowItem(kClockItems[static_cast<std::size_t>(row)],
           ClockColors(working_, cmbClockOptions_->currentIndex() == 1), working_, lblClockColor_,
           lblClockFont_);
}

void OptionsDialog::ShowPicture() {
  const std::string& path = working_.dialOption.picture;
  QPixmap preview(kPicturePreviewSize);
  preview.fill(Qt::white);
  bool shown = false;
  if (!path.empty() && IsLoadablePicture(path)) {
    static_cast<void>(TrapStatus([&] {
      const auto picture = LoadPicture(path);
      const QSizeF natural = picture->NaturalSize();
      const PreviewFrame frame =
          PicturePreviewFrame(natural.width(), natural.height(), preview.width(), preview.height());
      QPainter painter(&preview);
      picture->Paint(painter, QRectF(frame.left, frame.top, frame.width, frame.height));
      shown = true;
    }));
  }
  if (shown) {
    picDialPicture_->setPixmap(preview);
  } else {
    picDialPicture_->setPixmap(QPixmap());
    picDialPicture_->setText(Text(path.empty() ? kNoPictureText : kUnshownPictureText));
  }
}

void OptionsDialog::ShowTimeZone() {
  const TimeZoneTexts texts = FormatTimeZone(model_.Chart(), working_.timeZone);
  txtTimeZone_[0]->setText(QString::fromStdString(texts.hours));
  txtTimeZone_[1]->setText(QString::fromStdString(texts.minutes));
  txtMeridian_->setText(QString::fromStdString(texts.meridian));
  refusedText_.clear();
}

// The computer's zone, unless it lies beyond what the chart takes.
void OptionsDialog::TakeSystemTimeZone() {
  const double zone = GetSystemTimeZone();
  if (!IsSettableTimeZone(zone)) {
    ShowMessage(this, MessageIcon::Information, Text(kTimeZoneMessage), Text(kOptionsCaption));
    return;
  }
  working_.timeZone = zone;
  ShowTimeZone();
}

void OptionsDialog::PickDialColor(int part) {
  const DialItem& item = kDialItems[static_cast<std::size_t>(lstDialOptions_->currentRow())];
  ColorRef DialColorSettings::*key = part == 0 ? item.line : item.fill;
  if (key == nullptr) return;
  if (const auto color = pickers_.pickColor(this, working_.dialColor.*key)) {
    working_.dialColor.*key = *color;
    ShowDialSamples();
  }
}

void OptionsDialog::PickClockColor(int part) {
  const ClockItem& item = kClockItems[static_cast<std::size_t>(lstClockOptions_->currentRow())];
  ColorRef ClockColorSettings::*key = part == 0 ? item.line : item.fill;
  if (key == nullptr) return;
  ClockColorSettings& colors = ClockColors(working_, cmbClockOptions_->currentIndex() == 1);
  if (const auto color = pickers_.pickColor(this, colors.*key)) {
    colors.*key = *color;
    ShowClockSamples();
  }
}

bool OptionsDialog::ApplyFont(FontSpec& font, ColorRef& color) {
  const auto choice = pickers_.pickFont(this, FontChoice{font, color});
  if (!choice) return false;
  if (choice->font.name.empty()) {
    ShowMessage(this, MessageIcon::Exclamation, Text(kNoFontMessage), Text(kOptionsCaption));
    return false;
  }
  font = choice->font;
  color = choice->color;
  return true;
}

void OptionsDialog::PickDialFont() {
  const DialItem& item = kDialItems[static_cast<std::size_t>(lstDialOptions_->currentRow())];
  if (item.font == nullptr) return;
  if (ApplyFont(working_.*item.font, working_.dialColor.*item.fontColor)) ShowDialSamples();
}

void OptionsDialog::PickClockFont() {
  const ClockItem& item = kClockItems[static_cast<std::size_t>(lstClockOptions_->currentRow())];
  if (item.font == nullptr) return;
  ClockColorSettings& colors = ClockColors(working_, cmbClockOptions_->currentIndex() == 1);
  if (ApplyFont(working_.*item.font, colors.*item.fontColor)) ShowClockSamples();
}

void OptionsDialog::PickPicture() {
  const std::string& current = working_.dialOption.picture;
  const QString folder =
      QString::fromStdString(current.empty() ? DocumentFolder() : GetFolderName(current));
  const QString patterns = QStringLiteral(
      "*.wmf *.emf *.bmp *.jpg *.jpeg *.gif *.png *.svg "
      "*.WMF *.EMF *.BMP *.JPG *.JPEG *.GIF *.PNG *.SVG");
  const QString filter =
      tr("All supported pictures") + QStringLiteral(" (") + patterns + QStringLiteral(");;") +
      tr("Metafiles") + QStringLiteral(" (*.wmf *.WMF);;") + tr("Bitmaps") +
      QStringLiteral(" (*.bmp *.BMP);;") + tr("JPEG files") +
      QStringLiteral(" (*.jpg *.jpeg *.JPG *.JPEG);;") + tr("GIF files") +
      QStringLiteral(" (*.gif *.GIF);;") + tr("Enhanced metafiles") +
      QStringLiteral(" (*.emf *.EMF);;") + tr("PNG files") + QStringLiteral(" (*.png *.PNG);;") +
      tr("SVG files") + QStringLiteral(" (*.svg *.SVG)");
  const QString chosen =
      FileDialogs().OpenFileName(this, {tr("Choose a Background Picture"), folder, filter});
  if (chosen.isEmpty()) return;
  working_.dialOption.picture = chosen.toStdString();
  txtDialPicture_->setText(chosen);
  ShowPicture();
}

bool OptionsDialog::Refuse(QLineEdit* box, const QString& message, bool quiet) {
  const bool alreadyShown = quiet && refusedText_ == box->text();
  refusedText_ = box->text();
  if (!alreadyShown) {
    ShowMessage(this, MessageIcon::Information, message, Text(kOptionsCaption));
  }
  // Queued: the message box and the click that left the box move the focus
  // after this returns.
  QTimer::singleShot(0, box, [box] {
    box->setFocus();
    box->selectAll();
  });
  return false;
}

TypedOptions OptionsDialog::Typed() const {
  return {txtDialLine_->text().toStdString(), txtTimeZone_[0]->text().toStdString(),
          txtTimeZone_[1]->text().toStdString()};
}

// Leaving a box for Cancel is no reason to complain about what was typed.
bool OptionsDialog::LeavingForCancel() const {
  return QApplication::focusWidget() == cmdOption_[1];
}

void OptionsDialog::CommitTimeZone(QLineEdit* box) {
  if (LeavingForCancel()) return;
  const TypedOptions typed = Typed();
  ShowTyped(box, TakeTimeZone(working_, model_.Chart(), typed.zoneHours, typed.zoneMinutes), false);
}

void OptionsDialog::CommitLineWidth() {
  if (LeavingForCancel()) return;
  ShowTyped(txtDialLine_, TakeLineWidth(working_, Typed().lineWidth), false);
}

bool OptionsDialog::ShowTyped(QLineEdit* box, TypedValue value, bool quiet) {
  if (value == TypedValue::Refused) {
    return Refuse(box, Text(box == txtDialLine_ ? kLineWidthMessage : kTimeZoneMessage), quiet);
  }
  if (value == TypedValue::Taken && box == txtDialLine_) {
    txtDialLine_->setText(QString::fromStdString(FormatLineWidth(working_.dialOption.lineWidth)));
    refusedText_.clear();
  } else if (value == TypedValue::Taken) {
    ShowTimeZone();
  }
  return true;
}

void OptionsDialog::RestoreDefaults() {
  working_ = DefaultOptions(GetSystemTimeZone());
  ShowAll();
}

void OptionsDialog::StoreAndClose() {
  if (!CommitNodusHeight(true) || !CommitFaceSize(true)) return ShowPage(kNodusOptionPage);
  QLineEdit* zoneBox = txtTimeZone_[1]->hasFocus() ? txtTimeZone_[1] : txtTimeZone_[0];
  const TypedOutcome outcome = TakeTypedOptions(working_, model_.Chart(), Typed());
  if (!ShowTyped(txtDialLine_, outcome.lineWidth, true)) return ShowPage(1);
  if (!ShowTyped(zoneBox, outcome.timeZone, true)) return ShowPage(kTimeZoneOptionPage);
  if (!outcome.settableZone) {
    // Refused here rather than dropped silently by the chart.
    ShowPage(kTimeZoneOptionPage);
    Refuse(txtTimeZone_[0], Text(kTimeZoneMessage), false);
    return;
  }
  model_.lastError.Clear();
  StoreOptions(working_, model_, model_.Chart());
  stored_ = true;
  accept();
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  // Number boxes take digits and their own signs; editing and moving keys pass.
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  if (text.isEmpty() || !text.at(0).isPrint() || (key->modifiers() & Qt::ControlModifier)) {
    return false;
  }
  QString allowed = QStringLiteral("0123456789");
  if (watched == txtTimeZone_[0]) allowed += QStringLiteral("-+");
  if (watched == txtDialLine_ || watched == txtNodusHeight_ || watched == txtFaceSize_) {
    allowed += QStringLiteral(".");
  }
  for (const QChar c : text) {
    if (!allowed.contains(c)) return true;
  }
  return false;
}
