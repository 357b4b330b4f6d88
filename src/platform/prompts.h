#pragma once

#include <QString>
#include <optional>

class QPrinter;

namespace vantrel::platform {

enum class Answer { Ok, Yes, No, Cancel };
enum class QuestionButtons { YesNo, YesNoCancel };
// A question asked in a "Confirmer" box, or in an "Avertissement" box when the answer
// destroys something (deletions).
enum class QuestionKind { Confirm, Warning };

// A standard file dialog, described as the program's commands give it: the filter in
// the "description|pattern|description|pattern" form, the extension added to a name
// typed without one, and whether an existing file must be confirmed before overwriting.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExtension;
    QString initialPath;
    bool confirmOverwrite = false;
};

// Every message box, file dialog and print dialog of the program. Message texts use
// CR (or CR LF) as line break; the desktop implementation shows them as lines.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual void warning(const QString& text) = 0;     // "Avertissement", OK
    virtual void error(const QString& text) = 0;       // "Erreur", OK
    virtual void information(const QString& text) = 0; // "Informations", OK
    virtual Answer question(const QString& text,       // "Confirmer", "&Oui" / "&Non" [/ "Annuler"]
                            QuestionButtons buttons = QuestionButtons::YesNo,
                            QuestionKind kind = QuestionKind::Confirm) = 0;

    // The chosen path, or nullopt when the user cancelled.
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> chooseFolder(const QString& title, const QString& start) = 0;

    // True when the user confirmed the dialog; the printer then holds the choices.
    virtual bool printDialog(QPrinter& printer) = 0;
    virtual bool printerSetup(QPrinter& printer) = 0;
};

// Captions of the four kinds of message boxes.
namespace captions {
inline const QString warning = QStringLiteral("Avertissement");
inline const QString error = QStringLiteral("Erreur");
inline const QString information = QStringLiteral("Informations");
inline const QString question = QStringLiteral("Confirmer");
} // namespace captions

// "a|b|c|d" into Qt's "a (b);;c (d)" form; a description that already names its
// pattern in parentheses is kept as it stands.
QString qtNameFilters(const QString& pipeFilter);

// CR, LF and CR LF all become "\n", so that a message shows its lines on screen.
QString screenLines(const QString& text);

} // namespace vantrel::platform
