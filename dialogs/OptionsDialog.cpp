#include "OptionsDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
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

#include "FontSubstitutions.h"
#include "MainModel.h"
#include "Paths.h"
#include "Picture.h"
#include "PopHints.h"
#include "QPainterDrawTarget.h"
#include "TimeZone.h"
#include "UiIcons.h"
#include "UiServices.h"
#include "mdlDraw.h"

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr QSize kPreviewSize(120, 90);

QPushButton* NewSample(const QString& name, int index, QWidget* parent) {
  auto* sample = new QPushButton(parent);
  sample->setObjectName(name);
  if (index >= 0) sample->setProperty("index", index);
  sample->setMinimumSize(110, 28);
  return sample;
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
  QFont shown(ResolvedFontFamily(QString::fromStdString(font->Name)));
  shown.setPointSizeF(QApplication::font().pointSizeF());
  shown.setBold(font->Bold);
  shown.setItalic(font->Italic);
  shown.setUnderline(font->Underline);
  shown.setStrikeOut(font->Strikethrough);
  sample->setFont(shown);
  sample->setText(QString::fromStdString(font->Name));
  sample->setStyleSheet(QStringLiteral("QPushButton { color: %1; background-color: %2; }")
                            .arg(ToQColor(*color).name(), ToQColor(InvertColor(*color)).name()));
}

template <typename Colors>
void ShowItem(const ColorFontItem<Colors>& item, Colors& colors, OptionSettings& options,
              QPushButton* const (&samples)[2], QPushButton* font) {
  ShowColor(samples[0], QObject::tr("ライン"), item.Line ? &(colors.*item.Line) : nullptr);
  ShowColor(samples[1], QObject::tr("背景"), item.Fill ? &(colors.*item.Fill) : nullptr);
  ShowFont(font, item.Font ? &(options.*item.Font) : nullptr,
           item.FontColor ? &(colors.*item.FontColor) : nullptr);
}

QLineEdit* NewNumberBox(const QString& name, int index, int width, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  if (index >= 0) box->setProperty("index", index);
  box->setFixedWidth(width);
  box->setAlignment(Qt::AlignRight);
  return box;
}

}  // namespace

