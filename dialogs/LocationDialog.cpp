#include "LocationDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "Busy.h"
#include "MainModel.h"
#include "PopHints.h"
#include "ScreenPlacement.h"
#include "UiIcons.h"
#include "UiServices.h"

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Caption() {
  return LocationDialog::tr(kLocationDialogCaption.data());
}

}  // namespace

LocationDialog::LocationDialog(QWidget* parent, MainModel& model, std::string databaseFolder)
    : QDialog(parent),
      model_(model),
      location_(databaseFolder, LoadLocationChoice(databaseFolder)) {
  setObjectName(QStringLiteral("frmLocation"));
  setWindowTitle(Caption());
  setWindowIcon(UiIcon(QStringLiteral("location"), QStringLiteral("mark-location")));
  Build();
  const WindowPlacement placement = LoadLocationDialogPlacement();
  adjustSize();
  setFixedSize(sizeHint());
  PlaceWindow(this, QRect(StoredPixels(placement.left, 10), StoredPixels(placement.top, 10),
                          width(), height()));
  ApplyPopHints(this);
}

void LocationDialog::Build() {
  auto* frame = new QGroupBox(tr("Region and city"), this);
  frame->setObjectName(QStringLiteral("picFrame"));
  auto* form = new QFormLayout(frame);

  cmbPrefs_ = new QComboBox(frame);
  cmbPrefs_->setObjectName(QStringLiteral("cmbPrefs"));
  cmbPrefs_->setMaxVisibleItems(20);
  form->addRow(tr("&Region:"), cmbPrefs_);

  txtFilter_ = new QLineEdit(frame);
  txtFilter_->setObjectName(QStringLiteral("txtFilter"));
  txtFilter_->setPlaceholderText(tr("Part of a city name, in Japanese or English"));
  txtFilter_->setClearButtonEnabled(true);
  form->addRow(tr("&Search:"), txtFilter_);

  lstCities_ = new QListWidget(frame);
  lstCities_->setObjectName(QStringLiteral("lstCities"));
  // A list takes no name from its label.
  lstCities_->setAccessibleName(tr("Cities"));
  lstCities_->setMinimumSize(300, 200);
  form->addRow(tr("&City:"), lstCities_);

  const char* labels[3] = {QT_TR_NOOP("Latitude:"), QT_TR_NOOP("Longitude:"), QT_TR_NOOP("Notes:")};
  for (int i = 0; i < 3; ++i) {
    txtLocation_[i] = new QLineEdit(frame);
    txtLocation_[i]->setObjectName(QStringLiteral("txtLocation"));
    txtLocation_[i]->setProperty("index", i);
    txtLocation_[i]->setReadOnly(true);
    form->addRow(tr(labels[i]), txtLocation_[i]);
  }

  chkEnglish_ = new QCheckBox(tr("Show city names in &English"), frame);
  chkEnglish_->setObjectName(QStringLiteral("chkEnglish"));
  chkJGD2000_ = new QCheckBox(tr("Use the &world geodetic system"), frame);
  chkJGD2000_->setObjectName(QStringLiteral("chkJGD2000"));
  form->addRow(chkEnglish_);
  form->addRow(chkJGD2000_);

  auto* buttons = new QDialogButtonBox(this);
  cmdOk_ = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  cmdOk_->setObjectName(QStringLiteral("cmdLocation"));
  cmdOk_->setProperty("index", 0);
  cmdOk_->setDefault(true);
  QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cmdLocation"));
  cancel->setProperty("index", 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addWidget(buttons);

  const LocationChoice& choice = location_.Choice();
  chkEnglish_->setChecked(choice.english);
  chkJGD2000_->setChecked(choice.jgd2000);

  connect(cmbPrefs_, &QComboBox::activated, this, &LocationDialog::OnRegionChosen);
  connect(lstCities_, &QListWidget::currentRowChanged, this, &LocationDialog::OnCityRow);
  // Double click only: desktops that activate items on a single click must
  // not close the dialog on every click in the list (Enter reaches OK).
  connect(lstCities_, &QListWidget::itemDoubleClicked, this, [this] { Accept(); });
  connect(txtFilter_, &QLineEdit::textChanged, this, &LocationDialog::OnFilterEdited);
  connect(chkEnglish_, &QCheckBox::toggled, this, &LocationDialog::OnEnglishToggled);
  connect(chkJGD2000_, &QCheckBox::toggled, this, &LocationDialog::OnJgd2000Toggled);
  connect(buttons, &QDialogButtonBox::accepted, this, &LocationDialog::Accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &LocationDialog::reject);
}

void LocationDialog::Load() {
  bool loaded = false;
  {
    BusyScope busy(this);
    loaded = location_.Load();
  }
  ShowRegions();
  if (!loaded) ShowFailure();
}

void LocationDialog::ShowFailure() {
  ShowMessage(this, MessageIcon::Exclamation, Text(location_.FailureMessage()), Caption());
}

void LocationDialog::ShowRegions() {
  {
    const QSignalBlocker block(cmbPrefs_);
    cmbPrefs_->clear();
    const std::vector<std::string> items = location_.RegionItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
      cmbPrefs_->addItem(Text(items[i]), location_.Regions()[i].code);
    }
    cmbPrefs_->setCurrentIndex(location_.RegionIndex());
  }
  const bool failed = location_.Failed();
  cmbPrefs_->setEnabled(!failed);
  txtFilter_->setEnabled(!failed);
  lstCities_->setEnabled(!failed);
  for (QLineEdit* box : txtLocation_) box->setEnabled(!failed);
  ShowCities();
}

