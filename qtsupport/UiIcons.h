// The windows' icons: our own set built into the program, with the
// desktop's icon theme as the fallback.
#pragma once

#include <QIcon>
#include <QString>

// Our icon NAME (resources/icons/NAME.svg, built in as pictures) when there
// is one, else the theme's icon of the given name (e.g. "document-open"),
// else an empty icon.
QIcon UiIcon(const QString& name, const QString& themeFallback = {});
