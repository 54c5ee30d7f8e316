// The window "Equation of Time and Solar Declination": the year's equation
// of time and solar declination, with a read-out of the day under the
// pointer, saved as PNG or SVG.
#pragma once

#include <QDialog>
#include <QWidget>
#include <optional>

#include "YearGraph.h"

class MainModel;

// Opens the window modally over `parent`. The chart's season is as before.
void ShowYearGraph(QWidget* parent, MainModel& model);

// The graph itself (picGraph): follows the pointer with the read-out.
class YearGraphView : public QWidget {
  Q_OBJECT

 public:
  explicit YearGraphView(YearGraphData data, QWidget* parent = nullptr);

  const YearGraphData& Data() const { return data_; }
  std::optional<int> HoverDay() const { return hoverDay_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  YearGraphData data_;
  std::optional<int> hoverDay_;
};

class YearGraphWindow : public QDialog {
  Q_OBJECT

 public:
  YearGraphWindow(MainModel& main, YearGraphData data, QWidget* parent = nullptr);

  // The save dialog, then the picture as PNG or SVG (by the name's ending).
  void SaveCommand();

 private:
  MainModel& main_;
  YearGraphView* graph_;
};

// Writes the picture at a fixed size: SVG when the path ends in ".svg",
// otherwise PNG. False when the file cannot be written.
bool SaveYearGraph(const YearGraphData& data, const QString& path);