void LocationDialog::ShowCities() {
  filling_ = true;
  lstCities_->clear();
  location_.setFilter(txtFilter_->text().trimmed().toStdString());
  // One call for the whole list: a country lists up to some 3000 cities.
  QStringList items;
  for (const std::string& item : location_.ListItems()) items.append(Text(item));
  lstCities_->addItems(items);
  lstCities_->setCurrentRow(location_.ListIndex());
  filling_ = false;
  if (lstCities_->currentItem() != nullptr) lstCities_->scrollToItem(lstCities_->currentItem());
  ShowDetails();
}

void LocationDialog::ShowDetails() {
  const bool listed = lstCities_->currentRow() >= 0;
  const CityDetails details = listed ? location_.Details(model_.Chart()) : CityDetails{};
  txtLocation_[0]->setText(Text(details.latitude));
  txtLocation_[1]->setText(Text(details.longitude));
  txtLocation_[2]->setText(Text(details.remarks));
  UpdateButtons();
}

void LocationDialog::UpdateButtons() {
  chkJGD2000_->setEnabled(location_.Jgd2000Enabled());
  cmdOk_->setEnabled(lstCities_->currentRow() >= 0 && location_.Chosen().has_value());
}

void LocationDialog::OnRegionChosen(int index) {
  const int code = cmbPrefs_->itemData(index).toInt();
  {
    const QSignalBlocker block(txtFilter_);
    txtFilter_->clear();
  }
  bool read = false;
  {
    BusyScope busy(this);
    read = location_.ChooseRegion(static_cast<int16_t>(code));
  }
  ShowCities();
  if (!read) ShowFailure();
}

void LocationDialog::OnCityRow(int row) {
  if (filling_ || row < 0) return;
  if (!location_.Searching()) {
    location_.ChooseCity(static_cast<int16_t>(row + 1));
    ShowDetails();
    return;
  }
  bool read = false;
  {
    BusyScope busy(this);
    read = location_.ChooseMatch(row);
  }
  {
    const QSignalBlocker block(cmbPrefs_);
    cmbPrefs_->setCurrentIndex(location_.RegionIndex());
  }
  if (!read) {
    lstCities_->setCurrentRow(-1);
    ShowDetails();
    ShowFailure();
    return;
  }
  ShowDetails();
}

void LocationDialog::OnFilterEdited(const QString&) {
  ShowCities();
}

void LocationDialog::OnEnglishToggled(bool on) {
  bool read = false;
  {
    BusyScope busy(this);
    read = location_.SetEnglish(on);
  }
  ShowRegions();
  if (!read) ShowFailure();
}

void LocationDialog::OnJgd2000Toggled(bool on) {
  bool read = false;
  {
    BusyScope busy(this);
    read = location_.SetJgd2000(on);
  }
  ShowCities();
  if (!read && !location_.Failed()) ShowFailure();
}

void LocationDialog::Accept() {
  if (!cmdOk_->isEnabled()) return;
  const auto place = location_.Chosen();
  if (!place) return;
  model_.lastError.Clear();
  if (!TrapStatus(model_.lastError, [&] { ApplyChosenPlace(model_.Chart(), *place); }).ok()) {
    ShowMessage(this, MessageIcon::Exclamation, Text(model_.lastError.description), Caption());
    return;
  }
  chosen_ = true;
  accept();
}

void LocationDialog::done(int result) {
  WindowPlacement placement{static_cast<double>(pos().x()), static_cast<double>(pos().y())};
  placement.windowState = isMinimized() ? kWindowMinimized : kWindowNormal;
  SaveLocationDialog(placement, location_.Choice(), !chosen_);
  QDialog::done(result);
}
