#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <optional>

namespace chromanick::textfile {

// Text arriving in pieces (a pipe, standard input) read line by line as the
// program's files are read, holding only the line not yet complete. A
// byte-order mark at the start names the encoding: UTF-8, UTF-16 LE or
// UTF-16 BE. Without one, each line is read as decodeUnmarked reads a file:
// UTF-8 when it is valid UTF-8, else Windows-1252. Lines end with LF or
// CR LF; a last piece without a line end counts as a line when not empty.
class LineDecoder {
public:
    // The lines the bytes complete, in order.
    QStringList feed(QByteArrayView bytes);
    // The last line, at the end of the bytes, if there is one.
    QStringList finish();

    // Set once a line after a UTF-8 mark is not UTF-8: that line and
    // everything after it are left out.
    bool failed() const { return badLine_.has_value(); }
    // "ligne N : ..." for a failure, in French.
    QString failure() const;

private:
    enum class Encoding { Unknown, Unmarked, Utf8, Utf16 };

    void detect(bool atEnd, QStringList& lines);
    void splitBytes(QStringList& lines, bool atEnd);
    void splitText(QStringList& lines, bool atEnd);
    void addLine(QByteArray line, QStringList& lines);
    void addLine(QString line, QStringList& lines);

    Encoding encoding_ = Encoding::Unknown;
    QByteArray bytes_;  // bytes not yet in a complete line
    QString text_;      // UTF-16: text not yet in a complete line
    QStringDecoder utf16_;
    qsizetype lineCount_ = 0;
    std::optional<qsizetype> badLine_;
};

}  // namespace chromanick::textfile
