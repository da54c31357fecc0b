#pragma once

#include "core/bgrcolor.h"
#include "dialects/registry.h"
#include "gradient/gradient.h"
#include "gradient/smooth.h"
#include "ui/editorflows.h"
#include "ui/modelchanges.h"
#include "ui/platform.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace chromanick {

// The gradient editor ("Form3") without its widgets. It keeps the
// GradientSettings, the split shown by the preview grid, the output box and
// the colour dialogs' remembered colours, and runs every handler of the
// window. Setting a control from the program goes through the same handler
// as a user action.
class GradientEditorModel : public QObject {
    Q_OBJECT
public:
    static inline const QString kVersionText = QStringLiteral("Version : 1.0.0");
    static inline const QString kSaveQuestion =
        QStringLiteral("Voulez vous enregistré votre pseudo?");
    static inline const QString kSaveTitle = QStringLiteral("Enregistrer le code de votre pseudo?");
    static inline const QString kBackgroundDialog = QStringLiteral("cmdialcolorap");

    explicit GradientEditorModel(Platform& platform, Clock clock = {}, QObject* parent = nullptr);

    // --- State, as the controls show it ---
    const GradientSettings& settings() const { return settings_; }
    const QString& nickname() const { return settings_.nickname; }  // Text1
    const SegmentSplit& split() const { return split_; }            // lbl1..lbl5 captions
    QString countText() const;                                      // Label1
    const QString& output() const { return output_; }               // Text2
    int presetRow() const { return settings_.presetRow; }           // opt(i) selected
    bool selectBackgroundEnabled() const { return settings_.backgroundEnabled; }
    // Background of the preview labels and of chkcolorap; nothing means the
    // desktop's button face.
    std::optional<BgrColor> previewBackground() const { return previewBackground_; }
    // Text colour of the label of `slot` (0 to 4) in `row` (0 to 36).
    BgrColor previewColour(int row, int slot) const;
    // Colour held by cmdialcolorap.
    BgrColor backgroundDialogColour() const { return settings_.backgroundColour; }

    // The smooth gradient, off at start: when on, "Générer le pseudo." writes
    // smoothGradientCode with the selected row's stops and this step.
    bool smoothEnabled() const { return smoothEnabled_; }  // chkfluide
    int smoothStep() const { return smoothStep_; }         // spnlettres
    // The group colours of row `row` (0 to 36) as its smooth code would give
    // them, for the groups holding the first `limit` characters; none when
    // the row has no colour at all.
    QList<BgrColor> smoothPreview(int row, qsizetype limit) const;
    // lbllongueur: the length of the code in Text2, and whether it is longer
    // than a Messenger name keeps; nothing while Text2 shows the credit note.
    QString codeLengthText() const;
    // Typing stops at kGradientMaxLength characters (grapheme clusters), or
    // at the length of a longer nickname already there: `input` is Text1's
    // text after an edit, the caret at `pos`; the characters typed or pasted
    // past the limit, those just before the caret, are left out.
    QString typedNickname(const QString& input, int& pos) const;
    bool codeTooLong() const;

    static QString customDialogName(int slot);  // "cmdialcouleurperso1".."5"
    static QString creditNote();                // Text2 before the first generation

    // --- Handlers ---
    void setNickname(const QString& text);  // Text1_Change; line breaks become spaces
    void nicknameDoubleClicked();           // Text1_DblClick
    void selectRow(int row);                // opt_Click
    void setBold(bool on);                  // chkgras
    void setUnderline(bool on);             // chksouligne
    void setItalic(bool on);                // chkita
    void setStrikethrough(bool on);         // chkbarre
    void setBackgroundEnabled(bool on);     // chkcolorap
    void selectBackgroundColour();          // cmdselectcolorap
    void pickCustomColour(int slot);        // cmdcolorperso1..5 (slot 0 to 4)
    void setAutoCopy(bool on);              // chkcopiauto
    void editOutput(const QString& text);   // typing in Text2
    // "Plus" → "Copier pour" → a format: Text2 as it stands, written in it.
    void copyFor(const Dialect& format);
    void generate();                 // cmdgenerer
    void setSmoothEnabled(bool on);  // chkfluide
    void setSmoothStep(int step);    // spnlettres, 1 to kSmoothStepMax
    void reset();                    // mnunew

    // --- Save flows ---
    void saveRequested();   // mnusave: the window stays open in every case
    bool quitRequested();   // mnuexit: true when the program may end
    bool closeRequested();  // closing the window: true when the program may end

signals:
    void changed();  // any state above changed; views re-read what they show

private:
    SaveResult exportText();
    bool leaveRequested();
    void resplit();
    void setStyle(bool GradientSettings::*field, bool on);
    QString generatedCode() const;

    Platform& platform_;
    Clock clock_;
    ChangeBatch changes_;
    GradientSettings settings_;
    SegmentSplit split_;
    QString output_;
    std::optional<BgrColor> previewBackground_;
    std::array<BgrColor, 5> customDialogs_{};
    std::array<BgrColor, 5> customPreview_{};
    bool smoothEnabled_ = false;
    int smoothStep_ = 1;
};

}  // namespace chromanick
