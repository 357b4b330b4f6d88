#pragma once

#include "platform/prompts.h"

#include <QList>
#include <QString>
#include <deque>

namespace vantrel::testing {

enum class PromptKind { Warning, Error, Information, Question, WarningQuestion, OpenFile, SaveFile, Folder, Print, PrinterSetup };

const char* kindName(PromptKind kind);

// Answers every prompt from a script written by the test, in order, and records what
// was shown. A prompt the script does not expect (another kind, or none left) fails the
// running test.
class ScriptedPrompts : public platform::Prompts {
public:
    struct Shown {
        PromptKind kind;
        QString text;                       // message text, or the file dialog's title
        platform::FileDialogRequest request; // for file dialogs
    };

    // Expect a message box of this kind (answered with OK, or `answer` for a question).
    ScriptedPrompts& expect(PromptKind kind, platform::Answer answer = platform::Answer::Ok);
    // Expect a file or folder dialog, answered with `path` (nullopt: cancelled).
    ScriptedPrompts& expectFile(PromptKind kind, std::optional<QString> path);
    // Expect a print or printer set-up dialog, confirmed or cancelled.
    ScriptedPrompts& expectPrint(PromptKind kind, bool confirm);

    QList<Shown> shown;
    bool allAnswered() const { return script_.empty(); }
    QList<QString> texts() const;

    void warning(const QString& text) override;
    void error(const QString& text) override;
    void information(const QString& text) override;
    platform::Answer question(const QString& text, platform::QuestionButtons buttons,
                              platform::QuestionKind kind) override;
    std::optional<QString> openFile(const platform::FileDialogRequest& request) override;
    std::optional<QString> saveFile(const platform::FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& start) override;
    bool printDialog(QPrinter& printer) override;
    bool printerSetup(QPrinter& printer) override;

private:
    struct Step {
        PromptKind kind;
        platform::Answer answer = platform::Answer::Ok;
        std::optional<QString> path;
        bool confirm = false;
    };
    Step take(PromptKind kind, const QString& text, const platform::FileDialogRequest& request = {});
    std::deque<Step> script_;
};

} // namespace vantrel::testing
