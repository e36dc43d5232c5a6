#pragma once
// The whole task table and Gantt chart as one JPEG picture at screen size: the printed
// table columns and every chart column, rows 0 to LastTaskRow, without page breaks.

#include "output/pagination.h"

#include <QSize>
#include <QString>

namespace morvaine {

class Prompts;
class Project;

/// The picture's size: the printed table columns and chartColumns chart columns wide,
/// the header row and every task row high.
QSize PictureSize(const GridGeometry &grid, int lastTaskRow, int chartColumns);

/// The file name a picture is saved under: a name without extension gets ".jpg".
QString PictureFileName(const QString &chosen);

/// Draws the picture with cells and writes it to path as a JPEG at quality 100, whatever
/// the path's extension. The picture is drawn and encoded a band of rows at a time, so
/// memory stays at a few bands. The file appears only once it is whole: a failure leaves
/// whatever was at path before. Failures are shown through prompts ("Code #0030" when no
/// band can be made, "Code #0031" when the encoder refuses the size or encoding or
/// writing fails). Returns true when the file was written.
bool ExportPicture(const Project &project, const GridGeometry &grid, PageCellPainter &cells,
                   const QString &path, Prompts &prompts);

} // namespace morvaine
