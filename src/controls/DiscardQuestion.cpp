#include "controls/DiscardQuestion.h"

#include "platform/UserPrompts.h"

bool DiscardAgreed(UserPrompts& prompts, bool changed)
{
    if (!changed) return true;
    return prompts.Message("Do you wish to discard your changes?", "Discard changes?", PromptButtons::YesNoDefaultNo,
                           PromptIcon::None) == PromptAnswer::Yes;
}
