#pragma once
// The keyboard's modifier state. Command is Ctrl and Option is Alt. The plain forms give the state
// of the event being handled; the Async forms the keys held down now.
namespace Keyboard {
bool CommandKey();
bool OptionKey();
bool ShiftKey();
bool AsyncCommandKey();
bool AsyncOptionKey();
bool AsyncShiftKey();
}  // namespace Keyboard
