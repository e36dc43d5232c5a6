#pragma once
// The painters ask for the font face "Microsoft Sans Serif"; where that face is missing,
// Liberation Sans (metric-compatible with Arial, the nearest free face) stands in.

namespace morvaine {

/// Makes "Microsoft Sans Serif" resolve to "Liberation Sans". Call once after the
/// QGuiApplication exists, before anything is painted; later calls do nothing.
void InstallFontSubstitutions();

} // namespace morvaine
