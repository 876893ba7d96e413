#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

ScriptedPrompts::~ScriptedPrompts()
{
    for (const auto& left : expected_)
        ADD_FAILURE() << "expected message never shown: " << left.message.text.toStdString();
    if (!fileAnswers_.empty()) ADD_FAILURE() << fileAnswers_.size() << " expected file dialog(s) never shown";
}

void ScriptedPrompts::ExpectMessage(const QString& text, const QString& title, PromptButtons buttons, PromptIcon icon,
                                    PromptAnswer answer)
{
    expected_.push_back({{text, title, buttons, icon}, answer, false, {}});
}

void ScriptedPrompts::ExpectMessageStartingWith(const QString& start, const QString& title, PromptButtons buttons,
                                                PromptIcon icon, PromptAnswer answer)
{
    expected_.push_back({{start, title, buttons, icon}, answer, true, {}});
}

void ScriptedPrompts::WhileLastExpectedIsShown(std::function<void()> action)
{
    ASSERT_FALSE(expected_.empty());
    expected_.back().whileShown = std::move(action);
}

void ScriptedPrompts::ExpectOpenFile(std::optional<QString> path)
{
    fileAnswers_.push_back({false, std::move(path)});
}

void ScriptedPrompts::ExpectSaveFile(std::optional<QString> path)
{
    fileAnswers_.push_back({true, std::move(path)});
}

PromptAnswer ScriptedPrompts::Message(const QString& text, const QString& title, PromptButtons buttons, PromptIcon icon)
{
    shown_.push_back({text, title, buttons, icon});
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected message: \"" << text.toStdString() << "\" titled \"" << title.toStdString()
                      << "\"";
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
    const Expected next = expected_.front();
    expected_.pop_front();
    if (next.startOnly) {
        EXPECT_TRUE(text.startsWith(next.message.text))
            << "\"" << text.toStdString() << "\" does not start with \"" << next.message.text.toStdString() << "\"";
    } else {
        EXPECT_EQ(next.message.text.toStdString(), text.toStdString());
    }
    EXPECT_EQ(next.message.title.toStdString(), title.toStdString());
    EXPECT_EQ(static_cast<int>(next.message.buttons), static_cast<int>(buttons)) << "buttons of " << text.toStdString();
    EXPECT_EQ(static_cast<int>(next.message.icon), static_cast<int>(icon)) << "icon of " << text.toStdString();
    if (next.whileShown) next.whileShown();
    return next.answer;
}

std::optional<QString> ScriptedPrompts::AnswerFileDialog(bool save, const FileDialogRequest& request)
{
    dialogs_.push_back(request);
    if (fileAnswers_.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return std::nullopt;
    }
    const FileAnswer next = fileAnswers_.front();
    fileAnswers_.pop_front();
    EXPECT_EQ(next.save, save) << "an open dialog and a save dialog were confused";
    return next.path;
}

std::optional<QString> ScriptedPrompts::ChooseFileToOpen(const FileDialogRequest& request)
{
    return AnswerFileDialog(false, request);
}

std::optional<QString> ScriptedPrompts::ChooseFileToSave(const FileDialogRequest& request)
{
    return AnswerFileDialog(true, request);
}
