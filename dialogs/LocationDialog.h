// The location dialog: choose a region and a city from the database, or
// find one by typing part of its name, and hand its name, coordinates and
// time zone to the design.
#pragma once

#include <QDialog>
#include <string>

#include "LocationDialogModel.h"

class MainModel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class LocationDialog : public QDialog {
  Q_OBJECT

 public:
  // Reads the stored choice and place; the database is read by Load().
  LocationDialog(QWidget* parent, MainModel& model, std::string databaseFolder);

  // Reads regions and cities, showing the database message on failure.
  void Load();
  // True after OK handed a place to the design.
  bool Chosen() const { return chosen_; }

  void done(int result) override;

 private:
  void Build();
  void ShowRegions();
  void ShowCities();
  void ShowDetails();
  void ShowFailure();
  void UpdateButtons();
  void OnRegionChosen(int index);
  void OnCityRow(int row);
  void OnFilterEdited(const QString& text);
  void OnEnglishToggled(bool on);
  void OnJgd2000Toggled(bool on);
  void Accept();

  MainModel& model_;
  LocationDialogModel location_;
  bool filling_ = false;  // lists being refilled: their signals are no choice
  bool chosen_ = false;

  QComboBox* cmbPrefs_ = nullptr;
  QLineEdit* txtFilter_ = nullptr;
  QListWidget* lstCities_ = nullptr;
  QLineEdit* txtLocation_[3] = {};
  QCheckBox* chkEnglish_ = nullptr;
  QCheckBox* chkJGD2000_ = nullptr;
  QPushButton* cmdOk_ = nullptr;
};
