#include "support/scripted_prompts.h"

#include <QTest>

namespace vantrel::testing {

const char* kindName(PromptKind kind) {
    switch (kind) {
    case PromptKind::Warning: return "warning";
    case PromptKind::Error: return "error";
    case PromptKind::Information: return "information";
    case PromptKind::Question: return "question";
    case PromptKind::WarningQuestion: return "warning question";
    case PromptKind::OpenFile: return "open-file dialog";
    case PromptKind::SaveFile: return "save-file dialog";
    case PromptKind::Folder: return "folder dialog";
    case PromptKind::Print: return "print dialog";
    case PromptKind::PrinterSetup: return "printer set-up dialog";
    }
    return "?";
}

ScriptedPrompts& ScriptedPrompts::expect(PromptKind kind, platform::Answer answer) {
    script_.push_back({kind, answer, std::nullopt, false});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectFile(PromptKind kind, std::optional<QString> path) {
    script_.push_back({kind, platform::Answer::Ok, std::move(path), false});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectPrint(PromptKind kind, bool confirm) {
    script_.push_back({kind, platform::Answer::Ok, std::nullopt, confirm});
    return *this;
}

QList<QString> ScriptedPrompts::texts() const {
    QList<QString> result;
    for (const Shown& s : shown)
        result << s.text;
    return result;
}

ScriptedPrompts::Step ScriptedPrompts::take(PromptKind kind, const QString& text,
                                            const platform::FileDialogRequest& request) {
    shown.append({kind, text, request});
    if (script_.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected %1: %2")
                                    .arg(QLatin1String(kindName(kind)), text)),
                     __FILE__, __LINE__);
        return {kind, platform::Answer::Cancel, std::nullopt, false};
    }
    Step step = script_.front();
    script_.pop_front();
    if (step.kind != kind) {
        QTest::qFail(qPrintable(QStringLiteral("expected a %1, got a %2: %3")
                                    .arg(QLatin1String(kindName(step.kind)), QLatin1String(kindName(kind)), text)),
                     __FILE__, __LINE__);
    }
    return step;
}

void ScriptedPrompts::warning(const QString& text) { take(PromptKind::Warning, text); }
void ScriptedPrompts::error(const QString& text) { take(PromptKind::Error, text); }
void ScriptedPrompts::information(const QString& text) { take(PromptKind::Information, text); }

platform::Answer ScriptedPrompts::question(const QString& text, platform::QuestionButtons,
                                           platform::QuestionKind kind) {
    return take(kind == platform::QuestionKind::Warning ? PromptKind::WarningQuestion : PromptKind::Question, text)
        .answer;
}

std::optional<QString> ScriptedPrompts::openFile(const platform::FileDialogRequest& request) {
    return take(PromptKind::OpenFile, request.title, request).path;
}

std::optional<QString> ScriptedPrompts::saveFile(const platform::FileDialogRequest& request) {
    return take(PromptKind::SaveFile, request.title, request).path;
}

std::optional<QString> ScriptedPrompts::chooseFolder(const QString& title, const QString& start) {
    platform::FileDialogRequest request;
    request.title = title;
    request.initialPath = start;
    return take(PromptKind::Folder, title, request).path;
}

bool ScriptedPrompts::printDialog(QPrinter&) { return take(PromptKind::Print, QString()).confirm; }
bool ScriptedPrompts::printerSetup(QPrinter&) { return take(PromptKind::PrinterSetup, QString()).confirm; }

} // namespace vantrel::testing
