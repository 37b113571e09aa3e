#pragma once
// The keyboard's modifier state. Command is Ctrl and Option is Alt. The plain forms give the state
// of the event being handled; the Async forms the keys held down now.
class QString;

namespace Keyboard {
bool CommandKey();
bool OptionKey();
bool ShiftKey();
bool AsyncCommandKey();
bool AsyncOptionKey();
bool AsyncShiftKey();

// Command-W: the key is "W" or "w" while Command is held. Every window closes on it.
bool isCommandW(const QString& key);
}  // namespace Keyboard
