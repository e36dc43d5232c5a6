#pragma once
// Paths as the file system stores them: a Linux file name is any run of bytes, not
// always valid UTF-8 (names written under a Latin-1 locale, copied from old disks).
// Bytes that are not part of valid UTF-8 are carried through the QString as the lone
// surrogates U+DC80..U+DCFF, so that every name read from the system or the command
// line opens again exactly.

#include <QByteArray>
#include <QString>

namespace morvaine {

/// The QString for a path's bytes; EncodePath(DecodePath(bytes)) == bytes for any bytes.
QString DecodePath(const QByteArray &bytes);

/// The bytes of a path for the system's file calls (the inverse of DecodePath).
QByteArray EncodePath(const QString &path);

/// True when the path holds bytes that only EncodePath restores, so that Qt's own
/// file classes would name another file.
bool PathNeedsRawBytes(const QString &path);

} // namespace morvaine
