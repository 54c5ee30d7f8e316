// The options dialog's four pages and its buttons, built once.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "OptionsDialog.h"
#include "UiIcons.h"

namespace {

QPushButton* NewSample(const QString& name, int index, QWidget* parent) {
  auto* sample = new QPushButton(parent);
  sample->setObjectName(name);
  if (index >= 0) sample->setProperty("index", index);
  sample->setMinimumSize(110, 28);
  return sample;
}

// The list of items whose colours and fonts are set is tall enough for
// every item: a dialog held to a small or scaled screen would cut one in half.
void ShowEveryRow(QListWidget* list) {
  list->setMinimumHeight(list->sizeHintForRow(0) * list->count() + 2 * list->frameWidth());
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

QWidget* OptionsDialog::BuildDialPage1() {
  auto* page = new QWidget(this);
  auto* colors = new QGroupBox(tr("Colours and fonts"), page);
  lstDialOptions_ = new QListWidget(colors);
  lstDialOptions_->setObjectName(QStringLiteral("lstDialOptions"));
  lstDialOptions_->setAccessibleName(tr("Items with colours and fonts"));
  for (const DialItem& item : kDialItems) lstDialOptions_->addItem(tr(item.name.data()));
  ShowEveryRow(lstDialOptions_);
  lstDialOptions_->setCurrentRow(0);
  lblDialColor_[0] = NewSample(QStringLiteral("lblDialColor"), 0, colors);
  lblDialColor_[1] = NewSample(QStringLiteral("lblDialColor"), 1, colors);
  lblDialFont_ = NewSample(QStringLiteral("lblDialFont"), -1, colors);
  auto* grid = new QGridLayout(colors);
  grid->addWidget(lstDialOptions_, 0, 0, 4, 1);
  grid->addWidget(new QLabel(tr("Colour:"), colors), 0, 1);
  grid->addWidget(lblDialColor_[0], 0, 2);
  grid->addWidget(lblDialColor_[1], 1, 2);
  grid->addWidget(new QLabel(tr("Font:"), colors), 2, 1);
  grid->addWidget(lblDialFont_, 2, 2);
  grid->setRowStretch(3, 1);

  auto* picture = new QGroupBox(tr("Background picture"), page);
  txtDialPicture_ = new QLineEdit(picture);
  txtDialPicture_->setObjectName(QStringLiteral("txtDialPicture"));
  txtDialPicture_->setAccessibleName(tr("Background picture file"));
  auto* browse = new QPushButton(tr("Browse..."), picture);
  browse->setObjectName(QStringLiteral("cmdDialPicture"));
  picDialPicture_ = new QLabel(picture);
  picDialPicture_->setObjectName(QStringLiteral("picDialPicture"));
  picDialPicture_->setFixedSize(kPicturePreviewSize);
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
    working_.dialOption.picture = text.toStdString();
    ShowPicture();
  });
  return page;
}

QWidget* OptionsDialog::BuildDialPage2() {
  auto* page = new QWidget(this);
  auto* options = new QGroupBox(tr("Display options"), page);
  chkMergePages_ = new QCheckBox(tr("Dial and gnomon on &1 page"), options);
  chkMergePages_->setObjectName(QStringLiteral("chkMergePages"));
  chkDialMark_ = new QCheckBox(tr("Pl&acement marks"), options);
  chkDialMark_->setObjectName(QStringLiteral("chkDialMark"));
  chkDialInfo_ = new QCheckBox(tr("In&formation"), options);
  chkDialInfo_->setObjectName(QStringLiteral("chkDialInfo"));
  chkDialLine_ = new QCheckBox(tr("Apply line &types"), options);
  chkDialLine_->setObjectName(QStringLiteral("chkDialLine"));
  txtDialLine_ = NewNumberBox(QStringLiteral("txtDialLine"), -1, 70, options);
  txtDialLine_->installEventFilter(this);
  auto* widthLabel = new QLabel(tr("Line &width:"), options);
  widthLabel->setBuddy(txtDialLine_);
  auto* widthRow = new QHBoxLayout;
  widthRow->addWidget(widthLabel);
  widthRow->addWidget(txtDialLine_);
  widthRow->addWidget(new QLabel(tr("points"), options));
  widthRow->addStretch();
  auto* optionsLayout = new QVBoxLayout(options);
  for (QCheckBox* box : {chkMergePages_, chkDialMark_, chkDialInfo_, chkDialLine_}) {
    optionsLayout->addWidget(box);
  }
  optionsLayout->addLayout(widthRow);

  auto* format = new QGroupBox(tr("Time format"), page);
  optDialFormat_[0] = new QRadioButton(tr("&Short form"), format);
  optDialFormat_[1] = new QRadioButton(tr("&Long form"), format);
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
          [this](bool on) { working_.dialOption.maxPages = on ? 1 : 2; });
  connect(chkDialMark_, &QCheckBox::toggled, this,
          [this](bool on) { working_.dialOption.printMark = on; });
  connect(chkDialInfo_, &QCheckBox::toggled, this,
          [this](bool on) { working_.dialOption.printInfo = on; });
  connect(chkDialLine_, &QCheckBox::toggled, this,
          [this](bool on) { working_.dialOption.lineStyle = on; });
  connect(group, &QButtonGroup::idClicked, this,
          [this](int id) { working_.dialOption.timeFormat = id; });
  connect(txtDialLine_, &QLineEdit::editingFinished, this, [this] { CommitLineWidth(); });
  return page;
}

