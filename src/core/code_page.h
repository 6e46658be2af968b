#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace zn {

// Windows-1252, the code page the result files are written in: Latin-1 plus
// 27 printable characters (€, „, ‚, Œ, Š, ...) in 0x80-0x9F. The five bytes
// 1252 leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same number, as on Windows.

// The byte of a character, or nothing when 1252 cannot hold it.
std::optional<char> Cp1252Byte(char32_t codePoint);
bool FitsCp1252(const QString& text);

// The bytes of a text that fits; nothing as soon as one character does not.
std::optional<QByteArray> EncodeCp1252(const QString& text);

// For the web page: a character that 1252 cannot hold is written as a numeric
// character reference ("&#8470;"), so it survives in every browser.
QByteArray EncodeCp1252WithReferences(const QString& text);

// For the text file: 1252 when the whole text fits, otherwise UTF-8 behind a
// byte-order mark so that no character is lost.
QByteArray EncodeTextFile(const QString& text);

QString DecodeCp1252(const QByteArray& bytes);

// A text file of unknown origin (the class list "Klasse.txt"): UTF-8 when the
// bytes are valid UTF-8, which a Windows-1252 file with umlauts never is
// ("M\xE4nner" breaks the UTF-8 rules), otherwise Windows-1252. A leading
// UTF-8 byte-order mark is dropped; a UTF-16 one says the file is UTF-16.
QString DecodeTextFile(const QByteArray& bytes);

// Its lines, ended by CR LF or LF; a last line without an end counts, the
// empty text after a final line end does not.
QStringList TextFileLines(const QByteArray& bytes);

} // namespace zn