OptionsDialog::OptionsDialog(QWidget* parent, MainModel& model, OptionPickers pickers)
    : QDialog(parent),
      model_(model),
      pickers_(std::move(pickers)),
      working_(LoadOptions(model, model.Chart())) {
  setObjectName(QStringLiteral("frmOption"));
  setWindowTitle(tr("オプション"));
  setWindowIcon(UiIcon(QStringLiteral("option"), QStringLiteral("preferences-system")));

  cmbPalette_ = new QComboBox(this);
  cmbPalette_->setObjectName(QStringLiteral("cmbPalette"));
  for (std::string_view name : kOptionPageNames) cmbPalette_->addItem(tr(name.data()));
  pages_ = new QStackedWidget(this);
  pages_->addWidget(BuildDialPage1());
  pages_->addWidget(BuildDialPage2());
  pages_->addWidget(BuildClockPage());
  pages_->addWidget(BuildTimeZonePage());

  auto* top = new QHBoxLayout;
  auto* pageLabel = new QLabel(tr("設定項目(&P):"), this);
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

QWidget* OptionsDialog::BuildDialPage1() {
  auto* page = new QWidget(this);
  auto* colors = new QGroupBox(tr("色・フォント"), page);
  lstDialOptions_ = new QListWidget(colors);
  lstDialOptions_->setObjectName(QStringLiteral("lstDialOptions"));
  for (const DialItem& item : kDialItems) lstDialOptions_->addItem(tr(item.Name.data()));
  lstDialOptions_->setCurrentRow(0);
  lblDialColor_[0] = NewSample(QStringLiteral("lblDialColor"), 0, colors);
  lblDialColor_[1] = NewSample(QStringLiteral("lblDialColor"), 1, colors);
  lblDialFont_ = NewSample(QStringLiteral("lblDialFont"), -1, colors);
  auto* grid = new QGridLayout(colors);
  grid->addWidget(lstDialOptions_, 0, 0, 4, 1);
  grid->addWidget(new QLabel(tr("色:"), colors), 0, 1);
  grid->addWidget(lblDialColor_[0], 0, 2);
  grid->addWidget(lblDialColor_[1], 1, 2);
  grid->addWidget(new QLabel(tr("フォント:"), colors), 2, 1);
  grid->addWidget(lblDialFont_, 2, 2);
  grid->setRowStretch(3, 1);

  auto* picture = new QGroupBox(tr("背景画像"), page);
  txtDialPicture_ = new QLineEdit(picture);
  txtDialPicture_->setObjectName(QStringLiteral("txtDialPicture"));
  auto* browse = new QPushButton(tr("ファイルの参照"), picture);
  browse->setObjectName(QStringLiteral("cmdDialPicture"));
  picDialPicture_ = new QLabel(picture);
  picDialPicture_->setObjectName(QStringLiteral("picDialPicture"));
  picDialPicture_->setFixedSize(kPreviewSize);
  picDialPicture_->setFrameShape(QFrame::StyledPanel);
  picDialPicture_->setAlignment(Qt::AlignCenter);
  auto* pictureGrid = new QGridLayout(picture);
  pictureGrid->addWidget(txtDialPicture_, 0, 0);
  pictureGrid->addWidget(browse, 0, 1);
  pictureGrid->addWidget(picDialPicture_, 1, 0, 1, 2, Qt::AlignLeft);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(colors, 1);
  layout->addWidget(picture);

  connect(lstDialOptions_, &QListWidget::currentRowChanged, this, &OptionsDialog::ShowDialSamples);
  connect(lblDialColor_[0], &QPushButton::clicked, this, [this] { PickDialColor(0); });
  connect(lblDialColor_[1], &QPushButton::clicked, this, [this] { PickDialColor(1); });
  connect(lblDialFont_, &QPushButton::clicked, this, &OptionsDialog::PickDialFont);
  connect(browse, &QPushButton::clicked, this, &OptionsDialog::PickPicture);
  connect(txtDialPicture_, &QLineEdit::textEdited, this, [this](const QString& text) {
    working_.DialOption.Picture = text.toStdString();
    ShowPicture();
  });
  return page;
}

QWidget* OptionsDialog::BuildDialPage2() {
  auto* page = new QWidget(this);
  auto* options = new QGroupBox(tr("表示オプション"), page);
  chkMergePages_ = new QCheckBox(tr("文字盤とノーモンを&1ページに配置"), options);
  chkMergePages_->setObjectName(QStringLiteral("chkMergePages"));
  chkDialMark_ = new QCheckBox(tr("配置マーク(&A)"), options);
  chkDialMark_->setObjectName(QStringLiteral("chkDialMark"));
  chkDialInfo_ = new QCheckBox(tr("各種情報(&F)"), options);
  chkDialInfo_->setObjectName(QStringLiteral("chkDialInfo"));
  chkDialLine_ = new QCheckBox(tr("線種適用(&S)"), options);
  chkDialLine_->setObjectName(QStringLiteral("chkDialLine"));
  txtDialLine_ = NewNumberBox(QStringLiteral("txtDialLine"), -1, 70, options);
  txtDialLine_->installEventFilter(this);
  auto* widthLabel = new QLabel(tr("線幅(&W):"), options);
  widthLabel->setBuddy(txtDialLine_);
  auto* widthRow = new QHBoxLayout;
  widthRow->addWidget(widthLabel);
  widthRow->addWidget(txtDialLine_);
  widthRow->addWidget(new QLabel(tr("ポイント"), options));
  widthRow->addStretch();
  auto* optionsLayout = new QVBoxLayout(options);
  for (QCheckBox* box : {chkMergePages_, chkDialMark_, chkDialInfo_, chkDialLine_}) {
    optionsLayout->addWidget(box);
  }
  optionsLayout->addLayout(widthRow);

  auto* format = new QGroupBox(tr("時刻表示"), page);
  optDialFormat_[0] = new QRadioButton(tr("短い形式(&S)"), format);
  optDialFormat_[1] = new QRadioButton(tr("長い形式(&L)"), format);
  auto* group = new QButtonGroup(format);
  auto* formatLayout = new QVBoxLayout(format);
  for (int i = 0; i < 2; ++i) {
    optDialFormat_[i]->setObjectName(QStringLiteral("optDialFormat"));
    optDialFormat_[i]->setProperty("index", i);
    group->addButton(optDialFormat_[i], i);
    formatLayout->addWidget(optDialFormat_[i]);
  }

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(options);
  layout->addWidget(format);
  layout->addStretch();

  connect(chkMergePages_, &QCheckBox::toggled, this,
          [this](bool on) { working_.DialOption.MaxPages = on ? 1 : 2; });
  connect(chkDialMark_, &QCheckBox::toggled, this,
          [this](bool on) { working_.DialOption.PrintMark = on; });
  connect(chkDialInfo_, &QCheckBox::toggled, this,
          [this](bool on) { working_.DialOption.PrintInfo = on; });
  connect(chkDialLine_, &QCheckBox::toggled, this,
          [this](bool on) { working_.DialOption.LineStyle = on; });
  connect(group, &QButtonGroup::idClicked, this,
          [this](int id) { working_.DialOption.TimeFormat = id; });
  connect(txtDialLine_, &QLineEdit::editingFinished, this, [this] { CommitLineWidth(false); });
  return page;
}

QWidget* OptionsDialog::BuildClockPage() {
  auto* page = new QWidget(this);
  auto* colors = new QGroupBox(tr("色・フォント"), page);
  cmbClockOptions_ = new QComboBox(colors);
  cmbClockOptions_->setObjectName(QStringLiteral("cmbClockOptions"));
  for (std::string_view name : kClockRecordNames) cmbClockOptions_->addItem(tr(name.data()));
  lstClockOptions_ = new QListWidget(colors);
  lstClockOptions_->setObjectName(QStringLiteral("lstClockOptions"));
  for (const ClockItem& item : kClockItems) lstClockOptions_->addItem(tr(item.Name.data()));
  lstClockOptions_->setCurrentRow(0);
  lblClockColor_[0] = NewSample(QStringLiteral("lblClockColor"), 0, colors);
  lblClockColor_[1] = NewSample(QStringLiteral("lblClockColor"), 1, colors);
  lblClockFont_ = NewSample(QStringLiteral("lblClockFont"), -1, colors);
  auto* grid = new QGridLayout(colors);
  grid->addWidget(cmbClockOptions_, 0, 0);
  grid->addWidget(lstClockOptions_, 1, 0, 4, 1);
  grid->addWidget(new QLabel(tr("色:"), colors), 1, 1);
  grid->addWidget(lblClockColor_[0], 1, 2);
  grid->addWidget(lblClockColor_[1], 2, 2);
  grid->addWidget(new QLabel(tr("フォント:"), colors), 3, 1);
  grid->addWidget(lblClockFont_, 3, 2);
  grid->setRowStretch(4, 1);

  auto* options = new QGroupBox(tr("表示オプション"), page);
  chkClockPicture_ = new QCheckBox(tr("画像の表示(&V)"), options);
  chkClockPicture_->setObjectName(QStringLiteral("chkClockPicture"));
  chkClockInvert_ = new QCheckBox(tr("影を反転色(&I)"), options);
  chkClockInvert_->setObjectName(QStringLiteral("chkClockInvert"));
  auto* optionsLayout = new QVBoxLayout(options);
  optionsLayout->addWidget(chkClockPicture_);
  optionsLayout->addWidget(chkClockInvert_);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(colors, 1);
  layout->addWidget(options);

  connect(cmbClockOptions_, &QComboBox::currentIndexChanged, this,
          &OptionsDialog::ShowClockSamples);
  connect(lstClockOptions_, &QListWidget::currentRowChanged, this,
          &OptionsDialog::ShowClockSamples);
  connect(lblClockColor_[0], &QPushButton::clicked, this, [this] { PickClockColor(0); });
  connect(lblClockColor_[1], &QPushButton::clicked, this, [this] { PickClockColor(1); });
  connect(lblClockFont_, &QPushButton::clicked, this, &OptionsDialog::PickClockFont);
  connect(chkClockPicture_, &QCheckBox::toggled, this,
          [this](bool on) { working_.ClockOption.Picture = on; });
  connect(chkClockInvert_, &QCheckBox::toggled, this,
          [this](bool on) { working_.ClockOption.InvertShadow = on; });
  return page;
}

QWidget* OptionsDialog::BuildTimeZonePage() {
  auto* page = new QWidget(this);
  auto* zone = new QGroupBox(tr("タイムゾーン"), page);
  auto* picture = new QLabel(zone);
  picture->setPixmap(UiIcon(QStringLiteral("time-zone"), QStringLiteral("preferences-system-time"))
                         .pixmap(QSize(48, 48)));
  txtTimeZone_[0] = NewNumberBox(QStringLiteral("txtTimeZone"), 0, 50, zone);
  txtTimeZone_[1] = NewNumberBox(QStringLiteral("txtTimeZone"), 1, 40, zone);
  txtMeridian_ = new QLineEdit(zone);
  txtMeridian_->setObjectName(QStringLiteral("txtMeridian"));
  txtMeridian_->setReadOnly(true);
  txtMeridian_->setFocusPolicy(Qt::NoFocus);
  auto* system = new QPushButton(tr("システム設定に合わせる"), zone);
  system->setObjectName(QStringLiteral("cmdTimeZone"));

  auto* gmt = new QLabel(tr("GMT"), zone);
  gmt->setBuddy(txtTimeZone_[0]);
  auto* row = new QHBoxLayout;
  row->addWidget(gmt);
  row->addWidget(txtTimeZone_[0]);
  row->addWidget(new QLabel(QStringLiteral(":"), zone));
  row->addWidget(txtTimeZone_[1]);
  row->addStretch();
  auto* meridianRow = new QHBoxLayout;
  meridianRow->addWidget(new QLabel(tr("標準時子午線:"), zone));
  meridianRow->addWidget(txtMeridian_, 1);
  auto* fields = new QVBoxLayout;
  fields->addWidget(new QLabel(tr("時差(時間:分):"), zone));
  fields->addLayout(row);
  fields->addLayout(meridianRow);
  fields->addWidget(system, 0, Qt::AlignLeft);
  auto* zoneLayout = new QHBoxLayout(zone);
  zoneLayout->addWidget(picture, 0, Qt::AlignTop);
  zoneLayout->addLayout(fields, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(zone);
  layout->addStretch();

  for (QLineEdit* box : txtTimeZone_) {
    box->installEventFilter(this);
    connect(box, &QLineEdit::editingFinished, this, [this, box] { CommitTimeZone(box, false); });
  }
  connect(system, &QPushButton::clicked, this, [this] {
    const double zone = GetSystemTimeZone();
    if (!IsSettableTimeZone(zone)) {
      ShowMessage(this, MessageIcon::Information, Text(kTimeZoneMessage), tr("オプション"));
      return;
    }
    working_.TimeZone = zone;
    ShowTimeZone();
  });
  return page;
}

void OptionsDialog::BuildButtons() {
  static const char* const captions[5] = {QT_TR_NOOP("OK"), QT_TR_NOOP("キャンセル"),
                                          QT_TR_NOOP("前へ"), QT_TR_NOOP("次へ"),
                                          QT_TR_NOOP("標準に戻す")};
  for (int i = 0; i < 5; ++i) {
    cmdOption_[i] = new QPushButton(tr(captions[i]), this);
    cmdOption_[i]->setObjectName(QStringLiteral("cmdOption"));
    cmdOption_[i]->setProperty("index", i);
    cmdOption_[i]->setAutoDefault(false);
  }
  cmdOption_[0]->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addWidget(cmdOption_[2]);
  row->addWidget(cmdOption_[3]);
  row->addSpacing(12);
  row->addWidget(cmdOption_[4]);
  row->addStretch();
  row->addWidget(cmdOption_[0]);
  row->addWidget(cmdOption_[1]);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);

  connect(cmdOption_[0], &QPushButton::clicked, this, &OptionsDialog::StoreAndClose);
  connect(cmdOption_[1], &QPushButton::clicked, this, &QDialog::reject);
  connect(cmdOption_[2], &QPushButton::clicked, this, [this] { ShowPage(Page() - 1); });
  connect(cmdOption_[3], &QPushButton::clicked, this, [this] { ShowPage(Page() + 1); });
  connect(cmdOption_[4], &QPushButton::clicked, this, &OptionsDialog::RestoreDefaults);
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
  const DialOptionSettings& dial = working_.DialOption;
  {
    // Showing the box must not turn a stored 0 into 1: only a tick stores.
    const QSignalBlocker block(chkMergePages_);
    chkMergePages_->setChecked(MergesPages(dial));
  }
  chkDialMark_->setChecked(dial.PrintMark);
  chkDialInfo_->setChecked(dial.PrintInfo);
  chkDialLine_->setChecked(dial.LineStyle);
  txtDialLine_->setText(QString::fromStdString(FormatLineWidth(dial.LineWidth)));
  optDialFormat_[0]->setChecked(dial.TimeFormat == 0);
  optDialFormat_[1]->setChecked(dial.TimeFormat != 0);
  chkClockPicture_->setChecked(working_.ClockOption.Picture);
  chkClockInvert_->setChecked(working_.ClockOption.InvertShadow);
  txtDialPicture_->setText(QString::fromStdString(dial.Picture));
  ShowPicture();
  ShowDialSamples();
  ShowClockSamples();
  ShowTimeZone();
}

void OptionsDialog::ShowDialSamples() {
  const int row = lstDialOptions_->currentRow();
  if (row < 0) return;
  ShowItem(kDialItems[static_cast<std::size_t>(row)], working_.DialColor, working_, lblDialColor_,
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
  const std::string& path = working_.DialOption.Picture;
  QPixmap preview(kPreviewSize);
  preview.fill(Qt::white);
  bool shown = false;
  if (!path.empty() && IsLoadablePicture(path)) {
    try {
      const auto picture = LoadPicture(path);
      QSizeF size = picture->NaturalSize();
      if (size.isEmpty()) size = QSizeF(kPreviewSize);
      size.scale(QSizeF(kPreviewSize) - QSizeF(8, 8), Qt::KeepAspectRatio);
      QPainter painter(&preview);
      const QPointF corner((kPreviewSize.width() - size.width()) / 2,
                           (kPreviewSize.height() - size.height()) / 2);
      picture->Paint(painter, QRectF(corner, size));
      shown = true;
    } catch (const RaisedError&) {
    }
  }
  if (shown) {
    picDialPicture_->setPixmap(preview);
  } else {
    picDialPicture_->setPixmap(QPixmap());
    picDialPicture_->setText(path.empty() ? tr("(なし)") : tr("表示できません"));
  }
}

void OptionsDialog::ShowTimeZone() {
  const TimeZoneTexts texts = FormatTimeZone(model_.Chart(), working_.TimeZone);
  txtTimeZone_[0]->setText(QString::fromStdString(texts.Hours));
  txtTimeZone_[1]->setText(QString::fromStdString(texts.Minutes));
  txtMeridian_->setText(QString::fromStdString(texts.Meridian));
  refusedText_.clear();
}

void OptionsDialog::PickDialColor(int part) {
  const DialItem& item = kDialItems[static_cast<std::size_t>(lstDialOptions_->currentRow())];
  ColorRef DialColorSettings::*key = part == 0 ? item.Line : item.Fill;
  if (key == nullptr) return;
  if (const auto color = pickers_.PickColor(this, working_.DialColor.*key)) {
    working_.DialColor.*key = *color;
    ShowDialSamples();
  }
}

void OptionsDialog::PickClockColor(int part) {
  const ClockItem& item = kClockItems[static_cast<std::size_t>(lstClockOptions_->currentRow())];
  ColorRef ClockColorSettings::*key = part == 0 ? item.Line : item.Fill;
  if (key == nullptr) return;
  ClockColorSettings& colors = ClockColors(working_, cmbClockOptions_->currentIndex() == 1);
  if (const auto color = pickers_.PickColor(this, colors.*key)) {
    colors.*key = *color;
    ShowClockSamples();
  }
}

bool OptionsDialog::ApplyFont(FontSpec& font, ColorRef& color) {
  const auto choice = pickers_.PickFont(this, FontChoice{font, color});
  if (!choice) return false;
  if (choice->Font.Name.empty()) {
    ShowMessage(this, MessageIcon::Exclamation, tr("フォントが選択されていません。"),
                tr("オプション"));
    return false;
  }
  font = choice->Font;
  color = choice->Color;
  return true;
}

void OptionsDialog::PickDialFont() {
  const DialItem& item = kDialItems[static_cast<std::size_t>(lstDialOptions_->currentRow())];
  if (item.Font == nullptr) return;
  if (ApplyFont(working_.*item.Font, working_.DialColor.*item.FontColor)) ShowDialSamples();
}

void OptionsDialog::PickClockFont() {
  const ClockItem& item = kClockItems[static_cast<std::size_t>(lstClockOptions_->currentRow())];
  if (item.Font == nullptr) return;
  ClockColorSettings& colors = ClockColors(working_, cmbClockOptions_->currentIndex() == 1);
  if (ApplyFont(working_.*item.Font, colors.*item.FontColor)) ShowClockSamples();
}

void OptionsDialog::PickPicture() {
  const std::string& current = working_.DialOption.Picture;
  const QString folder =
      QString::fromStdString(current.empty() ? DocumentFolder() : GetFolderName(current));
  const QString patterns = QStringLiteral(
      "*.wmf *.emf *.bmp *.jpg *.jpeg *.gif *.png *.svg "
      "*.WMF *.EMF *.BMP *.JPG *.JPEG *.GIF *.PNG *.SVG");
  const QString filter =
      tr("サポートする全ての画像形式") + QStringLiteral(" (") + patterns + QStringLiteral(");;") +
      tr("メタファイル") + QStringLiteral(" (*.wmf *.WMF);;") + tr("ビットマップ") +
      QStringLiteral(" (*.bmp *.BMP);;") + tr("JPEGファイル") +
      QStringLiteral(" (*.jpg *.jpeg *.JPG *.JPEG);;") + tr("GIFファイル") +
      QStringLiteral(" (*.gif *.GIF);;") + tr("拡張メタファイル") +
      QStringLiteral(" (*.emf *.EMF);;") + tr("PNGファイル") + QStringLiteral(" (*.png *.PNG);;") +
      tr("SVGファイル") + QStringLiteral(" (*.svg *.SVG)");
  const QString chosen = FileDialogs().OpenFileName(this, {tr("ファイルの参照"), folder, filter});
  if (chosen.isEmpty()) return;
  working_.DialOption.Picture = chosen.toStdString();
  txtDialPicture_->setText(chosen);
  ShowPicture();
}

bool OptionsDialog::Refuse(QLineEdit* box, std::string_view message, bool quiet) {
  const bool alreadyShown = quiet && refusedText_ == box->text();
  refusedText_ = box->text();
  if (!alreadyShown) {
    ShowMessage(this, MessageIcon::Information, Text(message), tr("オプション"));
  }
  // Queued: the message box and the click that left the box move the focus
  // after this returns.
  QTimer::singleShot(0, box, [box] {
    box->setFocus();
    box->selectAll();
  });
  return false;
}

bool OptionsDialog::CommitTimeZone(QLineEdit* box, bool quiet) {
  const TimeZoneTexts shown = FormatTimeZone(model_.Chart(), working_.TimeZone);
  const QString hours = txtTimeZone_[0]->text(), minutes = txtTimeZone_[1]->text();
  if (hours.toStdString() == shown.Hours && minutes.toStdString() == shown.Minutes) return true;
  // Leaving for Cancel is no reason to complain about what was typed.
  if (!quiet && QApplication::focusWidget() == cmdOption_[1]) return true;
  const auto zone = ParseTimeZone(hours.toStdString(), minutes.toStdString());
  if (!zone) return Refuse(box, kTimeZoneMessage, quiet);
  working_.TimeZone = *zone;
  ShowTimeZone();
  return true;
}

bool OptionsDialog::CommitLineWidth(bool quiet) {
  const QString text = txtDialLine_->text();
  if (text.toStdString() == FormatLineWidth(working_.DialOption.LineWidth)) return true;
  if (!quiet && QApplication::focusWidget() == cmdOption_[1]) return true;
  const auto width = ParseLineWidth(text.toStdString());
  if (!width) return Refuse(txtDialLine_, kLineWidthMessage, quiet);
  working_.DialOption.LineWidth = *width;
  txtDialLine_->setText(QString::fromStdString(FormatLineWidth(*width)));
  refusedText_.clear();
  return true;
}

void OptionsDialog::RestoreDefaults() {
  working_ = DefaultOptions(GetSystemTimeZone());
  ShowAll();
}

void OptionsDialog::StoreAndClose() {
  if (!CommitLineWidth(true)) {
    ShowPage(1);
    return;
  }
  QLineEdit* zoneBox = txtTimeZone_[1]->hasFocus() ? txtTimeZone_[1] : txtTimeZone_[0];
  if (!CommitTimeZone(zoneBox, true)) {
    ShowPage(kTimeZoneOptionPage);
    return;
  }
  // The defaults take the computer's zone, which the design may not take:
  // refused here rather than dropped silently by the chart.
  if (!IsSettableTimeZone(working_.TimeZone)) {
    ShowPage(kTimeZoneOptionPage);
    Refuse(txtTimeZone_[0], kTimeZoneMessage, false);
    return;
  }
  model_.ClearLastError();
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
  if (watched == txtDialLine_) allowed += QStringLiteral(".");
  for (const QChar c : text) {
    if (!allowed.contains(c)) return true;
  }
  return false;
}
