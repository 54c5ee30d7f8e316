// The colour and font pickers of the options dialog, behind functions so
// that tests can answer them without the desktop's dialogs.
#pragma once

#include <functional>
#include <optional>

#include "Settings.h"

class QFont;
class QWidget;

struct FontChoice {
  FontSpec font;
  ColorRef color = 0;
};

struct OptionPickers {
  // nullopt when the user cancelled.
  std::function<std::optional<ColorRef>(QWidget* parent, ColorRef initial)> pickColor;
  std::function<std::optional<FontChoice>(QWidget* parent, const FontChoice& initial)> pickFont;
};

// The font a font dialog returned, as the design keeps it: the document's
// own font name stays when the family picked is the one it is drawn with.
FontSpec FontSpecFromQFont(const QFont& font, const FontSpec& before);

// The desktop's colour dialog, and its font dialog with a colour row below.
OptionPickers DesktopOptionPickers();
