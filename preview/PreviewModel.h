// The print preview without its widgets: zoom, page switching, where the
// page picture lies in the window's area, the scroll bars' state, the mouse
// modes and the status texts. Lengths are twips (1440 per inch on screen).
#pragma once

#include <cstdint>
#include <string>

#include "PrinterSettings.h"

enum class ZoomMode : int32_t { In = 1, Out = 2, WholePage = 3, PageWidth = 4 };

// The room on each side of a whole page, in twips.
inline constexpr double kWholePageMargin = 100;

// Also the cursors' identifiers: 102 is the closed hand while dragging.
enum class MouseMode : int32_t { Move = 101, ZoomIn = 103, ZoomOut = 104 };

// A scroll bar's request, by the platform's codes.
enum class ScrollRequest : int32_t {
  LineBack = 0,
  LineForward = 1,
  PageBack = 2,
  PageForward = 3,
  ThumbReleased = 4,
  ThumbTrack = 5,
  EndScroll = 8,
};

// One scroll bar: shown only while the picture overhangs the area on its
// axis; range 0..maximum with a thumb of pageSize, at position.
struct ScrollState {
  bool visible = false;
  int32_t maximum = 0;   // the picture's extent
  int32_t pageSize = 0;  // the area's extent
  int32_t position = 0;  // how far the picture's start lies before the area's
};

struct PictureRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

// What a left-button release asks of the window.
enum class ReleaseAction { None, OpenHand, Rendered };

class PreviewModel {
 public:
  // The sheet and the window's area, in twips.
  void setPageSize(double width, double height);
  void setArea(double width, double height);

  // A size change: modes 3 and 4 lay the page out afresh; after zoom clicks
  // the picture keeps its size and is only placed. True when the picture
  // needs drawing again.
  bool Resize(double areaWidth, double areaHeight);
  // Whole page or page width.
  void FitPage(ZoomMode mode);
  // A zoom click at a point of the picture (twips from its top-left).
  void ZoomAt(ZoomMode mode, double x, double y);

  void Scroll(bool horizontal, ScrollRequest request, int32_t thumb = 0);

  // Mouse on the picture; points in twips from the picture's top-left.
  // LeftPress gives true when the closed hand should show.
  bool LeftPress(double x, double y);
  // Dragging in move mode; true when the picture moved.
  bool LeftMove(double x, double y);
  ReleaseAction LeftRelease(double x, double y);
  void RightRelease() { popupOpen_ = true; }
  void OtherRelease() { popupOpen_ = false; }
  // The popup menu has closed; the click that closed it never reaches the
  // picture, so the next click is the user's own.
  void PopupClosed() { popupOpen_ = false; }

  // Page switching; each gives true when the picture needs drawing again.
  void setPageCount(int16_t count);
  bool DividePages();
  bool PreviousPage();
  bool NextPage();
  bool CanGoBack() const { return pageCount_ > 1 && page_ > 1; }
  bool CanGoForward() const { return pageCount_ > 1 && page_ < 2; }
  bool IsDivided() const { return pageCount_ > 1; }

  void setMouseMode(MouseMode mode) { mouseMode_ = mode; }
  MouseMode Mouse() const { return mouseMode_; }
  void ToggleGuide() { showGuide_ = !showGuide_; }
  void setShowGuide(bool on) { showGuide_ = on; }
  bool ShowGuide() const { return showGuide_; }

  ZoomMode Mode() const { return zoomMode_; }
  double Zoom() const { return zoom_; }
  int16_t Page() const { return page_; }
  int16_t PageCount() const { return pageCount_; }
  const PictureRect& Picture() const { return picture_; }
  const ScrollState& HorizontalBar() const { return hBar_; }
  const ScrollState& VerticalBar() const { return vBar_; }
  int32_t PageStep() const { return pageStep_; }
  int32_t LineStep() const { return lineStep_; }
  bool IsPopupOpen() const { return popupOpen_; }

  // "Page1/2" and "100.00%".
  std::string PageText() const;
  std::string ZoomText() const;

 private:
  void SizeToZoom(double zoom);
  void FitToArea();
  void PlaceAxis(double& start, double extent, double area) const;
  void KeepCentre(double& start, double oldExtent, double extent, double area) const;
  void UpdateBars();

  double pageWidth_ = 11899;  // A4 portrait
  double pageHeight_ = 16838;
  double areaWidth_ = 0;
  double areaHeight_ = 0;
  PictureRect picture_;
  ZoomMode zoomMode_ = ZoomMode::WholePage;
  double zoom_ = 1.0;
  int16_t page_ = 1;
  int16_t pageCount_ = 1;
  MouseMode mouseMode_ = MouseMode::ZoomIn;
  bool showGuide_ = true;
  bool popupOpen_ = false;
  double dragX_ = 0;
  double dragY_ = 0;
  ScrollState hBar_;
  ScrollState vBar_;
  int32_t pageStep_ = 0;
  int32_t lineStep_ = 0;
};

// The window's size at its first opening: most of the available height,
// wide enough for the whole page at that height and for every toolbar
// button, and within the area. `around` is what the window adds to the
// page's area (bars, borders), `margin` the room on each side of a whole
// page; all in pixels.
struct PixelSize {
  int width = 0;
  int height = 0;
};
PixelSize OpeningPreviewSize(PixelSize available, double heightPerWidth, PixelSize around,
                             int margin, int toolBarWidth);

// The first status panel: "Printer: NAME / Paper: A4 Portrait" with a
// usable printer; without one "Printer: none / Paper: " and the preview's
// sheet.
std::string PrinterStatusText(bool available, const PrinterProperties& printer);
