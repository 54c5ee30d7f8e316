// Documents name Windows fonts; these map them onto installed fonts with the
// same metrics so that texts keep their size and Japanese never shows boxes.
#pragma once

#include <QString>

// Registers the substitutions with Qt. Call once after QGuiApplication exists.
void InstallFontSubstitutions();

// The installed family Qt will use for a document's font name.
QString ResolvedFontFamily(const QString& documentFontName);
