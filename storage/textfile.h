#pragma once

#include "nativefile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Text files of the program: Windows-1252 with CR LF after every line, the
// last one included. Text that Windows-1252 cannot hold is not degraded: the
// whole file is then written as UTF-8 with a byte-order mark.
namespace chromanick::textfile {

inline const QString kCrLf = QStringLiteral("\r\n");

// True when every character has a Windows-1252 byte.
bool fitsWindows1252(const QString& text);
// Windows-1252 when it fits, else UTF-8 with a BOM. The BOM also marks the
// rare text whose Windows-1252 bytes would read back as UTF-8.
QByteArray encode(const QString& text);
// The bytes of encode(joinLines(lines)).
QByteArray encodeLines(const QStringList& lines);
// UTF-8 when the data starts with a UTF-8 BOM or is valid UTF-8 throughout
// (and not plain ASCII), else Windows-1252. What encode gives reads back as
// the same text.
QString decode(const QByteArray& data);
// Text without a byte-order mark as decode reads it: UTF-8 when it is valid
// UTF-8 (and not plain ASCII), else Windows-1252.
QString decodeUnmarked(const QByteArray& data);
// decode for a file to read: nothing when the data starts with a UTF-8 BOM
// and the rest is not UTF-8 (such a file is refused whole, never read with
// some characters lost).
std::optional<QString> decodeFile(const QByteArray& data);

// Whether a text holds a surrogate (paired or not) and a line end (CR or
// LF), in one pass over a text of any length.
struct CharacterKinds {
    bool surrogate = false;
    bool lineEnd = false;
};
CharacterKinds kindsIn(QStringView text);

// Each line followed by CR LF.
QString joinLines(const QStringList& lines);
// Lines ended by CR LF or a lone LF, or by a lone CR in a text without any
// LF (an old Mac file); a last piece without a line end counts as a line
// when it is not empty.
QStringList splitLines(const QString& text);

// Reads a regular file only (never waits on a pipe or reads a device), and
// fails for one above `maxBytes` when a limit is given. readText and
// readLines also fail for a file decodeFile refuses.
std::optional<QByteArray> readAll(const QString& path, QString* error = nullptr,
                                  qint64 maxBytes = nativefile::kNoLimit);
std::optional<QString> readText(const QString& path, QString* error = nullptr,
                                qint64 maxBytes = nativefile::kNoLimit);
std::optional<QStringList> readLines(const QString& path, QString* error = nullptr,
                                     qint64 maxBytes = nativefile::kNoLimit);

// Replaces the file atomically through its working file "<name>.tmp"
// (nativefile::Replacement): on any failure the previous file is left
// byte-identical and nothing is left beside it. A link is followed to its
// file and stays a link; nothing but a regular file is ever replaced.
bool writeAll(const QString& path, const QByteArray& data, QString* error = nullptr);
bool writeText(const QString& path, const QString& text, QString* error = nullptr);
bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Rewrites a scratch file in place, without the cost of an atomic
// replacement; for working files that are never the user's own.
bool overwriteText(const QString& path, const QString& text, QString* error = nullptr);

// The Windows-1252 code page without any converter: the character of a byte
// (the five unassigned bytes map to the C1 controls of the same value, as
// Windows does), and the byte of a character when it has one.
QChar windows1252ToUnicode(uchar byte);
std::optional<uchar> unicodeToWindows1252(QChar c);

}  // namespace chromanick::textfile
