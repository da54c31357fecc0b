#pragma once

#include "core/bgrcolor.h"
#include "core/decorations.h"
#include "core/nicksettings.h"
#include "core/preview.h"
#include "dialects/registry.h"
#include "ui/modelchanges.h"
#include "ui/platform.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace chromanick {

struct NickProject;
enum class ExportSignature;
enum class SaveResult;

// The main editor ("Form1") without its widgets: it owns every choice and
// runs every handler. Setting a control from the program (a project being
// opened, "Nouveau", "Equilibrer") goes through the same handlers as a user
// action. The window only shows this state and forwards events.
class MainEditorModel : public QObject {
    Q_OBJECT
public:
    MainEditorModel(Platform& platform, Clock clock = {}, QObject* parent = nullptr);
    ~MainEditorModel() override;

    // --- State, as the controls show it ---
    // Every choice generation reads; the colour dialogs' current colours are
    // CustomForeground (cmdialcolor1), CustomBackground (cmdialcolor2) and
    // DitColour (cmdialcolor3), each remembering its own.
    const NickSettings& settings() const { return settings_; }
    const QString& nickname() const { return settings_.Nickname; }  // Text1
    int caret() const;                       // Text1 caret after the last change
    const DecorationList& prefixes() const;  // Combo1
    const DecorationList& suffixes() const;  // Combo2
    const QString& foregroundOption() const { return settings_.ForegroundOption; }
    const QString& backgroundOption() const { return settings_.BackgroundOption; }
    bool bold() const { return settings_.Bold; }
    bool underline() const { return settings_.Underline; }
    bool italic() const { return settings_.Italic; }
    bool strikethrough() const { return settings_.Strikethrough; }
    bool lookalike() const { return settings_.SpecialChars; }
    QString lookalikeCaption() const;  // caption of chkcaracspe
    bool ditColourOn() const { return settings_.DitColourOn; }
    bool ditSuppressed() const { return settings_.DitSuppressed; }
    bool autoCopy() const { return settings_.AutoCopy; }
    BgrColor customForeground() const { return settings_.CustomForeground; }
    BgrColor customBackground() const { return settings_.CustomBackground; }
    BgrColor ditColour() const { return settings_.DitColour; }
    // Colours the window gives the custom options and the Dit box.
    BgrColor customForegroundCaptionColour() const;    // optcouleurperso1 caption
    BgrColor customBackgroundOptionColour() const;     // optaperso background
    std::optional<BgrColor> ditCaptionColour() const;  // chkcolordi caption, once picked
    const QString& output() const;                     // Text2
    // lbllongueur: the length of Text2's code, and whether it is longer
    // than a Messenger name keeps (the label then turns red).
    QString outputLengthText() const;
    bool outputTooLong() const;
    const PreviewState& preview() const;  // Label5
    bool emoticonsVisible() const;        // activemoti check mark / Frame5
    QString versionText() const;          // "Version : " and the dotted version
    QStringList previewSizes() const;     // entries of Combo3

    // --- Handlers ---
    // Text1_Change (caret -1: at the end). Line breaks become spaces.
    void setNickname(const QString& text, int caret = -1);
    // The nickname setNickname(text) would leave (one line, the look-alikes
    // applied when they are on), so that the box can show it in the same change.
    QString nicknameFor(const QString& text) const;
    // Where the caret at `caret` in `text` stands in nicknameFor(text): after
    // the same characters, look-alikes included.
    int nicknameCaretFor(const QString& text, int caret) const;
    void nicknameDoubleClicked();                // Text1_DblClick
    void pickForeground(const QString& option);  // option click
    void pickBackground(
        const QString& option);  // option click ("Option20" resets the preview background)
    void customForegroundDoubleClicked();  // optcouleurperso1_DblClick
    void customBackgroundDoubleClicked();  // optaperso_DblClick
    void setBold(bool on);                 // Check1
    void setUnderline(bool on);            // Check2
    void setItalic(bool on);               // Check3
    void setStrikethrough(bool on);        // chkbarre
    void setLookalike(bool on);            // chkcaracspe
    void setDitColourOn(bool on);          // chkcolordi
    void setDitSuppressed(bool on);        // chkoptspecial
    void setAutoCopy(bool on);             // chkcopiauto
    void pickPrefix(int index);            // Combo1_Click
    void pickSuffix(int index);            // Combo2_Click
    void typePrefix(const QString& text);  // typing in Combo1 (no refresh; one line)
    void typeSuffix(const QString& text);  // typing in Combo2 (no refresh; one line)
    void balancePrefix();                  // cmdequilibre1: prefix takes the suffix's position
    void balanceSuffix();                  // cmdequilibre2: suffix takes the prefix's position
    void pickPreviewSize(const QString& entry);                                    // Combo3_Click
    void insertEmoticon(int tableIndex, int selectionStart, int selectionLength);  // Image2..68
    void toggleEmoticons();                // activemoti_Click
    void generate();                       // Command1_Click
    void editOutput(const QString& text);  // typing in Text2 (exports write it as typed)
    // "Plus" → "Copier pour" → a format: Text2 as it stands, written in it.
    void copyFor(const Dialect& format);
    void refreshPreview();  // Command2_Click
    void reset();           // nouveau_Click

    // Decoration lists, filled once at start-up: built-ins, then user entries.
    void fillDecorationLists(const QStringList& userPrefixes, const QStringList& userSuffixes);

    // --- File flows ---
    void saveProject();  // saveprojet_Click
    void openProject();  // openprojet_Click
    // Applies a project file as the open command does, without the dialog.
    bool openProjectFile(const QString& path);
    void exportText();  // mnusave_Click
    // quitter_Click / Form_Unload: true when the program may end.
    bool quitRequested();
    bool closeRequested();

signals:
    void changed();  // any state above changed; views re-read what they show

private:
    struct State;
    class ChangeScope;

    void nicknameChanged();
    void writeBackNickname(const QString& text);
    void applyProject(const NickProject& project);
    SaveResult exportTo(ExportSignature signature);
    bool askToSaveThenExport(ExportSignature signature);

    void decorationsChanged();

    NickSettings settings_;
    std::unique_ptr<State> d;
};

}  // namespace chromanick
