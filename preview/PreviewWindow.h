// The print preview window: the pages the print job would produce, drawn
// once per zoom, page or setting change into a picture that scrolling and
// dragging only move.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <cstdint>

#include "PreviewModel.h"
#include "PreviewSheet.h"
#include "PrinterSetupCommand.h"
#include "WindowPlacement.h"

class MainModel;
class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class QStatusBar;
class QToolBar;

// The page picture: paints the cached page and reports the mouse.
class PreviewPicture : public QWidget {
  Q_OBJECT
 public:
  explicit PreviewPicture(QWidget* parent);
  void setPage(QPixmap page);
  const QPixmap& Page() const { return page_; }

 signals:
  void pressed(QMouseEvent* event);
  void moved(QMouseEvent* event);
  void released(QMouseEvent* event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override { emit pressed(event); }
  void mouseMoveEvent(QMouseEvent* event) override { emit moved(event); }
  void mouseReleaseEvent(QMouseEvent* event) override { emit released(event); }

 private:
  QPixmap page_;
};

class PreviewWindow : public QDialog {
  Q_OBJECT
 public:
  PreviewWindow(MainModel& main, QWidget* parent = nullptr);

  // Set by the opener before the window shows; the page buttons follow.
  void setPageCount(int16_t count);
  PreviewModel& Model() { return model_; }
  PreviewPicture* Picture() const { return picture_; }
  QString StatusText(int panel) const;
  // Tests answer the set-up dialog themselves.
  void setSetupDialog(SetupDialog dialog) { setupDialog_ = std::move(dialog); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void done(int result) override;

 private:
  void BuildToolBar();
  void BuildPopupMenu();
  void BuildStatusBar();
  QAction* AddAction(const QString& key, const QString& icon, const QString& fallback,
                     const QString& text, bool checkable = false);
  void LoadPlacement();
  QSize OpeningSize() const;
  void SavePlacement();

  void AreaResized();
  void ReadSheet();
  void LayOut(ZoomMode mode, const QString& caption);
  bool Render(const QString& caption);
  void PlacePicture();
  void UpdateButtons();
  void UpdateStatus();
  // Long commands' texts in the first panel.
  StatusFunction PanelStatus();
  double TwipsPerPixel() const;

  void Print();
  void Setup();
  void DividePages();
  void ChangePage(bool forward);
  void SetMouseMode(MouseMode mode);
  void ToggleGuide();
  void ScrollAction(QScrollBar* bar, int action);
  void Scroll(QScrollBar* bar, ScrollRequest request, int32_t thumb);
  void MousePressed(QMouseEvent* event);
  void MouseMoved(QMouseEvent* event);
  void MouseReleased(QMouseEvent* event);

  MainModel& main_;
  PreviewModel model_;
  PreviewSheet sheet_;
  WindowPlacement placement_;
  bool laidOut_ = false;
  bool resizing_ = false;
  bool scrolling_ = false;
  SetupDialog setupDialog_ = ShowPrintSetupDialog;

  QToolBar* toolBar_ = nullptr;
  QWidget* background_ = nullptr;
  PreviewPicture* picture_ = nullptr;
  QScrollBar* hBar_ = nullptr;
  QScrollBar* vBar_ = nullptr;
  QMenu* popup_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QLabel* printerIcon_ = nullptr;
  QLabel* panels_[3] = {};
  QAction* print_ = nullptr;
  QAction* setup_ = nullptr;
  QAction* divide_ = nullptr;
  QAction* prev_ = nullptr;
  QAction* next_ = nullptr;
  QAction* moving_ = nullptr;
  QAction* zoomIn_ = nullptr;
  QAction* zoomOut_ = nullptr;
  QAction* wholePage_ = nullptr;
  QAction* pageWidth_ = nullptr;
  QAction* guide_ = nullptr;
  QAction* exit_ = nullptr;
  QAction* popupPrev_ = nullptr;
  QAction* popupNext_ = nullptr;
  QAction* popupMoving_ = nullptr;
  QAction* popupZoomIn_ = nullptr;
  QAction* popupZoomOut_ = nullptr;
  QAction* popupGuide_ = nullptr;
};

// Opens the preview modally over the main window with the page count its
// checks settled on, whole page, zoom-in clicks.
void ShowPreviewWindow(QWidget* parent, MainModel& model, int16_t pageCount);
