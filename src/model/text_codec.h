#pragma once
// Cell texts are Unicode in memory and bytes in the project file.

#include <QByteArray>
#include <QString>

namespace morvaine {

/// Bytes of a cell text: Windows-1251 when every character has a code there and the
/// result is not, by accident, valid UTF-8 with high bytes; otherwise UTF-8.
QByteArray EncodeCellText(const QString &text);

/// Text of cell bytes: UTF-8 when the bytes are valid UTF-8, otherwise Windows-1251.
QString DecodeCellText(const QByteArray &bytes);

} // namespace morvaine
