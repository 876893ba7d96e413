#pragma once

class UserPrompts;

// Whether an editor's unsaved work may go, as Escape or the close box would
// have it: at once when nothing changed, otherwise only when the user
// answers Yes ("No" goes back to the editor). Return and Escape answer No:
// a key pressed out of habit never throws work away.
bool DiscardAgreed(UserPrompts& prompts, bool changed);