QWidget* OptionsDialog::BuildClockPage() {
  auto* page = new QWidget(this);
  auto* colors = new QGroupBox(tr("Colours and fonts"), page);
  cmbClockOptions_ = new QComboBox(colors);
  cmbClockOptions_->setObjectName(QStringLiteral("cmbClockOptions"));
  cmbClockOptions_->setAccessibleName(tr("Day or night settings"));
  for (std::string_view name : kClockRecordNames) cmbClockOptions_->addItem(tr(name.data()));
  lstClockOptions_ = new QListWidget(colors);
  lstClockOptions_->setObjectName(QStringLiteral("lstClockOptions"));
  lstClockOptions_->setAccessibleName(tr("Items with colours and fonts"));
  for (const ClockItem& item : kClockItems) lstClockOptions_->addItem(tr(item.name.data()));
  ShowEveryRow(lstClockOptions_);
  lstClockOptions_->setCurrentRow(0);
  lblClockColor_[0] = NewSample(QStringLiteral("lblClockColor"), 0, colors);
  lblClockColor_[1] = NewSample(QStringLiteral("lblClockColor"), 1, colors);
  lblClockFont_ = NewSample(QStringLiteral("lblClockFont"), -1, colors);
  auto* grid = new QGridLayout(colors);
  grid->addWidget(cmbClockOptions_, 0, 0);
  grid->addWidget(lstClockOptions_, 1, 0, 4, 1);
  grid->addWidget(new QLabel(tr("Colour:"), colors), 1, 1);
  grid->addWidget(lblClockColor_[0], 1, 2);
  grid->addWidget(lblClockColor_[1], 2, 2);
  grid->addWidget(new QLabel(tr("Font:"), colors), 3, 1);
  grid->addWidget(lblClockFont_, 3, 2);
  grid->setRowStretch(4, 1);

  auto* options = new QGroupBox(tr("Display options"), page);
  chkClockPicture_ = new QCheckBox(tr("Show pict&ure"), options);
  chkClockPicture_->setObjectName(QStringLiteral("chkClockPicture"));
  chkClockInvert_ = new QCheckBox(tr("&Invert the shadow"), options);
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
          [this](bool on) { working_.clockOption.picture = on; });
  connect(chkClockInvert_, &QCheckBox::toggled, this,
          [this](bool on) { working_.clockOption.invertShadow = on; });
  return page;
}

QWidget* OptionsDialog::BuildTimeZonePage() {
  auto* page = new QWidget(this);
  auto* zone = new QGroupBox(tr("Time zone"), page);
  auto* picture = new QLabel(zone);
  picture->setPixmap(UiIcon(QStringLiteral("time-zone"), QStringLiteral("preferences-system-time"))
                         .pixmap(QSize(48, 48)));
  txtTimeZone_[0] = NewNumberBox(QStringLiteral("txtTimeZone"), 0, 50, zone);
  txtTimeZone_[1] = NewNumberBox(QStringLiteral("txtTimeZone"), 1, 40, zone);
  txtMeridian_ = new QLineEdit(zone);
  txtMeridian_->setObjectName(QStringLiteral("txtMeridian"));
  txtMeridian_->setReadOnly(true);
  txtMeridian_->setFocusPolicy(Qt::NoFocus);
  auto* system = new QPushButton(tr("Use the computer's setting"), zone);
  system->setObjectName(QStringLiteral("cmdTimeZone"));

  auto* gmt = new QLabel(tr("GMT"), zone);
  gmt->setBuddy(txtTimeZone_[0]);
  // The two boxes share the time difference label.
  txtTimeZone_[0]->setAccessibleName(tr("UTC offset, hours"));
  txtTimeZone_[1]->setAccessibleName(tr("UTC offset, minutes"));
  auto* row = new QHBoxLayout;
  row->addWidget(gmt);
  row->addWidget(txtTimeZone_[0]);
  row->addWidget(new QLabel(QStringLiteral(":"), zone));
  row->addWidget(txtTimeZone_[1]);
  row->addStretch();
  auto* meridianRow = new QHBoxLayout;
  auto* meridianLabel = new QLabel(tr("Standard meridian:"), zone);
  meridianLabel->setBuddy(txtMeridian_);
  meridianRow->addWidget(meridianLabel);
  meridianRow->addWidget(txtMeridian_, 1);
  auto* fields = new QVBoxLayout;
  fields->addWidget(new QLabel(tr("UTC offset (hours:minutes):"), zone));
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
    connect(box, &QLineEdit::editingFinished, this, [this, box] { CommitTimeZone(box); });
  }
  connect(system, &QPushButton::clicked, this, &OptionsDialog::TakeSystemTimeZone);
  return page;
}

void OptionsDialog::BuildButtons() {
  static const char* const captions[5] = {QT_TR_NOOP("OK"), QT_TR_NOOP("Cancel"),
                                          QT_TR_NOOP("Previous"), QT_TR_NOOP("Next"),
                                          QT_TR_NOOP("Restore Defaults")};
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
