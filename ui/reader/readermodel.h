#pragma once

#include "dialects/plus3.h"
#include "dialects/registry.h"
#include "ui/platform.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace chromanick {

// The code reader ("Lecteur de code") without its widgets: the code box, the
// reading of each of its lines (as Plus! and IRC codes, or as another chat's
// codes: "Lire comme :"), the drawing size and the copy in a chosen format,
// with that format's length and what it cannot show.
class CodeReaderModel : public QObject {
    Q_OBJECT
public:
    static inline const QString kTitle = QStringLiteral("Lecteur de code");
    static inline const QString kPaletteNote =
        QStringLiteral(
            "Les couleurs de la palette (codes %1 et [c=N]) sont celles qu'affichent les logiciels "
            "compatibles ; Messenger Plus! peut les nuancer légèrement.")
            .arg(plus3::paletteNumberForm());
    static inline const QString kLengthWarning =
        QStringLiteral("Un pseudo Messenger garde 129 caractères : la suite sera coupée.");
    // The characters a Messenger name keeps, codes included.
    static constexpr qsizetype kNameLength = 129;
    static inline const QString kNoTextToPaste =
        QStringLiteral("Le presse-papiers ne contient pas de texte à coller.");
    static inline const QString kDefaultSize = QStringLiteral("12");
    static inline const QString kFormatLength = QStringLiteral("Longueur dans ce format : %1");
    static inline const QString kFormatLimit = QStringLiteral(" sur %1.");
    static inline const QString kOverLimit = QStringLiteral(" Trop long pour cette messagerie.");
    static inline const QString kNotShown = QStringLiteral("Ce format ne montre pas : %1.");

    explicit CodeReaderModel(Platform& platform, QObject* parent = nullptr);

    // --- State, as the window shows it ---
    const QString& code() const { return code_; }
    // One reading per line of the code box, in order.
    const QList<QList<StyledRun>>& lines() const { return lines_; }
    qsizetype visibleLength() const { return visibleLength_; }
    // Characters of the code lines, line breaks not counted.
    qsizetype codeLength() const { return codeLength_; }
    // Whether a line of the box is longer than a Messenger name keeps.
    bool tooLong() const { return longestLine_ > kNameLength; }
    QString lengthsText() const;
    QStringList sizes() const;
    const QString& size() const { return size_; }
    double pointSize() const { return size_.toDouble(); }
    // The entries of "Lire comme :", and the one every line is read as.
    QStringList readingLabels() const;
    const Reading& reading() const { return *reading_; }

    // --- Handlers ---
    void setCode(const QString& text);  // typing in the code box, or an editor's Text2
    void pickSize(const QString& entry);
    void pickReading(const QString& label);  // reads the box again
    void paste();
    void copyAs(const Dialect& format);  // every line written in `format`, on the clipboard
    // "Copier pour :": the format picked in `copyFormats()`, kept while the
    // program runs, and "Copier".
    void pickCopyFormat(int index);
    void copy() { copyAs(copyFormat()); }

    // The formats "Copier pour :" lists: every one runs are written in, in
    // the table's order.
    static QList<const Dialect*> copyFormats();
    const Dialect& copyFormat() const { return *copyFormats()[copyIndex_]; }
    int copyFormatIndex() const { return copyIndex_; }
    // The longest line written in the chosen format, against its limit.
    QString formatLengthText() const;
    // What the chosen format loses of the lines; empty when nothing.
    QString notShownText() const;

    // Every line written out by `format`, one result per line.
    QString written(QString (*format)(const QList<StyledRun>&)) const;

signals:
    void changed();

private:
    Platform& platform_;
    QString code_;
    QList<QList<StyledRun>> lines_;
    qsizetype visibleLength_ = 0;
    qsizetype codeLength_ = 0;
    qsizetype longestLine_ = 0;
    QString size_ = kDefaultSize;
    int copyIndex_ = 0;
    const Reading* reading_ = &readings().front();
};

}  // namespace chromanick
