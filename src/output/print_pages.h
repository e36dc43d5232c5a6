#pragma once
// Printing pages onto a paged device: a printer, or a PDF file.

#include "output/pagination.h"

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPaintDevice;

namespace morvaine {

class Host;
class Project;
class ProjectPages;

/// The page setup of a device: its resolution, its page size in device pixels, the
/// screen's resolution and the on-screen grids.
PageSetup DevicePageSetup(const QPaintDevice &device, int screenPpi, const GridGeometry &grid);

/// Non-fixed task-grid columns a grid clientWidth pixels wide shows in full, scrolled to
/// its left end: those whose right edge lies inside the grid.
int FullyVisibleColumns(const GridGeometry &grid, int clientWidth);

/// The task grid as a freshly opened main window lays it out.
GridGeometry DefaultGridGeometry();

/// PrintPages: draws pages first..last onto device at its full page, one device page
/// each, at printer size, with pictures stored losslessly. Nothing is printed when first
/// is after last. False when the device cannot be painted on, or when failed() tells
/// after a page that the output failed: the job stops there.
bool PrintPages(QPagedPaintDevice &device, ProjectPages &pages, int first, int last,
                const std::function<bool()> &failed = {});

/// Writes every page as a PDF: A4 portrait at 600 dpi without margins of its own, for a
/// 96 ppi screen, with the grids as given. The file appears only once it is whole; a
/// write that fails (a full disk) ends the job at once and leaves an earlier file as it
/// was. Failures are shown through host, with the system's reason; returns true when the
/// file was written.
bool ExportPdf(Project &project, Host &host, const GridGeometry &grid, const QString &path,
               const QString &title);

} // namespace morvaine
