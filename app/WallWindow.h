// The "Measure the wall" window (frmWall): the reading of a nail's shadow
// on the wall, the sun at that moment and the facing it gives. A thin view
// over WallModel.
#pragma once

#include <QDialog>
#include <optional>

#include "WallModel.h"

class QLabel;
class QLineEdit;
class QPushButton;

class WallWindow : public QDialog {
  Q_OBJECT

 public:
  WallWindow(QWidget* parent, WallModel model);

  // The facing "Use this facing" took; none when the window was closed.
  std::optional<double> ChosenFacing() const { return chosen_; }

 private:
  QLineEdit* NewBox(WallBox box, const char* name, int index, const QString& accessibleName);
  void ShowResult();

  WallModel model_;
  QLabel* sunAzimuth_ = nullptr;
  QLabel* sunAltitude_ = nullptr;
  QLabel* result_ = nullptr;
  QPushButton* use_ = nullptr;
  std::optional<double> chosen_;
};

// Opens the window for the design; the facing to use, or none.
std::optional<double> ShowWallWindow(QWidget* parent, const MainModel& model);
