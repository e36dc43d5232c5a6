#pragma once
// The user manual as a PDF file: written from its Markdown text, found where it was
// installed or built, or written on first use.

#include <QString>

namespace morvaine {

/// The manual's Markdown text, as built into the program.
QString ManualMarkdown();

/// Lays out markdown as A4 pages and writes them to pdfPath. Returns false when the
/// file could not be written.
bool WriteManualPdf(const QString &markdown, const QString &pdfPath);

/// The path of the manual's PDF: the installed copy beside the program, else the one
/// the build wrote, else a copy written now into the user's cache folder. Empty when
/// none exists and none could be written. Needs a QGuiApplication for the last case.
QString ManualPdfPath();

} // namespace morvaine
