#pragma once

#include <QString>
#include <QStringList>

namespace chromanick {

// The per-user folder of the settings files, with a final separator:
// <generic data location>/Chromanick/.
QString defaultInstallDir();

// Answers kept in nkp.dll.
struct NkpAnswers {
    QString messengerPlus;  // line 2: "Ok" once the user asked not to be asked again
    QString autoLaunch;     // line 4: "auto" when the launch is automatic
    bool doNotAskAgain() const { return messengerPlus == QLatin1String("Ok"); }
    bool launchesAutomatically() const { return autoLaunch == QLatin1String("auto"); }
};

// The settings files of one folder (nkp.dll, combo1.dll, combo2.dll, intmsg.dll).
class SettingsFolder {
public:
    static inline const QString kNkpFile = QStringLiteral("nkp.dll");
    static inline const QString kPrefixFile = QStringLiteral("combo1.dll");
    static inline const QString kSuffixFile = QStringLiteral("combo2.dll");
    static inline const QString kWelcomeFile = QStringLiteral("intmsg.dll");

    // `dir` gets a final separator when it lacks one.
    explicit SettingsFolder(QString dir = defaultInstallDir());
    const QString& dir() const { return dir_; }
    QString path(const QString& fileName) const;
    bool exists(const QString& fileName) const;

    // Creates the folder and an empty nkp.dll when missing, then reads lines 2
    // and 4. Any failure counts as no answers.
    NkpAnswers readNkp() const;
    // Writes the four lines; false (with a reason) when the file cannot be written.
    bool writeNkp(const QString& messengerPlusAnswer, bool autoLaunch,
                  QString* error = nullptr) const;

    // Fields of a field file; empty when the file is missing or unreadable.
    QStringList readFields(const QString& fileName) const;

private:
    QString dir_;
};

// The field syntax of combo1.dll, combo2.dll and intmsg.dll: commas or line
// ends separate, blanks before a field are skipped, a quoted field keeps
// commas and blanks, trailing blanks of unquoted fields are dropped, two
// separators in a row give an empty field. Fields are kept as written.
QStringList parseFields(const QString& text);

}  // namespace chromanick
