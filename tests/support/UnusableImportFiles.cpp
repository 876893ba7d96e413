#include "support/UnusableImportFiles.h"

#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

void ImportEachUnusableFile(ScriptedPrompts& prompts, const std::filesystem::path& path, std::size_t recordLength,
                            const std::function<void()>& import)
{
    const QString unreadable = "Sorry there was an error!";
    const QString nothing = "The file holds nothing to import!";
    const struct {
        const char* label;
        std::function<void()> make;
        QString text;
    } files[] = {
        {"missing", [] {}, unreadable},
        {"a folder", [&] { std::filesystem::create_directory(path); }, unreadable},
        {"empty", [&] { WriteAll(path, {}); }, nothing},
        {"shorter than a record", [&] { WriteAll(path, Bytes(recordLength - 1, 0x41)); }, nothing},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.label);
        std::filesystem::remove_all(path);
        file.make();
        prompts.ExpectOpenFile(Text(path));
        prompts.ExpectMessage(file.text, "Sorry File Error!", PromptButtons::Ok, PromptIcon::Exclamation);
        import();
        EXPECT_TRUE(prompts.AllAnswered());
    }
    std::filesystem::remove_all(path);
}
